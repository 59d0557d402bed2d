#include "framework/foundation/chunks/tests/fuzz/FuzzChunkFiles.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/chunks/IFFChunk.h"
#include "framework/foundation/chunks/IFFFile.h"
#include "framework/foundation/chunks/IFFReader2.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/chunks/RIFF.h"

#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace NSFuzzTargets {

namespace {

using NSTramvell::CIFFChunkInfo;

// Each group level takes at least 12 bytes, so a deep input nests deeply; the walk stops where a
// real file never goes, since the readers themselves do not recurse.
constexpr int kMaximumWalkDepth = 64;

// The identifiers the first-generation readers are asked for, besides the first one the input holds.
const char* const kSearchedIdentifiers[] = {"fmt ", "data", "smpl", "COMM", "SSND", "INST"};

void ReadPlainChunk(NSTramvell::CIFFReader2& reader, const CIFFChunkInfo& chunk)
{
    // The reader checked the size against its media, so the buffer is no larger than the input.
    std::vector<std::uint8_t> contents(static_cast<std::size_t>(chunk.GetDataSize()));
    reader.ReadChunkData(chunk, contents.data());
    const std::unique_ptr<NSTramvell::CPartialMedia> window = reader.MakeDataMedia(chunk);
    if (window->GetSize() > 0) {
        window->SetPosition(window->GetSize() - 1);
        static_cast<void>(window->ReadByte());
    }
}

void WalkLevel(NSTramvell::CIFFReader2& reader, int depth)
{
    static_cast<void>(reader.CountChunks());
    CIFFChunkInfo chunk;
    for (bool found = reader.ReadFirstChunk(chunk); found; found = reader.ReadNextChunk(chunk, chunk)) {
        static_cast<void>(chunk.GetTotalLength());
        if (!chunk.IsGroup()) {
            ReadPlainChunk(reader, chunk);
        } else if (depth < kMaximumWalkDepth) {
            NSTramvell::CIFFReader2 nested(reader, chunk);
            WalkLevel(nested, depth + 1);
        }
    }
    CIFFChunkInfo found;
    static_cast<void>(reader.FindChunk("data", found));
    static_cast<void>(reader.FindFORMChunk("WAVE", found));
    static_cast<void>(reader.FindGroupChunk("AIFF", found));
    static_cast<void>(reader.FindLISTChunk("INFO", found));
    static_cast<void>(reader.OpenChunk("fmt "));
}

void WalkSecondGeneration(NSTramvell::CIFFReader2& reader)
{
    try {
        WalkLevel(reader, 0);
    } catch (const NSTramvell::XBase&) {
    }
}

void WalkStackedLevel(NSTramvell::CIFFFileReader& reader, int depth)
{
    for (bool entered = reader.EnterFirstChunk(); entered; entered = reader.EnterNextChunk()) {
        const CIFFChunkInfo& chunk = reader.GetChunkInfo();
        if (!chunk.IsGroup()) {
            std::vector<std::uint8_t> contents(static_cast<std::size_t>(reader.GetDataSize()));
            reader.ReadData(contents.data());
        } else if (depth < kMaximumWalkDepth) {
            static_cast<void>(reader.CountChunks());
            WalkStackedLevel(reader, depth + 1);
        }
    }
}

void WalkStacked(NSTramvell::CMedia& media, int byteOrder)
{
    try {
        NSTramvell::CIFFFileReader reader(media, byteOrder);
        WalkStackedLevel(reader, 0);
    } catch (const NSTramvell::XBase&) {
    }
    try {
        NSTramvell::CIFFFileReader reader(media, byteOrder);
        if (reader.EnterFORM("WAVE") || reader.EnterFORM("AIFF") || reader.EnterLIST("INFO")) {
            std::vector<std::uint8_t> format(static_cast<std::size_t>(reader.GetDataSize()));
            if (reader.EnterChunk("fmt ")) {
                format.resize(static_cast<std::size_t>(reader.GetDataSize()));
                reader.ReadData(format.data());
                reader.LeaveChunk();
            }
            static_cast<void>(reader.OpenChunk("data"));
            reader.ReadChunk("fmt ", format.data());
        }
    } catch (const NSTramvell::XBase&) {
    }
}

void SearchFirstGeneration(NSTramvell::CIFFReader& reader, const std::string& firstIdentifier)
{
    std::vector<std::string> identifiers(std::begin(kSearchedIdentifiers), std::end(kSearchedIdentifiers));
    identifiers.push_back(firstIdentifier);
    for (const std::string& identifier : identifiers) {
        try {
            std::int32_t size = 0;
            if (!reader.FindChunk(identifier, size)) {
                continue;
            }
            std::uint8_t head[16];
            static_cast<void>(reader.ReadChunk(identifier, head, sizeof head));
            static_cast<void>(reader.ReadChunk(identifier, head, 2, 8, size));
            std::vector<std::uint8_t> whole(static_cast<std::size_t>(size));
            static_cast<void>(reader.ReadChunk(identifier, whole.data(), 0, size));
        } catch (const NSTramvell::XBase&) {
        }
    }
}

void SearchFirstGenerationVariants(NSTramvell::CMedia& media, const std::string& firstIdentifier)
{
    for (const bool littleEndian : {false, true}) {
        for (const bool padding : {true, false}) {
            NSTramvell::CIFFReader iff(media, "FORM");
            NSTramvell::RIFF_READER riff(media);
            if (littleEndian) {
                iff.SetLittleEndian();
            }
            if (!padding) {
                iff.DisablePadding();
                riff.DisablePadding();
            }
            SearchFirstGeneration(iff, firstIdentifier);
            SearchFirstGeneration(riff, firstIdentifier);
        }
    }
}

} // namespace

int FuzzChunkFiles(const std::uint8_t* data, std::size_t size)
{
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return 0;
    }
    NSTramvell::COwnedMemoryMedia media(static_cast<std::int32_t>(size), data);

    const std::string firstIdentifier =
        size >= 16 ? std::string(reinterpret_cast<const char*>(data) + 12, 4) : std::string("data");
    SearchFirstGenerationVariants(media, firstIdentifier);

    for (const int byteOrder : {0, 1}) {
        NSTramvell::CIFFReader2 reader(media, byteOrder);
        WalkSecondGeneration(reader);
        static_cast<void>(NSTramvell::CIFFReader2::IsIFFMedia(media, byteOrder));
        WalkStacked(media, byteOrder);
    }
    NSTramvell::CRIFFReader2 riff(media);
    WalkSecondGeneration(riff);
    static_cast<void>(NSTramvell::CRIFFReader2::IsRIFFMedia(media));

    try {
        NSTramvell::COwnedMemoryMedia dump;
        NSTramvell::CIFFReader2::DumpChunks(media, dump, 2);
    } catch (const NSTramvell::XBase&) {
    }
    return 0;
}

} // namespace NSFuzzTargets
