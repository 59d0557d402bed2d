#include "framework/foundation/core/KeptBlocks.h"

#include "framework/foundation/core/Media.h"
#include "tests/support/TestThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <vector>

namespace {

using namespace NSTramvell;

constexpr std::size_t kMegabyte = std::size_t{1} << 20;

// The kept blocks are one store for the process: each test starts and ends without any.
class KeptBlocks : public ::testing::Test
{
protected:
    void SetUp() override { ReleaseKeptBlocks(); }
    void TearDown() override { ReleaseKeptBlocks(); }
};

TEST_F(KeptBlocks, AFreedLargeBlockServesTheNextRequestItFits)
{
    std::uint8_t* const block = TakeBlock(2 * kMegabyte);
    block[2 * kMegabyte - 1] = 1;
    KeepBlock(block);
    EXPECT_EQ(GetKeptBytes(), 2 * kMegabyte);

    EXPECT_EQ(TakeBlock(kMegabyte + 1), block);
    EXPECT_EQ(GetKeptBlockCount(), 0u);
    KeepBlock(block);
    // A request of less than half the block, or of more than the block, gets a block of its own.
    for (const std::size_t size : {kMegabyte - 1, 2 * kMegabyte + 1}) {
        SCOPED_TRACE(size);
        std::uint8_t* const other = TakeBlock(size);
        EXPECT_NE(other, block);
        other[size - 1] = 1;
        KeepBlock(other);
    }
}

TEST_F(KeptBlocks, TheSmallestFittingBlockIsTaken)
{
    std::uint8_t* const large = TakeBlock(3 * kMegabyte);
    std::uint8_t* const small = TakeBlock(2 * kMegabyte);
    KeepBlock(large);
    KeepBlock(small);
    EXPECT_EQ(TakeBlock(3 * kMegabyte / 2), small);
    EXPECT_EQ(TakeBlock(3 * kMegabyte / 2), large);
    KeepBlock(small);
    KeepBlock(large);
}

TEST_F(KeptBlocks, OnlyBlocksWithinTheBoundsAreKept)
{
    const std::size_t kSizes[] = {0, 1000, 256 * 1024 - 1, 64 * kMegabyte + 1};
    for (const std::size_t size : kSizes) {
        SCOPED_TRACE(size);
        KeepBlock(TakeBlock(size));
        EXPECT_EQ(GetKeptBytes(), 0u);
    }
    KeepBlock(nullptr);
    KeepBlock(TakeBlock(256 * 1024));
    KeepBlock(TakeBlock(64 * kMegabyte));
    EXPECT_EQ(GetKeptBlockCount(), 2u);
}

TEST_F(KeptBlocks, TheOldestBlocksMakeRoomForANewOne)
{
    // At most 96 MB: a second block of 60 MB pushes the first out.
    std::uint8_t* const first = TakeBlock(60 * kMegabyte);
    std::uint8_t* const second = TakeBlock(60 * kMegabyte);
    KeepBlock(first);
    KeepBlock(second);
    EXPECT_EQ(GetKeptBytes(), 60 * kMegabyte);
    EXPECT_EQ(TakeBlock(60 * kMegabyte), second);
    KeepBlock(second);
    ReleaseKeptBlocks();

    // At most 64 blocks.
    std::vector<std::uint8_t*> blocks;
    for (int i = 0; i < 65; ++i)
        blocks.push_back(TakeBlock(256 * 1024));
    for (std::uint8_t* const block : blocks)
        KeepBlock(block);
    EXPECT_EQ(GetKeptBlockCount(), 64u);
    EXPECT_EQ(GetKeptBytes(), 64u * 256 * 1024);
}

TEST_F(KeptBlocks, ReleaseFreesEveryKeptBlock)
{
    KeepBlock(TakeBlock(kMegabyte));
    KeepBlock(TakeBlock(4 * kMegabyte));
    ReleaseKeptBlocks();
    EXPECT_EQ(GetKeptBytes(), 0u);
    EXPECT_EQ(GetKeptBlockCount(), 0u);
}

TEST_F(KeptBlocks, MemoryMediaGiveTheirBlocksToTheNextMedia)
{
    const std::uint8_t* firstBlock = nullptr;
    {
        COwnedMemoryMedia first(2 * 1000 * 1000);
        firstBlock = first.GetBuffer();
    }
    COwnedMemoryMedia second(2 * 1000 * 1000);
    EXPECT_EQ(second.GetBuffer(), firstBlock);
    // The new media is empty whatever the block held before.
    EXPECT_EQ(second.GetSize(), 0);
    EXPECT_EQ(second.GetCapacity(), 2 * 1000 * 1000);
}

TEST_F(KeptBlocks, VectorsOverKeptBlocksKeepTheirValues)
{
    using CKeptVector = std::vector<std::int16_t, CKeptBlockAllocator<std::int16_t>>;
    CKeptVector filled(300 * 1024, std::int16_t{7});
    EXPECT_EQ(filled.front(), 7);
    EXPECT_EQ(filled.back(), 7);
    CKeptVector copy = filled;
    filled.assign(filled.size(), std::int16_t{-3});
    EXPECT_EQ(copy[1000], 7);
    copy.push_back(9);
    EXPECT_EQ(copy.back(), 9);
    EXPECT_EQ(copy.size(), 300u * 1024 + 1);
    EXPECT_EQ(filled[299 * 1024], -3);
}

TEST_F(KeptBlocks, ThreadsShareTheBlocksSafely)
{
    // The test framework's checks are for the main thread; the workers count what they find wrong.
    std::atomic<int> mixedBlocks = 0;
    NSTestSupport::RunOnThreads(4, [&mixedBlocks](int t) {
        for (int i = 0; i < 200; ++i) {
            const std::size_t size = (std::size_t{1} + static_cast<std::size_t>((t + i) % 3)) * kMegabyte;
            std::uint8_t* const block = TakeBlock(size);
            block[0] = static_cast<std::uint8_t>(t);
            block[size - 1] = static_cast<std::uint8_t>(t);
            if (block[0] != block[size - 1])
                ++mixedBlocks;
            KeepBlock(block);
        }
    });
    EXPECT_EQ(mixedBlocks, 0);
    EXPECT_LE(GetKeptBytes(), 96 * kMegabyte);
}

} // namespace
