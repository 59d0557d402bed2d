#pragma once

// A read-only media in front of a slow or block-oriented source: it reads the source in blocks of a fixed
// size and keeps at most a given number of them. A block found again moves to the front of the cache; new
// blocks join at the back, and a miss evicts the back one, so a block read only once goes first.

#include "framework/foundation/core/Media.h"

#include <cstdint>
#include <list>
#include <vector>

namespace NSTramvell {

class CBlockCacheReadMedia : public CMedia
{
public:
    // source is borrowed and must outlive the cache. A block size below 1 throws XBase; a maximum below 1
    // keeps one block.
    CBlockCacheReadMedia(CMedia& source, std::int32_t blockSizeInBytes, std::int32_t maximumBlocks);
    ~CBlockCacheReadMedia() override;
    CBlockCacheReadMedia(const CBlockCacheReadMedia&) = delete;
    CBlockCacheReadMedia& operator=(const CBlockCacheReadMedia&) = delete;

    std::int32_t GetSize() const override;
    std::int32_t GetPosition() const override;
    void SetPosition(std::int32_t position) override;
    // A read that does not lie within the source throws XRead before reading and leaves the position.
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override;
    // Always XWrite.
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override;

private:
    struct CCachedBlock
    {
        std::int32_t mIndex;
        std::vector<std::uint8_t> mBytes;
    };

    const CCachedBlock& GetBlock(std::int32_t index);

    std::list<CCachedBlock> mCache;   // front: found again; back: read once, next to go
    std::int32_t mPosition = 0;
    CMedia& mSource;
    std::int32_t mBlockSizeInBytes;
    std::int32_t mMaximumBlocks;
};

} // namespace NSTramvell
