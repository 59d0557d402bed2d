#include "akai/client/AkaiFileSystemBrakvelMedia.h"

#include "akai/client/BrakvelErrors.h"
#include "akai/client/DiskMountingFilter.h"
#include "akai/client/MountFilter.h"
#include "akai/client/VolumeHolder.h"
#include "akai/client/tests/ClientTestVolume.h"
#include "akai/filesystem/tests/support/DiscImageBuilder.h"
#include "libs/rawdisk/tests/FakeDrives.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using NSAkaiTestSupport::CDiscImageBuilder;
using NSClientTest::CTestVolume;

constexpr std::size_t kSectorSizeInBytes = 2048;

std::vector<std::uint8_t> MinimalDiscInWholeSectors()
{
    std::vector<std::uint8_t> bytes = CDiscImageBuilder::BuildMinimalDisc().Bytes();
    bytes.resize((bytes.size() + kSectorSizeInBytes - 1) / kSectorSizeInBytes * kSectorSizeInBytes);
    return bytes;
}

// The library measures the medium through these two requests.
std::size_t CountMeasurements(const NSBrakvelTest::CFakeDrives& fake)
{
    std::size_t count = 0;
    for (const auto& call : fake.GetCalls(NSBrakvelTest::EFakeCall::DeviceIoControl))
        if (call.controlCode == NSBrakvelTest::kFakeGetDriveGeometry ||
            call.controlCode == NSBrakvelTest::kFakeReadTableOfContents)
            ++count;
    return count;
}

class CFakeDrivesFixture : public ::testing::Test
{
protected:
    void OpenDrive(std::vector<std::uint8_t> image)
    {
        mFake.AddDrive('D', NSBrakvelTest::MakeCDROM(std::move(image)));
        NSBrakvel::CreateVolumeIterator(mIterator);
        mVolume = mIterator.NextVolume();
        ASSERT_NE(mVolume, nullptr);
    }

    NSBrakvelTest::CFakeDrives mFake;
    NSBrakvel::CVolumeIteratorHolder mIterator;
    std::unique_ptr<NSBrakvel::CVolumeHolder> mVolume;
};

using CAkaiFileSystemBrakvelMediaTest = CFakeDrivesFixture;

TEST_F(CAkaiFileSystemBrakvelMediaTest, ReadsTheDriveAndAsksItsSizeOnce)
{
    const std::vector<std::uint8_t> image = NSBrakvelTest::MakePatternImage(6 * kSectorSizeInBytes);
    OpenDrive(image);
    CAkaiFileSystemBrakvelMedia media(*mVolume);

    mFake.ClearCalls();
    EXPECT_EQ(media.GetSize(), static_cast<std::int64_t>(image.size()));
    const std::size_t firstMeasurements = CountMeasurements(mFake);
    EXPECT_GT(firstMeasurements, 0u);
    EXPECT_EQ(media.GetSize(), static_cast<std::int64_t>(image.size()));
    EXPECT_EQ(CountMeasurements(mFake), firstMeasurements);

    std::vector<std::uint8_t> bytes(image.size());
    media.ReadAt(0, static_cast<std::int64_t>(bytes.size()), bytes.data());
    EXPECT_EQ(bytes, image);

    // A range ending at the disc's end, and the same range a byte longer.
    const std::int64_t size = media.GetSize();
    std::vector<std::uint8_t> tail(3001, 0xEE);
    media.ReadAt(size - 3000, 3000, tail.data());
    EXPECT_EQ(std::vector<std::uint8_t>(tail.begin(), tail.begin() + 3000),
              std::vector<std::uint8_t>(image.end() - 3000, image.end()));
    EXPECT_THROW(media.ReadAt(size - 3000, 3001, tail.data()), std::invalid_argument);
    EXPECT_THROW(media.ReadAt(size, 1, tail.data()), std::invalid_argument);
}

TEST(CAkaiFileSystemBrakvelMedia, RefusesNegativeRangesThatWouldWrapIntoTheDisc)
{
    CTestVolume volume(std::vector<std::uint8_t>(100, 1));
    NSBrakvel::CVolumeHolder holder(&volume, false);
    CAkaiFileSystemBrakvelMedia media(holder);
    std::uint8_t byte = 0;
    EXPECT_THROW(media.ReadAt(1, -1, &byte), std::invalid_argument);
    EXPECT_THROW(media.ReadAt(-1, 1, &byte), std::invalid_argument);
    EXPECT_EQ(volume.reads, 0);
}

TEST(CAkaiFileSystemBrakvelMedia, AFailedSizeQueryIsAskedAgain)
{
    CTestVolume volume(std::vector<std::uint8_t>(100, 1));
    NSBrakvel::CVolumeHolder holder(&volume, false);
    CAkaiFileSystemBrakvelMedia media(holder);

    volume.status = NSBrakvel::kBrakvelDriveIsBusy;
    EXPECT_THROW(media.GetSize(), NSBrakvel::XDriveIsBusy);
    volume.status = NSBrakvel::kBrakvelSuccess;
    EXPECT_EQ(media.GetSize(), 100);
    EXPECT_EQ(media.GetSize(), 100);
    EXPECT_EQ(volume.sizeQueries, 2);
}

TEST(IsMountableAkaiVolume, RefusesAFlaggedVolumeWithoutReadingIt)
{
    CTestVolume volume(MinimalDiscInWholeSectors());
    NSBrakvel::CVolumeHolder holder(&volume, false);
    volume.flag = true;
    EXPECT_FALSE(NSAkaiFileSystem::IsMountableAkaiVolume(&holder));
    EXPECT_EQ(volume.reads, 0);
    EXPECT_EQ(volume.sizeQueries, 0);

    volume.flag = false;
    EXPECT_TRUE(NSAkaiFileSystem::IsMountableAkaiVolume(&holder));
}

TEST(IsMountableAkaiVolume, AsksWhetherTheVolumeHoldsAnAkaiDisc)
{
    const struct
    {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool mountable;
    } kCases[] = {
        {"minimal disc", MinimalDiscInWholeSectors(), true},
        {"empty medium", {}, false},
        {"zeroed disc", std::vector<std::uint8_t>(4 * 8192), false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CTestVolume volume(c.bytes);
        NSBrakvel::CVolumeHolder holder(&volume, false);
        EXPECT_EQ(NSAkaiFileSystem::IsMountableAkaiVolume(&holder), c.mountable);
    }
}

TEST(IsMountableAkaiVolume, PassesTheVolumesErrors)
{
    CTestVolume volume(MinimalDiscInWholeSectors());
    NSBrakvel::CVolumeHolder holder(&volume, false);
    volume.status = NSBrakvel::kBrakvelFileError;
    EXPECT_THROW(NSAkaiFileSystem::IsMountableAkaiVolume(&holder), NSBrakvel::XFile);
}

// The application's filter, as a test receiver: the rule behind the adapter the library is given.
class CAkaiMountingFilter final : public NSBrakvel::CABCDiskMountingFilter
{
public:
    bool AcceptsVolume(NSBrakvel::CVolumeHolder* volume) override
    {
        return NSAkaiFileSystem::IsMountableAkaiVolume(volume);
    }
};

TEST(CAkaiMountingFilter, WantsADriveWithAnAkaiDiscOnly)
{
    CAkaiMountingFilter filter;
    const struct
    {
        const char* name;
        std::vector<std::uint8_t> image;
        int answer;
    } kCases[] = {
        {"Akai disc", MinimalDiscInWholeSectors(), -1},
        {"other disc", NSBrakvelTest::MakePatternImage(16 * kSectorSizeInBytes), 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        NSBrakvelTest::CFakeDrives fake;
        fake.AddDrive('D', NSBrakvelTest::MakeCDROM(c.image));
        // The adapter is handed the library's raw volume, which its caller keeps owning.
        int status = 0;
        std::unique_ptr<NSBrakvel::IVolumeIterator> iterator(Brakvel_CreateVolumeIterator(&status));
        ASSERT_NE(iterator, nullptr);
        std::unique_ptr<NSBrakvel::IVolume> volume(iterator->Next(&status));
        ASSERT_NE(volume, nullptr);
        EXPECT_EQ(NSBrakvel::GetDiskMountingFilter().FilterVolume(volume.get()), c.answer);
        EXPECT_EQ(fake.GetOpenDrives(), "D");

        CTestVolume flagged(c.image);
        flagged.flag = true;
        EXPECT_EQ(NSBrakvel::GetDiskMountingFilter().FilterVolume(&flagged), 0);
        EXPECT_EQ(flagged.reads, 0);
    }
}

} // namespace
