#include "akai/filesystem/AkaiFile.h"

#include "akai/filesystem/AkaiFileSystem.h"
#include "akai/filesystem/tests/support/DiscImageBuilder.h"
#include "akai/filesystem/tests/support/DiscListing.h"
#include "akai/filesystem/tests/support/MemoryDiskMedia.h"
#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <stdexcept>

using namespace NSAkaiTestSupport;
using NSAkaiFileSystem::CAkaiFile;
using NSAkaiFileSystem::CAkaiFileSystem;

namespace {

using Reads = std::vector<std::pair<std::int64_t, std::int64_t>>;

constexpr std::int64_t kBlock = 8192;

// One partition of 50 blocks, one volume, one file "FILE" (a sample) of the contents on the blocks.
CDiscImage OneFileDisc(const std::vector<std::uint8_t>& contents, const std::vector<std::uint16_t>& blocks = {})
{
    CDiscImageBuilder builder;
    builder.AddPartition(50);
    builder.AddVolume(0, CVolumeDescription("V"));
    builder.AddFile(0, 0, CFileDescription("FILE", 243, contents, blocks));
    return builder.Build();
}

std::vector<std::uint8_t> ReadWhole(CAkaiFile& file)
{
    std::vector<std::uint8_t> contents(static_cast<std::size_t>(file.GetSize()));
    file.ReadAt(0, file.GetSize(), contents.data());
    return contents;
}

// Reads the file system needs before opening a file, so that a test sees only the file's own reads.
void ReadTablesFirst(CAkaiFileSystem& fileSystem, CMemoryDiskMedia& disc)
{
    ASSERT_EQ(fileSystem.GetFileCount(0, 0), 1);
    disc.ForgetReads();
}

// A disc whose reads fail with a device error while mFail is set.
class CFailingDisc final : public NSAkaiFileSystem::IAkaiDiskMedia
{
public:
    explicit CFailingDisc(CMemoryDiskMedia& disc) : mDisc(disc) {}
    std::int64_t GetSize() override { return mDisc.GetSize(); }
    void ReadAt(std::int64_t position, std::int64_t length, void* buffer) override
    {
        if (mFail) {
            throw std::runtime_error("device");
        }
        mDisc.ReadAt(position, length, buffer);
    }
    bool mFail = false;

private:
    CMemoryDiskMedia& mDisc;
};

} // namespace

TEST(DiscListing, Crc32IsTheStandardOne)
{
    const std::uint8_t text[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(Crc32(text, sizeof text), 0xCBF43926u);
}

TEST(CAkaiFile, ReadsAContiguousFileInOneReadAndAFragmentedOneBlockByBlock)
{
    const std::vector<std::uint8_t> contents = MakeFileContents(20000, 5);
    const struct {
        std::vector<std::uint16_t> blocks;
        Reads reads;
    } kCases[] = {
        {{10, 11, 12}, {{10 * kBlock, 20000}}},
        {{10, 11, 40}, {{10 * kBlock, kBlock}, {11 * kBlock, kBlock}, {40 * kBlock, 3616}}},
        {{12, 11, 10}, {{12 * kBlock, kBlock}, {11 * kBlock, kBlock}, {10 * kBlock, 3616}}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.blocks[2]);
        CMemoryDiskMedia disc(OneFileDisc(contents, c.blocks));
        CAkaiFileSystem fileSystem(disc);
        ReadTablesFirst(fileSystem, disc);
        CAkaiFile file(fileSystem, 0, 0, 0);
        EXPECT_EQ(disc.GetReads(), c.reads);
        EXPECT_EQ(file.GetName(), "FILE");
        EXPECT_EQ(file.GetKind(), 35);
        EXPECT_EQ(file.GetSize(), 20000);
        EXPECT_EQ(ReadWhole(file), contents);
    }
}

TEST(CAkaiFile, AFileOfOneBlockIgnoresWhereItsAllocationEntryPoints)
{
    const std::vector<std::uint8_t> contents = MakeFileContents(8192, 9);
    CDiscImage image = OneFileDisc(contents, {20});
    image.SetChainLink(0, 0, 0, 0, 0);
    CMemoryDiskMedia disc(image);
    CAkaiFileSystem fileSystem(disc);
    ReadTablesFirst(fileSystem, disc);
    CAkaiFile file(fileSystem, 0, 0, 0);
    EXPECT_EQ(disc.GetReads(), (Reads{{20 * kBlock, 8192}}));
    EXPECT_EQ(ReadWhole(file), contents);
}

TEST(CAkaiFile, ADamagedFileOpensWithItsNameAndKindAndRefusesEveryRead)
{
    const std::vector<std::uint8_t> contents = MakeFileContents(20000, 1);
    const struct {
        const char* what;
        std::function<void(CDiscImage&)> damage;
    } kCases[] = {
        {"chain into 0", [](CDiscImage& image) { image.SetChainLink(0, 0, 0, 0, 0); }},
        {"chain into 0x4000", [](CDiscImage& image) { image.SetChainLink(0, 0, 0, 1, 0x4000); }},
        {"early 0xC000", [](CDiscImage& image) { image.SetChainLink(0, 0, 0, 1, 0xC000); }},
        {"loop", [](CDiscImage& image) { image.SetChainLink(0, 0, 0, 1, 10); }},
        {"past the table", [](CDiscImage& image) { image.SetChainLink(0, 0, 0, 0, 50); }},
        {"first block 0", [](CDiscImage& image) { image.SetFileFirstBlock(0, 0, 0, 0); }},
        {"first block past the partition", [](CDiscImage& image) { image.SetFileFirstBlock(0, 0, 0, 8191); }},
        {"extent past the disc", [](CDiscImage& image) { image.Trim(12 * 8192 + 3615); }},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CDiscImage image = OneFileDisc(contents, {10, 11, 12});
        c.damage(image);
        CMemoryDiskMedia disc(image);
        CAkaiFileSystem fileSystem(disc);
        CAkaiFile file(fileSystem, 0, 0, 0);
        EXPECT_EQ(file.GetName(), "FILE");
        EXPECT_EQ(file.GetKind(), 35);
        EXPECT_EQ(file.GetSize(), 20000);
        std::vector<std::uint8_t> buffer(20000);
        EXPECT_THROW(file.ReadAt(0, 20000, buffer.data()), NSTramvell::XBadFormat);
        EXPECT_THROW(file.ReadAt(0, 1, buffer.data()), NSTramvell::XBadFormat);
        EXPECT_THROW(file.ReadAt(0, 0, buffer.data()), NSTramvell::XBadFormat);
    }
}

TEST(CAkaiFile, RefusesReadsOutsideTheFile)
{
    const std::vector<std::uint8_t> contents = MakeFileContents(100, 2);
    CMemoryDiskMedia disc(OneFileDisc(contents));
    CAkaiFileSystem fileSystem(disc);
    CAkaiFile file(fileSystem, 0, 0, 0);
    std::uint8_t buffer[128] = {};

    const std::int64_t kFar = std::int64_t{1} << 32;
    const struct {
        std::int64_t position;
        std::int64_t length;
    } kRefused[] = {{0, 101}, {100, 1}, {-1, 1}, {50, -1}, {kFar, 10}, {kFar + 10, 0}, {0, kFar + 10},
                    {std::numeric_limits<std::int64_t>::max(), 1}};
    for (const auto& c : kRefused) {
        SCOPED_TRACE(testing::Message() << c.position << ", " << c.length);
        EXPECT_THROW(file.ReadAt(c.position, c.length, buffer), NSTramvell::XBadFormat);
    }

    EXPECT_NO_THROW(file.ReadAt(100, 0, buffer));
    file.ReadAt(90, 10, buffer);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 10), std::vector<std::uint8_t>(contents.begin() + 90, contents.end()));
}

TEST(CAkaiFile, AnEmptyFileReadsNothingAndOpensWithoutAChain)
{
    CMemoryDiskMedia disc(OneFileDisc({}));
    CAkaiFileSystem fileSystem(disc);
    ReadTablesFirst(fileSystem, disc);
    CAkaiFile file(fileSystem, 0, 0, 0);
    EXPECT_TRUE(disc.GetReads().empty());
    EXPECT_EQ(file.GetSize(), 0);
    EXPECT_NO_THROW(file.ReadAt(0, 0, nullptr));
    std::uint8_t byte = 0;
    EXPECT_THROW(file.ReadAt(0, 1, &byte), NSTramvell::XBadFormat);
}

TEST(CAkaiFile, DiscReadErrorsWhileOpeningPassUnchanged)
{
    // The directory is read, then the disc fails: a device error, not a damaged file.
    CMemoryDiskMedia memory(OneFileDisc(MakeFileContents(100)));
    CFailingDisc disc(memory);
    CAkaiFileSystem fileSystem(disc);
    ASSERT_EQ(fileSystem.GetFileCount(0, 0), 1);
    disc.mFail = true;
    EXPECT_THROW(CAkaiFile(fileSystem, 0, 0, 0), std::runtime_error);
}

TEST(CAkaiFile, LooksItsEntryUpAgainAndCopiesItsContents)
{
    CDiscImageBuilder builder;
    builder.AddPartition(10);
    builder.AddVolume(0, CVolumeDescription("V"));
    builder.AddFile(0, 0, CFileDescription("FIRST", 240, MakeFileContents(50, 1)));
    builder.AddPartition(10);
    builder.AddVolume(1, CVolumeDescription("W"));
    builder.AddFile(1, 0, CFileDescription("SECOND", 243, MakeFileContents(60, 2)));
    CDiscImage image = builder.Build();
    CMemoryDiskMedia disc(image);
    CAkaiFileSystem fileSystem(disc);

    std::unique_ptr<CAkaiFile> original = std::make_unique<CAkaiFile>(fileSystem, 0, 0, 0);
    const CAkaiFile other(fileSystem, 1, 0, 0);
    EXPECT_EQ(other.GetName(), "SECOND");
    EXPECT_EQ(original->GetName(), "FIRST");
    EXPECT_EQ(original->GetKind(), 34);

    CAkaiFile copy(*original);
    original.reset();
    EXPECT_EQ(copy.GetName(), "FIRST");
    EXPECT_EQ(ReadWhole(copy), MakeFileContents(50, 1));
}

// Buffers of closed files are used again: each file must still see only its own bytes, also while
// another one is open or when it is a copy.
TEST(CAkaiFile, FilesOpenedOneAfterAnotherEachHoldOnlyTheirOwnBytes)
{
    CDiscImageBuilder builder;
    builder.AddPartition(40);
    builder.AddVolume(0, CVolumeDescription("V"));
    builder.AddFile(0, 0, CFileDescription("LARGE", 243, MakeFileContents(3 * kBlock + 10, 3)));
    builder.AddFile(0, 0, CFileDescription("SMALL", 243, MakeFileContents(700, 4)));
    CMemoryDiskMedia disc(builder.Build());
    CAkaiFileSystem fileSystem(disc);

    const std::vector<std::uint8_t> largeContents = MakeFileContents(3 * kBlock + 10, 3);
    const std::vector<std::uint8_t> smallContents = MakeFileContents(700, 4);
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        {
            CAkaiFile large(fileSystem, 0, 0, 0);
            EXPECT_EQ(ReadWhole(large), largeContents);
        }
        CAkaiFile small(fileSystem, 0, 0, 1);
        EXPECT_EQ(small.GetSize(), 700);
        std::uint8_t byte = 0;
        EXPECT_THROW(small.ReadAt(700, 1, &byte), NSTramvell::XBadFormat);
        CAkaiFile large(fileSystem, 0, 0, 0);
        CAkaiFile copy(small);
        EXPECT_EQ(ReadWhole(small), smallContents);
        EXPECT_EQ(ReadWhole(copy), smallContents);
        EXPECT_EQ(ReadWhole(large), largeContents);
    }
}

TEST(CPartitionCache, APartitionThatFailedToReadIsReadAgainOnTheNextRequest)
{
    CDiscImageBuilder builder;
    builder.AddPartition(10);
    builder.AddVolume(0, CVolumeDescription("V"));
    builder.AddFile(0, 0, CFileDescription("A", 243, MakeFileContents(10)));
    builder.AddPartition(10);
    builder.AddVolume(1, CVolumeDescription("W"));
    builder.AddFile(1, 0, CFileDescription("B", 243, MakeFileContents(10)));
    CMemoryDiskMedia memory(builder.Build());
    CFailingDisc disc(memory);
    CAkaiFileSystem fileSystem(disc);
    ASSERT_EQ(fileSystem.GetPartitionCount(), 2);
    ASSERT_EQ(fileSystem.GetVolumeName(0, 0), "V");

    disc.mFail = true;
    EXPECT_THROW(fileSystem.GetVolumeName(1, 0), std::runtime_error);
    EXPECT_THROW(fileSystem.GetVolumeName(0, 0), std::runtime_error);  // partition 0 was dropped first
    disc.mFail = false;
    EXPECT_EQ(fileSystem.GetVolumeName(1, 0), "W");
}
