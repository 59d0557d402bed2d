// The choosers with the platform's chooser functions faked: what they ask the platform for, what they
// return and what they remember, on confirm, cancel and failure.

#include "framework/gui/dialogs/Choosers.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/FileTypeDescription.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/files/tests/FilesTestSupport.h"
#include "framework/gui/dialogs/DialogStates.h"
#include "framework/gui/dialogs/FileTypeList.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

using namespace NSTramvell;

namespace {

const char* gChosenPath = nullptr;   // null: the item has no file-system path
bool gChosen = true;
DWORD gChooserError = 0;
OPENFILENAMEA gSeen{};
std::string gSeenName;
std::string gSeenFilter;
std::string gSeenExtension;

struct CFolderCase
{
    const char* name;
    bool chosen;
    const char* path;
    bool accepted;
    const char* folder;
};

TEST(BrowseForFolder, ReturnsAndRemembersOnlyFileSystemFolders)
{
    ASSERT_GE(::CoInitialize(nullptr), 0);
    CScopedTableEntry browse(GetWindowTable().SHBrowseForFolderA, [](_browseinfoA* record) -> _ITEMIDLIST* {
        if (record->ulFlags != 0x51 || record->lpfn == nullptr || !gChosen)
            return nullptr;
        auto* list = static_cast<_ITEMIDLIST*>(::CoTaskMemAlloc(2));
        std::memset(list, 0, 2);
        return list;
    });
    CScopedTableEntry toPath(GetKernelTable().SHGetPathFromIDListA, [](const _ITEMIDLIST*, LPSTR path) -> BOOL {
        if (gChosenPath == nullptr)
            return FALSE;
        std::strcpy(path, gChosenPath);
        return TRUE;
    });
    const CFolderCase kCases[] = {
        {"drive root", true, "C:\\", true, "C:\\"},
        {"cancel", false, "C:\\windows", false, nullptr},
        {"virtual item", true, nullptr, false, nullptr},
        {"no drive or server", true, "Desktop", false, nullptr},
    };
    for (const CFolderCase& c : kCases) {
        SCOPED_TRACE(c.name);
        gChosen = c.chosen;
        gChosenPath = c.path;
        CFolderDialogState state("Conv");
        state.SetFolder(CDirSpec("C:\\windows\\"));
        std::unique_ptr<CDirSpec> folder;
        EXPECT_EQ(BrowseForFolder("Choose", folder, state), c.accepted);
        if (c.accepted) {
            ASSERT_NE(folder, nullptr);
            EXPECT_EQ(folder->GetPath(), c.folder);
            EXPECT_EQ(state.GetFolder(), *folder);
        } else {
            EXPECT_EQ(folder, nullptr);
            EXPECT_EQ(state.GetFolder(), CDirSpec("C:\\windows\\"));
        }
    }
    ::CoUninitialize();
}

BOOL FakeSaveChooser(tagOFNA* record)
{
    gSeen = *record;
    gSeenName = record->lpstrFile;
    gSeenFilter.assign(record->lpstrFilter, 27);
    gSeenExtension = record->lpstrDefExt;
    if (!gChosen)
        return FALSE;
    std::strcpy(record->lpstrFile, "C:\\windows\\Bank.kpl");
    record->nFileOffset = 11;
    record->nFileExtension = 16;
    return TRUE;
}

TEST(ChooseFile, AsksForTheTypeAndRemembersTheConfirmedFolder)
{
    CScopedTableEntry save(GetWindowTable().GetSaveFileNameA, &FakeSaveChooser);
    CScopedTableEntry error(GetWindowTable().CommDlgExtendedError, []() -> DWORD { return gChooserError; });
    const CFileTypeDescription kaplet("Kaplet file", ".kpl", "KPL ");
    gChosen = true;
    gChooserError = 0;
    CSaveFileDialogState state("KPCo");
    std::unique_ptr<CFileSpec> file;
    ASSERT_TRUE(ChooseFile("Save", "Untitled.abc", kaplet, file, state));
    EXPECT_EQ(gSeen.lStructSize, sizeof(OPENFILENAMEA));
    EXPECT_EQ(gSeen.Flags, 0x880826u);
    EXPECT_EQ(gSeen.nFilterIndex, 1u);
    EXPECT_EQ(gSeen.nMaxFile, 260u);
    EXPECT_NE(gSeen.lpfnHook, nullptr);
    EXPECT_EQ(gSeen.lpstrInitialDir, nullptr);
    EXPECT_EQ(gSeenName, "Untitled.kpl");
    EXPECT_EQ(gSeenExtension, "kpl");
    EXPECT_EQ(gSeenFilter, std::string("Kaplet file (*.kpl)\0*.kpl\0\0", 27));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetName(), "Bank");
    EXPECT_EQ(file->GetExtension(), ".kpl");
    ASSERT_TRUE(state.GetFolder().has_value());
    EXPECT_EQ(*state.GetFolder(), CDirSpec("C:\\windows\\"));
    EXPECT_EQ(state.GetFileType(), kaplet);

    // Cancel leaves the state as it was.
    gChosen = false;
    const CSaveFileDialogState before = state;
    EXPECT_FALSE(ChooseFile("Save", "Untitled", kaplet, file, state));
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(state.GetFolder(), before.GetFolder());
    EXPECT_STREQ(gSeen.lpstrInitialDir, "C:\\windows\\");
    // A remembered type that is not offered starts the chooser on the first entry.
    gChosen = false;
    CSaveFileDialogState otherType("KPCo");
    otherType.SetFileType(CFileTypeDescription("Other", ".oth", "OTH "));
    NSTramvell::CFileTypeList types;
    types.Append(kaplet);
    std::unique_ptr<CFileTypeDescription> chosenType;
    EXPECT_FALSE(RunSaveFileDialog("Save", "Untitled", types, file, chosenType, otherType));
    EXPECT_EQ(gSeen.nFilterIndex, 1u);
    EXPECT_EQ(gSeenName, "Untitled.oth");

    // A chooser the platform could not run chose nothing, and nothing changes.
    gChooserError = 0x0002;
    const CSaveFileDialogState beforeFailure = state;
    EXPECT_FALSE(ChooseFile("Save", "Untitled", kaplet, file, state));
    EXPECT_EQ(file, nullptr);
    EXPECT_EQ(state.GetFolder(), beforeFailure.GetFolder());
    EXPECT_EQ(state.GetFileType(), beforeFailure.GetFileType());
    EXPECT_EQ(state.GetPosition(), beforeFailure.GetPosition());
}

} // namespace

namespace {

// The platform's own save chooser under a test window: it opens with the initial name in the remembered
// folder while the framework's windows are disabled; OK remembers folder, type and position, Cancel
// changes nothing, and the windows are enabled again afterwards.
TEST(ChooseFile, RealChooserConfirmsAndCancels)
{
    const NSGuiTest::CWatchdog watchdog(90);
    NSGuiTest::CTestApplication application;
    NSGuiTest::CTestWindow behind;
    behind.ShowWithBounds(CRect(300, 300, 500, 450));
    const NSFilesTest::CScratchFolder scratch;
    const CFileTypeDescription kaplet("Kaplet file", ".kpl", "KPL ");
    CSaveFileDialogState state("KPCo");
    state.SetFolder(scratch.GetDirSpec());

    static std::string sShownName;
    static bool sBehindEnabled = true;
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm);
        sShownName.clear();
        sBehindEnabled = true;
        const HWND behindHandle = behind.GetWindowHandle();
        NSGuiTest::CDriverThread driver([confirm, behindHandle] {
            const HWND chooser = NSGuiTest::WaitForTopWindow("Save Kaplet", 20000);
            if (chooser == nullptr)
                return;
            std::array<char, 260> name{};
            NSGuiTest::WaitUntil([&] {
                ::SendMessageA(chooser, CDM_GETSPEC, name.size(), reinterpret_cast<LPARAM>(name.data()));
                return name[0] != '\0';
            }, 5000);
            sShownName = name.data();
            sBehindEnabled = ::IsWindowEnabled(behindHandle) != FALSE;
            NSGuiTest::SaveScreenshot(confirm ? "save-chooser" : "save-chooser-cancel");
            ::PostMessageA(chooser, WM_COMMAND, confirm ? IDOK : IDCANCEL, 0);
        });
        std::unique_ptr<CFileSpec> file;
        const CSaveFileDialogState before = state;
        const bool chosen = ChooseFile("Save Kaplet", "Untitled.abc", kaplet, file, state);
        EXPECT_EQ(sShownName, "Untitled.kpl");
        EXPECT_FALSE(sBehindEnabled);
        EXPECT_TRUE(::IsWindowEnabled(behind.GetWindowHandle()));
        EXPECT_EQ(chosen, confirm);
        if (confirm) {
            ASSERT_NE(file, nullptr);
            EXPECT_EQ(file->GetFullPath(), scratch.GetPath() + "Untitled.kpl");
            EXPECT_EQ(state.GetFolder(), scratch.GetDirSpec());
            EXPECT_EQ(state.GetFileType(), kaplet);
            EXPECT_GT(state.GetPosition().right - state.GetPosition().left, 100);
        } else {
            EXPECT_EQ(file, nullptr);
            EXPECT_EQ(state.GetPosition(), before.GetPosition());
            EXPECT_EQ(state.GetFolder(), before.GetFolder());
        }
    }
}

} // namespace

// A new window cascades to the first stagger slot of the main screen that no framework window stands on.
TEST(GetCascadedWindowRect, TakesTheFirstFreeSlotOfTheMainScreen)
{
    NSGuiTest::CTestApplication application;
    const std::int32_t step = ::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYSIZEFRAME);
    const CLocationRect margins(3, 25, 3, 3);
    NSGuiTest::CTestWindow first;
    first.ShowWithBounds(CRect(0, 0, 200, 150));
    EXPECT_EQ(GetCascadedWindowRect(CPoint(100, 50), margins), CLocationRect(step, step, step + 106, step + 78));
    NSGuiTest::CTestWindow second;
    second.ShowWithBounds(CRect(step, step, step + 200, step + 150));
    EXPECT_EQ(GetCascadedWindowRect(100, 50, margins),
              CLocationRect(2 * step, 2 * step, 2 * step + 106, 2 * step + 78));
}
