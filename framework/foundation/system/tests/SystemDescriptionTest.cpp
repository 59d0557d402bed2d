#include "framework/foundation/system/SystemInfo.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace NSTramvell;

namespace {

OSVERSIONINFOA gVersion{};
DWORDLONG gTotalMemoryInBytes = 0;

BOOL FakeVersion(LPOSVERSIONINFOA version)
{
    if (version->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA))
        return FALSE;
    *version = gVersion;
    version->dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    return TRUE;
}

TEST(GetSystemDescription, DescribesThisMachine)
{
    const std::unique_ptr<CSystemInfo> info = GetSystemDescription();
    EXPECT_NE(info->GetOSKind(), kOSKindUnknown);
    EXPECT_GE(info->GetProcessorCount(), 1u);
    EXPECT_NE(info->GetMemorySize(), 0u);
    EXPECT_FALSE(info->GetName().empty());
    EXPECT_FALSE(GetProcessorDescription(0).mIdentifier.empty());
    const std::vector<std::string> report = DescribeSystem(*info);
    EXPECT_EQ(report.size(), 3 + 3 * std::size_t{info->GetProcessorCount()});

    info->SetProcessorCount(0xFFFFFFFF);   // as a damaged block may claim
    EXPECT_EQ(DescribeSystem(*info).size(), 3u + 3 * 64);
}

TEST(GetSystemDescription, KindAndVersionFromTheVersionQuery)
{
    CScopedTableEntry version(GetKernelTable().GetVersionExA, &FakeVersion);
    const struct
    {
        DWORD platform, major, minor, build;
        std::uint32_t kind;
        std::uint32_t storedBuild;
    } kCases[] = {
        {VER_PLATFORM_WIN32_NT, 5, 1, 2600, kOSKindWindowsXP, 2600},
        {VER_PLATFORM_WIN32_NT, 5, 2, 3790, kOSKindWindowsServer2003, 3790},
        {VER_PLATFORM_WIN32_NT, 4, 0, 1381, kOSKindWindowsNT4, 1381},
        {VER_PLATFORM_WIN32_NT, 10, 0, 19045, kOSKindWindowsNT6OrLater, 19045},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0x040A08AE, kOSKindWindows98, 2222},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 0, 950, kOSKindWindows95, 950},
        {VER_PLATFORM_WIN32s, 1, 30, 166, kOSKindWin32s, 166},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.build);
        gVersion = {};
        gVersion.dwPlatformId = c.platform;
        gVersion.dwMajorVersion = c.major;
        gVersion.dwMinorVersion = c.minor;
        gVersion.dwBuildNumber = c.build;
        std::strcpy(gVersion.szCSDVersion, "Service Pack 9");
        const std::unique_ptr<CSystemInfo> info = GetSystemDescription();
        std::uint32_t major = 0, minor = 0, build = 0;
        info->GetOSVersion(major, minor, build);
        EXPECT_EQ(info->GetOSKind(), c.kind);
        EXPECT_EQ(major, c.major);
        EXPECT_EQ(minor, c.minor);
        EXPECT_EQ(build, c.storedBuild);
        EXPECT_EQ(info->GetVersionText(), "Service Pack 9");
    }
}

TEST(GetSystemDescription, FailuresAndMissingValues)
{
    {
        CScopedTableEntry noVersion(GetKernelTable().GetVersionExA, [](LPOSVERSIONINFOA) -> BOOL { return FALSE; });
        EXPECT_THROW(GetSystemDescription(), XBase);
    }
    {
        CScopedTableEntry memory(GetKernelTable().GlobalMemoryStatusEx, [](LPMEMORYSTATUSEX status) -> BOOL {
            status->ullTotalPhys = gTotalMemoryInBytes;
            status->ullAvailPhys = gTotalMemoryInBytes / 2;
            status->ullTotalPageFile = 12345;
            return TRUE;
        });
        CScopedTableEntry noName(GetKernelTable().GetComputerNameA, [](LPSTR, LPDWORD) -> BOOL { return FALSE; });
        gTotalMemoryInBytes = DWORDLONG{16} << 30;
        const std::unique_ptr<CSystemInfo> info = GetSystemDescription();
        EXPECT_EQ(info->GetMemorySize(), 0xFFFFFFFFu);   // sizes past 32 bits saturate
        EXPECT_EQ(info->GetSecondSize(), 0xFFFFFFFFu);
        EXPECT_EQ(info->GetThirdSize(), 12345u);
        EXPECT_EQ(info->GetName(), "noname");
    }
    EXPECT_EQ(GetProcessorDescription(4096).mIdentifier, "");   // no such processor key
    CScopedTableEntry noValue(GetKernelTable().RegQueryValueExA,
                              [](HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD) -> LSTATUS {
                                  return ERROR_FILE_NOT_FOUND;
                              });
    const CProcessorDescription missing = GetProcessorDescription(0);
    EXPECT_EQ(missing.mIdentifier, "");
    EXPECT_EQ(missing.mUpdateStatus, "");
    EXPECT_EQ(missing.mVendor, "");
}

} // namespace
