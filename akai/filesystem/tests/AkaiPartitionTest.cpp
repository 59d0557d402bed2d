#include "akai/filesystem/AkaiPartition.h"

#include "akai/filesystem/AkaiDiskMedia.h"
#include "akai/filesystem/AkaiFileSystem.h"
#include "akai/filesystem/tests/support/DiscImageBuilder.h"
#include "akai/filesystem/tests/support/MemoryDiskMedia.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace NSAkaiFileSystemImplementation;
using namespace NSAkaiTestSupport;

namespace {

using Entry = std::vector<std::uint8_t>;

Entry VolumeEntry(std::uint8_t flags, std::uint16_t startBlock, std::uint8_t thirdNameByte = 13)
{
    Entry entry = {11, 12, thirdNameByte, 10, 10, 10, 10, 10, 10, 10, 10, 10, flags, 0, 0, 0};
    entry[14] = static_cast<std::uint8_t>(startBlock & 0xFF);
    entry[15] = static_cast<std::uint8_t>(startBlock >> 8);
    return entry;
}

Entry FileEntry(std::uint8_t type, std::uint16_t firstBlock, std::uint8_t thirdNameByte = 13)
{
    Entry entry(24, 0);
    const std::uint8_t name[12] = {11, 12, thirdNameByte, 10, 10, 10, 10, 10, 10, 10, 10, 10};
    std::copy(std::begin(name), std::end(name), entry.begin());
    entry[16] = type;
    entry[17] = 100;
    entry[20] = static_cast<std::uint8_t>(firstBlock & 0xFF);
    entry[21] = static_cast<std::uint8_t>(firstBlock >> 8);
    return entry;
}

// One partition of sizeInBlocks with one S1000 volume holding one small sample.
CDiscImage OnePartitionDisc(std::uint16_t sizeInBlocks)
{
    CDiscImageBuilder builder;
    builder.AddPartition(sizeInBlocks);
    builder.AddVolume(0, CVolumeDescription("VOLUME"));
    builder.AddFile(0, 0, CFileDescription("SAMPLE", 243, MakeFileContents(100)));
    return builder.Build();
}

// Partitions of the given sizes, each with one volume and one file unless its size is listed in empty.
CDiscImage PartitionsDisc(const std::vector<std::uint16_t>& sizes, const std::vector<std::size_t>& withoutVolume = {})
{
    CDiscImageBuilder builder;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        builder.AddPartition(sizes[i]);
        if (std::find(withoutVolume.begin(), withoutVolume.end(), i) == withoutVolume.end()) {
            const std::size_t volume = builder.AddVolume(i, CVolumeDescription("V"));
            builder.AddFile(i, volume, CFileDescription("F", 243, MakeFileContents(10)));
        }
    }
    return builder.Build();
}

std::vector<CPartitionPlace> WalkPartitions(CMemoryDiskMedia& disc)
{
    NSAkaiFileSystem::CAkaiDiskMedia media(disc);
    const std::int16_t count = CountPartitions(media);
    std::vector<CPartitionPlace> places;
    for (std::int16_t i = 0; i < count; ++i) {
        places.push_back(FindPartition(media, i, count));
    }
    return places;
}

std::vector<std::pair<std::int32_t, std::int32_t>> StartsAndSizes(const std::vector<CPartitionPlace>& places)
{
    std::vector<std::pair<std::int32_t, std::int32_t>> result;
    for (const CPartitionPlace& place : places) {
        result.emplace_back(place.startBlock, place.sizeInBlocks);
    }
    return result;
}

} // namespace

TEST(AkaiValidity, VolumeAndDirectoryEntries)
{
    EXPECT_TRUE(IsValidVolumeEntry(VolumeEntry(1, 8190).data()));
    EXPECT_FALSE(IsValidVolumeEntry(VolumeEntry(1, 8191).data()));
    EXPECT_TRUE(IsValidVolumeEntry(VolumeEntry(3, 0).data()));
    EXPECT_FALSE(IsValidVolumeEntry(VolumeEntry(0, 5).data()));
    EXPECT_FALSE(IsValidVolumeEntry(VolumeEntry(2, 5).data()));
    EXPECT_FALSE(IsValidVolumeEntry(VolumeEntry(1, 5, 41).data()));
    EXPECT_TRUE(IsValidVolumeEntry(VolumeEntry(1, 5, 40).data()));

    EXPECT_TRUE(IsValidFileEntry(FileEntry(115, 8191).data()));
    EXPECT_FALSE(IsValidFileEntry(FileEntry(115, 8192).data()));
    EXPECT_FALSE(IsValidFileEntry(FileEntry(115, 5, 41).data()));
    EXPECT_FALSE(IsValidFileEntry(FileEntry(115, 5, 255).data()));
    for (int type = 0; type < 256; ++type) {
        SCOPED_TRACE(type);
        const bool isFileType = type == 99 || type == 100 || type == 112 || type == 113 || type == 115 ||
                                type == 120 || type == 237 || type == 240 || type == 243;
        EXPECT_EQ(IsValidFileEntry(FileEntry(static_cast<std::uint8_t>(type), 5).data()), isFileType);
    }
}

TEST(AkaiValidity, KindsAndRecordsFromStoredEntries)
{
    const struct {
        std::uint8_t type;
        int kind;
    } kKinds[] = {{0, 32}, {99, 33}, {240, 34}, {243, 35}, {112, 36}, {115, 37}, {100, 38},
                  {120, 39}, {113, 40}, {237, 41}, {255, 42}, {1, 43}, {244, 43}};
    for (const auto& c : kKinds) {
        SCOPED_TRACE(int{c.type});
        EXPECT_EQ(KindOfType(c.type), c.kind);
    }

    Entry stored = FileEntry(240, 0x1234);
    stored[12] = 1, stored[13] = 2, stored[14] = 3, stored[15] = 4;
    stored[17] = 0x56, stored[18] = 0x34, stored[19] = 0x12;
    stored[22] = 0xCD, stored[23] = 0xAB;
    const CFileEntry file = MakeFileRecord(stored.data(), 7);
    EXPECT_EQ(file.directoryPosition, 7);
    EXPECT_EQ(file.name, "ABC");
    EXPECT_EQ(file.attributes, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(file.kind, 34);
    EXPECT_EQ(file.sizeInBytes, 0x123456u);
    EXPECT_EQ(file.firstBlock, 0x1234u);
    EXPECT_EQ(file.extra, 0xABCD);

    Entry volumeStored = VolumeEntry(3, 0x0102);
    volumeStored[13] = 9;
    const CVolumeEntry volume = MakeVolumeRecord(volumeStored.data(), 42);
    EXPECT_EQ(volume.name, "ABC");
    EXPECT_TRUE(volume.isInUse);
    EXPECT_TRUE(volume.hasLargeDirectory);
    EXPECT_EQ(volume.type, 9);
    EXPECT_EQ(volume.startBlock, 0x0102u);
    EXPECT_EQ(volume.tablePosition, 42);
}

TEST(IsAkaiDisk, DecidesByTheFirstPartition)
{
    const struct {
        const char* what;
        std::function<std::vector<std::uint8_t>()> image;
        bool isAkaiDisk;
    } kCases[] = {
        {"empty medium", [] { return std::vector<std::uint8_t>(); }, false},
        {"minimal disc", [] { return CDiscImageBuilder::BuildMinimalDisc().Bytes(); }, true},
        {"zeroed block 0", [] {
             CDiscImage image = OnePartitionDisc(100);
             std::fill_n(image.Bytes().begin(), 8192, 0);
             return image.Bytes();
         }, false},
        {"less than one block", [] {
             CDiscImage image = CDiscImageBuilder::BuildMinimalDisc();
             image.Trim(8000);
             return image.Bytes();
         }, false},
        {"size word 8193", [] {
             CDiscImage image = OnePartitionDisc(100);
             image.SetPartitionSizeWord(0, 8193);
             return image.Bytes();
         }, false},
        {"size word 8192", [] {
             CDiscImage image = OnePartitionDisc(100);
             image.SetPartitionSizeWord(0, 8192);
             return image.Bytes();
         }, true},
        {"100 blocks claiming 200", [] {
             CDiscImage image = OnePartitionDisc(100);
             image.SetPartitionSizeWord(0, 200);
             return image.Bytes();
         }, true},
        {"4 blocks claiming 8", [] {
             CDiscImage image = CDiscImageBuilder::BuildMinimalDisc();
             image.SetPartitionSizeWord(0, 8);
             return image.Bytes();
         }, false},
        {"no valid volume", [] {
             CDiscImage image = OnePartitionDisc(100);
             image.SetVolumeFlags(0, 0, 0);
             return image.Bytes();
         }, false},
        {"directory holds no valid entry", [] {
             CDiscImage image = OnePartitionDisc(100);
             image.SetFileType(0, 0, 0, 0);
             return image.Bytes();
         }, false},
        {"directory in the last block", [] {
             CDiscImage image = OnePartitionDisc(100);
             image.SetVolumeStartBlock(0, 0, 99);
             return image.Bytes();
         }, false},
        {"directory past the disc", [] {
             CDiscImage image = OnePartitionDisc(100);
             image.SetVolumeStartBlock(0, 0, 100);
             return image.Bytes();
         }, false},
        {"zeroed magic words", [] {
             CDiscImage image = OnePartitionDisc(100);
             image.ZeroHeaderMagicWords(0);
             return image.Bytes();
         }, true},
        {"second volume holds the files", [] {
             CDiscImageBuilder builder;
             builder.AddPartition(10);
             builder.AddVolume(0, CVolumeDescription("EMPTY"));
             builder.AddVolume(0, CVolumeDescription("FULL"));
             builder.AddFile(0, 1, CFileDescription("F", 240, MakeFileContents(10)));
             return builder.Build().Bytes();
         }, true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CMemoryDiskMedia disc(c.image());
        EXPECT_EQ(NSAkaiFileSystem::IsAkaiDisk(disc), c.isAkaiDisk);
    }
}

TEST(AkaiPartitionWalk, FollowsTheSizeWords)
{
    CMemoryDiskMedia disc(PartitionsDisc({10, 20, 15}));
    const std::vector<std::pair<std::int32_t, std::int32_t>> expected = {{0, 10}, {10, 20}, {30, 15}};
    EXPECT_EQ(StartsAndSizes(WalkPartitions(disc)), expected);
}

TEST(AkaiPartitionWalk, APartitionWithoutAValidVolumeEndsTheWalk)
{
    CMemoryDiskMedia disc(PartitionsDisc({10, 10, 10}, {1}));
    const std::vector<std::pair<std::int32_t, std::int32_t>> expected = {{0, 10}};
    EXPECT_EQ(StartsAndSizes(WalkPartitions(disc)), expected);
}

TEST(AkaiPartitionWalk, FallsBackOnAllocationEntriesPastThePartitionsOwnTable)
{
    CDiscImage image = PartitionsDisc({10, 10});
    image.SetPartitionSizeWord(0, 6);  // block 6 holds no partition
    {
        CMemoryDiskMedia disc(image);
        const std::vector<std::pair<std::int32_t, std::int32_t>> alone = {{0, 6}};
        EXPECT_EQ(StartsAndSizes(WalkPartitions(disc)), alone);
    }
    image.SetAllocationEntry(0, 10, 1);  // index 10 lies in 6 ... 11
    CMemoryDiskMedia disc(image);
    const std::vector<std::pair<std::int32_t, std::int32_t>> expected = {{0, 10}, {10, 10}};
    EXPECT_EQ(StartsAndSizes(WalkPartitions(disc)), expected);
}

TEST(AkaiPartitionWalk, EndsAtASizeWordOfZero)
{
    CDiscImage image = PartitionsDisc({10, 10, 10});
    image.SetPartitionSizeWord(1, 0);
    CMemoryDiskMedia disc(image);
    const std::vector<std::pair<std::int32_t, std::int32_t>> expected = {{0, 10}, {10, 0}};
    EXPECT_EQ(StartsAndSizes(WalkPartitions(disc)), expected);

    CDiscImage first = PartitionsDisc({10, 10});
    first.SetPartitionSizeWord(0, 0);
    CMemoryDiskMedia firstDisc(first);
    const std::vector<std::pair<std::int32_t, std::int32_t>> alone = {{0, 0}};
    EXPECT_EQ(StartsAndSizes(WalkPartitions(firstDisc)), alone);
}

TEST(AkaiPartitionWalk, CountStopsAt255)
{
    CMemoryDiskMedia disc(PartitionsDisc(std::vector<std::uint16_t>(256, 3)));
    NSAkaiFileSystem::CAkaiDiskMedia media(disc);
    EXPECT_EQ(CountPartitions(media), 255);
}

TEST(FindPartition, NegativeNumberReadsNothingAndANumberPastTheCountThrows)
{
    CMemoryDiskMedia disc(PartitionsDisc({10, 10}));
    NSAkaiFileSystem::CAkaiDiskMedia media(disc);
    const CPartitionPlace place = FindPartition(media, -1, 2);
    EXPECT_EQ(place.startBlock, 0);
    EXPECT_EQ(place.sizeInBlocks, 0);
    EXPECT_TRUE(disc.GetReads().empty());
    EXPECT_THROW(FindPartition(media, 2, 2), std::out_of_range);
    EXPECT_THROW(FindPartition(media, 3, 2), std::out_of_range);
}

TEST(CPartition, DirectoryLengthFollowsTheLargeDirectoryFlag)
{
    CDiscImageBuilder builder;
    builder.AddPartition(10);
    builder.AddVolume(0, CVolumeDescription("V", EVolumeKind::kS3000));
    for (const std::size_t position : {0u, 127u, 128u, 509u}) {
        builder.AddFile(0, 0, CFileDescription("F", 243, MakeFileContents(10), {}, position));
    }
    const CDiscImage built = builder.Build();
    const struct {
        std::uint8_t flags;
        std::size_t fileCount;
    } kCases[] = {{1, 2}, {3, 4}, {7, 4}, {5, 2}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(int{c.flags});
        CDiscImage image = built;
        image.SetVolumeFlags(0, 0, c.flags);
        CMemoryDiskMedia disc(image);
        NSAkaiFileSystem::CAkaiDiskMedia media(disc);
        const CPartition partition(media, 0, 1);
        EXPECT_EQ(partition.GetVolume(0).files.size(), c.fileCount);
        EXPECT_EQ(partition.GetVolume(0).files.back().directoryPosition, c.fileCount == 4 ? 509 : 127);
    }
}

TEST(CPartition, SummaryAndStatisticsCountFilesBlocksAndBytes)
{
    CDiscImageBuilder builder;
    builder.AddPartition(10);
    builder.AddVolume(0, CVolumeDescription("V"));
    builder.AddFile(0, 0, CFileDescription("EMPTY", 243, {}));
    builder.AddFile(0, 0, CFileDescription("ONE", 240, MakeFileContents(1)));
    builder.AddFile(0, 0, CFileDescription("MORE", 99, MakeFileContents(8193)));
    CMemoryDiskMedia disc(builder.Build());
    NSAkaiFileSystem::CAkaiDiskMedia media(disc);
    const CPartition partition(media, 0, 1);

    const CVolumeSummary summary = SummarizeVolume(partition.GetVolume(0));
    EXPECT_EQ(summary.name, "V");
    EXPECT_FALSE(summary.hasLargeDirectory);
    EXPECT_EQ(summary.partitionSizeInBlocks, 10u);
    EXPECT_EQ(summary.fileCount, 3u);
    EXPECT_EQ(summary.blocksUsed, 3u);
    EXPECT_EQ(summary.bytesUsed, 8194u);
    EXPECT_EQ(summary.sampleCount, 1u);
    EXPECT_EQ(summary.programCount, 1u);

    // Table: header 0x4000, directory end 0x8000, one block ending 0xC000, a chain 3 -> 4 -> 0xC000,
    // five free blocks. Only 1 ... 8191 and 0xC000 count as used.
    const CPartitionStatistics statistics = partition.ComputeStatistics();
    EXPECT_EQ(statistics.freeBlocks, 5u);
    EXPECT_EQ(statistics.usedBlocks, 3u);
    EXPECT_EQ(statistics.partitionSizeInBlocks, 10u);
    EXPECT_EQ(statistics.volumeCount, 1);
    EXPECT_EQ(statistics.fileCount, 3u);
    EXPECT_EQ(statistics.bytesUsed, 8194u);
}

TEST(CPartition, ADirectoryRunningOffTheDiscKeepsOnlyTheEntriesOnIt)
{
    CDiscImageBuilder builder;
    builder.AddPartition(7);
    builder.AddVolume(0, CVolumeDescription("FIRST"));
    builder.AddFile(0, 0, CFileDescription("A", 243, MakeFileContents(10)));
    builder.AddVolume(0, CVolumeDescription("SECOND", EVolumeKind::kS3000));
    builder.AddFile(0, 1, CFileDescription("B", 243, MakeFileContents(10), {3}, 0));
    builder.AddFile(0, 1, CFileDescription("C", 243, MakeFileContents(10), {4}, 400));
    CDiscImage image = builder.Build();
    ASSERT_EQ(image.GetDirectoryBlock(0, 1), 5);
    image.Trim(6 * 8192 + 100);  // entries 0 ... 344 of the second directory remain whole

    CMemoryDiskMedia disc(image);
    NSAkaiFileSystem::CAkaiDiskMedia media(disc);
    const CPartition partition(media, 0, 1);
    ASSERT_EQ(partition.GetVolumes().size(), 2u);
    EXPECT_EQ(partition.GetVolume(0).files.size(), 1u);
    ASSERT_EQ(partition.GetVolume(1).files.size(), 1u);
    EXPECT_EQ(partition.GetVolume(1).files[0].name, "B");

    image.Trim(5 * 8192);
    CMemoryDiskMedia shorter(image);
    NSAkaiFileSystem::CAkaiDiskMedia shorterMedia(shorter);
    const CPartition cut(shorterMedia, 0, 1);
    ASSERT_EQ(cut.GetVolumes().size(), 2u);
    EXPECT_TRUE(cut.GetVolume(1).files.empty());
}
