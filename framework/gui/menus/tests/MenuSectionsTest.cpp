// The window menu's items and the recent-files section, over windows that only the registry sees.

#include "framework/gui/menus/MenuSections.h"

#include "framework/gui/application/RecentFiles.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/menus/Menu.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using namespace NSTramvell;

namespace {

// A registered window with the answers the window menu asks for.
class CListedWindow : public IRegisteredWindow
{
public:
    CListedWindow(std::string title, bool shown = true, bool wanted = true)
        : mTitle(std::move(title)), mShown(shown), mWanted(wanted)
    {
        AddToWindowRegistry(this);
    }
    ~CListedWindow() { RemoveFromWindowRegistry(this); }

    HWND GetNativeHandle() const override { return nullptr; }
    bool IsCloseRequested() const override { return false; }
    void ClearCloseRequest() override {}
    void RequestClose() override {}
    bool MayClose() override { return true; }
    void CloseNow() override {}
    void UpdateNow() override {}
    bool IsNativeStateSet() const override { return mShown; }
    bool WantsWindowMenuItem() const override { return mWanted; }
    std::string GetTitle() const override { return mTitle; }
    bool IsActive() const override { return mActive; }
    bool Activate() override
    {
        ++mActivations;
        return true;
    }

    bool mActive = false;
    int mActivations = 0;

private:
    std::string mTitle;
    bool mShown;
    bool mWanted;
};

std::unique_ptr<CMenu> MakeWindowMenu()
{
    return ParseMenuScript("Window;Tile=1;Cascade=2", 3);
}

} // namespace

TEST(WindowListItems, ListTheShownTitledWindowsThatWantAnItemAfterAnEmptyItem)
{
    CListedWindow first("Bank A");
    CListedWindow hidden("Hidden", false);
    CListedWindow untitled("");
    CListedWindow unwanted("Floater", true, false);
    CListedWindow active("Bank B");
    active.mActive = true;
    auto menu = MakeWindowMenu();

    EXPECT_EQ(InsertWindowListItems(*menu, 1, 4711, false), 3);
    ASSERT_EQ(menu->GetItemCount(), 5);
    const struct
    {
        const char* text;
        std::uint32_t command;
        std::uint8_t checked;
    } kItems[] = {{"Tile", 1, 0}, {"", 0, 0}, {"Bank A", kFirstWindowListCommand, 0},
                  {"Bank B", kFirstWindowListCommand + 4, 1}, {"Cascade", 2, 0}};
    for (std::uint16_t i = 0; i < menu->GetItemCount(); ++i) {
        SCOPED_TRACE(i);
        const CMenuItem item = menu->GetItem(i);
        EXPECT_EQ(item.mText, kItems[i].text);
        EXPECT_EQ(item.mCommandId, kItems[i].command);
        EXPECT_EQ(item.mIsChecked, kItems[i].checked);
        EXPECT_EQ(NSMenuPlatform::ReadItem(menu->GetNativeHandle(), i).mIsChecked, kItems[i].checked != 0);
        const bool added = i >= 1 && i <= 3;
        EXPECT_EQ(item.mIsTemporary, added ? 1 : 0);
        if (i >= 2 && i <= 3) {
            EXPECT_EQ(item.mHelpReference, 4711);
            EXPECT_EQ(item.mIsDisabled, 0);
        }
    }
    // The menu's reset takes them out again; asked for disabled items, they come back greyed.
    menu->ResetItems();
    EXPECT_EQ(menu->GetItemCount(), 2);
    EXPECT_EQ(InsertWindowListItems(*menu, 2, kNoHelpReference, true), 3);
    EXPECT_EQ(menu->GetItem(3).mIsDisabled, 1);
    EXPECT_TRUE(NSMenuPlatform::ReadItem(menu->GetNativeHandle(), 3).mIsGrayed);
}

TEST(WindowListItems, NoListedWindowAddsNothing)
{
    CListedWindow hidden("Hidden", false);
    auto menu = MakeWindowMenu();
    EXPECT_EQ(InsertWindowListItems(*menu, 0, kNoHelpReference, false), 0);
    EXPECT_EQ(menu->GetItemCount(), 2);
}

TEST(WindowListCommand, ActivatesTheWindowAtTheCommandsIndex)
{
    CListedWindow first("One");
    CListedWindow second("Two");
    EXPECT_TRUE(HandleWindowListCommand(kFirstWindowListCommand + 1));
    EXPECT_EQ(first.mActivations, 0);
    EXPECT_EQ(second.mActivations, 1);
    EXPECT_FALSE(HandleWindowListCommand(kFirstWindowListCommand - 1));
    EXPECT_FALSE(HandleWindowListCommand(kFirstWindowListCommand + kWindowListCommandCount));
    EXPECT_TRUE(IsWindowListCommand(kFirstWindowListCommand + kWindowListCommandCount - 1));
    EXPECT_THROW(HandleWindowListCommand(kFirstWindowListCommand + 2), std::out_of_range);
    EXPECT_EQ(first.mActivations + second.mActivations, 1);
}

TEST(RecentFilesSection, NumbersTheFilesNewestFirstAndKeepsTheEndOfLongPaths)
{
    GetRecentFileList().clear();
    const std::string longFolder = "C:\\Sampler Banks\\Orchestral Collection\\Strings\\";
    AddRecentFile(CFileSpec(longFolder + "Violas.kpl"));
    AddRecentFile(CFileSpec("C:\\Banks\\Piano.kpl"));
    auto menu = ParseMenuScript("File;Open=1;Quit=2", 1);

    EXPECT_EQ(InsertRecentFilesSection(*menu, 1, 500), 3);
    ASSERT_EQ(menu->GetItemCount(), 5);
    EXPECT_EQ(menu->GetItem(1).mKind, kSeparatorItem);
    EXPECT_EQ(menu->GetItem(2).mText, "1 C:\\Banks\\Piano.kpl");
    EXPECT_EQ(menu->GetItem(2).mCommandId, 500u);
    const std::string shortened = "2 ..." + (longFolder + "Violas.kpl").substr(longFolder.size() + 10 - 45);
    EXPECT_EQ(shortened.size(), kLongestRecentFilePath);
    EXPECT_EQ(menu->GetItem(3).mText, shortened);
    EXPECT_EQ(menu->GetItem(3).mCommandId, 501u);
    EXPECT_EQ(menu->GetItem(4).mText, "Quit");
    menu->ResetItems();
    EXPECT_EQ(menu->GetItemCount(), 2);

    GetRecentFileList().clear();
    EXPECT_EQ(InsertRecentFilesSection(*menu, 1, 500), 0);
    EXPECT_EQ(menu->GetItemCount(), 2);
}
