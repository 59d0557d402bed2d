#pragma once

// Writes an IFF (big-endian) or RIFF (little-endian) chunk file over a caller's media. The caller keeps
// the info of each Begin until its EndChunk, which patches the size: the writer does not check nesting.
// A nested writer owns a window onto its parent's media, starting at a chunk's data.

#include "framework/foundation/chunks/IFFChunkInfo.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CMedia;
class CPartialMedia;

class CIFFWriter2
{
public:
    // byteOrder: 0 big-endian sizes (IFF), 1 little-endian (RIFF); anything else throws XBase.
    CIFFWriter2(CMedia& media, int byteOrder);
    // A writer into the data of a chunk or group that the parent began.
    CIFFWriter2(CIFFWriter2& parent, const CIFFChunkInfo& chunk);
    CIFFWriter2(const CIFFWriter2&) = delete;
    CIFFWriter2& operator=(const CIFFWriter2&) = delete;
    virtual ~CIFFWriter2();

    // Identifiers and types shorter than 4 characters throw XBase before anything is written.
    void BeginFORMChunk(CIFFChunkInfo& out, const char* type);
    void BeginCATChunk(CIFFChunkInfo& out, const char* type);
    void BeginLISTChunk(CIFFChunkInfo& out, const char* type);
    void BeginChunk(CIFFChunkInfo& out, const char* id);

    // An unbounded window from the chunk's data on.
    std::unique_ptr<CPartialMedia> GetChunkMedia(const CIFFChunkInfo& chunk);
    // The chunk's contents end at the media's position: its size is patched and, at an odd end, a pad
    // byte written.
    void EndChunk(const CIFFChunkInfo& chunk);
    void WriteChunk(const char* id, std::int32_t length, const void* data);

    CMedia& GetMedia() const noexcept { return *mMedia; }

private:
    using CEncoder = void (*)(std::uint8_t*, std::uint32_t);

    void BeginHeader(CIFFChunkInfo& out, std::int32_t kind, const char* identifier, const char* type);

    std::unique_ptr<CPartialMedia> mWindow; // owned window of a nested writer
    CMedia* mMedia;                         // the caller's media or mWindow
    CIFFChunkInfo mChunk;
    CEncoder mEncoder;
};

} // namespace NSTramvell
