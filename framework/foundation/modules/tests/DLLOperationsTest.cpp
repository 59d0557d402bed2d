#include "framework/foundation/modules/DLLOperations.h"

#include "framework/foundation/modules/tests/ModuleTestSupport.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace NSTramvell;
using namespace NSTramvell::NSDLLOperations;
using namespace NSModuleTestSupport;

namespace {

UINT GetProcessErrorMode()
{
    const UINT mode = ::SetErrorMode(0);
    ::SetErrorMode(mode);
    return mode;
}

} // namespace

TEST(DLLVersionTests, ThisPlatformPasses)
{
    EXPECT_TRUE(IsWindowsVersionSupported());
    EXPECT_TRUE(GetOSVersion() >= CVersion(5, 1));
    EXPECT_TRUE(IsDLLVersionAtLeast("shell32.dll", 4, 0));
    EXPECT_TRUE(IsDLLVersionAtLeast("comctl32.dll", 4, 71));
}

TEST(DLLVersionTests, ExactVersionPassesAndTheLibraryIsReleasedAfterwards)
{
    const std::string path = GetFixtureLibraryPath("Versioned");  // file version 2.5.3.0x0403
    const UINT modeBefore = GetProcessErrorMode();
    EXPECT_TRUE(IsDLLVersionAtLeast(path, 2, 5));
    EXPECT_TRUE(IsDLLVersionAtLeast(path, 2, 4));
    EXPECT_TRUE(IsDLLVersionAtLeast(path, 1, 99));
    EXPECT_FALSE(IsDLLVersionAtLeast(path, 2, 6));
    EXPECT_FALSE(IsDLLVersionAtLeast(path, 3, 0));
    EXPECT_EQ(GetProcessErrorMode(), modeBefore);
    EXPECT_FALSE(IsLibraryLoaded(path));
}

TEST(DLLVersionTests, UnopenableOrUnversionedLibraryFailsWithoutException)
{
    const UINT modeBefore = GetProcessErrorMode();
    EXPECT_FALSE(IsDLLVersionAtLeast("dravim_no_such_library.dll", 0, 0));
    EXPECT_FALSE(IsDLLVersionAtLeast(GetFixtureLibraryPath("Unversioned"), 0, 0));
    EXPECT_EQ(GetProcessErrorMode(), modeBefore);
    EXPECT_FALSE(IsLibraryLoaded(GetFixtureLibraryPath("Unversioned")));
}

TEST(CDLLFile, FindsALibraryAlongTheSearchPath)
{
    EXPECT_NO_THROW(CDLLFile("dravim_fixture_Versioned"));
    EXPECT_NO_THROW(CDLLFile("kernel32"));
    EXPECT_THROW(CDLLFile("dravim_no_such_library"), XNotFound);
}

TEST(CDLLFile, OpensALibraryAndLooksUpItsFunctions)
{
    const CDLLFile library("dravim_fixture_Versioned.dll");
    {
        const std::unique_ptr<NSTramvellInternal::IOpenDLL> open = library.Open();
        ASSERT_NE(open, nullptr);
        EXPECT_TRUE(IsLibraryLoaded(GetFixtureLibraryPath("Versioned")));
        EXPECT_TRUE(open->HasFunction("DravimFixtureAnswer"));
        EXPECT_FALSE(open->HasFunction("DravimNoSuchFunction"));
        const auto answer = reinterpret_cast<int (*)()>(open->GetFunction("DravimFixtureAnswer"));
        EXPECT_EQ(answer(), 42);
        EXPECT_THROW(open->GetFunction("DravimNoSuchFunction"), XBase);
    }
    EXPECT_FALSE(IsLibraryLoaded(GetFixtureLibraryPath("Versioned")));

    // Copies find the same library.
    CDLLFile copy(library);
    CDLLFile assigned("kernel32");
    assigned = copy;
    EXPECT_TRUE(assigned.Open()->HasFunction("DravimFixtureAnswer"));
    EXPECT_EQ(copy.GetFileVersion().GetText(), "2.5.3.117");
}

TEST(CDLLFile, FileThatIsNoLibraryFailsToOpenAsBadFormat)
{
    const std::string path = GetProgramFolder() + "dravim_not_a_library.dll";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("This is text, not a program image.", file);
    std::fclose(file);
    const CDLLFile notALibrary(path);
    EXPECT_THROW(notALibrary.Open(), XBadFormat);
    std::remove(path.c_str());
}
