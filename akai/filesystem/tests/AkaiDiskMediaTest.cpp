#include "akai/filesystem/AkaiDiskMedia.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

// A disc of any claimed size that only records what it is asked.
class CClaimedSizeDisc final : public NSAkaiFileSystem::IAkaiDiskMedia
{
public:
    explicit CClaimedSizeDisc(std::int64_t sizeInBytes) : mSizeInBytes(sizeInBytes) {}

    std::int64_t GetSize() override { return mSizeInBytes; }
    void ReadAt(std::int64_t position, std::int64_t length, void*) override { mReads.push_back({position, length}); }

    std::vector<std::pair<std::int64_t, std::int64_t>> mReads;

private:
    std::int64_t mSizeInBytes;
};

} // namespace

TEST(CAkaiDiskMedia, ClampsTheDiscSizeToWhat32BitOffsetsReach)
{
    const std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::int64_t discSize;
        std::int32_t mediaSize;
    } kCases[] = {
        {0, 0}, {8192, 8192}, {kMax32, std::numeric_limits<std::int32_t>::max()},
        {kMax32 + 1, std::numeric_limits<std::int32_t>::max()},
        {0x100000010LL, std::numeric_limits<std::int32_t>::max()},  // low 32 bits would give 16
        {-1, 0}, {std::numeric_limits<std::int64_t>::min(), 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.discSize);
        CClaimedSizeDisc disc(c.discSize);
        NSAkaiFileSystem::CAkaiDiskMedia media(disc);
        EXPECT_EQ(media.GetSize(), c.mediaSize);
    }
}

TEST(CAkaiDiskMedia, ReadsThroughTheDiscAndAdvancesItsPositionWhileWritesAreIgnored)
{
    CClaimedSizeDisc disc(1 << 20);
    NSAkaiFileSystem::CAkaiDiskMedia media(disc);
    std::uint8_t buffer[16] = {};
    media.ReadAt(8192, 16, buffer);
    EXPECT_EQ(media.GetPosition(), 8192 + 16);
    media.Read(4, buffer);
    media.WriteAt(0, 16, buffer);
    const std::vector<std::pair<std::int64_t, std::int64_t>> expected = {{8192, 16}, {8208, 4}};
    EXPECT_EQ(disc.mReads, expected);
    EXPECT_EQ(media.GetPosition(), 8212);
}
