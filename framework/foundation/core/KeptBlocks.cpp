#include "framework/foundation/core/KeptBlocks.h"

#include "framework/foundation/core/ThreadLock.h"

#include <algorithm>
#include <vector>

namespace NSTramvell {
namespace {

// Below this the heap reuses freed memory by itself.
constexpr std::size_t kSmallestKeptBlockInBytes = std::size_t{256} << 10;
// Bounds on the memory held for reuse while nothing uses it.
constexpr std::size_t kLargestKeptBlockInBytes = std::size_t{64} << 20;
constexpr std::size_t kMostKeptBytes = std::size_t{96} << 20;
constexpr std::size_t kMostKeptBlocks = 64;
// Each block's size is stored in front of it, in a header that keeps the block aligned as the heap's own.
constexpr std::size_t kHeaderInBytes = alignof(std::max_align_t) > sizeof(std::size_t) ? alignof(std::max_align_t)
                                                                                         : sizeof(std::size_t);

struct CKeptBlocks
{
    CKeptBlocks() { blocks.reserve(kMostKeptBlocks); }

    CThreadLock lock;
    // Oldest first; each points at its block's header.
    std::vector<std::uint8_t*> blocks;
    std::size_t bytes = 0;
};

// Never destroyed, so that a block freed while the program ends still finds it.
CKeptBlocks& Kept()
{
    static CKeptBlocks* const kept = new CKeptBlocks;
    return *kept;
}

std::size_t& SizeOf(std::uint8_t* header)
{
    return *reinterpret_cast<std::size_t*>(header);
}

bool IsKeptSize(std::size_t sizeInBytes)
{
    return sizeInBytes >= kSmallestKeptBlockInBytes && sizeInBytes <= kLargestKeptBlockInBytes;
}

// The smallest kept block that holds sizeInBytes and is at most twice as large, so that a small request
// does not hold a large block; null when none is.
std::uint8_t* TakeKeptBlock(std::size_t sizeInBytes)
{
    CKeptBlocks& kept = Kept();
    const CThreadLockGuard guard(kept.lock);
    auto best = kept.blocks.end();
    for (auto block = kept.blocks.begin(); block != kept.blocks.end(); ++block) {
        const std::size_t size = SizeOf(*block);
        if (size >= sizeInBytes && size / 2 <= sizeInBytes && (best == kept.blocks.end() || size < SizeOf(*best)))
            best = block;
    }
    if (best == kept.blocks.end())
        return nullptr;
    std::uint8_t* const header = *best;
    kept.blocks.erase(best);
    kept.bytes -= SizeOf(header);
    return header;
}

} // namespace

std::uint8_t* TakeBlock(std::size_t sizeInBytes)
{
    std::uint8_t* header = IsKeptSize(sizeInBytes) ? TakeKeptBlock(sizeInBytes) : nullptr;
    if (header == nullptr) {
        if (sizeInBytes > std::numeric_limits<std::size_t>::max() - kHeaderInBytes)
            throw std::bad_alloc();
        header = static_cast<std::uint8_t*>(::operator new(kHeaderInBytes + sizeInBytes));
        SizeOf(header) = sizeInBytes;
    }
    return header + kHeaderInBytes;
}

void KeepBlock(std::uint8_t* block) noexcept
{
    if (block == nullptr)
        return;
    std::uint8_t* const header = block - kHeaderInBytes;
    const std::size_t size = SizeOf(header);
    if (IsKeptSize(size)) {
        CKeptBlocks& kept = Kept();
        const CThreadLockGuard guard(kept.lock);
        while (!kept.blocks.empty() && (kept.blocks.size() == kMostKeptBlocks || kept.bytes + size > kMostKeptBytes)) {
            kept.bytes -= SizeOf(kept.blocks.front());
            ::operator delete(kept.blocks.front());
            kept.blocks.erase(kept.blocks.begin());
        }
        kept.blocks.push_back(header);
        kept.bytes += size;
        return;
    }
    ::operator delete(header);
}

void ReleaseKeptBlocks() noexcept
{
    CKeptBlocks& kept = Kept();
    const CThreadLockGuard guard(kept.lock);
    for (std::uint8_t* const header : kept.blocks)
        ::operator delete(header);
    kept.blocks.clear();
    kept.bytes = 0;
}

std::size_t GetKeptBytes() noexcept
{
    CKeptBlocks& kept = Kept();
    const CThreadLockGuard guard(kept.lock);
    return kept.bytes;
}

std::size_t GetKeptBlockCount() noexcept
{
    CKeptBlocks& kept = Kept();
    const CThreadLockGuard guard(kept.lock);
    return kept.blocks.size();
}

} // namespace NSTramvell
