#include "libs/rawdisk/Brakvel.h"
#include "libs/rawdisk/tests/FakeDrives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

namespace {

using namespace NSBrakvel;
using namespace NSBrakvelTest;

constexpr std::uint64_t kBlockSize = 2048;

// The first volume of a fresh iterator; the fake must offer one drive with a medium.
std::unique_ptr<IVolume> OpenVolume()
{
    int status = 0;
    std::unique_ptr<IVolumeIterator> iterator(Brakvel_CreateVolumeIterator(&status));
    EXPECT_EQ(status, kBrakvelSuccess);
    if (!iterator)
        return nullptr;
    std::unique_ptr<IVolume> volume(iterator->Next(&status));
    EXPECT_EQ(status, kBrakvelSuccess);
    return volume;
}

// A data track at 00:02:00 followed by an audio track 1000 frames later.
void MakeMixedDisc(CFakeDrive& drive)
{
    drive.firstTrack = 1;
    drive.lastTrack = 2;
    drive.tracks = {{4, 0, 2, 0}, {0, 0, 15, 25}};
}

TEST(CVolume, TellsTheSizeOfTheMedium)
{
    const struct
    {
        const char* name;
        std::function<void(CFakeDrive&)> shape;
        int status;
        std::int64_t size;
    } kCases[] = {
        {"single track: the geometry", [](CFakeDrive&) {}, kBrakvelSuccess, 2000 * 2048},
        {"geometry of several sectors per cylinder",
         [](CFakeDrive& d) { d.cylinders = 100; d.tracksPerCylinder = 4; d.sectorsPerTrack = 5; },
         kBrakvelSuccess, 2000 * 2048},
        {"audio first track: the geometry",
         [](CFakeDrive& d) { MakeMixedDisc(d); d.tracks[1].control = 4; d.tracks[0].control = 0; },
         kBrakvelSuccess, 2000 * 2048},
        {"mixed disc: the first data track", MakeMixedDisc, kBrakvelSuccess, 775 * 2048},
        {"mixed disc in 512-byte blocks", [](CFakeDrive& d) { MakeMixedDisc(d); d.bytesPerSector = 512; },
         kBrakvelSuccess, 775 * 2048},
        {"mixed disc whose data track is shorter than the gap",
         [](CFakeDrive& d) { MakeMixedDisc(d); d.tracks[1] = {0, 0, 4, 0}; }, kBrakvelSuccess, 0},
        {"mixed disc, multi-track test fails: the geometry",
         [](CFakeDrive& d) { MakeMixedDisc(d); d.failingTableOfContentsReads = {1}; }, kBrakvelSuccess,
         2000 * 2048},
        {"mixed disc, track length read fails",
         [](CFakeDrive& d) { MakeMixedDisc(d); d.failingTableOfContentsReads = {2}; }, kBrakvelFileError, -1},
        {"the largest size", [](CFakeDrive& d) { d.bytesPerSector = 1; d.cylinders = 2147483647; },
         kBrakvelSuccess, 2147483647},
        {"2 GB", [](CFakeDrive& d) { d.cylinders = 1048576; }, kBrakvelFileError, -1},
        {"wraps to 2048 bytes in 32 bits", [](CFakeDrive& d) { d.cylinders = 2097153; }, kBrakvelFileError, -1},
        {"wraps in 32-bit block counts",
         [](CFakeDrive& d) { d.cylinders = 65536; d.tracksPerCylinder = 65536; }, kBrakvelFileError, -1},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CFakeDrives fake;
        CFakeDrive drive = MakeCDROM(MakePatternImage(2000 * kBlockSize));
        c.shape(drive);
        fake.AddDrive('D', drive);
        std::unique_ptr<IVolume> volume = OpenVolume();
        ASSERT_TRUE(volume);
        std::int64_t size = -1;
        EXPECT_EQ(volume->GetSize(&size), c.status);
        if (c.status == kBrakvelSuccess) {
            EXPECT_EQ(size, c.size);
        }
    }
}

TEST(CVolume, ReadsAnyRangeWithinTheMediumAndRefusesTheRest)
{
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    for (const std::uint32_t blockSize : {2048u, 512u}) {
        const std::uint64_t size = 8 * 2048;
        const struct
        {
            std::uint64_t offset;
            std::uint64_t length;
            int status;
        } kCases[] = {
            {size - 1, 1, kBrakvelSuccess},
            {size, 1, kBrakvelInvalidArgument},
            {size, 0, kBrakvelSuccess},
            {size - 2, 3, kBrakvelInvalidArgument},
            {kMax, 2, kBrakvelInvalidArgument},
            {std::uint64_t{1} << 63, 1, kBrakvelInvalidArgument},
            {1, kMax, kBrakvelInvalidArgument},
            // The end wraps to 10, and the low 32 bits would read 10 bytes from 0.
            {0xFFFFFFFF00000000, 0x10000000A, kBrakvelInvalidArgument},
            {0, size, kBrakvelSuccess},
            {10, 20, kBrakvelSuccess},
            {2040, 4104, kBrakvelSuccess},
            {2047, 2, kBrakvelSuccess},
            {3 * 2048, 2048, kBrakvelSuccess},
            {100, size - 200, kBrakvelSuccess},
        };
        for (const auto& c : kCases) {
            SCOPED_TRACE(testing::Message() << "block size " << blockSize << ", offset " << c.offset
                                            << ", length " << c.length);
            CFakeDrives fake;
            const std::vector<std::uint8_t> image = MakePatternImage(size);
            fake.AddDrive('D', MakeCDROM(image, blockSize));
            std::unique_ptr<IVolume> volume = OpenVolume();
            ASSERT_TRUE(volume);
            fake.ClearCalls();

            const std::size_t copied = c.status == kBrakvelSuccess ? static_cast<std::size_t>(c.length) : 0;
            std::vector<std::uint8_t> destination(copied + 16, 0xEE);
            EXPECT_EQ(volume->Read(c.offset, c.length, destination.data()), c.status);
            if (c.status == kBrakvelSuccess) {
                EXPECT_TRUE(std::equal(destination.begin(), destination.begin() + copied, image.begin() + c.offset));
            } else {
                EXPECT_TRUE(fake.GetCalls(EFakeCall::ReadFile).empty() &&
                            fake.GetCalls(EFakeCall::SetFilePointer).empty());
            }
            EXPECT_EQ(std::vector<std::uint8_t>(destination.begin() + copied, destination.end()),
                      std::vector<std::uint8_t>(16, 0xEE));
            for (const CFakeCall& read : fake.GetCalls(EFakeCall::ReadFile))
                EXPECT_EQ(read.bufferAddress % blockSize, 0u);
            for (const CFakeCall& seek : fake.GetCalls(EFakeCall::SetFilePointer)) {
                EXPECT_EQ(seek.seekDistance % blockSize, 0);
                EXPECT_FALSE(seek.hasSeekHighPart);
                EXPECT_EQ(seek.moveMethod, 0u);  // from the start
            }
        }
    }
}

TEST(CVolume, ReadsWholeBlocksInOneDeviceReadAndPartBlocksOnce)
{
    const struct
    {
        std::uint64_t offset;
        std::uint64_t length;
        std::vector<std::pair<std::int32_t, std::uint32_t>> seeksAndReads;
    } kCases[] = {
        {10, 20, {{0, 2048}}},
        {2040, 4104, {{0, 2048}, {2048, 4096}}},
        {2040, 4105, {{0, 2048}, {2048, 4096}, {6144, 2048}}},
        {6144, 2048, {{6144, 2048}}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << ", length " << c.length);
        CFakeDrives fake;
        fake.AddDrive('D', MakeCDROM(MakePatternImage(8 * kBlockSize)));
        std::unique_ptr<IVolume> volume = OpenVolume();
        ASSERT_TRUE(volume);
        fake.ClearCalls();
        std::vector<std::uint8_t> destination(c.length);
        ASSERT_EQ(volume->Read(c.offset, c.length, destination.data()), kBrakvelSuccess);

        std::vector<std::pair<std::int32_t, std::uint32_t>> seeksAndReads;
        std::int32_t seek = -1;
        for (const CFakeCall& call : fake.GetCalls()) {
            if (call.function == EFakeCall::SetFilePointer)
                seek = call.seekDistance;
            if (call.function == EFakeCall::ReadFile)
                seeksAndReads.push_back({seek, call.length});
        }
        EXPECT_EQ(seeksAndReads, c.seeksAndReads);
    }
}

TEST(CVolume, DeviceFailuresWhileReadingAreFileErrors)
{
    const struct
    {
        const char* name;
        void (*damage)(CFakeDrive&);
    } kCases[] = {
        {"seek fails", [](CFakeDrive& d) { d.seekFails = true; }},
        {"read fails", [](CFakeDrive& d) { d.readFails = true; }},
        {"read comes back short", [](CFakeDrive& d) { d.readShort = true; }},
        {"medium shorter than its geometry", [](CFakeDrive& d) { d.image.resize(d.image.size() - 1); }},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CFakeDrives fake;
        fake.AddDrive('D', MakeCDROM(MakePatternImage(8 * kBlockSize)));
        std::unique_ptr<IVolume> volume = OpenVolume();
        ASSERT_TRUE(volume);
        c.damage(fake.Drive('D'));
        std::vector<std::uint8_t> destination(8 * kBlockSize);
        EXPECT_EQ(volume->Read(0, destination.size(), destination.data()), kBrakvelFileError);
    }
}

TEST(CVolume, EjectLocksDismountsAllowsRemovalEjectsAndCloses)
{
    CFakeDrives fake;
    fake.AddDrive('D', MakeCDROM(MakePatternImage(8 * kBlockSize)));
    std::unique_ptr<IVolume> volume = OpenVolume();
    ASSERT_TRUE(volume);
    fake.ClearCalls();

    EXPECT_EQ(volume->Eject(), kBrakvelSuccess);
    const std::vector<CFakeCall>& calls = fake.GetCalls();
    ASSERT_EQ(calls.size(), 5u);
    const std::uint32_t kCodes[] = {kFakeLockVolume, kFakeDismountVolume, kFakeMediaRemoval, kFakeEjectMedia};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(calls[i].function, EFakeCall::DeviceIoControl);
        EXPECT_EQ(calls[i].controlCode, kCodes[i]);
        EXPECT_EQ(calls[i].handle, calls[0].handle);
        EXPECT_FALSE(calls[i].hasOutput);
        EXPECT_EQ(calls[i].input, i == 2 ? std::vector<std::uint8_t>{0} : std::vector<std::uint8_t>{});
    }
    EXPECT_EQ(calls[4].function, EFakeCall::CloseHandle);
    EXPECT_EQ(calls[4].handle, calls[0].handle);
    EXPECT_EQ(fake.GetOpenHandleCount(), 0);

    fake.ClearCalls();
    EXPECT_EQ(volume->Eject(), kBrakvelIllegalCallSequence);
    EXPECT_TRUE(fake.GetCalls().empty());
}

TEST(CVolume, AFailedEjectLeavesTheVolumeOpenAndUsable)
{
    const struct
    {
        std::uint32_t failingCode;
        std::uint32_t error;
        int status;
    } kCases[] = {
        {kFakeLockVolume, kErrorAccessDenied, kBrakvelDriveIsBusy},
        {kFakeDismountVolume, kErrorAccessDenied, kBrakvelFileError},
        {kFakeMediaRemoval, kErrorInvalidFunction, kBrakvelFileError},
        {kFakeEjectMedia, kErrorNotReady, kBrakvelFileError},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.failingCode);
        CFakeDrives fake;
        const std::vector<std::uint8_t> image = MakePatternImage(8 * kBlockSize);
        fake.AddDrive('D', MakeCDROM(image));
        std::unique_ptr<IVolume> volume = OpenVolume();
        ASSERT_TRUE(volume);
        fake.Drive('D').controlErrors[c.failingCode] = c.error;

        EXPECT_EQ(volume->Eject(), c.status);
        EXPECT_EQ(fake.GetOpenDrives(), "D");
        std::vector<std::uint8_t> destination(100);
        EXPECT_EQ(volume->Read(4000, destination.size(), destination.data()), kBrakvelSuccess);
        EXPECT_TRUE(std::equal(destination.begin(), destination.end(), image.begin() + 4000));

        fake.Drive('D').controlErrors.clear();
        EXPECT_EQ(volume->Eject(), kBrakvelSuccess);
        EXPECT_EQ(fake.GetOpenHandleCount(), 0);
    }
}

TEST(CVolume, GetFlagAnswersNo)
{
    CFakeDrives fake;
    fake.AddDrive('D', MakeCDROM(MakePatternImage(8 * kBlockSize)));
    std::unique_ptr<IVolume> volume = OpenVolume();
    ASSERT_TRUE(volume);
    bool flag = true;
    EXPECT_EQ(volume->GetFlag(&flag), kBrakvelSuccess);
    EXPECT_FALSE(flag);
}

TEST(BrakvelInterfaces, AThrowInsideAnyOperationComesBackAsItsCode)
{
    enum class EOperation { Create, Next, GetSize, Read, Eject };
    const struct
    {
        const char* name;
        EOperation operation;
        EFakeCall function;
        std::uint32_t controlCode;
        std::function<void()> thrower;
        int status;
    } kCases[] = {
        {"create, out of memory", EOperation::Create, EFakeCall::GetLogicalDriveStrings, 0,
         [] { throw std::bad_alloc(); }, kBrakvelOutOfMemory},
        {"next, out of memory", EOperation::Next, EFakeCall::DeviceIoControl, kFakeGetDriveGeometry,
         [] { throw std::bad_alloc(); }, kBrakvelOutOfMemory},
        {"next, not an exception", EOperation::Next, EFakeCall::DeviceIoControl, kFakeGetDriveGeometry,
         [] { throw 7; }, kBrakvelOtherFailure},
        {"size, invalid argument", EOperation::GetSize, EFakeCall::DeviceIoControl, kFakeGetDriveGeometry,
         [] { throw std::invalid_argument("x"); }, kBrakvelInvalidArgument},
        {"read, out of memory", EOperation::Read, EFakeCall::ReadFile, 0, [] { throw std::bad_alloc(); },
         kBrakvelOutOfMemory},
        {"eject, other failure", EOperation::Eject, EFakeCall::DeviceIoControl, kFakeLockVolume,
         [] { throw std::runtime_error("x"); }, kBrakvelOtherFailure},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CFakeDrives fake;
        fake.AddDrive('D', MakeCDROM(MakePatternImage(8 * kBlockSize)));
        int status = kBrakvelSuccess;
        if (c.operation == EOperation::Create) {
            fake.InjectThrow(c.function, c.thrower, c.controlCode);
            EXPECT_EQ(Brakvel_CreateVolumeIterator(&status), nullptr);
            EXPECT_EQ(status, c.status);
            continue;
        }
        std::unique_ptr<IVolumeIterator> iterator(Brakvel_CreateVolumeIterator(&status));
        ASSERT_TRUE(iterator);
        if (c.operation == EOperation::Next) {
            fake.InjectThrow(c.function, c.thrower, c.controlCode);
            EXPECT_EQ(iterator->Next(&status), nullptr);
            EXPECT_EQ(status, c.status);
            EXPECT_EQ(fake.GetOpenHandleCount(), 0);
            continue;
        }
        std::unique_ptr<IVolume> volume(iterator->Next(&status));
        ASSERT_TRUE(volume);
        fake.InjectThrow(c.function, c.thrower, c.controlCode);
        std::int64_t size = 0;
        std::vector<std::uint8_t> destination(100);
        switch (c.operation) {
        case EOperation::GetSize: EXPECT_EQ(volume->GetSize(&size), c.status); break;
        case EOperation::Read: EXPECT_EQ(volume->Read(0, destination.size(), destination.data()), c.status); break;
        default: EXPECT_EQ(volume->Eject(), c.status); break;
        }
    }
}

} // namespace
