#include "framework/foundation/core/BlockCacheReadMedia.h"

#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace NSTramvell;

namespace {

// A source whose byte at p is p mod 251, counting the reads that reach it and failing on request.
class CCountingSource : public CMedia
{
public:
    explicit CCountingSource(std::int32_t sizeInBytes) : mSize(sizeInBytes) {}

    std::int32_t GetSize() const override { return mSize; }
    std::int32_t GetPosition() const override { return mPosition; }
    void SetPosition(std::int32_t position) override { mPosition = position; }
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override
    {
        mReads.push_back(position);
        if (mFailReads)
            throw XRead();
        auto* bytes = static_cast<std::uint8_t*>(destination);
        for (std::int32_t i = 0; i < length; ++i)
            bytes[i] = static_cast<std::uint8_t>((position + i) % 251);
        mPosition = position + length;
    }
    void WriteAt(std::int32_t, std::int32_t, const void*) override { throw XWrite(); }

    std::vector<std::int32_t> mReads;   // the position of each read
    bool mFailReads = false;

private:
    std::int32_t mSize;
    std::int32_t mPosition = 0;
};

std::vector<std::uint8_t> Expected(std::int32_t position, std::int32_t length)
{
    std::vector<std::uint8_t> bytes;
    for (std::int32_t i = 0; i < length; ++i)
        bytes.push_back(static_cast<std::uint8_t>((position + i) % 251));
    return bytes;
}

std::vector<std::uint8_t> ReadThrough(CMedia& media, std::int32_t position, std::int32_t length)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    media.ReadAt(position, length, bytes.data());
    return bytes;
}

TEST(CBlockCacheReadMedia, BlocksFoundAgainStayAndBlocksReadOnceGoFirst)
{
    CCountingSource source(2048);
    CBlockCacheReadMedia cache(source, 512, 2);
    ReadThrough(cache, 0, 10);
    ReadThrough(cache, 600, 10);
    ReadThrough(cache, 1100, 10);   // evicts block 1, read last
    EXPECT_EQ(source.mReads, (std::vector<std::int32_t>{0, 512, 1024}));
    ReadThrough(cache, 0, 10);
    ReadThrough(cache, 1100, 10);
    EXPECT_EQ(source.mReads.size(), 3u);
    ReadThrough(cache, 600, 10);
    EXPECT_EQ(source.mReads.back(), 512);

    // Block 1 read, then block 0 twice: 0 moves to the front, so the next miss evicts 1.
    source.mReads.clear();
    CBlockCacheReadMedia fresh(source, 512, 2);
    ReadThrough(fresh, 512, 1);
    ReadThrough(fresh, 0, 1);
    ReadThrough(fresh, 0, 1);
    ReadThrough(fresh, 1024, 1);
    ReadThrough(fresh, 0, 1);
    EXPECT_EQ(source.mReads, (std::vector<std::int32_t>{512, 0, 1024}));
    ReadThrough(fresh, 512, 1);
    EXPECT_EQ(source.mReads.back(), 512);
}

TEST(CBlockCacheReadMedia, ReadsAcrossBlocksAndAShortLastBlock)
{
    CCountingSource source(1000);
    CBlockCacheReadMedia cache(source, 512, 2);
    EXPECT_EQ(cache.GetSize(), 1000);
    EXPECT_EQ(ReadThrough(cache, 500, 500), Expected(500, 500));
    EXPECT_EQ(cache.GetPosition(), 1000);
    EXPECT_EQ(source.mReads, (std::vector<std::int32_t>{0, 512}));
    EXPECT_EQ(ReadThrough(cache, 0, 1000), Expected(0, 1000));
    EXPECT_EQ(source.mReads.size(), 2u);
    EXPECT_EQ(ReadThrough(cache, 1000, 0).size(), 0u);

    CBlockCacheReadMedia single(source, 512, 0);   // a maximum below 1 keeps one block
    ReadThrough(single, 0, 1);
    ReadThrough(single, 0, 1);
    EXPECT_EQ(source.mReads.size(), 3u);
}

TEST(CBlockCacheReadMedia, ReadsOutsideTheSourceAreRefusedBeforeReading)
{
    CCountingSource source(1000);
    CBlockCacheReadMedia cache(source, 512, 2);
    cache.SetPosition(77);
    const struct
    {
        std::int32_t position;
        std::int32_t length;
    } kCases[] = {{995, 10}, {1000, 1}, {-1, 1}, {0, -1}, {1, 0x7FFFFFFF}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.position);
        std::vector<std::uint8_t> bytes(16);
        EXPECT_THROW(cache.ReadAt(c.position, c.length, bytes.data()), XRead);
        EXPECT_EQ(cache.GetPosition(), 77);
    }
    EXPECT_TRUE(source.mReads.empty());
}

TEST(CBlockCacheReadMedia, AFailedSourceReadKeepsNoBlock)
{
    CCountingSource source(1000);
    CBlockCacheReadMedia cache(source, 512, 2);
    source.mFailReads = true;
    std::uint8_t byte = 0;
    EXPECT_THROW(cache.ReadAt(0, 1, &byte), XRead);
    source.mFailReads = false;
    EXPECT_EQ(ReadThrough(cache, 0, 1), Expected(0, 1));
    EXPECT_EQ(source.mReads.size(), 2u);
}

TEST(CBlockCacheReadMedia, RefusesWritesAndBadBlockSizes)
{
    CCountingSource source(1000);
    CBlockCacheReadMedia cache(source, 512, 2);
    const std::uint8_t byte = 1;
    EXPECT_THROW(cache.WriteAt(0, 1, &byte), XWrite);
    EXPECT_THROW(cache.WriteAt(0, 0, &byte), XWrite);
    EXPECT_THROW(CBlockCacheReadMedia(source, 0, 2), XBase);
}

} // namespace
