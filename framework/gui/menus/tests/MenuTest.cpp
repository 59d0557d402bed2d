#include "framework/gui/menus/Menu.h"

#include <gtest/gtest.h>

using namespace NSTramvell;
using NSMenuPlatform::ReadItem;

namespace {

std::unique_ptr<CMenu> MakeMenu(const char* title)
{
    return std::make_unique<CMenu>(CMenuString(title), 1, false);
}

CMenuItem SubMenuItem(const char* text, CMenu& subMenu)
{
    CMenuItem item(CMenuString(text), 0);
    item.mKind = kSubMenuItem;
    item.mSubMenu = &subMenu;
    return item;
}

} // namespace

TEST(ParseMenuScript, BuildsItemsCommandsAndControlKeys)
{
    const auto menu = ParseMenuScript("Edit;Undo#Z=100;-;Cut#X=101;Copy#C=102;Paste#V=103;Clear=104", 7);
    EXPECT_EQ(menu->GetTitle(), "Edit");
    EXPECT_EQ(menu->GetId(), 7u);
    EXPECT_FALSE(menu->GetFlag());
    const struct
    {
        std::uint32_t kind;
        const char* text;
        std::uint32_t command;
        std::uint32_t key;
        std::uint8_t withControl;
        const char* nativeText;
    } kItems[] = {
        {kCommandItem, "Undo", 100, 37, 1, "Undo\tCtrl+Z"}, {kSeparatorItem, "", 0, 11, 0, ""},
        {kCommandItem, "Cut", 101, 35, 1, "Cut\tCtrl+X"},   {kCommandItem, "Copy", 102, 14, 1, "Copy\tCtrl+C"},
        {kCommandItem, "Paste", 103, 33, 1, "Paste\tCtrl+V"}, {kCommandItem, "Clear", 104, 11, 0, "Clear"},
    };
    ASSERT_EQ(menu->GetItemCount(), std::size(kItems));
    for (std::uint16_t i = 0; i < menu->GetItemCount(); ++i) {
        SCOPED_TRACE(i);
        const CMenuItem item = menu->GetItem(i);
        EXPECT_EQ(item.mKind, kItems[i].kind);
        EXPECT_EQ(item.mText, kItems[i].text);
        EXPECT_EQ(item.mCommandId, kItems[i].command);
        EXPECT_EQ(item.mKeyEquivalent, kItems[i].key);
        EXPECT_EQ(item.mWithControl, kItems[i].withControl);
        EXPECT_EQ(ReadItem(menu->GetNativeHandle(), i).mText, kItems[i].nativeText);
        EXPECT_EQ(ReadItem(menu->GetNativeHandle(), i).mIsSeparator, kItems[i].kind == kSeparatorItem);
    }
}

TEST(ParseMenuScript, ReadsHelpReferencesMnemonicsAndOddMarkers)
{
    const std::string longText(60, 'x');
    const auto menu = ParseMenuScript("File?3,7~F;  Open#O=1?2,5~p;Lower#x=2;Digit#5=3;NoNumber=abc;" + longText +
                                          ";Huge=99999999999",
                                      2);
    EXPECT_EQ(menu->GetTitle(), "File");
    EXPECT_EQ(menu->GetHelpReference(), 700030007);
    EXPECT_EQ(menu->GetMnemonic(), 'F');
    ASSERT_EQ(menu->GetItemCount(), 6);
    const CMenuItem open = menu->GetItem(0);
    EXPECT_EQ(open.mText, "Open");
    EXPECT_EQ(open.mHelpReference, 700020005);
    EXPECT_EQ(open.mMnemonic, 'p');
    EXPECT_EQ(ReadItem(menu->GetNativeHandle(), 0).mText, "O&pen\tCtrl+O");
    EXPECT_EQ(menu->GetItem(1).mKeyEquivalent, kNoKeyEquivalent);
    EXPECT_EQ(menu->GetItem(1).mWithControl, 0);
    EXPECT_EQ(menu->GetItem(1).mCommandId, 2u);
    EXPECT_EQ(menu->GetItem(2).mKeyEquivalent, 43u);
    EXPECT_EQ(ReadItem(menu->GetNativeHandle(), 2).mText, "Digit\tCtrl+5");
    EXPECT_EQ(menu->GetItem(3).mCommandId, 0u);
    EXPECT_EQ(menu->GetItem(3).mHelpReference, kNoHelpReference);
    EXPECT_EQ(menu->GetItem(4).mText, std::string(47, 'x') + "...");
    EXPECT_EQ(menu->GetItem(5).mCommandId, 0u);
}

TEST(MarkMnemonic, DoublesAmpersandsAndMarksTheMnemonic)
{
    const struct
    {
        const char* text;
        char mnemonic;
        const char* marked;
    } kCases[] = {
        {"Save As", 'A', "Save &As"}, {"Paste", 'a', "P&aste"},     {"R&D", 'D', "R&&&D"},
        {"Zoom", 'x', "Zoom"},         {"a b a", 'a', "a b &a"},     {"Cut & Copy", 0, "Cut && Copy"},
        {"Paste", 'A', "Paste"},       {"Open all", 'a', "Open &all"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(MarkMnemonic(c.text, c.mnemonic), c.marked);
    }
}

TEST(BuildNativeItem, ShowsStateAndShortcut)
{
    CMenuItem item(CMenuString("Erase"), 5);
    item.mKeyEquivalent = kDeleteEquivalent;
    item.mIsDisabled = 1;
    item.mIsChecked = 1;
    const auto native = BuildNativeItem(item);
    EXPECT_EQ(native.mText, "Erase\tDel");
    EXPECT_TRUE(native.mIsGrayed);
    EXPECT_TRUE(native.mIsChecked);
    item.mKeyEquivalent = kTabEquivalent;
    item.mWithControl = 1;
    EXPECT_EQ(BuildNativeItem(item).mText, "Erase\tCtrl+Tab");
}

TEST(CMenu, NumbersNativeItemsDepthFirstAndMapsThemBack)
{
    auto subMenu = MakeMenu("S");
    subMenu->AppendItem(CMenuItem(CMenuString("S1"), 11));
    subMenu->AppendItem(CMenuItem(CMenuString("S2"), 12));
    auto menu = MakeMenu("M");
    menu->AppendItem(CMenuItem(CMenuString("A"), 10));
    menu->AppendItem(SubMenuItem("S", *subMenu));
    menu->AppendItem(CMenuItem(CMenuString("B"), 13));
    EXPECT_EQ(menu->UpdateItemsRecursive(100), 104);
    const struct
    {
        std::uint16_t id;
        CMenu* menu;
        std::uint16_t index;
        std::uint32_t command;
    } kCases[] = {{100, menu.get(), 0, 10}, {101, subMenu.get(), 0, 11}, {102, subMenu.get(), 1, 12},
                  {103, menu.get(), 2, 13}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.id);
        CMenu* found = nullptr;
        std::uint16_t index = 99;
        ASSERT_TRUE(menu->FindNativeItem(c.id, found, index));
        EXPECT_EQ(found, c.menu);
        EXPECT_EQ(index, c.index);
        EXPECT_EQ(found->GetItem(index).mCommandId, c.command);
    }
    for (const std::uint16_t missing : {std::uint16_t{0}, std::uint16_t{104}}) {
        CMenu* found = menu.get();
        std::uint16_t index = 99;
        EXPECT_FALSE(menu->FindNativeItem(missing, found, index));
        EXPECT_EQ(found, nullptr);
        EXPECT_EQ(index, 0);
    }
}

TEST(CMenu, FindItemByKeySkipsDisabledItemsDeleteAndTab)
{
    auto subMenu = MakeMenu("Sub");
    CMenuItem inner(CMenuString("Inner"), 30);
    inner.mKeyEquivalent = kFirstLetterEquivalent + ('K' - 'A');
    subMenu->AppendItem(inner);
    auto menu = ParseMenuScript("M;Off#A=1;On#A=2;Digit#7=3", 1);
    menu->SetItemEnabled(0, false);
    CMenuItem erase(CMenuString("Erase"), 4);
    erase.mKeyEquivalent = kDeleteEquivalent;
    menu->AppendItem(erase);
    CMenuItem tab(CMenuString("Tab"), 5);
    tab.mKeyEquivalent = kTabEquivalent;
    menu->AppendItem(tab);
    menu->AppendItem(SubMenuItem("Sub", *subMenu));

    const struct
    {
        std::uint32_t character;
        CMenu* menu;
        std::uint16_t index;
    } kCases[] = {{'A', menu.get(), 1},        {'7', menu.get(), 2},       {'K', subMenu.get(), 0},
                  {'a', nullptr, kNoItemIndex}, {0, nullptr, kNoItemIndex}, {'Q', nullptr, kNoItemIndex}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.character);
        CMenu* found = menu.get();
        std::uint16_t index = 0;
        EXPECT_EQ(menu->FindItemByKey(c.character, found, index), c.menu != nullptr);
        EXPECT_EQ(found, c.menu);
        EXPECT_EQ(index, c.index);
    }
    menu->SetItemEnabled(5, false);  // the sub-menu item hides its whole sub menu
    CMenu* found = nullptr;
    std::uint16_t index = 0;
    EXPECT_FALSE(menu->FindItemByKey('K', found, index));
}

TEST(CMenu, DeletingAMenuLeavesItsSubMenuAlive)
{
    auto subMenu = MakeMenu("Sub");
    subMenu->AppendItem(CMenuItem(CMenuString("Inner"), 30));
    const HMENU subHandle = subMenu->GetNativeHandle();
    auto menu = MakeMenu("Outer");
    menu->AppendItem(SubMenuItem("Sub", *subMenu));
    const HMENU handle = menu->GetNativeHandle();
    ASSERT_EQ(ReadItem(handle, 0).mSubMenu, subHandle);
    menu.reset();
    EXPECT_FALSE(NSMenuPlatform::IsMenu(handle));
    ASSERT_TRUE(NSMenuPlatform::IsMenu(subHandle));
    EXPECT_EQ(ReadItem(subHandle, 0).mText, "Inner");
}

TEST(CMenu, ReplacingASubMenuItemDetachesTheSubMenu)
{
    auto subMenu = MakeMenu("Sub");
    auto menu = MakeMenu("Outer");
    menu->AppendItem(SubMenuItem("Sub", *subMenu));
    menu->SetItem(0, CMenuItem(CMenuString("Plain"), 9));
    EXPECT_EQ(ReadItem(menu->GetNativeHandle(), 0).mSubMenu, nullptr);
    EXPECT_EQ(ReadItem(menu->GetNativeHandle(), 0).mText, "Plain");
    EXPECT_EQ(NSMenuPlatform::GetItemCount(menu->GetNativeHandle()), 1);
    menu.reset();
    EXPECT_TRUE(NSMenuPlatform::IsMenu(subMenu->GetNativeHandle()));
}

TEST(CMenu, CheckMarksOnlyOnCommandsAndResetClearsAndDropsTemporaryItems)
{
    auto subMenu = ParseMenuScript("Sub;Inner=30", 2);
    auto menu = ParseMenuScript("M;One=1;-;Two=2", 1);
    menu->AppendItem(SubMenuItem("Sub", *subMenu));
    CMenuItem temporary(CMenuString("Window"), 3);
    temporary.mIsTemporary = 1;
    menu->InsertItem(1, temporary);
    menu->CheckCommand(2, true);
    subMenu->CheckCommand(30, true);
    menu->SetItemChecked(2, true);  // the separator
    menu->SetItemChecked(4, true);  // the sub-menu item
    EXPECT_EQ(menu->GetItem(2).mIsChecked, 0);
    EXPECT_EQ(menu->GetItem(4).mIsChecked, 0);
    EXPECT_EQ(menu->GetItem(3).mIsChecked, 1);
    EXPECT_TRUE(ReadItem(menu->GetNativeHandle(), 3).mIsChecked);
    EXPECT_EQ(menu->FindCommand(2), 3);
    EXPECT_EQ(menu->FindCommand(30), -1);

    menu->ResetItems();
    ASSERT_EQ(menu->GetItemCount(), 4);
    EXPECT_EQ(menu->FindCommand(3), -1);
    for (std::uint16_t i = 0; i < menu->GetItemCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(menu->GetItem(i).mIsDisabled, 1);
        EXPECT_EQ(menu->GetItem(i).mIsChecked, 0);
        EXPECT_TRUE(ReadItem(menu->GetNativeHandle(), i).mIsGrayed);
        EXPECT_FALSE(ReadItem(menu->GetNativeHandle(), i).mIsChecked);
    }
    EXPECT_EQ(subMenu->GetItem(0).mIsDisabled, 1);
    EXPECT_EQ(subMenu->GetItem(0).mIsChecked, 0);
    menu->EnableCommand(30, true);
    EXPECT_EQ(subMenu->GetItem(0).mIsDisabled, 0);
    EXPECT_FALSE(ReadItem(subMenu->GetNativeHandle(), 0).mIsGrayed);
}

TEST(CMenu, AnUntitledMenuAndEveryOtherIsListedWhileItLives)
{
    const std::size_t before = GetAllMenus().size();
    auto untitled = std::make_unique<CMenu>();
    EXPECT_EQ(untitled->GetTitle(), "Untitled");
    EXPECT_EQ(untitled->GetId(), kUntitledMenuId);
    EXPECT_FALSE(untitled->GetFlag());
    auto second = MakeMenu("Second");
    ASSERT_EQ(GetAllMenus().size(), before + 2);
    EXPECT_EQ(GetAllMenus()[before], untitled.get());
    EXPECT_EQ(GetAllMenus()[before + 1], second.get());
    untitled.reset();
    ASSERT_EQ(GetAllMenus().size(), before + 1);
    EXPECT_EQ(GetAllMenus().back(), second.get());
}

namespace {

// The bulk operations keep the items and the native items alike, position by position.
void ExpectNativeMatches(const CMenu& menu)
{
    ASSERT_EQ(NSMenuPlatform::GetItemCount(menu.GetNativeHandle()), menu.GetItemCount());
    for (std::uint16_t i = 0; i < menu.GetItemCount(); ++i) {
        SCOPED_TRACE(i);
        const CMenuItem item = menu.GetItem(i);
        const NSMenuPlatform::CNativeMenuItem native = ReadItem(menu.GetNativeHandle(), i);
        EXPECT_EQ(native.mText, BuildNativeItem(item).mText);
        EXPECT_EQ(native.mIsGrayed, item.mIsDisabled != 0);
        EXPECT_EQ(native.mIsChecked, item.mIsChecked != 0);
        EXPECT_EQ(native.mSubMenu, BuildNativeItem(item).mSubMenu);
    }
}

} // namespace

TEST(CMenu, BulkOperationsChangeEveryItemTheyConcern)
{
    auto subMenu = MakeMenu("Sub");
    auto menu = ParseMenuScript("M;Undo#Z=1;-;Cut#X=2;Five#5=3;Plain=4", 1);
    menu->AppendItem(SubMenuItem("Sub", *subMenu));

    menu->SetAllItemsEnabled(false);
    for (std::uint16_t i = 0; i < menu->GetItemCount(); ++i)
        EXPECT_EQ(menu->GetItem(i).mIsDisabled, menu->GetItem(i).mKind == kSeparatorItem ? 0 : 1) << i;
    menu->SetAllItemsEnabled(true);
    for (std::uint16_t i = 0; i < menu->GetItemCount(); ++i)
        EXPECT_EQ(menu->GetItem(i).mIsDisabled, 0) << i;
    ExpectNativeMatches(*menu);

    menu->CheckCommand(1, true);
    menu->CheckCommand(4, true);
    menu->UncheckAllItems();
    for (std::uint16_t i = 0; i < menu->GetItemCount(); ++i)
        EXPECT_EQ(menu->GetItem(i).mIsChecked, 0) << i;
    ExpectNativeMatches(*menu);

    // Letters Cut (X) to Z go; the digit, the separator and the items without a key stay.
    menu->RemoveItemsWithKeyEquivalents(kFirstLetterEquivalent + ('X' - 'A'), kFirstLetterEquivalent + ('Z' - 'A'));
    ASSERT_EQ(menu->GetItemCount(), 4);
    EXPECT_EQ(menu->GetItem(0).mKind, kSeparatorItem);
    EXPECT_EQ(menu->GetItem(1).mText, "Five");
    EXPECT_EQ(menu->GetItem(2).mText, "Plain");
    EXPECT_EQ(menu->GetItem(3).mSubMenu, subMenu.get());
    ExpectNativeMatches(*menu);

    menu->RemoveSubMenus();
    EXPECT_EQ(menu->GetItem(3).mKind, kCommandItem);
    EXPECT_EQ(menu->GetItem(3).mText, kDeletedSubMenuText);
    EXPECT_EQ(menu->GetItem(3).mSubMenu, nullptr);
    ExpectNativeMatches(*menu);
    EXPECT_TRUE(NSMenuPlatform::IsMenu(subMenu->GetNativeHandle()));

    menu->RemoveAllItems();
    EXPECT_EQ(menu->GetItemCount(), 0);
    ExpectNativeMatches(*menu);
}

TEST(CMenu, CopiesAnotherMenusItemsAndTitleAndSetsItemFields)
{
    auto subMenu = MakeMenu("Sub");
    auto source = ParseMenuScript("Edit?3,7~E;Cut#X=101;-;Paste=103", 5);
    source->SetItemTag(0, 77);
    source->SetItemSubMenu(2, subMenu.get());
    source->SetItemText(0, CMenuString("Cut out"));
    auto copy = ParseMenuScript("Old;Gone=1;Gone too=2;Gone three=3;Gone four=4", 9);
    copy->CopyItemsFrom(*source);

    EXPECT_EQ(copy->GetTitle(), "Edit");
    EXPECT_EQ(copy->GetHelpReference(), source->GetHelpReference());
    EXPECT_EQ(copy->GetMnemonic(), 'E');
    EXPECT_EQ(copy->GetId(), 9u);
    ASSERT_EQ(copy->GetItemCount(), 3);
    EXPECT_EQ(copy->GetItem(0).mText, "Cut out");
    EXPECT_EQ(copy->GetItem(0).mTag, 77u);
    EXPECT_EQ(copy->GetItem(0).mCommandId, 101u);
    EXPECT_EQ(copy->GetItem(1).mKind, kSeparatorItem);
    EXPECT_EQ(copy->GetItem(2).mKind, kSubMenuItem);
    EXPECT_EQ(copy->GetItem(2).mSubMenu, subMenu.get());
    ExpectNativeMatches(*copy);
    EXPECT_EQ(ReadItem(copy->GetNativeHandle(), 0).mText, "Cut out\tCtrl+X");
    // The copy's items are its own.
    copy->SetItemTag(0, 1);
    EXPECT_EQ(source->GetItem(0).mTag, 77u);
    copy.reset();
    source.reset();
    EXPECT_TRUE(NSMenuPlatform::IsMenu(subMenu->GetNativeHandle()));
}
