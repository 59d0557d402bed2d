#pragma once

// The first generation of chunk classes: one top-level group ("FORM", "RIFF", "LIST") holding plain
// chunks, written or searched over a caller's media, which they borrow. Big-endian sizes and pad bytes
// after odd data unless told otherwise. Platform-free: the sample-file library links these.

#include "framework/foundation/strings/RulingString.h"

#include <cstdint>

namespace NSTramvell {

class CMedia;

class CIFFWriter
{
public:
    explicit CIFFWriter(CMedia& media);
    CIFFWriter(const CIFFWriter&) = delete;
    CIFFWriter& operator=(const CIFFWriter&) = delete;
    virtual ~CIFFWriter();

    void DisablePadding() noexcept { mPad = false; }
    void SetLittleEndian() noexcept { mLittleEndian = true; }

    // Identifiers shorter than 4 characters throw XBase before anything is written.
    void BeginFORM(const CRulingString<CFourCharCodeRule>& groupId, const CRulingString<CFourCharCodeRule>& type);
    // Closing with nothing open throws XBase and changes nothing.
    void EndFORM();
    void BeginChunk(const CRulingString<CFourCharCodeRule>& id);
    void EndChunk();
    void WriteChunk(const CRulingString<CFourCharCodeRule>& id, const void* data, std::int32_t length);
    // Raw bytes at the media's position: the contents of the open chunk.
    void Write(std::int32_t length, const void* data);

    CMedia& GetMedia() const noexcept { return *mMedia; }

private:
    void WriteHeader(std::int32_t& start, const CRulingString<CFourCharCodeRule>& id,
                     const CRulingString<CFourCharCodeRule>* type);
    void Close(std::int32_t& start);

    bool mPad;
    bool mLittleEndian;
    std::int32_t mGroupStart; // kNothingOpen while no group is open
    std::int32_t mChunkStart; // kNothingOpen while no chunk is open
    CMedia* mMedia;           // borrowed
};

class CIFFReader
{
public:
    CIFFReader(CMedia& media, const CRulingString<CFourCharCodeRule>& groupId);
    CIFFReader(const CIFFReader&) = delete;
    CIFFReader& operator=(const CIFFReader&) = delete;
    virtual ~CIFFReader();

    void DisablePadding() noexcept { mPad = false; }
    void SetLittleEndian() noexcept { mLittleEndian = true; }

    // True with the media at the chunk's data and its size stored; false when the group holds no such
    // chunk. XBadFormat when the media does not start with the group, or a chunk size is negative or
    // runs past the media's end.
    bool FindChunk(const CRulingString<CFourCharCodeRule>& id, std::int32_t& size);
    // Each reads length bytes after skip bytes of the chunk's data; false, buffer untouched, when the
    // chunk is missing or holds fewer than skip + length bytes.
    bool ReadChunk(const CRulingString<CFourCharCodeRule>& id, void* buffer, std::int32_t length);
    bool ReadChunk(const CRulingString<CFourCharCodeRule>& id, void* buffer, std::int32_t skip,
                   std::int32_t length);
    // size: the chunk's stored size, given whenever the chunk is found.
    bool ReadChunk(const CRulingString<CFourCharCodeRule>& id, void* buffer, std::int32_t skip,
                   std::int32_t length, std::int32_t& size);

    CMedia& GetMedia() const noexcept { return *mMedia; }

private:
    std::int32_t DecodeSize(const std::uint8_t* bytes) const;

    bool mPad;
    bool mLittleEndian;
    CRulingString<CFourCharCodeRule> mGroupId;
    CMedia* mMedia; // borrowed
};

} // namespace NSTramvell
