#include "framework/foundation/files/Volumes.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

// The drive list the fake platform reports, entries separated by '|'.
std::string gDriveList;
DWORD gDriveListLength = 0;
UINT gDriveKind = 0;
int gDriveKindQueries = 0;
std::vector<UINT> gErrorModes;
BOOL gVolumeAnswered = TRUE;
const char* gVolumeName = "";
BOOL gBytesAnswered = TRUE;
DWORD gBytesError = 0;
BOOL gUnitsAnswered = TRUE;
DWORD gBytesPerSector = 512;

std::vector<std::string> NamesOf(const std::vector<CVolumeSpec>& volumes)
{
    std::vector<std::string> names;
    for (const CVolumeSpec& volume : volumes)
        names.push_back(volume.GetName());
    return names;
}

TEST(GetMountedVolumes, RootsInThePlatformsOrderUpperCased)
{
    CScopedTableEntry drives(GetKernelTable().GetLogicalDriveStringsA, [](DWORD size, LPSTR buffer) -> DWORD {
        std::string list = gDriveList;
        for (char& c : list)
            if (c == '|')
                c = '\0';
        if (list.size() + 1 <= size)
            std::memcpy(buffer, list.c_str(), list.size() + 1);
        return gDriveListLength != 0 ? gDriveListLength : static_cast<DWORD>(list.size());
    });
    gDriveList = "c:\\|d:\\|a:\\|e:|toolong\\||";
    gDriveListLength = 0;
    EXPECT_EQ(NamesOf(GetMountedVolumes()), (std::vector<std::string>{"C:\\", "D:\\", "A:\\", "E:\\"}));
    EXPECT_EQ(GetVolumeKind(GetMountedVolumes()[2]), kVolumeKindFloppy);

    gDriveListLength = 601;
    EXPECT_THROW(GetMountedVolumes(), XFile);
    gDriveList = "";
    gDriveListLength = 0;
    EXPECT_THROW(GetMountedVolumes(), XFile);
}

TEST(GetVolumeKind, FromThePlatformsDriveKind)
{
    CScopedTableEntry kind(GetKernelTable().GetDriveTypeA, [](LPCSTR) {
        ++gDriveKindQueries;
        return gDriveKind;
    });
    const struct
    {
        UINT platformKind;
        std::uint32_t kind;
    } kCases[] = {{2, kVolumeKindRemovable}, {3, kVolumeKindFixed}, {4, kVolumeKindRemote},
                  {5, kVolumeKindCDROM},     {6, kVolumeKindOther}, {1, kVolumeKindOther}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.platformKind);
        gDriveKind = c.platformKind;
        EXPECT_EQ(GetVolumeKind(CVolumeSpec("D:\\")), c.kind);
    }
    gDriveKind = 0;
    EXPECT_THROW(GetVolumeKind(CVolumeSpec("D:\\")), XFile);
    gDriveKindQueries = 0;
    EXPECT_EQ(GetVolumeKind(CVolumeSpec("a:\\")), kVolumeKindFloppy);
    EXPECT_EQ(GetVolumeKind(CVolumeSpec("B:\\")), kVolumeKindFloppy);
    EXPECT_EQ(gDriveKindQueries, 0);
}

class VolumeQueries : public testing::Test
{
protected:
    void SetUp() override
    {
        gErrorModes.clear();
        gVolumeAnswered = TRUE;
        gVolumeName = "";
        gBytesAnswered = TRUE;
        gBytesError = 0;
        gUnitsAnswered = TRUE;
        gBytesPerSector = 512;
        gDriveKind = DRIVE_CDROM;
    }

    CScopedTableEntry<UINT (*)(UINT)> mErrorMode{GetKernelTable().SetErrorMode, [](UINT mode) -> UINT {
                                                     gErrorModes.push_back(mode);
                                                     return 0x8003;
                                                 }};
    CScopedTableEntry<UINT (*)(LPCSTR)> mKind{GetKernelTable().GetDriveTypeA, [](LPCSTR) { return gDriveKind; }};
    CScopedTableEntry<BOOL (*)(LPCSTR, LPSTR, DWORD, LPDWORD, LPDWORD, LPDWORD, LPSTR, DWORD)> mVolume{
        GetKernelTable().GetVolumeInformationA,
        [](LPCSTR, LPSTR name, DWORD nameSize, LPDWORD serial, LPDWORD, LPDWORD, LPSTR fileSystem,
           DWORD fileSystemSize) -> BOOL {
            if (!gVolumeAnswered)
                return FALSE;
            std::strncpy(name, gVolumeName, nameSize);
            std::strncpy(fileSystem, "CDFS", fileSystemSize);
            *serial = 0xCAFE1234;
            return TRUE;
        }};
    CScopedTableEntry<BOOL (*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER)> mBytes{
        GetKernelTable().GetDiskFreeSpaceExA,
        [](LPCSTR, PULARGE_INTEGER freeToCaller, PULARGE_INTEGER total, PULARGE_INTEGER free) -> BOOL {
            if (!gBytesAnswered) {
                ::SetLastError(gBytesError);
                return FALSE;
            }
            freeToCaller->QuadPart = 1024 * 1024;
            total->QuadPart = 8ull * 1024 * 1024 * 1024;
            free->QuadPart = 2 * 1024 * 1024;
            return TRUE;
        }};
    CScopedTableEntry<BOOL (*)(LPCSTR, LPDWORD, LPDWORD, LPDWORD, LPDWORD)> mUnits{
        GetKernelTable().GetDiskFreeSpaceA,
        [](LPCSTR, LPDWORD sectorsPerUnit, LPDWORD bytesPerSector, LPDWORD freeUnits, LPDWORD totalUnits) -> BOOL {
            *sectorsPerUnit = 2;
            *bytesPerSector = gBytesPerSector;
            *freeUnits = 77;
            *totalUnits = 99;
            return gUnitsAnswered;
        }};
};

TEST_F(VolumeQueries, SpaceInAllocationUnits)
{
    const struct
    {
        const char* label;
        BOOL bytesAnswered;
        DWORD bytesError;
        BOOL unitsAnswered;
        DWORD bytesPerSector;
        bool answered;
        std::uint32_t freeUnits;
        std::uint32_t totalUnits;
        std::uint64_t freeBytes;
    } kCases[] = {
        {"units of 2 x 512 bytes", TRUE, 0, TRUE, 512, true, 1024, 8 * 1024 * 1024, 1024 * 1024},
        {"no bytes per sector: 4096", TRUE, 0, TRUE, 0, true, 256, 2 * 1024 * 1024, 1024 * 1024},
        {"no unit query: 4096", TRUE, 0, FALSE, 512, true, 256, 2 * 1024 * 1024, 1024 * 1024},
        {"no byte query: the older counts", FALSE, ERROR_CALL_NOT_IMPLEMENTED, TRUE, 512, true, 77, 99, 0},
        {"no byte query nor unit query", FALSE, ERROR_CALL_NOT_IMPLEMENTED, FALSE, 512, false, 0, 0, 0},
        {"byte query fails", FALSE, ERROR_NOT_READY, TRUE, 512, false, 0, 0, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        gBytesAnswered = c.bytesAnswered;
        gBytesError = c.bytesError;
        gUnitsAnswered = c.unitsAnswered;
        gBytesPerSector = c.bytesPerSector;
        NSVolumesInternal::CDiskSpace space;
        space.mFreeUnits = 12345;
        EXPECT_EQ(NSVolumesInternal::QueryDiskSpace("D:\\", space), c.answered);
        EXPECT_EQ(space.mFreeUnits, c.freeUnits);
        EXPECT_EQ(space.mTotalUnits, c.totalUnits);
        EXPECT_EQ(space.mFreeBytes, c.freeBytes);
        std::uint32_t freeUnits = 1;
        std::uint32_t totalUnits = 1;
        EXPECT_EQ(GetDiskFreeSpace("D:\\", freeUnits, totalUnits), c.answered);
        EXPECT_EQ(freeUnits, c.freeUnits);
        EXPECT_EQ(totalUnits, c.totalUnits);
    }
}

TEST_F(VolumeQueries, MountedVolumeInfoFillsTheRecordAndRestoresTheErrorMode)
{
    const CMountedVolumeInfo info = GetMountedVolumeInfo(CVolumeSpec("D:\\"));
    const CMountedVolumeInfo expected(CVolumeName("D"), "CDFS", 1024, 8 * 1024 * 1024, 1024 * 1024,
                                      8ull * 1024 * 1024 * 1024, 0, 0, 0xCAFE1234);
    EXPECT_TRUE(info == expected);
    EXPECT_EQ(gErrorModes, (std::vector<UINT>{1, 0x8003}));

    gVolumeName = "SAMPLES:1";
    EXPECT_EQ(GetMountedVolumeInfo(CVolumeSpec("D:\\")).GetName(), "SAMPLES_1");
}

TEST_F(VolumeQueries, MountedVolumeInfoFailuresAreNotFound)
{
    gBytesAnswered = FALSE;
    gBytesError = ERROR_NOT_READY;
    EXPECT_THROW(GetMountedVolumeInfo(CVolumeSpec("D:\\")), XNotFound);
    gBytesAnswered = TRUE;
    gVolumeAnswered = FALSE;
    EXPECT_THROW(GetMountedVolumeInfo(CVolumeSpec("D:\\")), XNotFound);
}

TEST_F(VolumeQueries, VolumeInfoWithoutAMediumDoesNotThrow)
{
    gVolumeName = "AKAI";
    EXPECT_TRUE(GetVolumeInfo(CVolumeSpec("D:\\")) == CVolumeInfo(kVolumeKindCDROM, true, true, "AKAI"));
    gVolumeAnswered = FALSE;
    const CVolumeInfo empty = GetVolumeInfo(CVolumeSpec("D:\\"));
    EXPECT_FALSE(empty.GetFlag1());
    EXPECT_TRUE(empty.GetFlag2());
    EXPECT_EQ(gErrorModes, (std::vector<UINT>{1, 0x8003, 1, 0x8003}));
}

TEST(GetSystemVolume, IsTheDriveRootTheVolumeListHolds)
{
    const CVolumeSpec system = GetSystemVolume();
    EXPECT_EQ(system.GetName(), "C:\\");
    const std::vector<CVolumeSpec> volumes = GetMountedVolumes();
    EXPECT_NE(std::find(volumes.begin(), volumes.end(), system), volumes.end());
    EXPECT_EQ(GetVolumeFolder(system).GetPath(), "C:\\");
}

} // namespace
