#include "akai/filesystem/ReadAheadDiskMedia.h"

#include "akai/filesystem/tests/support/MemoryDiskMedia.h"
#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

using NSAkaiFileSystem::CReadAheadDiskMedia;
using NSAkaiTestSupport::CMemoryDiskMedia;

constexpr std::int64_t kBlock = CReadAheadDiskMedia::kBlockSizeInBytes;
using CReads = std::vector<std::pair<std::int64_t, std::int64_t>>;

std::vector<std::uint8_t> MakeBytes(std::size_t count)
{
    std::vector<std::uint8_t> bytes(count);
    std::mt19937 random(46);
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

std::vector<std::uint8_t> ReadFrom(NSAkaiFileSystem::IAkaiDiskMedia& disc, std::int64_t position, std::int64_t length)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    disc.ReadAt(position, length, bytes.data());
    return bytes;
}

// Each request starts where the one before ended, and none reads a byte twice.
void ExpectOneSweep(const CReads& reads)
{
    for (std::size_t i = 1; i < reads.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(reads[i].first, reads[i - 1].first + reads[i - 1].second);
    }
}

// A memory disc that fails every read touching one range, as a drive fails at a damaged place.
class CDamagedDisc final : public NSAkaiFileSystem::IAkaiDiskMedia
{
public:
    CDamagedDisc(std::vector<std::uint8_t> bytes, std::int64_t badStart, std::int64_t badEnd)
        : mDisc(std::move(bytes)), mBadStart(badStart), mBadEnd(badEnd)
    {
    }
    std::int64_t GetSize() override { return mDisc.GetSize(); }
    void ReadAt(std::int64_t position, std::int64_t length, void* buffer) override
    {
        if (position < mBadEnd && position + length > mBadStart)
            throw NSTramvell::XRead();
        mDisc.ReadAt(position, length, buffer);
    }

private:
    CMemoryDiskMedia mDisc;
    std::int64_t mBadStart;
    std::int64_t mBadEnd;
};

TEST(CReadAheadDiskMedia, GivesTheDiscsBytesForAnyMixOfReads)
{
    // More blocks than it keeps, and not a whole number of them: the last one is short.
    const std::vector<std::uint8_t> bytes = MakeBytes(static_cast<std::size_t>(100 * kBlock + 4321));
    CMemoryDiskMedia disc(bytes);
    CReadAheadDiskMedia readAhead(disc);
    std::mt19937 random(7);
    const auto size = static_cast<std::int64_t>(bytes.size());
    for (int i = 0; i < 3000; ++i) {
        const std::int64_t length = i % 3 == 0 ? random() % (3 * kBlock) : random() % 3000;
        const std::int64_t position = random() % (size - length + 1);
        SCOPED_TRACE(testing::Message() << position << " " << length);
        ASSERT_EQ(ReadFrom(readAhead, position, length),
                  std::vector<std::uint8_t>(bytes.begin() + position, bytes.begin() + position + length));
    }
    EXPECT_EQ(ReadFrom(readAhead, size - 10, 10), std::vector<std::uint8_t>(bytes.end() - 10, bytes.end()));
    EXPECT_EQ(disc.GetSizeQueryCount(), 1);
    for (const auto& [position, length] : disc.GetReads())
        EXPECT_LE(position + length, size);
}

// The walk over a disc's partitions: headers asked for again and again, then files that follow each
// other with the rest of a block between them.
TEST(CReadAheadDiskMedia, ReadsHeadersAndTheFilesAfterThemInOneSweep)
{
    const std::vector<std::uint8_t> bytes = MakeBytes(static_cast<std::size_t>(40 * kBlock));
    CMemoryDiskMedia disc(bytes);
    CReadAheadDiskMedia readAhead(disc);
    const CReads kHeaders = {{0, 2}, {202, 1600}, {16384, 12240}, {1802, 12874}};
    for (int walk = 0; walk < 3; ++walk) {
        for (const auto& [position, length] : kHeaders)
            ASSERT_EQ(ReadFrom(readAhead, position, length),
                      std::vector<std::uint8_t>(bytes.begin() + position, bytes.begin() + position + length));
    }
    std::int64_t position = 32768;
    for (const std::int64_t length : {300000, 4992, 2097344, 100, 9000}) {
        SCOPED_TRACE(position);
        ASSERT_EQ(ReadFrom(readAhead, position, length),
                  std::vector<std::uint8_t>(bytes.begin() + position, bytes.begin() + position + length));
        position = (position + length + 8191) / 8192 * 8192;
        ASSERT_EQ(ReadFrom(readAhead, 0, 2), std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 2));
    }
    ExpectOneSweep(disc.GetReads());
    EXPECT_EQ(disc.GetReads().front().first, 0);
}

TEST(CReadAheadDiskMedia, KeepsTheHeadersWhileMoreFilesThanItKeepsStreamPast)
{
    const std::vector<std::uint8_t> bytes = MakeBytes(static_cast<std::size_t>(200 * kBlock));
    CMemoryDiskMedia disc(bytes);
    CReadAheadDiskMedia readAhead(disc);
    ReadFrom(readAhead, 0, 2);
    ReadFrom(readAhead, 0, 2);
    // Files of just over a block each, so that nearly every one finds its first block kept.
    for (std::int64_t position = 2 * kBlock; position + kBlock + 8000 < 200 * kBlock; position += kBlock + 8192)
        ReadFrom(readAhead, position, kBlock + 8000);
    disc.ForgetReads();
    EXPECT_EQ(ReadFrom(readAhead, 1000, 30), std::vector<std::uint8_t>(bytes.begin() + 1000, bytes.begin() + 1030));
    // Read ahead of the first header and never asked for since: the rest of a partition's headers.
    EXPECT_EQ(ReadFrom(readAhead, kBlock + 1000, 30),
              std::vector<std::uint8_t>(bytes.begin() + kBlock + 1000, bytes.begin() + kBlock + 1030));
    EXPECT_EQ(disc.GetReads(), CReads());
}

TEST(CReadAheadDiskMedia, FailsOnlyTheReadsThatNeedTheFailingBytes)
{
    const std::vector<std::uint8_t> bytes = MakeBytes(static_cast<std::size_t>(10 * kBlock));
    // The block after the first is damaged: reading ahead into it must not fail a read of the first,
    // nor may its damage fail a read of its other bytes.
    CDamagedDisc disc(bytes, kBlock + 100, kBlock + 200);
    CReadAheadDiskMedia readAhead(disc);
    EXPECT_EQ(ReadFrom(readAhead, 10, 20), std::vector<std::uint8_t>(bytes.begin() + 10, bytes.begin() + 30));
    EXPECT_EQ(ReadFrom(readAhead, 0, kBlock), std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + kBlock));
    EXPECT_THROW(ReadFrom(readAhead, kBlock + 150, 10), NSTramvell::XRead);
    // In the damaged block, past the damage: the block cannot be read whole, the asked bytes can.
    EXPECT_EQ(ReadFrom(readAhead, kBlock + 300, 10),
              std::vector<std::uint8_t>(bytes.begin() + kBlock + 300, bytes.begin() + kBlock + 310));
    EXPECT_THROW(ReadFrom(readAhead, 0, 3 * kBlock), NSTramvell::XRead);
    EXPECT_EQ(ReadFrom(readAhead, 2 * kBlock, 5), std::vector<std::uint8_t>(bytes.begin() + 2 * kBlock,
                                                                            bytes.begin() + 2 * kBlock + 5));
    // Outside the disc the disc itself refuses.
    EXPECT_THROW(ReadFrom(readAhead, 10 * kBlock - 4, 5), NSTramvell::XRead);
    EXPECT_THROW(ReadFrom(readAhead, -1, 1), NSTramvell::XRead);
}

} // namespace
