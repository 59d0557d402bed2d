#include "libs/rawdisk/BlockyMedia.h"

#include "libs/rawdisk/BrakvelExceptions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

namespace {

using NSBrakvelImplementation::CBlockyMedia;
using NSBrakvelImplementation::ReadByteRange;

// A block device over bytes in memory that logs each read as (first block, block count).
class CMemoryBlockDevice : public NSBlockDevice::IBlockDevice
{
public:
    CMemoryBlockDevice(std::uint64_t blockSize, std::uint64_t blockCount)
        : mBlockSize(blockSize), mBlockCount(blockCount), mBytes(blockSize * blockCount)
    {
        for (std::size_t i = 0; i < mBytes.size(); ++i)
            mBytes[i] = static_cast<std::uint8_t>(i * 5 + i / 251);
    }

    std::uint64_t GetBlockCount() override { return mBlockCount; }
    std::uint64_t GetBlockSize() override { return mBlockSize; }
    void ReadBlocks(std::uint64_t firstBlock, std::uint64_t blockCount, void* destination) override
    {
        reads.push_back({firstBlock, blockCount});
        ASSERT_LE(firstBlock + blockCount, mBlockCount);
        std::memcpy(destination, mBytes.data() + firstBlock * mBlockSize, blockCount * mBlockSize);
    }
    void Release() override { delete this; }

    const std::vector<std::uint8_t>& Bytes() const { return mBytes; }

    struct CRead
    {
        std::uint64_t firstBlock;
        std::uint64_t blockCount;
        bool operator==(const CRead&) const = default;
    };
    std::vector<CRead> reads;

private:
    std::uint64_t mBlockSize;
    std::uint64_t mBlockCount;
    std::vector<std::uint8_t> mBytes;
};

TEST(ReadByteRange, ReadsWholeBlocksInOneCallAndOnlyPartBlocksThroughScratch)
{
    using CRead = CMemoryBlockDevice::CRead;
    const struct
    {
        std::uint64_t position;
        std::uint64_t length;
        std::vector<CRead> reads;
    } kCases[] = {
        {10, 20, {{0, 1}}},
        {2040, 4104, {{0, 1}, {1, 2}}},
        {2040, 4105, {{0, 1}, {1, 2}, {3, 1}}},
        {2048, 2048, {{1, 1}}},
        {0, 4 * 2048, {{0, 4}}},
        {4095, 2, {{1, 1}, {2, 1}}},
        {4096, 0, {}},
        {3 * 2048 + 7, 2048 - 7, {{3, 1}}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << "position " << c.position << ", length " << c.length);
        CMemoryBlockDevice device(2048, 4);
        std::vector<std::uint8_t> scratch(2048);
        std::vector<std::uint8_t> destination(c.length + 8, 0xEE);
        ReadByteRange(device, c.position, c.length, destination.data(), scratch.data());
        EXPECT_EQ(device.reads, c.reads);
        EXPECT_TRUE(std::equal(destination.begin(), destination.begin() + c.length,
                               device.Bytes().begin() + c.position));
        EXPECT_EQ(std::vector<std::uint8_t>(destination.begin() + c.length, destination.end()),
                  std::vector<std::uint8_t>(8, 0xEE));
    }
}

TEST(CBlockyMedia, ReadsEveryRangeOfASmallMediumExactly)
{
    for (const std::uint64_t blockSize : {std::uint64_t{4}, std::uint64_t{16}}) {
        auto device = std::make_unique<CMemoryBlockDevice>(blockSize, 5);
        const std::vector<std::uint8_t> expected = device->Bytes();
        CBlockyMedia media(std::move(device));
        const std::int32_t size = media.GetSize();
        ASSERT_EQ(size, static_cast<std::int32_t>(5 * blockSize));
        for (std::int32_t position = 0; position <= size; ++position) {
            for (std::int32_t length = 0; length <= size - position; ++length) {
                std::vector<std::uint8_t> destination(length);
                media.ReadAt(position, length, destination.data());
                ASSERT_TRUE(std::equal(destination.begin(), destination.end(), expected.begin() + position))
                    << "block size " << blockSize << ", position " << position << ", length " << length;
                ASSERT_EQ(media.GetPosition(), position + length);
            }
        }
    }
}

TEST(CBlockyMedia, SizeBeyondThirtyTwoBitsFailsInsteadOfWrapping)
{
    const struct
    {
        std::uint64_t blockSize;
        std::uint64_t blockCount;
        bool fits;
    } kCases[] = {
        {2048, 1048575, true},                 // 2 GB less one block
        {1, 2147483647, true},                 // the largest size
        {2048, 1048576, false},                // 2 GB exactly
        {2048, 2097152 + 1, false},            // wraps to 2048 in 32 bits
        {512, std::uint64_t{1} << 55, false},  // wraps to 0 in 64 bits
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.blockSize << " x " << c.blockCount);
        // The device is only asked for its size, never read, so it need not hold the bytes.
        class CHugeDevice : public NSBlockDevice::IBlockDevice
        {
        public:
            CHugeDevice(std::uint64_t blockSize, std::uint64_t blockCount)
                : mBlockSize(blockSize), mBlockCount(blockCount) {}
            std::uint64_t GetBlockCount() override { return mBlockCount; }
            std::uint64_t GetBlockSize() override { return mBlockSize; }
            void ReadBlocks(std::uint64_t, std::uint64_t, void*) override { ADD_FAILURE() << "read"; }
            void Release() override { delete this; }

        private:
            std::uint64_t mBlockSize;
            std::uint64_t mBlockCount;
        };
        CBlockyMedia media(std::make_unique<CHugeDevice>(c.blockSize, c.blockCount));
        if (c.fits) {
            EXPECT_EQ(media.GetSize(), static_cast<std::int32_t>(c.blockSize * c.blockCount));
        } else {
            EXPECT_THROW(media.GetSize(), NSBrakvelImplementation::XFile);
        }
    }
}

} // namespace
