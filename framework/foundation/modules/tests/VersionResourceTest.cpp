#include "framework/foundation/modules/Version.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/foundation/modules/tests/ModuleTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace NSTramvell;
using namespace NSModuleTestSupport;

namespace {

DWORD gFakeError = 0;

// The process's error mode as the fake keeps it, and every mode the code under test set.
UINT gFakeErrorMode = 0;
std::vector<UINT> gErrorModesSet;

UINT RecordingSetErrorMode(UINT mode)
{
    gErrorModesSet.push_back(mode);
    const UINT previous = gFakeErrorMode;
    gFakeErrorMode = mode;
    return previous;
}

// Runs the reading under a recorded error mode and checks that the caller's mode came back.
template <typename TException>
void ExpectThrowWithErrorModeRestored(const std::function<void()>& read)
{
    gFakeErrorMode = 0x0001;
    gErrorModesSet.clear();
    CScopedTableEntry recordModes(GetKernelTable().SetErrorMode, &RecordingSetErrorMode);
    EXPECT_THROW(read(), TException);
    EXPECT_EQ(gFakeErrorMode, 0x0001u);
    EXPECT_EQ(gErrorModesSet, (std::vector<UINT>{SEM_NOOPENFILEERRORBOX, 0x0001}));
}

} // namespace

TEST(VersionResource, FullBlockGivesNumbersStageBuildAndProductText)
{
    const CModuleReference library = OpenModule(GetFixtureLibrary("Versioned"));
    const CVersionFields fields = ReadVersionFields(library);
    EXPECT_EQ(fields.major, 2);
    EXPECT_EQ(fields.minor, 5);
    EXPECT_EQ(fields.bugfix, 3);
    EXPECT_EQ(fields.fourthPart, 117);  // the stage flags 0x0403 give way to the build number
    EXPECT_EQ(fields.stage, EVersionStage::kBeta);
    EXPECT_EQ(fields.stageNumber, 3);
    // Its strings are under the second of the two translations.
    EXPECT_EQ(fields.productVersion, "2.5b3 Fixture");

    EXPECT_EQ(GetModuleFileVersion(library).GetText(), "2.5.3.117");
    EXPECT_EQ(GetModuleTramvellVersion(library).GetText(), "2.5.3b3 build 117");
    EXPECT_EQ(ReadProductVersion(library), "2.5b3 Fixture");
}

TEST(VersionResource, WithoutBuildNumberTheFourthPartStaysAndProductTextFallsBack)
{
    const CModuleReference library = OpenModule(GetFixtureLibrary("ProductSpace"));
    const CVersionFields fields = ReadVersionFields(library);
    EXPECT_EQ(GetModuleFileVersion(library).GetText(), "1.2.0.9");
    EXPECT_EQ(fields.stage, EVersionStage::kRelease);
    EXPECT_EQ(fields.stageNumber, 0);
    EXPECT_EQ(GetModuleTramvellVersion(library).GetText(), "1.2 build 9");
    EXPECT_EQ(ReadProductVersion(library), "1.2 spaced");
}

TEST(VersionResource, NoBlockThrowsFileNotFoundWithErrorModeRestored)
{
    const CModuleReference library = OpenModule(GetFixtureLibrary("Unversioned"));
    ExpectThrowWithErrorModeRestored<XFileNotFound>([&] { ReadVersionFields(library); });
    ExpectThrowWithErrorModeRestored<XFileNotFound>([&] { ReadProductVersion(library); });
}

TEST(VersionResource, FailedSizeQueryIsDecidedByTheErrorCode)
{
    const CModuleReference library = OpenModule(GetFixtureLibrary("Versioned"));
    CScopedTableEntry noSize(GetKernelTable().GetFileVersionInfoSizeA, [](LPCSTR, LPDWORD) -> DWORD { return 0; });
    CScopedTableEntry lastError(GetKernelTable().GetLastError, [] { return gFakeError; });
    for (const DWORD code : {2u, 3u, 1812u, 1813u, 1814u}) {
        SCOPED_TRACE(code);
        gFakeError = code;
        ExpectThrowWithErrorModeRestored<XFileNotFound>([&] { GetModuleFileVersion(library); });
    }
    for (const DWORD code : {5u, 0u, 8u}) {
        SCOPED_TRACE(code);
        gFakeError = code;
        ExpectThrowWithErrorModeRestored<XBase>([&] { ReadProductVersion(library); });
    }
}

TEST(VersionResource, FailedReadsOfTheBlockThrowXBaseWithErrorModeRestored)
{
    const CModuleReference library = OpenModule(GetFixtureLibrary("Versioned"));
    {
        CScopedTableEntry noBlock(GetKernelTable().GetFileVersionInfoA,
                                  [](LPCSTR, DWORD, DWORD, LPVOID) -> BOOL { return FALSE; });
        ExpectThrowWithErrorModeRestored<XBase>([&] { ReadVersionFields(library); });
    }
    {
        CScopedTableEntry noValues(GetKernelTable().VerQueryValueA,
                                   [](LPCVOID, LPCSTR, LPVOID*, PUINT) -> BOOL { return FALSE; });
        ExpectThrowWithErrorModeRestored<XBase>([&] { ReadVersionFields(library); });
    }
    {
        // The file name is asked before the error mode changes.
        CScopedTableEntry noName(GetKernelTable().GetModuleFileNameA,
                                 [](HMODULE, LPSTR, DWORD) -> DWORD { return 0; });
        gErrorModesSet.clear();
        CScopedTableEntry recordModes(GetKernelTable().SetErrorMode, &RecordingSetErrorMode);
        EXPECT_THROW(ReadVersionFields(library), XBase);
        EXPECT_TRUE(gErrorModesSet.empty());
    }
    EXPECT_EQ(ReadVersionFields(library).major, 2);
}

TEST(VersionResource, StringsAreLookedUpThroughTheTranslations)
{
    const CModuleReference library = OpenModule(GetFixtureLibrary("Versioned"));
    std::vector<std::uint8_t> block(::GetFileVersionInfoSizeA(GetFixtureLibraryPath("Versioned").c_str(), nullptr));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(::GetFileVersionInfoA(GetFixtureLibraryPath("Versioned").c_str(), 0, block.size(), block.data()));
    EXPECT_EQ(QueryVersionString(block.data(), "Build Number"), "117");
    EXPECT_EQ(QueryVersionString(block.data(), "FileDescription"), "Dravim test library");
    EXPECT_EQ(QueryVersionString(block.data(), "Product Version"), "");
    EXPECT_EQ(QueryVersionString(block.data(), "NoSuchKey"), "");
}
