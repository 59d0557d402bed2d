#include "framework/foundation/modules/ModuleReference.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/strings/StringUtilities.h"
#include "framework/foundation/modules/tests/ModuleTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <optional>

using namespace NSTramvell;
using namespace NSModuleTestSupport;

namespace {

int gFreeLibraryCalls = 0;

// Counts the releases and releases for real, so the module really goes.
BOOL CountingFreeLibrary(HMODULE module)
{
    ++gFreeLibraryCalls;
    return ::FreeLibrary(module);
}

} // namespace

TEST(ModuleReference, OpeningTheSameFileUnderAnotherCaseSharesOneRecordClosedOnce)
{
    gFreeLibraryCalls = 0;
    CScopedTableEntry countFrees(GetKernelTable().FreeLibrary, &CountingFreeLibrary);
    const std::string path = GetFixtureLibraryPath("Versioned");
    ASSERT_FALSE(IsLibraryLoaded(path));
    {
        const CModuleReference first = OpenModule(CFileSpec(path));
        std::optional<CModuleReference> second(OpenModule(CFileSpec(ToUpperCopy(path))));
        EXPECT_EQ(first.GetHandle(), second->GetHandle());
        CLoadedModule* record = FindModuleByFile(CFileSpec(path));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->GetReferenceCount(), 2);
        EXPECT_TRUE(record->IsOwned());
        EXPECT_EQ(FindModuleByHandle(first.GetHandle()), record);
        EXPECT_TRUE(IsLibraryLoaded(path));
        second.reset();
        EXPECT_EQ(record->GetReferenceCount(), 1);
        EXPECT_EQ(gFreeLibraryCalls, 0);
    }
    EXPECT_EQ(gFreeLibraryCalls, 1);
    EXPECT_EQ(FindModuleByFile(CFileSpec(path)), nullptr);
    EXPECT_FALSE(IsLibraryLoaded(path));
}

TEST(ModuleReference, CopiesAndAssignmentsKeepTheCounts)
{
    CModuleReference versioned = OpenModule(GetFixtureLibrary("Versioned"));
    const CModuleReference productSpace = OpenModule(GetFixtureLibrary("ProductSpace"));
    CLoadedModule* const versionedRecord = FindModuleByFile(GetFixtureLibrary("Versioned"));
    CLoadedModule* const productSpaceRecord = FindModuleByFile(GetFixtureLibrary("ProductSpace"));
    ASSERT_NE(versionedRecord, nullptr);
    ASSERT_NE(productSpaceRecord, nullptr);
    {
        const CModuleReference copy(versioned);
        EXPECT_EQ(versionedRecord->GetReferenceCount(), 2);
    }
    EXPECT_EQ(versionedRecord->GetReferenceCount(), 1);

    versioned = *&versioned;
    EXPECT_EQ(versionedRecord->GetReferenceCount(), 1);

    // Assigning over the last reference closes the record it held.
    versioned = productSpace;
    EXPECT_EQ(productSpaceRecord->GetReferenceCount(), 2);
    EXPECT_EQ(FindModuleByFile(GetFixtureLibrary("Versioned")), nullptr);
    EXPECT_FALSE(IsLibraryLoaded(GetFixtureLibraryPath("Versioned")));
}

TEST(ModuleReference, AModuleThatCannotBeOpenedThrowsAndIsNotListed)
{
    const CFileSpec missing(GetProgramFolder() + "dravim_no_such_library.dll");
    EXPECT_THROW(OpenModule(missing), XBase);
    EXPECT_EQ(FindModuleByFile(missing), nullptr);
}

TEST(ModuleReference, RegisteredModulesAreSharedButNeverReleasedByTheFramework)
{
    gFreeLibraryCalls = 0;
    CScopedTableEntry countFrees(GetKernelTable().FreeLibrary, &CountingFreeLibrary);
    const HMODULE program = ::GetModuleHandleA(nullptr);

    CLoadedModule& registered = RegisterModule(GetProgramFile(), program);
    EXPECT_FALSE(registered.IsOwned());
    EXPECT_EQ(registered.GetReferenceCount(), 1);
    {
        const CModuleReference reference = OpenProgramModule();
        EXPECT_EQ(FindModuleByHandle(program), &registered);
        EXPECT_EQ(registered.GetReferenceCount(), 2);
        ReleaseModuleByHandle(program);
        EXPECT_EQ(registered.GetReferenceCount(), 1);
    }
    EXPECT_EQ(FindModuleByHandle(program), nullptr);

    // Not listed yet: the program is taken as it is loaded, and its record lives with its references.
    {
        const CModuleReference reference = OpenProgramModule();
        ASSERT_NE(FindModuleByHandle(program), nullptr);
        EXPECT_FALSE(FindModuleByHandle(program)->IsOwned());
        EXPECT_EQ(FindModuleByHandle(program)->GetReferenceCount(), 1);
    }
    EXPECT_EQ(FindModuleByHandle(program), nullptr);
    EXPECT_EQ(gFreeLibraryCalls, 0);
    ReleaseModuleByHandle(program);  // nothing listed: nothing happens
}
