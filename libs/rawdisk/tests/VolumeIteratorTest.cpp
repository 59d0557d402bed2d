#include "libs/rawdisk/VolumeIterator.h"

#include "libs/rawdisk/Brakvel.h"
#include "libs/rawdisk/tests/FakeDrives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace NSBrakvel;
using namespace NSBrakvelTest;

CFakeDrive CDROMWithMedium()
{
    return MakeCDROM(MakePatternImage(4 * 2048));
}

CFakeDrive EmptyCDROM()
{
    CFakeDrive drive = CDROMWithMedium();
    drive.hasMedium = false;
    return drive;
}

CFakeDrive Removable()
{
    CFakeDrive drive = CDROMWithMedium();
    drive.driveType = kDriveRemovable;
    return drive;
}

CFakeDrive Fixed()
{
    CFakeDrive drive = CDROMWithMedium();
    drive.driveType = kDriveFixed;
    return drive;
}

CFakeDrive CDROMThatFailsToOpen(std::uint32_t error, int opensBeforeError)
{
    CFakeDrive drive = CDROMWithMedium();
    drive.openError = error;
    drive.opensBeforeError = opensBeforeError;
    return drive;
}

// Takes every volume the iterator gives and returns the drive letter of each; a volume is known by the
// one drive handle open while it lives.
std::string TakeAllVolumes(CFakeDrives& fake, IVolumeIterator& iterator)
{
    std::string letters;
    for (;;) {
        int status = 0;
        std::unique_ptr<IVolume> volume(iterator.Next(&status));
        EXPECT_EQ(status, kBrakvelSuccess);
        if (!volume)
            return letters;
        EXPECT_EQ(fake.GetOpenHandleCount(), 1);
        letters += fake.GetOpenDrives();
    }
}

TEST(CVolumeIterator, VisitsCDROMAndRemovableDrivesWithAMediumFromTheLastLetter)
{
    const struct
    {
        const char* name;
        std::vector<std::pair<char, CFakeDrive>> drives;
        std::string volumes;
        std::vector<std::string> opened;
    } kCases[] = {
        {"only A: and B:", {{'A', Removable()}, {'B', Removable()}}, "", {}},
        {"E: empty before D:", {{'D', CDROMWithMedium()}, {'E', EmptyCDROM()}}, "D", {"E", "D", "D"}},
        {"a fixed disk is never opened", {{'C', Fixed()}, {'D', CDROMWithMedium()}}, "D", {"D", "D"}},
        {"removable drives count", {{'D', CDROMWithMedium()}, {'F', Removable()}}, "FD", {"F", "F", "D", "D"}},
        {"a drive held elsewhere is skipped",
         {{'D', CDROMWithMedium()}, {'E', CDROMThatFailsToOpen(kErrorSharingViolation, 0)}}, "D", {"E", "D", "D"}},
        {"a drive locked elsewhere is skipped",
         {{'D', CDROMWithMedium()}, {'E', CDROMThatFailsToOpen(kErrorLockViolation, 0)}}, "D", {"E", "D", "D"}},
        {"a drive refused to us is skipped",
         {{'D', CDROMWithMedium()}, {'E', CDROMThatFailsToOpen(kErrorAccessDenied, 0)}}, "D", {"E", "D", "D"}},
        {"a drive whose second open fails is skipped",
         {{'D', CDROMWithMedium()}, {'E', CDROMThatFailsToOpen(kErrorNotReady, 1)}}, "D", {"E", "E", "D", "D"}},
        {"the only drive is held elsewhere", {{'E', CDROMThatFailsToOpen(kErrorSharingViolation, 0)}}, "", {"E"}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CFakeDrives fake;
        for (const auto& [letter, drive] : c.drives)
            fake.AddDrive(letter, drive);
        int status = 0;
        std::unique_ptr<IVolumeIterator> iterator(Brakvel_CreateVolumeIterator(&status));
        ASSERT_EQ(status, kBrakvelSuccess);
        ASSERT_TRUE(iterator);
        EXPECT_EQ(TakeAllVolumes(fake, *iterator), c.volumes);

        std::vector<std::string> opened;
        for (const CFakeCall& call : fake.GetCalls(EFakeCall::CreateFile))
            opened.push_back(call.path.substr(4, 1));
        EXPECT_EQ(opened, c.opened);
        for (const CFakeCall& call : fake.GetCalls(EFakeCall::GetDriveType))
            EXPECT_TRUE(call.path != "A:\\" && call.path != "B:\\") << call.path;
    }
}

TEST(CVolumeIterator, OpensTheDriveExclusivelyForReading)
{
    CFakeDrives fake;
    fake.AddDrive('E', CDROMWithMedium());
    int status = 0;
    std::unique_ptr<IVolumeIterator> iterator(Brakvel_CreateVolumeIterator(&status));
    ASSERT_TRUE(iterator);
    std::unique_ptr<IVolume> volume(iterator->Next(&status));
    ASSERT_TRUE(volume);

    const std::vector<CFakeCall> opens = fake.GetCalls(EFakeCall::CreateFile);
    ASSERT_EQ(opens.size(), 2u);
    for (const CFakeCall& open : opens) {
        EXPECT_EQ(open.path, "\\\\.\\E:");
        EXPECT_EQ(open.access, 0x80000000u);        // read
        EXPECT_EQ(open.shareMode, 0u);              // nobody else
        EXPECT_EQ(open.creationDisposition, 3u);    // existing
        EXPECT_EQ(open.flagsAndAttributes, 0x80u);  // normal
    }
    // The medium test asks for a verified medium on its own handle and closes it before the volume opens.
    const std::vector<CFakeCall>& calls = fake.GetCalls();
    ASSERT_GE(calls.size(), 4u);
    const auto first = std::find_if(calls.begin(), calls.end(),
                                    [](const CFakeCall& call) { return call.function == EFakeCall::CreateFile; });
    ASSERT_LE(first + 3, calls.end());
    EXPECT_EQ(first[1].function, EFakeCall::DeviceIoControl);
    EXPECT_EQ(first[1].controlCode, kFakeCheckVerify);
    EXPECT_EQ(first[2].function, EFakeCall::CloseHandle);
    EXPECT_EQ(first[2].handle, first[1].handle);
    EXPECT_EQ(first[3].function, EFakeCall::CreateFile);
}

TEST(CollectDriveNames, KeepsEveryDriveButAAndBWhenTheFlagIsClear)
{
    CFakeDrives fake;
    fake.AddDrive('A', Removable());
    fake.AddDrive('C', Fixed());
    fake.AddDrive('D', CDROMWithMedium());
    fake.AddDrive('F', Removable());
    EXPECT_EQ(NSBrakvelImplementation::CollectDriveNames(false), (std::vector<std::string>{"C:", "D:", "F:"}));
    EXPECT_EQ(NSBrakvelImplementation::CollectDriveNames(true), (std::vector<std::string>{"D:", "F:"}));
    EXPECT_TRUE(fake.GetCalls(EFakeCall::CreateFile).empty());
}

TEST(CollectDriveNames, FetchesALongDriveListInFullOnTheSecondCall)
{
    CFakeDrives fake;
    const std::string letters = "DEFGHIJ";  // 7 roots of 4 bytes: 28 and the closing zero
    for (const char letter : letters)
        fake.AddDrive(letter, CDROMWithMedium());
    EXPECT_EQ(NSBrakvelImplementation::CollectDriveNames(true),
              (std::vector<std::string>{"D:", "E:", "F:", "G:", "H:", "I:", "J:"}));
    const std::vector<CFakeCall> asks = fake.GetCalls(EFakeCall::GetLogicalDriveStrings);
    ASSERT_EQ(asks.size(), 2u);
    EXPECT_EQ(asks[0].length, 25u);
    EXPECT_EQ(asks[1].length, 29u);
}

TEST(BrakvelCreateVolumeIterator, FailsWithOtherFailureWhenNoDrivesAreListed)
{
    CFakeDrives fake;
    int status = kBrakvelSuccess;
    EXPECT_EQ(Brakvel_CreateVolumeIterator(&status), nullptr);
    EXPECT_EQ(status, kBrakvelOtherFailure);
}

TEST(CVolumeIterator, AVolumeThatCannotBeMadeEndsThatNextAndTheNextNextGoesOn)
{
    const struct
    {
        const char* name;
        void (*damage)(CFakeDrive&);
        int status;
    } kCases[] = {
        {"geometry not ready", [](CFakeDrive& d) { d.controlErrors[kFakeGetDriveGeometry] = kErrorNotReady; },
         kBrakvelDriveIsBusy},
        {"geometry fails", [](CFakeDrive& d) { d.controlErrors[kFakeGetDriveGeometry] = kErrorInvalidFunction; },
         kBrakvelFileError},
        {"block size 0", [](CFakeDrive& d) { d.bytesPerSector = 0; }, kBrakvelFileError},
        {"block size above 64 KB", [](CFakeDrive& d) { d.bytesPerSector = 65536 * 2; }, kBrakvelFileError},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CFakeDrives fake;
        fake.AddDrive('D', CDROMWithMedium());
        CFakeDrive damaged = CDROMWithMedium();
        c.damage(damaged);
        fake.AddDrive('E', damaged);
        int status = 0;
        std::unique_ptr<IVolumeIterator> iterator(Brakvel_CreateVolumeIterator(&status));
        ASSERT_TRUE(iterator);

        status = kBrakvelSuccess;
        EXPECT_EQ(iterator->Next(&status), nullptr);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(fake.GetOpenHandleCount(), 0);
        // Each handle of E: closed once: the fake fails the test on a second close.
        EXPECT_EQ(fake.GetCalls(EFakeCall::CloseHandle).size(), fake.GetCalls(EFakeCall::CreateFile).size());

        EXPECT_EQ(TakeAllVolumes(fake, *iterator), "D");
    }
}

TEST(BrakvelSetters, IgnoreTheirArgument)
{
    int receiver = 0;
    EXPECT_EQ(Brakvel_SetDebugger(nullptr), kBrakvelSuccess);
    EXPECT_EQ(Brakvel_SetDebugger(&receiver), kBrakvelSuccess);
    EXPECT_EQ(Brakvel_SetDiskMountingFilter(nullptr), kBrakvelSuccess);
    EXPECT_EQ(Brakvel_SetDiskMountingFilter(&receiver), kBrakvelSuccess);
}

} // namespace
