#include "akai/filesystem/AkaiFileSystem.h"

#include "akai/filesystem/AkaiFile.h"
#include "akai/filesystem/AkaiUIStrings.h"
#include "akai/filesystem/tests/support/DiscImageBuilder.h"
#include "akai/filesystem/tests/support/DiscListing.h"
#include "akai/filesystem/tests/support/MemoryDiskMedia.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <stdexcept>

using namespace NSAkaiTestSupport;
using NSAkaiFileSystem::CAkaiFile;
using NSAkaiFileSystem::CAkaiFileSystem;

namespace {

// Two partitions: A with volumes "ONE" (2 files, the second in blocks 8 and 9) and "TWO" (1 file),
// B with volume "THREE" (1 file).
CDiscImage TwoPartitionDisc()
{
    CDiscImageBuilder builder;
    builder.AddPartition(20);
    builder.AddVolume(0, CVolumeDescription("ONE"));
    builder.AddFile(0, 0, CFileDescription("PIANO 1", 240, MakeFileContents(300, 1)));
    builder.AddFile(0, 0, CFileDescription("PIANO 1-L", 243, MakeFileContents(9000, 2), {8, 9}));
    builder.AddVolume(0, CVolumeDescription("TWO", EVolumeKind::kS3000));
    builder.AddFile(0, 1, CFileDescription("BASS", 115, MakeFileContents(50, 3)));
    builder.AddPartition(10);
    builder.AddVolume(1, CVolumeDescription("THREE"));
    builder.AddFile(1, 0, CFileDescription("DRUMS", 112, MakeFileContents(70, 4)));
    return builder.Build();
}

std::string FileLine(int number, const std::string& name, int kind, const std::vector<std::uint8_t>& contents)
{
    char crc[16];
    std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(Crc32(contents.data(), contents.size())));
    return "    file " + std::to_string(number) + " \"" + name + "\" kind " + std::to_string(kind) + " size " +
           std::to_string(contents.size()) + " crc " + crc + "\n";
}

class CScopedUIStrings
{
public:
    explicit CScopedUIStrings(const NSAkaiFileSystem::CUIStringTable& table) { NSAkaiFileSystem::SetUIStrings(table); }
    ~CScopedUIStrings() { NSAkaiFileSystem::SetUIStrings({}); }
};

} // namespace

TEST(CAkaiFileSystem, CountsAndNamesPartitionsVolumesAndFiles)
{
    CMemoryDiskMedia disc(TwoPartitionDisc());
    CAkaiFileSystem fileSystem(disc);
    EXPECT_TRUE(disc.GetReads().empty());

    ASSERT_EQ(fileSystem.GetPartitionCount(), 2);
    ASSERT_EQ(fileSystem.GetVolumeCount(0), 2);
    EXPECT_EQ(fileSystem.GetVolumeName(0, 0), "ONE");
    EXPECT_EQ(fileSystem.GetVolumeName(0, 1), "TWO");
    EXPECT_EQ(fileSystem.GetFileCount(0, 0), 2);
    EXPECT_EQ(fileSystem.GetFileCount(0, 1), 1);
    ASSERT_EQ(fileSystem.GetVolumeCount(1), 1);
    EXPECT_EQ(fileSystem.GetVolumeName(1, 0), "THREE");
    EXPECT_EQ(fileSystem.GetFileCount(1, 0), 1);

    EXPECT_THROW(fileSystem.GetVolumeCount(2), std::out_of_range);
    EXPECT_THROW(fileSystem.GetVolumeName(1, 1), std::out_of_range);
    EXPECT_THROW(CAkaiFile(fileSystem, 0, 0, 2), std::out_of_range);
}

TEST(CAkaiFileSystem, NamesPartitionsFromTheStringTable)
{
    CMemoryDiskMedia disc(TwoPartitionDisc());
    CAkaiFileSystem fileSystem(disc);
    EXPECT_THROW(fileSystem.GetPartitionName(0), std::range_error);

    CScopedUIStrings strings({{1, "other"}, {NSAkaiFileSystem::kPartitionNameStringId, "Partition ^0"},
                              {NSAkaiFileSystem::kPartitionNameStringId, "second"}});
    const struct {
        std::int16_t number;
        const char* name;
    } kCases[] = {{0, "Partition A"}, {1, "Partition B"}, {25, "Partition Z"}, {26, "Partition A2"},
                  {53, "Partition B3"}, {254, "Partition U10"}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(fileSystem.GetPartitionName(c.number), c.name);
    }
}

TEST(CAkaiFileSystem, EntriesBetweenGapsAreNumberedInDirectoryOrder)
{
    CDiscImageBuilder builder;
    builder.AddPartition(10);
    builder.AddVolume(0, CVolumeDescription("V"));
    builder.AddFile(0, 0, CFileDescription("AT 40", 243, MakeFileContents(10), {}, 40));
    builder.AddFile(0, 0, CFileDescription("AT 5", 243, MakeFileContents(10), {}, 5));
    builder.AddFile(0, 0, CFileDescription("AT 9", 243, MakeFileContents(10), {}, 9));
    CMemoryDiskMedia disc(builder.Build());
    CAkaiFileSystem fileSystem(disc);
    ASSERT_EQ(fileSystem.GetFileCount(0, 0), 3);
    EXPECT_EQ(CAkaiFile(fileSystem, 0, 0, 0).GetName(), "AT 5");
    EXPECT_EQ(CAkaiFile(fileSystem, 0, 0, 1).GetName(), "AT 9");
    EXPECT_EQ(CAkaiFile(fileSystem, 0, 0, 2).GetName(), "AT 40");
}

TEST(CAkaiFileSystem, HoldsOnePartitionAndReadsItAnewAfterAnother)
{
    CDiscImage image = TwoPartitionDisc();
    CMemoryDiskMedia disc(image);
    CAkaiFileSystem fileSystem(disc);
    ASSERT_EQ(fileSystem.GetVolumeName(0, 0), "ONE");

    // Renamed on the disc: the partition in memory still has the old name until it is dropped.
    std::uint8_t renamed[12];
    EncodeImageName("RENAMED", renamed);
    std::copy(std::begin(renamed), std::end(renamed), disc.Bytes().begin() + static_cast<std::ptrdiff_t>(image.VolumeEntryOffset(0, 0)));
    EXPECT_EQ(fileSystem.GetVolumeName(0, 0), "ONE");
    EXPECT_EQ(fileSystem.GetVolumeName(1, 0), "THREE");
    EXPECT_EQ(fileSystem.GetVolumeName(0, 0), "RENAMED");
}

TEST(CAkaiFileSystem, DamagedDiscsEndWithAListing)
{
    const std::string partitionA = "partition 0 volumes 2\n"
                                   "  volume 0 \"ONE\" files 2\n" +
                                   FileLine(0, "PIANO 1", 34, MakeFileContents(300, 1));
    const std::string bass = "  volume 1 \"TWO\" files 1\n" + FileLine(0, "BASS", 37, MakeFileContents(50, 3));
    const std::string partitionB = "partition 1 volumes 1\n"
                                   "  volume 0 \"THREE\" files 1\n";
    const struct {
        const char* what;
        std::function<void(CDiscImage&)> damage;
        std::string listing;
    } kCases[] = {
        {"intact", [](CDiscImage&) {},
         partitionA + FileLine(1, "PIANO 1-L", 35, MakeFileContents(9000, 2)) + bass + partitionB +
             FileLine(0, "DRUMS", 36, MakeFileContents(70, 4))},
        {"size word 0", [](CDiscImage& image) { image.SetPartitionSizeWord(1, 0); },
         partitionA + FileLine(1, "PIANO 1-L", 35, MakeFileContents(9000, 2)) + bass + partitionB +
             "    file 0 \"DRUMS\" kind 36 size 70 damaged\n"},
        {"trimmed", [](CDiscImage& image) { image.Trim(9 * 8192 + 100); },
         partitionA + "    file 1 \"PIANO 1-L\" kind 35 size 9000 damaged\n" + bass},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CDiscImage image = TwoPartitionDisc();
        c.damage(image);
        CMemoryDiskMedia disc(image);
        EXPECT_EQ(ListDisc(disc), c.listing);
    }
}
