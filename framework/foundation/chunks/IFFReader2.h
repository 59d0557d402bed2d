#pragma once

// Reads an IFF (big-endian) or RIFF (little-endian) chunk file over a caller's media, one nesting level
// per reader: a group is entered by a nested reader over the group's data. A top-level reader borrows
// the caller's media; a nested one owns a window onto its parent's media, so it must not outlive it.

#include "framework/foundation/chunks/IFFChunkInfo.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CMedia;
class CPartialMedia;

class CIFFReader2
{
public:
    // byteOrder: 0 big-endian sizes (IFF), 1 little-endian (RIFF); anything else throws XBase.
    CIFFReader2(CMedia& media, int byteOrder);
    // A reader over the data of a group or chunk that the parent found.
    CIFFReader2(CIFFReader2& parent, const CIFFChunkInfo& chunk);
    CIFFReader2(const CIFFReader2&) = delete;
    CIFFReader2& operator=(const CIFFReader2&) = delete;
    virtual ~CIFFReader2();

    // The header at the media's position; XBadFormat when it is malformed.
    virtual CIFFChunkInfo ReadChunkHeader();

    bool ReadFirstChunk(CIFFChunkInfo& out);
    bool ReadNextChunk(CIFFChunkInfo current, CIFFChunkInfo& out);

    // Each leaves the media just after the found chunk's header.
    bool FindChunk(const char* id, CIFFChunkInfo& out);
    bool FindFORMChunk(const char* type, CIFFChunkInfo& out);
    bool FindGroupChunk(const char* type, CIFFChunkInfo& out); // a "CAT " group
    bool FindLISTChunk(const char* type, CIFFChunkInfo& out);

    // A window over the data of the plain chunk with that id, or null when there is none.
    std::unique_ptr<CMedia> OpenChunk(const char* id);
    std::unique_ptr<CPartialMedia> MakeDataMedia(const CIFFChunkInfo& chunk);
    // Reads the chunk's whole data (its data size) into the buffer.
    void ReadChunkData(const CIFFChunkInfo& chunk, void* buffer);
    // The number of chunks at this level; the media's position is kept.
    int CountChunks();

    CMedia& GetMedia() const noexcept { return *mMedia; }
    CIFFReader2* GetParent() const noexcept { return mParent; }
    // The chunk this reader reads (kind none for a top-level reader).
    const CIFFChunkInfo& GetChunkInfo() const noexcept { return mChunk; }

    static bool IsIFFMedia(CMedia& media, int byteOrder);
    // One line per chunk, groups followed by their contents indented by 4 more spaces.
    static void DumpChunks(CMedia& in, CMedia& out, int indent);

protected:
    // The identifiers that open a "FORM"-like, a "CAT " and a "LIST" group (kinds 1, 2, 3).
    struct SGroupIdentifiers
    {
        const char* form;
        const char* cat;
        const char* list;
    };
    CIFFChunkInfo ReadChunkHeaderWithGroups(const SGroupIdentifiers& groups);

private:
    using CDecoder = std::uint32_t (*)(const std::uint8_t*);

    bool FindChunkOfKind(std::int32_t kind, const char* name, CIFFChunkInfo& out);
    static void DumpLevel(CMedia& in, CMedia& out, int indent, int depth);

    CIFFReader2* mParent;                  // borrowed; null for a top-level reader
    std::unique_ptr<CPartialMedia> mWindow; // owned window of a nested reader
    CMedia* mMedia;                        // the caller's media or mWindow
    CIFFChunkInfo mChunk;
    CDecoder mDecoder;
};

} // namespace NSTramvell
