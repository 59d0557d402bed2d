#pragma once

// Chunk files written and read through a stack of open chunks, so that callers nest groups without
// keeping chunk infos or nested writers and readers themselves. Both borrow the caller's media.

#include "framework/foundation/chunks/IFFChunkInfo.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace NSTramvell {

class CIFFReader2;
class CIFFWriter2;
class CMedia;

class CIFFFileWriter
{
public:
    // byteOrder: 0 big-endian sizes (IFF), 1 little-endian (RIFF).
    CIFFFileWriter(CMedia& media, int byteOrder);
    CIFFFileWriter(const CIFFFileWriter&) = delete;
    CIFFFileWriter& operator=(const CIFFFileWriter&) = delete;
    // Ends whatever is still open, so sizes and pads stand for the part written; never throws, since
    // it also runs while a failed write unwinds.
    virtual ~CIFFFileWriter();

    void BeginFORM(const CRulingString<CFourCharCodeRule>& type);
    void BeginCAT(const CRulingString<CFourCharCodeRule>& type);
    void BeginLIST(const CRulingString<CFourCharCodeRule>& type);
    void BeginChunk(const CRulingString<CFourCharCodeRule>& id);
    // Where the innermost open chunk's contents go: a window over its data, or the caller's media
    // when nothing is open.
    CMedia& GetMedia() const;
    // Ends the innermost open chunk; XBase when none is open.
    void EndChunk();
    // Ends every open chunk, innermost first; only destruction may follow.
    void CloseAll();

private:
    class COpenChunk;

    void Push(const CIFFChunkInfo& chunk);
    void EndInnermost();
    CIFFWriter2& GetCurrent() const;

    std::unique_ptr<CIFFWriter2> mRoot;
    CIFFWriter2* mCurrent; // the root or the innermost open chunk's writer; null after CloseAll
    std::vector<std::unique_ptr<COpenChunk>> mOpenChunks;
};

class CIFFFileReader
{
public:
    // byteOrder: 0 big-endian sizes (IFF), 1 little-endian (RIFF).
    CIFFFileReader(CMedia& media, int byteOrder);
    CIFFFileReader(const CIFFFileReader&) = delete;
    CIFFFileReader& operator=(const CIFFFileReader&) = delete;
    virtual ~CIFFFileReader();

    // Each enters the group or chunk found at the current level: true, or false when it is missing.
    bool EnterFORM(const CRulingString<CFourCharCodeRule>& type);
    bool EnterCAT(const CRulingString<CFourCharCodeRule>& type);
    bool EnterLIST(const CRulingString<CFourCharCodeRule>& type);
    bool EnterChunk(const CRulingString<CFourCharCodeRule>& id);
    // The same, with XBadFormat when it is missing.
    void RequireFORM(const CRulingString<CFourCharCodeRule>& type);
    void RequireCAT(const CRulingString<CFourCharCodeRule>& type);
    void RequireLIST(const CRulingString<CFourCharCodeRule>& type);
    void RequireChunk(const CRulingString<CFourCharCodeRule>& id);

    bool EnterFirstChunk();
    // Leaves the innermost chunk and enters the one after it; false, one level up, when it was the last.
    bool EnterNextChunk();
    void LeaveChunk();

    // The operations on the innermost chunk throw XBase when none is entered.
    const CIFFChunkInfo& GetChunkInfo() const;
    std::int32_t GetDataSize() const;
    // Reads the innermost chunk's data size from its data at the current position.
    void ReadData(void* buffer);

    // A window over the data of the plain chunk with that id at the current level, or null.
    std::unique_ptr<CMedia> OpenChunk(const CRulingString<CFourCharCodeRule>& id);
    // Reads the whole data of the plain chunk with that id at the current level; XBadFormat when missing.
    void ReadChunk(const CRulingString<CFourCharCodeRule>& id, void* buffer);
    int CountChunks();

private:
    class CEnteredChunk;

    bool EnterFound(bool found, const CIFFChunkInfo& chunk);
    void Push(const CIFFChunkInfo& chunk);
    void PopInnermost();
    const CEnteredChunk& GetInnermost() const;

    std::unique_ptr<CIFFReader2> mRoot;
    CIFFReader2* mCurrent; // the root or the innermost entered chunk's reader
    std::vector<std::unique_ptr<CEnteredChunk>> mEnteredChunks;
};

} // namespace NSTramvell
