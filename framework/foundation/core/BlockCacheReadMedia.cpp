#include "framework/foundation/core/BlockCacheReadMedia.h"

#include "framework/foundation/core/Exceptions.h"

#include <algorithm>
#include <cstring>

namespace NSTramvell {

CBlockCacheReadMedia::CBlockCacheReadMedia(CMedia& source, std::int32_t blockSizeInBytes,
                                           std::int32_t maximumBlocks)
    : mSource(source)
    , mBlockSizeInBytes(blockSizeInBytes)
    , mMaximumBlocks(std::max(maximumBlocks, std::int32_t{1}))
{
    if (blockSizeInBytes < 1)
        throw XBase();
}

CBlockCacheReadMedia::~CBlockCacheReadMedia() = default;

std::int32_t CBlockCacheReadMedia::GetSize() const
{
    return mSource.GetSize();
}

std::int32_t CBlockCacheReadMedia::GetPosition() const
{
    return mPosition;
}

void CBlockCacheReadMedia::SetPosition(std::int32_t position)
{
    mPosition = position;
}

void CBlockCacheReadMedia::ReadAt(std::int32_t position, std::int32_t length, void* destination)
{
    if (position < 0 || length < 0 || length > GetSize() - position)
        throw XRead();
    auto* target = static_cast<std::uint8_t*>(destination);
    std::int32_t at = position;
    std::int32_t left = length;
    while (left > 0) {
        const std::int32_t index = at / mBlockSizeInBytes;
        const std::int32_t offset = at - index * mBlockSizeInBytes;
        const CCachedBlock& block = GetBlock(index);
        const std::int32_t count = std::min(left, static_cast<std::int32_t>(block.mBytes.size()) - offset);
        std::memcpy(target, block.mBytes.data() + offset, static_cast<std::size_t>(count));
        target += count;
        at += count;
        left -= count;
    }
    mPosition = at;
}

void CBlockCacheReadMedia::WriteAt(std::int32_t, std::int32_t, const void*)
{
    throw XWrite();
}

const CBlockCacheReadMedia::CCachedBlock& CBlockCacheReadMedia::GetBlock(std::int32_t index)
{
    const auto found = std::find_if(mCache.begin(), mCache.end(),
                                    [index](const CCachedBlock& block) { return block.mIndex == index; });
    if (found != mCache.end()) {
        mCache.splice(mCache.begin(), mCache, found);
        return mCache.front();
    }
    if (static_cast<std::int32_t>(mCache.size()) >= mMaximumBlocks)
        mCache.pop_back();
    const std::int64_t start = std::int64_t{index} * mBlockSizeInBytes;
    const std::int64_t length = std::min<std::int64_t>(mBlockSizeInBytes, GetSize() - start);
    CCachedBlock block{index, std::vector<std::uint8_t>(static_cast<std::size_t>(length))};
    mSource.ReadAt(static_cast<std::int32_t>(start), static_cast<std::int32_t>(length), block.mBytes.data());
    mCache.push_back(std::move(block));
    return mCache.back();
}

} // namespace NSTramvell
