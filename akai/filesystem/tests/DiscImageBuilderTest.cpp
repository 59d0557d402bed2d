// The builder's bytes, pinned at the layout's offsets by hand, so that builder and reader cannot
// share a mistake.

#include "akai/filesystem/tests/support/DiscImageBuilder.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace NSAkaiTestSupport;

namespace {

std::uint16_t WordAt(const CDiscImage& image, std::size_t offset)
{
    return static_cast<std::uint16_t>(image.Bytes().at(offset) | image.Bytes().at(offset + 1) << 8);
}

std::vector<std::uint8_t> BytesAt(const CDiscImage& image, std::size_t offset, std::size_t length)
{
    return {image.Bytes().begin() + static_cast<std::ptrdiff_t>(offset),
            image.Bytes().begin() + static_cast<std::ptrdiff_t>(offset + length)};
}

} // namespace

TEST(DiscImageBuilder, MinimalDiscLiesAtTheLayoutOffsets)
{
    const CDiscImage image = CDiscImageBuilder::BuildMinimalDisc();
    ASSERT_EQ(image.Bytes().size(), 4u * 8192);
    EXPECT_EQ(WordAt(image, 0), 4);  // size word

    // Volume entry 0: "VOLUME 1", in use, load number 0, directory at block 1.
    const std::vector<std::uint8_t> volumeName = {32, 25, 22, 31, 23, 15, 10, 1, 10, 10, 10, 10};
    EXPECT_EQ(BytesAt(image, 202, 12), volumeName);
    EXPECT_EQ(image.Bytes()[202 + 12], 1);
    EXPECT_EQ(image.Bytes()[202 + 13], 0);
    EXPECT_EQ(WordAt(image, 202 + 14), 1);
    EXPECT_EQ(image.Bytes()[202 + 16 + 12], 0);  // entry 1 is free

    // Allocation table: header block, directory end, file end, free.
    EXPECT_EQ(WordAt(image, 1802), 0x4000);
    EXPECT_EQ(WordAt(image, 1804), 0x8000);
    EXPECT_EQ(WordAt(image, 1806), 0xC000);
    EXPECT_EQ(WordAt(image, 1808), 0);

    // Directory entry 0 in block 1: "SAMPLE 1", type 243, 100 bytes, first block 2.
    const std::vector<std::uint8_t> fileName = {29, 11, 23, 26, 22, 15, 10, 1, 10, 10, 10, 10};
    EXPECT_EQ(BytesAt(image, 8192, 12), fileName);
    EXPECT_EQ(image.Bytes()[8192 + 16], 243);
    EXPECT_EQ(BytesAt(image, 8192 + 17, 3), (std::vector<std::uint8_t>{100, 0, 0}));
    EXPECT_EQ(WordAt(image, 8192 + 20), 2);
    EXPECT_EQ(BytesAt(image, 2 * 8192, 100), MakeFileContents(100));
}

TEST(DiscImageBuilder, LargeDirectoryTakesTwoChainedBlocksAndKeepsTheLoadNumber)
{
    CDiscImageBuilder builder;
    builder.AddPartition(10);
    builder.AddVolume(0, CVolumeDescription("A", EVolumeKind::kCD3000, 9));
    builder.AddFile(0, 0, CFileDescription("B", 243, MakeFileContents(10), {}, 509));
    const CDiscImage image = builder.Build();

    EXPECT_EQ(image.Bytes()[202 + 12], 7);
    EXPECT_EQ(image.Bytes()[202 + 13], 9);
    EXPECT_EQ(WordAt(image, 202 + 14), 1);
    EXPECT_EQ(WordAt(image, 1802 + 2 * 1), 2);
    EXPECT_EQ(WordAt(image, 1802 + 2 * 2), 0x8000);
    EXPECT_EQ(image.Bytes()[8192 + 509 * 24 + 16], 243);
    EXPECT_EQ(WordAt(image, 8192 + 509 * 24 + 20), 3);
}

TEST(DiscImageBuilder, FileOnABlockListIsChainedAndEndsAtC000)
{
    CDiscImageBuilder builder;
    builder.AddPartition(50);
    builder.AddVolume(0, CVolumeDescription("V"));
    const std::vector<std::uint8_t> contents = MakeFileContents(20000, 3);
    builder.AddFile(0, 0, CFileDescription("F", 243, contents, {10, 11, 40}));
    const CDiscImage image = builder.Build();

    EXPECT_EQ(WordAt(image, 1802 + 2 * 10), 11);
    EXPECT_EQ(WordAt(image, 1802 + 2 * 11), 40);
    EXPECT_EQ(WordAt(image, 1802 + 2 * 40), 0xC000);
    EXPECT_EQ(BytesAt(image, 10 * 8192, 8192), std::vector<std::uint8_t>(contents.begin(), contents.begin() + 8192));
    EXPECT_EQ(BytesAt(image, 40 * 8192, 3616), std::vector<std::uint8_t>(contents.begin() + 16384, contents.end()));
}

TEST(DiscImageBuilder, PartitionsFollowOneAnotherAndLargeTablesTakeMoreHeaderBlocks)
{
    CDiscImageBuilder builder;
    builder.AddPartition(3);
    builder.AddPartition(4000);  // table of 1802 + 8000 bytes: two header blocks
    builder.AddVolume(1, CVolumeDescription("V"));
    const CDiscImage image = builder.Build();

    EXPECT_EQ(image.GetPartitionStartBlock(1), 3u);
    EXPECT_EQ(WordAt(image, 3 * 8192), 4000);
    EXPECT_EQ(WordAt(image, 3 * 8192 + 1802 + 2 * 1), 0x4000);
    EXPECT_EQ(image.GetDirectoryBlock(1, 0), 2);
}

TEST(DiscImageBuilder, RefusesWhatWouldDamageTheImageByAccident)
{
    CDiscImageBuilder builder;
    builder.AddPartition(4);
    builder.AddVolume(0, CVolumeDescription("small letters"));
    EXPECT_THROW(builder.Build(), std::logic_error);

    CDiscImageBuilder full;
    full.AddPartition(3);
    full.AddVolume(0, CVolumeDescription("V"));
    full.AddFile(0, 0, CFileDescription("F", 243, MakeFileContents(8193)));
    EXPECT_THROW(full.Build(), std::logic_error);
}
