// The same disc read two ways gives the same listing: from a drive through the raw-disk library and
// the client, and from an image file. A listing from memory is the reference for both.

#include "akai/client/AkaiFileSystemBrakvelMedia.h"
#include "akai/client/DiskImageDiskMedia.h"
#include "akai/client/VolumeHolder.h"
#include "akai/filesystem/tests/support/DiscImageBuilder.h"
#include "akai/filesystem/tests/support/DiscListing.h"
#include "akai/filesystem/tests/support/MemoryDiskMedia.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "libs/rawdisk/tests/FakeDrives.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace NSAkaiTestSupport;

constexpr std::size_t kSectorSizeInBytes = 2048;

// An image file in the temporary folder, removed again when the object goes.
class CTemporaryImageFile
{
public:
    explicit CTemporaryImageFile(const std::vector<std::uint8_t>& bytes)
    {
        std::random_device random;
        mPath = std::filesystem::temp_directory_path() / ("dravim-listing-" + std::to_string(random()) + ".img");
        std::ofstream file(mPath, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        EXPECT_TRUE(file.good());
    }
    CTemporaryImageFile(const CTemporaryImageFile&) = delete;
    CTemporaryImageFile& operator=(const CTemporaryImageFile&) = delete;
    ~CTemporaryImageFile()
    {
        std::error_code ignored;
        std::filesystem::remove(mPath, ignored);
    }

    NSTramvell::CFileSpec GetFileSpec() const { return NSTramvell::CFileSpec(mPath.string()); }

private:
    std::filesystem::path mPath;
};

std::vector<std::uint8_t> InWholeSectors(std::vector<std::uint8_t> bytes)
{
    bytes.resize((bytes.size() + kSectorSizeInBytes - 1) / kSectorSizeInBytes * kSectorSizeInBytes);
    return bytes;
}

std::string ListThroughTheDrive(const std::vector<std::uint8_t>& bytes)
{
    NSBrakvelTest::CFakeDrives fake;
    fake.AddDrive('D', NSBrakvelTest::MakeCDROM(bytes));
    NSBrakvel::CVolumeIteratorHolder iterator;
    NSBrakvel::CreateVolumeIterator(iterator);
    const auto volume = iterator.NextVolume();
    if (volume == nullptr) {
        ADD_FAILURE() << "no volume";
        return {};
    }
    CAkaiFileSystemBrakvelMedia disc(*volume);
    return ListDisc(disc);
}

std::string ListThroughAnImageFile(const std::vector<std::uint8_t>& bytes)
{
    const CTemporaryImageFile file(bytes);
    CDiskImageDiskMedia disc(file.GetFileSpec());
    return ListDisc(disc);
}

CDiscImage ThreeKindsOfVolume()
{
    CDiscImageBuilder builder;
    builder.AddPartition(30);
    builder.AddVolume(0, CVolumeDescription("S1000 VOLUME", EVolumeKind::kS1000));
    builder.AddFile(0, 0, CFileDescription("PIANO 1", 240, MakeFileContents(300, 1)));
    builder.AddFile(0, 0, CFileDescription("PIANO 1-L", 243, MakeFileContents(20000, 2), {20, 21, 25}));
    builder.AddVolume(0, CVolumeDescription("S3000 VOLUME", EVolumeKind::kS3000, 4));
    builder.AddFile(0, 1, CFileDescription("EMPTY", 243, {}));
    builder.AddFile(0, 1, CFileDescription("ONE BYTE", 243, MakeFileContents(1, 3)));
    builder.AddFile(0, 1, CFileDescription("WHOLE BLOCK", 243, MakeFileContents(8192, 4), {}, 40));
    builder.AddPartition(12);
    builder.AddVolume(1, CVolumeDescription("CD3000", EVolumeKind::kCD3000));
    builder.AddFile(1, 0, CFileDescription("DRUMS", 112, MakeFileContents(8193, 5)));
    return builder.Build();
}

// A partition with one volume whose first file lies in blocks 10, 11 and 12.
CDiscImage OneFragmentableFile()
{
    CDiscImageBuilder builder;
    builder.AddPartition(20);
    builder.AddVolume(0, CVolumeDescription("VOLUME"));
    builder.AddFile(0, 0, CFileDescription("LONG", 243, MakeFileContents(20000, 6), {10, 11, 12}));
    builder.AddFile(0, 0, CFileDescription("SHORT", 240, MakeFileContents(100, 7)));
    return builder.Build();
}

TEST(Listing, TheDriveAndAnImageFileListTheSameDisc)
{
    const struct
    {
        const char* name;
        std::function<CDiscImage()> build;
        const char* expected;   // a line the listing must hold, so an empty one cannot pass
    } kCases[] = {
        {"minimal disc", [] { return CDiscImageBuilder::BuildMinimalDisc(); }, "\"SAMPLE 1\""},
        {"three kinds of volume", ThreeKindsOfVolume, "\"WHOLE BLOCK\" kind"},
        {"chain into 0",
         [] { CDiscImage image = OneFragmentableFile(); image.SetChainLink(0, 0, 0, 0, 0); return image; },
         "\"LONG\" kind 35 size 20000 damaged"},
        {"chain loop",
         [] { CDiscImage image = OneFragmentableFile(); image.SetChainLink(0, 0, 0, 1, 10); return image; },
         "\"LONG\" kind 35 size 20000 damaged"},
        {"size word 0",
         [] { CDiscImage image = ThreeKindsOfVolume(); image.SetPartitionSizeWord(1, 0); return image; },
         "partition 0 volumes 2"},
        {"trimmed in the files",
         [] { CDiscImage image = ThreeKindsOfVolume(); image.Trim(25 * 8192 + 2048); return image; },
         "\"PIANO 1-L\" kind 35 size 20000 damaged"},
        {"trimmed in a directory",
         [] { CDiscImage image = ThreeKindsOfVolume(); image.Trim(5 * 8192 + 4096); return image; },
         "volume 1 \"S3000 VOLUME\""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::uint8_t> bytes = InWholeSectors(c.build().Bytes());
        CMemoryDiskMedia memory(bytes);
        const std::string reference = ListDisc(memory);
        EXPECT_NE(reference.find(c.expected), std::string::npos) << reference;
        EXPECT_EQ(ListThroughTheDrive(bytes), reference);
        EXPECT_EQ(ListThroughAnImageFile(bytes), reference);
    }
}

TEST(CDiskImageDiskMedia, ReadsTheImageAndRefusesRangesOutsideIt)
{
    const std::vector<std::uint8_t> bytes = MakeFileContents(5000, 9);
    const CTemporaryImageFile file(bytes);
    CDiskImageDiskMedia disc(file.GetFileSpec());
    ASSERT_EQ(disc.GetSize(), 5000);

    std::vector<std::uint8_t> tail(1000);
    disc.ReadAt(4000, 1000, tail.data());
    EXPECT_EQ(tail, std::vector<std::uint8_t>(bytes.begin() + 4000, bytes.end()));
    disc.ReadAt(5000, 0, tail.data());

    const struct
    {
        std::int64_t position;
        std::int64_t length;
    } kOutside[] = {
        {4001, 1000},
        {5001, 0},
        {-1, 1},
        {0, -1},
        {std::int64_t{1} << 32, 10},        // cut to 32 bits it would be position 0
        {10, (std::int64_t{1} << 32) + 1},  // cut to 32 bits it would be length 1
    };
    for (const auto& c : kOutside) {
        SCOPED_TRACE(testing::Message() << c.position << " " << c.length);
        EXPECT_THROW(disc.ReadAt(c.position, c.length, tail.data()), NSTramvell::XRead);
    }
}

int gSizeQueryCount = 0;
bool gSizeQueryFails = false;
decltype(NSTramvell::CKernelTable::GetFileSize) gRealGetFileSize = nullptr;

// Every read of a disc asks its size to check the range: the image's file is asked once, and again only
// after a failed question.
TEST(CDiskImageDiskMedia, AsksTheFileForItsSizeOnce)
{
    const std::vector<std::uint8_t> bytes = MakeFileContents(5000, 9);
    const CTemporaryImageFile file(bytes);
    CDiskImageDiskMedia disc(file.GetFileSpec());
    gRealGetFileSize = NSTramvell::GetKernelTable().GetFileSize;
    gSizeQueryCount = 0;
    gSizeQueryFails = true;
    const NSTramvell::CScopedTableEntry countedSize(NSTramvell::GetKernelTable().GetFileSize,
                                                    [](HANDLE handle, LPDWORD high) -> DWORD {
                                                        ++gSizeQueryCount;
                                                        if (gSizeQueryFails) {
                                                            SetLastError(ERROR_INVALID_HANDLE);
                                                            return INVALID_FILE_SIZE;
                                                        }
                                                        return gRealGetFileSize(handle, high);
                                                    });
    std::vector<std::uint8_t> piece(100);
    EXPECT_THROW(disc.ReadAt(0, 100, piece.data()), NSTramvell::XPosition);
    gSizeQueryFails = false;
    for (std::int64_t position = 0; position < 5000; position += 100)
        disc.ReadAt(position, 100, piece.data());
    EXPECT_EQ(disc.GetSize(), 5000);
    EXPECT_EQ(piece, std::vector<std::uint8_t>(bytes.end() - 100, bytes.end()));
    EXPECT_EQ(gSizeQueryCount, 2);
}

TEST(CDiskImageDiskMedia, AMissingImageIsNotFound)
{
    const auto missing = std::filesystem::temp_directory_path() / "dravim-listing-missing.img";
    EXPECT_THROW(CDiskImageDiskMedia disc{NSTramvell::CFileSpec(missing.string())}, XFileNotFound);
}

} // namespace
