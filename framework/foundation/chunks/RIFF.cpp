#include "framework/foundation/chunks/RIFF.h"

#include "framework/foundation/core/Media.h"

#include <exception>

namespace NSTramvell {

RIFF_WRITER::RIFF_WRITER(CMedia& media)
    : CIFFWriter(media)
{
    SetLittleEndian();
}

RIFF_WRITER::~RIFF_WRITER() = default;

RIFF_READER::RIFF_READER(CMedia& media)
    : CIFFReader(media, CRulingString<CFourCharCodeRule>("RIFF"))
{
    SetLittleEndian();
}

RIFF_READER::~RIFF_READER() = default;

CRIFFWriter2::CRIFFWriter2(CMedia& media)
    : CIFFWriter2(media, 1)
{
}

CRIFFWriter2::CRIFFWriter2(CIFFWriter2& parent, const CIFFChunkInfo& chunk)
    : CIFFWriter2(parent, chunk)
{
}

CRIFFWriter2::~CRIFFWriter2() = default;

CRIFFReader2::CRIFFReader2(CMedia& media)
    : CIFFReader2(media, 1)
{
}

CRIFFReader2::CRIFFReader2(CIFFReader2& parent, const CIFFChunkInfo& chunk)
    : CIFFReader2(parent, chunk)
{
}

CRIFFReader2::~CRIFFReader2() = default;

CIFFChunkInfo CRIFFReader2::ReadChunkHeader()
{
    return ReadChunkHeaderWithGroups({"RIFF", "CAT ", "LIST"});
}

bool CRIFFReader2::IsRIFFMedia(CMedia& media)
{
    try {
        CRIFFReader2 reader(media);
        CIFFChunkInfo chunk;
        return reader.ReadFirstChunk(chunk) && chunk.GetKind() >= CIFFChunkInfo::kFORMGroup &&
               chunk.GetKind() <= CIFFChunkInfo::kLISTGroup && chunk.GetTotalLength() <= media.GetSize();
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace NSTramvell
