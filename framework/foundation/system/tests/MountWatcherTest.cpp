#include "framework/foundation/system/MountWatcher.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace NSTramvell;
using NSMountWatcher::CMountedVolume;

namespace {

// The drives the fake platform knows, by root.
struct CFakeDrive
{
    UINT kind;
    bool mounted;
    std::string name;
    int answersLeft = -1;   // volume queries it still answers before it vanishes; -1: no limit
};
std::map<std::string, CFakeDrive> gDrives;
int gFloppyQueries = 0;

class CFakeVolumes
{
public:
    CFakeVolumes()
        : mDrives(GetKernelTable().GetLogicalDriveStringsA,
                  [](DWORD size, LPSTR buffer) -> DWORD {
                      std::string list;
                      for (const auto& [root, drive] : gDrives)
                          list += root + '\0';
                      if (list.empty())
                          return 0;
                      if (list.size() + 1 <= size)
                          std::memcpy(buffer, list.c_str(), list.size() + 1);
                      return static_cast<DWORD>(list.size());
                  })
        , mKind(GetKernelTable().GetDriveTypeA, [](LPCSTR root) -> UINT { return gDrives.at(root).kind; })
        , mVolume(GetKernelTable().GetVolumeInformationA,
                  [](LPCSTR root, LPSTR name, DWORD nameSize, LPDWORD, LPDWORD, LPDWORD, LPSTR, DWORD) -> BOOL {
                      const std::string text = root;
                      if (text == "A:\\" || text == "B:\\")
                          ++gFloppyQueries;
                      CFakeDrive& drive = gDrives.at(text);
                      if (!drive.mounted || drive.answersLeft == 0)
                          return FALSE;
                      if (drive.answersLeft > 0)
                          --drive.answersLeft;
                      lstrcpynA(name, drive.name.c_str(), static_cast<int>(nameSize));
                      return TRUE;
                  })
        , mSpace(GetKernelTable().GetDiskFreeSpaceExA,
                 [](LPCSTR, PULARGE_INTEGER free, PULARGE_INTEGER total, PULARGE_INTEGER) -> BOOL {
                     free->QuadPart = 4096;
                     total->QuadPart = 8192;
                     return TRUE;
                 })
    {
        gDrives.clear();
        gFloppyQueries = 0;
    }

private:
    CScopedTableEntry<decltype(CKernelTable::GetLogicalDriveStringsA)> mDrives;
    CScopedTableEntry<decltype(CKernelTable::GetDriveTypeA)> mKind;
    CScopedTableEntry<decltype(CKernelTable::GetVolumeInformationA)> mVolume;
    CScopedTableEntry<decltype(CKernelTable::GetDiskFreeSpaceExA)> mSpace;
};

// Records every announcement as "<tag>:<root>:<name>" into one shared log.
std::vector<std::string> gAnnouncements;

class CRecordingWatcher : public IMountWatcher
{
public:
    explicit CRecordingWatcher(std::string tag) : mTag(std::move(tag)) {}
    void OnVolumeMounted(const CMountedVolume& volume) override
    {
        gAnnouncements.push_back(mTag + ":" + volume.GetVolume().GetName() + ":" + volume.GetName().GetString());
        if (mOnCall)
            mOnCall();
    }
    std::function<void()> mOnCall;

private:
    std::string mTag;
};

std::vector<std::string> Polled()
{
    gAnnouncements.clear();
    NSMountWatcher::PollNow();
    return gAnnouncements;
}

TEST(CMountWatcher, AnnouncesNewVolumesOnlyInOrderOfRegistration)
{
    CFakeVolumes volumes;
    gDrives["A:\\"] = {DRIVE_REMOVABLE, true, "FLOPPY"};
    gDrives["C:\\"] = {DRIVE_FIXED, true, "SYSTEM"};
    gDrives["D:\\"] = {DRIVE_CDROM, true, "DISC1"};
    gDrives["E:\\"] = {DRIVE_CDROM, false, ""};
    CRecordingWatcher first("A");
    CRecordingWatcher second("B");
    {
        CMountWatcher a(&first);
        CMountWatcher b(&second);
        ASSERT_NE(NSMountWatcher::GetInstance(), nullptr);
        EXPECT_TRUE(Polled().empty());   // what was there at the first snapshot is known

        gDrives["E:\\"] = {DRIVE_CDROM, true, "DISC2"};
        EXPECT_EQ(Polled(), (std::vector<std::string>{"A:E:\\:DISC2", "B:E:\\:DISC2"}));
        EXPECT_TRUE(Polled().empty());

        gDrives["D:\\"].mounted = false;   // ejected: nothing
        EXPECT_TRUE(Polled().empty());
        gDrives["D:\\"].mounted = true;    // back: announced again
        gDrives["C:\\"].name = "RENAMED";  // another name is another volume
        EXPECT_EQ(Polled(), (std::vector<std::string>{"A:C:\\:RENAMED", "B:C:\\:RENAMED", "A:D:\\:DISC1",
                                                      "B:D:\\:DISC1"}));
    }
    EXPECT_EQ(NSMountWatcher::GetInstance(), nullptr);
    EXPECT_EQ(gFloppyQueries, 0);

    // Registering again takes a fresh first snapshot.
    gDrives["F:\\"] = {DRIVE_REMOTE, true, "SHARE"};
    CMountWatcher again(&first);
    EXPECT_TRUE(Polled().empty());
}

TEST(CMountWatcher, VolumesThatVanishOrAreUnknownAreLeftOut)
{
    CFakeVolumes volumes;
    gDrives["C:\\"] = {DRIVE_FIXED, true, "SYSTEM"};
    CRecordingWatcher watcher("W");
    CMountWatcher registration(&watcher);
    gDrives["G:\\"] = {0, true, "NOKIND"};
    gDrives["H:\\"] = {DRIVE_CDROM, true, "GONE", 1};   // answers whether it is mounted, then vanishes
    gDrives["I:\\"] = {DRIVE_CDROM, true, "DISC"};
    EXPECT_EQ(Polled(), (std::vector<std::string>{"W:I:\\:DISC"}));
}

TEST(CMountWatcher, AWatcherThatThrowsIsNotToldTheSameVolumeAgain)
{
    CFakeVolumes volumes;
    gDrives["C:\\"] = {DRIVE_FIXED, true, "SYSTEM"};
    CRecordingWatcher watcher("W");
    watcher.mOnCall = [] { throw std::runtime_error("watcher failed"); };
    CMountWatcher registration(&watcher);
    gDrives["D:\\"] = {DRIVE_CDROM, true, "DISC"};
    gAnnouncements.clear();
    EXPECT_THROW(NSMountWatcher::PollNow(), std::runtime_error);
    EXPECT_EQ(gAnnouncements.size(), 1u);
    EXPECT_TRUE(Polled().empty());
}

TEST(CMountWatcher, WatchersMayLeaveDuringAPoll)
{
    CFakeVolumes volumes;
    gDrives["C:\\"] = {DRIVE_FIXED, true, "SYSTEM"};
    CRecordingWatcher first("A");
    CRecordingWatcher second("B");
    auto firstRegistration = std::make_unique<CMountWatcher>(&first);
    auto secondRegistration = std::make_unique<CMountWatcher>(&second);
    // The first watcher's call unregisters both: the second is not called, and the instance, emptied
    // under its own poll, goes when the poll ends.
    first.mOnCall = [&] {
        secondRegistration.reset();
        firstRegistration.reset();
    };
    gDrives["D:\\"] = {DRIVE_CDROM, true, "DISC"};
    EXPECT_EQ(Polled(), (std::vector<std::string>{"A:D:\\:DISC"}));
    EXPECT_EQ(NSMountWatcher::GetInstance(), nullptr);
}

TEST(CMountWatcher, AFailedFirstSnapshotLeavesNoInstance)
{
    CFakeVolumes volumes;   // no drives: the volume list fails
    CRecordingWatcher watcher("W");
    EXPECT_THROW(CMountWatcher registration(&watcher), XFile);
    EXPECT_EQ(NSMountWatcher::GetInstance(), nullptr);
    gDrives["C:\\"] = {DRIVE_FIXED, true, "SYSTEM"};
    CMountWatcher registration(&watcher);
    EXPECT_NE(NSMountWatcher::GetInstance(), nullptr);
}

} // namespace
