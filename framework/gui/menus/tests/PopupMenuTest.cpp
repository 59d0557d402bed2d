#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/menus/PopupMenu.h"
#include "framework/gui/tests/support/FakeWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

BOOL gChosenId = 0;
UINT gFlags = 0;
std::vector<std::string> gLog;
std::size_t gUpdatesWhenTracked = 0;

BOOL FakeTrackPopupMenu(HMENU, UINT flags, int, int, int, HWND, const RECT*)
{
    gFlags = flags;
    gUpdatesWhenTracked = gLog.size();
    return gChosenId;
}

} // namespace

TEST(TrackPopup, MapsTheChosenNumberBackToItsItem)
{
    CScopedTableEntry track(GetWindowTable().TrackPopupMenu, &FakeTrackPopupMenu);
    auto subMenu = ParseMenuScript("Sub;Inner=30", 2);
    auto menu = ParseMenuScript("Context;Cut=101;Copy=102", 1);
    CMenuItem sub(CMenuString("Sub"), 0);
    sub.mKind = kSubMenuItem;
    sub.mSubMenu = subMenu.get();
    menu->AppendItem(sub);
    NSGuiTest::CFakeWindow window("window", &gLog);
    const struct
    {
        BOOL chosen;
        bool leftButton;
        bool result;
        CMenu* menu;
        std::uint16_t index;
        UINT flags;
    } kCases[] = {
        {101, true, true, menu.get(), 1, 0x180},         {102, false, true, subMenu.get(), 0, 0x182},
        {0, true, false, nullptr, kNoItemIndex, 0x180}, {500, true, false, nullptr, kNoItemIndex, 0x180},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.chosen);
        gChosenId = c.chosen;
        gLog.clear();
        std::uint16_t index = 1;
        CMenu* chosen = menu.get();
        EXPECT_EQ(TrackPopup(*menu, window, CPoint(10, 10), c.leftButton, index, chosen), c.result);
        EXPECT_EQ(chosen, c.menu);
        EXPECT_EQ(index, c.index);
        EXPECT_EQ(gFlags, c.flags);
        EXPECT_EQ(gUpdatesWhenTracked, 1u);  // repainted before the menu opens
        EXPECT_EQ(gLog, std::vector<std::string>{"window:UpdateNow"});
    }
    gChosenId = 100;
    std::uint16_t index = 0;
    CMenu* chosen = nullptr;
    EXPECT_TRUE(TrackPopupAt(*menu, window, CPoint(0, 0), index, chosen));
    EXPECT_EQ(gFlags, 0x180u);
    EXPECT_EQ(index, 0);
}
