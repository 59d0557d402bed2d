#pragma once

// The RIFF flavours of the chunk classes: little-endian sizes and "RIFF" where IFF has "FORM".
// RIFF_WRITER and RIFF_READER build on the first generation, which the sample-file library links;
// CRIFFWriter2 and CRIFFReader2 on the second.

#include "framework/foundation/chunks/IFFChunk.h"
#include "framework/foundation/chunks/IFFReader2.h"
#include "framework/foundation/chunks/IFFWriter2.h"

namespace NSTramvell {

class CMedia;

// The caller passes "RIFF" or "LIST" as the group id of BeginFORM.
class RIFF_WRITER : public CIFFWriter
{
public:
    explicit RIFF_WRITER(CMedia& media);
    ~RIFF_WRITER() override;
};

// Searches a "RIFF" group.
class RIFF_READER : public CIFFReader
{
public:
    explicit RIFF_READER(CMedia& media);
    ~RIFF_READER() override;
};

class CRIFFWriter2 : public CIFFWriter2
{
public:
    explicit CRIFFWriter2(CMedia& media);
    CRIFFWriter2(CIFFWriter2& parent, const CIFFChunkInfo& chunk);
    ~CRIFFWriter2() override;
};

// "RIFF" is a kind-1 group here and "FORM" a plain chunk.
class CRIFFReader2 : public CIFFReader2
{
public:
    explicit CRIFFReader2(CMedia& media);
    CRIFFReader2(CIFFReader2& parent, const CIFFChunkInfo& chunk);
    ~CRIFFReader2() override;

    CIFFChunkInfo ReadChunkHeader() override;

    static bool IsRIFFMedia(CMedia& media);
};

} // namespace NSTramvell
