#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/menus/MenuCommand.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {

const CModifierKeys kControl = CModifierKeys::FromHeldKeys(false, false, true, false);
const CModifierKeys kAltControl = CModifierKeys::FromHeldKeys(false, false, true, true);

// The program's shape of bar: File, Edit with a Tools sub menu.
class MenuBarWithMenus : public testing::Test
{
protected:
    MenuBarWithMenus()
    {
        mEdit->AppendItem(CMenuItem(CMenuString("Tools"), 0));
        CMenuItem tools = mEdit->GetItem(6);
        tools.mKind = kSubMenuItem;
        tools.mSubMenu = mTools.get();
        mEdit->SetItem(6, tools);
        mBar.AppendMenu(*mFile);
        mBar.AppendMenu(*mEdit);
    }

    std::unique_ptr<CMenu> mTools = ParseMenuScript("Tools;Trim#T=200;Normalise=201", 3);
    std::unique_ptr<CMenu> mFile = ParseMenuScript("File~F;Open#O=1;Close#W=2", 1);
    std::unique_ptr<CMenu> mEdit = ParseMenuScript("Edit & Go~E;Undo#Z=100;-;Cut#X=101;Copy#C=102;Paste#V=103;Clear=104", 2);
    CMenuBar mBar;
};

} // namespace

TEST_F(MenuBarWithMenus, KeyEquivalentsAnswerOnlyAfterTheUpdateEnds)
{
    EXPECT_EQ(mBar.FindKeyEquivalent('C', kControl), 0u);
    mBar.EndUpdate();
    const struct
    {
        const char* name;
        std::uint32_t character;
        CModifierKeys modifiers;
        std::uint32_t command;
    } kCases[] = {
        {"Ctrl+C", 'C', kControl, 102},       {"in the sub menu", 'T', kControl, 200},
        {"first menu first", 'O', kControl, 1}, {"Alt+Ctrl", 'C', kAltControl, 0},
        {"no Control", 'C', CModifierKeys(), 0}, {"no character", 0, kControl, 0},
        {"no item", 'Q', kControl, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mBar.FindKeyEquivalent(c.character, c.modifiers), c.command);
    }
    mEdit->SetItemEnabled(6, false);
    EXPECT_EQ(mBar.FindKeyEquivalent('T', kControl), 0u);
    mEdit->EnableCommand(102, false);
    EXPECT_EQ(mBar.FindKeyEquivalent('C', kControl), 0u);
    mBar.BeginUpdate();
    EXPECT_EQ(mBar.FindKeyEquivalent('O', kControl), 0u);
}

TEST_F(MenuBarWithMenus, KeyEventTakesTheUnshiftedCharacterOfItsKey)
{
    mBar.EndUpdate();
    const CKeyEvent controlX(kKeyDownMessage, 'X', 0, 0, kControl);
    EXPECT_EQ(mBar.FindKeyEquivalent(controlX), 101u);
    const CKeyEvent altControlX(kKeyDownMessage, 'X', 0, 0, kAltControl);
    EXPECT_EQ(mBar.FindKeyEquivalent(altControlX), 0u);
}

TEST_F(MenuBarWithMenus, NumbersItemsAcrossMenusAndMapsThemBack)
{
    mBar.NumberNativeItems();
    const struct
    {
        std::uint16_t id;
        std::uint32_t command;
    } kCases[] = {{100, 1}, {101, 2}, {102, 100}, {107, 104}, {108, 200}, {109, 201}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.id);
        CMenu* menu = nullptr;
        std::uint16_t index = 0;
        ASSERT_TRUE(mBar.FindNativeItem(c.id, menu, index));
        EXPECT_EQ(menu->GetItem(index).mCommandId, c.command);
    }
    CMenu* menu = mFile.get();
    std::uint16_t index = 5;
    EXPECT_FALSE(mBar.FindNativeItem(110, menu, index));
    EXPECT_EQ(menu, nullptr);
    EXPECT_FALSE(mBar.FindNativeItem(0, menu, index));
}

TEST_F(MenuBarWithMenus, BarEntriesShowTitlesAndFindTheirMenus)
{
    const HMENU bar = mBar.GetNativeHandle();
    ASSERT_EQ(NSMenuPlatform::GetItemCount(bar), 2);
    EXPECT_EQ(NSMenuPlatform::ReadItem(bar, 0).mText, "&File");
    EXPECT_EQ(NSMenuPlatform::ReadItem(bar, 1).mText, "&Edit && Go");
    EXPECT_EQ(mBar.FindMenuByHandle(NSMenuPlatform::ReadItem(bar, 1).mSubMenu), mEdit.get());
    EXPECT_EQ(mBar.FindMenuByHandle(mTools->GetNativeHandle()), nullptr);
}

TEST(CMenuBar, DestroyingTheBarLeavesTheMenusToTheirOwner)
{
    const auto file = ParseMenuScript("File;Open=1", 1);
    HMENU barHandle = nullptr;
    {
        CMenuBar bar;
        bar.AppendMenu(*file);
        barHandle = bar.GetNativeHandle();
        bar.EndUpdate();
        bar.EndUpdate();  // one end too many must not wrap the counter round
        bar.BeginUpdate();
        EXPECT_EQ(bar.FindKeyEquivalent('O', kControl), 0u);
    }
    EXPECT_FALSE(NSMenuPlatform::IsMenu(barHandle));
    ASSERT_TRUE(NSMenuPlatform::IsMenu(file->GetNativeHandle()));
    EXPECT_EQ(NSMenuPlatform::ReadItem(file->GetNativeHandle(), 0).mText, "Open");
}

TEST_F(MenuBarWithMenus, ResettingDisablesEveryItemAndDropsTheTemporaryOnes)
{
    CMenuItem added(CMenuString("Window 1"), 0x800000C9);
    added.mIsTemporary = 1;
    mFile->AppendItem(added);
    mBar.EndUpdate();
    mBar.ResetItems();
    EXPECT_EQ(mFile->GetItemCount(), 2);
    EXPECT_EQ(mBar.FindKeyEquivalent('O', kControl), 0u);
    mBar.EnableCommand(1, true);
    EXPECT_EQ(mBar.FindKeyEquivalent('O', kControl), 1u);
}

TEST_F(MenuBarWithMenus, HelpReferenceOfTheItemElseOfItsMenu)
{
    auto help = ParseMenuScript("Help?1,2;Index?3,4=300;About=301", 4);
    mBar.AppendMenu(*help);
    mBar.NumberNativeItems();
    // File 100-101, Edit 102-109 with Tools 108-109 inside, Help 110-111.
    const std::uint16_t index = 110;
    CMenu* menu = nullptr;
    std::uint16_t position = 0;
    ASSERT_TRUE(mBar.FindNativeItem(index, menu, position));
    ASSERT_EQ(menu, help.get());
    EXPECT_EQ(mBar.FindHelpReference(index, help->GetNativeHandle()), 700030004);
    EXPECT_EQ(mBar.FindHelpReference(index + 1, help->GetNativeHandle()), 700010002);
    EXPECT_EQ(mBar.FindHelpReference(0, help->GetNativeHandle()), 700010002);
    EXPECT_EQ(mBar.FindHelpReference(index + 1, mFile->GetNativeHandle()), kNoHelpReference);
    EXPECT_EQ(mBar.FindHelpReference(index + 1, nullptr), kNoHelpReference);
}

namespace {

class CRecordingHandler : public IMenuInput
{
public:
    CRecordingHandler(std::string name, std::vector<std::string>& log, bool handles)
        : mName(std::move(name)), mLog(log), mHandles(handles)
    {
    }
    void EnableMenuCommands(CMenuBar*) override { mLog.push_back("enable " + mName); }
    bool DoMenuCommand(const CMenuCommand&) override
    {
        mLog.push_back("do " + mName);
        return mHandles;
    }

private:
    std::string mName;
    std::vector<std::string>& mLog;
    bool mHandles;
};

} // namespace

TEST(CommandRouting, EnablesOutsideInAndStopsAtTheFirstHandler)
{
    std::vector<std::string> log;
    CRecordingHandler view("view", log, false);
    CRecordingHandler window("window", log, true);
    CRecordingHandler application("application", log, true);
    const std::vector<IMenuInput*> chain{&view, &window, &application};
    UpdateMenusAlong(chain, nullptr);
    EXPECT_TRUE(RouteMenuCommandAlong(chain, CMenuCommand(kMenuCommandOther, nullptr, 5, CModifierKeys(), 0)));
    EXPECT_FALSE(RouteMenuCommandAlong({&view}, CMenuCommand(kMenuCommandOther, nullptr, 5, CModifierKeys(), 0)));
    EXPECT_EQ(log, (std::vector<std::string>{"enable application", "enable window", "enable view", "do view",
                                             "do window", "do view"}));
}
