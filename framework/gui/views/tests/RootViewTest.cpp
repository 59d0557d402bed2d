#include "framework/gui/views/RootView.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/windows/tests/TestWindow.h"
#include "framework/gui/tests/support/Driver.h"

#include <gtest/gtest.h>

using namespace NSTramvell;
using NSGuiTest::CTestWindow;

namespace {

UINT gShowState = SW_SHOWNORMAL;
bool gPlacementFails = false;
std::vector<std::pair<WPARAM, LPARAM>> gSent;

class CFakeWindowState
{
public:
    explicit CFakeWindowState(UINT showState, bool fails = false)
    {
        gShowState = showState;
        gPlacementFails = fails;
        gSent.clear();
    }

private:
    CScopedTableEntry<decltype(CWindowTable::GetWindowPlacement)> mPlacement{
        GetWindowTable().GetWindowPlacement, [](HWND, WINDOWPLACEMENT* placement) -> BOOL {
            if (gPlacementFails || placement->length != sizeof *placement)
                return FALSE;
            placement->showCmd = gShowState;
            return TRUE;
        }};
    CScopedTableEntry<decltype(CWindowTable::SendMessageA)> mSend{
        GetWindowTable().SendMessageA, [](HWND, UINT message, WPARAM first, LPARAM second) -> LRESULT {
            if (message == WM_NCLBUTTONDOWN)
                gSent.emplace_back(first, second);
            return 0;
        }};
    // Client (x, y) is screen (x - 25, y + 3): the window stands on a screen left of the primary one.
    CScopedTableEntry<decltype(CWindowTable::ClientToScreen)> mToScreen{GetWindowTable().ClientToScreen,
                                                                         [](HWND, LPPOINT point) -> BOOL {
                                                                             point->x -= 25;
                                                                             point->y += 3;
                                                                             return TRUE;
                                                                         }};
};

} // namespace

TEST(CWindowRootGroupView, TheGripSitsInTheCornerOnlyInNormalState)
{
    CTestWindow window;
    CWindowRootGroupView* root = window.GetRootView();
    root->SetFrame(CRect(0, 0, 200, 100));
    {
        const CFakeWindowState normal(SW_SHOWNORMAL);
        window.AddSizeBox();
        ASSERT_NE(root->GetSizeBox(), nullptr);
        EXPECT_EQ(*root->GetSizeBox()->GetFrame(), CRect(184, 84, 200, 100));
        const CMouseEvent press(CMouseEvent::kPress, CPoint(20, 90), 0, CModifierKeys(), false);
        EXPECT_EQ(root->GetSizeBox()->HandleMouseDown(press).GetValue(), CMouseDownResult::kHandled);
        ASSERT_EQ(gSent.size(), 1u);
        EXPECT_EQ(gSent[0].first, static_cast<WPARAM>(HTBOTTOMRIGHT));
        EXPECT_EQ(gSent[0].second, static_cast<LPARAM>(0x005DFFFBu));   // x -5 in the low word, y 93 high
    }
    {
        const CFakeWindowState maximised(SW_SHOWMAXIMIZED);
        root->SetFrame(CRect(0, 0, 300, 150));
        EXPECT_EQ(*root->GetSizeBox()->GetFrame(), CRect(301, 151, 317, 167));
        EXPECT_EQ(root->HitTest(CPoint(295, 145)), root);
        const CMouseEvent press(CMouseEvent::kPress, CPoint(305, 155), 0, CModifierKeys(), false);
        EXPECT_EQ(root->GetSizeBox()->HandleMouseDown(press).GetValue(), CMouseDownResult::kNotHandled);
        EXPECT_TRUE(gSent.empty());
    }
    {
        const CFakeWindowState failing(SW_SHOWNORMAL, true);
        EXPECT_FALSE(root->GetSizeBox()->IsWindowNormal());
    }
    window.RemoveSizeBox();
    EXPECT_EQ(root->GetSizeBox(), nullptr);
}

TEST(CWindowRootGroupView, BackgroundIsTheWindowsAndChangesReachTheWindow)
{
    class CChangeCountingWindow : public CTestWindow
    {
    public:
        std::int32_t RootViewChanged() override { return ++mChanges; }
        int mChanges = 0;
    };
    CChangeCountingWindow window;
    window.SetBackgroundColor(CColor(1, 2, 3));
    auto* group = new CSolidColorGroupView(window.GetRootView(), CRect(0, 0, 50, 50));
    auto* child = new NSGuiTest::CTestView(window.GetRootView(), CRect(60, 0, 70, 10));
    auto* inner = new NSGuiTest::CTestView(group, CRect(0, 0, 10, 10));
    EXPECT_EQ(CView::GetBackgroundColor(child), CColor(1, 2, 3));
    EXPECT_EQ(CView::GetBackgroundColor(inner), group->GetBackgroundColor());
    EXPECT_EQ(inner->ChildChanged(), 1);
    const CMouseEvent click(CMouseEvent::kPress, CPoint(5, 5), 0, CModifierKeys(), true);
    EXPECT_EQ(window.HandleContextClick(click), 2);
}
