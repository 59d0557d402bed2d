#include "framework/gui/windows/Window.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/MouseEntryPoints.h"
#include "framework/gui/windows/WindowHelpers.h"
#include "framework/gui/windows/tests/TestWindow.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace NSTramvell;
using NSGuiTest::CCountedNativeDestruction;
using NSGuiTest::CTestView;
using NSGuiTest::CTestWindow;

namespace {

// A window that counts how often the sweep closes it.
class CCountingCloseWindow : public CTestWindow
{
public:
    explicit CCountingCloseWindow(int* closes) : mCloses(closes) {}
    void CloseNow() override
    {
        ++*mCloses;
        CTestWindow::CloseNow();
    }

private:
    int* mCloses;
};

class WindowTest : public testing::Test
{
protected:
    WindowTest() { UpdateFlaggedWindows(); }
    ~WindowTest() override { EXPECT_EQ(CTestWindow::sLiving, 0); }

    NSGuiTest::CWatchdog mWatchdog;
};

int CountEntries(const IRegisteredWindow* window)
{
    int count = 0;
    for (const IRegisteredWindow* listed : GetWindowList())
        count += listed == window ? 1 : 0;
    return count;
}

// The window's update region equals the platform region given (which the check deletes).
::testing::AssertionResult UpdateRegionEquals(HWND window, HRGN expected)
{
    const HRGN update = GetWindowTable().CreateRectRgn(0, 0, 0, 0);
    GetWindowTable().GetUpdateRgn(window, update, FALSE);
    const bool equal = GetWindowTable().EqualRgn(update, expected) != FALSE;
    RECT box{};
    GetWindowTable().GetRgnBox(update, &box);
    GetWindowTable().DeleteObject(update);
    GetWindowTable().DeleteObject(expected);
    if (equal)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "update region box (" << box.left << ", " << box.top << ", "
                                         << box.right << ", " << box.bottom << ")";
}

} // namespace

TEST_F(WindowTest, ShowingRegistersOnceHowEverOftenTheWindowIsShown)
{
    auto window = std::make_unique<CTestWindow>();
    window->ShowWithBounds(CRect(40, 40, 340, 240));
    EXPECT_EQ(CountEntries(window.get()), 1);
    EXPECT_TRUE(window->IsNativeStateSet());
    EXPECT_EQ(*window->GetRootView()->GetFrame(), window->GetClientBounds());
    EXPECT_EQ(window->GetBounds(), CRect(40, 40, 340, 240));
    window->ReapplyBounds();
    window->Recenter();
    EXPECT_EQ(CountEntries(window.get()), 1);
    EXPECT_EQ(FindWindowByHandle(window->GetWindowHandle()), window.get());
    IRegisteredWindow* const gone = window.get();
    window.reset();
    EXPECT_EQ(CountEntries(gone), 0);
}

TEST_F(WindowTest, ClosingIsDeferredAndHappensOnce)
{
    int closes = 0;
    auto* window = new CCountingCloseWindow(&closes);
    window->ShowWithBounds(CRect(0, 0, 200, 100));
    window->CloseIfAllowed();
    window->RequestClose();
    EXPECT_EQ(closes, 0);
    UpdateFlaggedWindows();
    UpdateFlaggedWindows();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(CTestWindow::sLiving, 0);
}

TEST_F(WindowTest, ConstructingAWindowClosesTheFlaggedOnes)
{
    int closes = 0;
    auto* flagged = new CCountingCloseWindow(&closes);
    flagged->ShowWithBounds(CRect(0, 0, 200, 100));
    flagged->RequestClose();
    const CTestWindow next;
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(CTestWindow::sLiving, 1);
}

TEST_F(WindowTest, DisposingTwiceDestroysEachViewAndTheNativeWindowOnce)
{
    const CCountedNativeDestruction counted;
    auto* window = new CTestWindow();
    window->ShowWithBounds(CRect(0, 0, 200, 100));
    auto* group = new CStandardGroupView(window->GetRootView(), CRect(0, 0, 100, 100));
    new CTestView(group, CRect(0, 0, 10, 10));
    new CTestView(window->GetRootView(), CRect(20, 0, 30, 10));
    window->AddSizeBox();
    ASSERT_EQ(CTestView::sLiving, 2);
    group->DeleteAllChildren();
    EXPECT_EQ(CTestView::sLiving, 1);
    delete window;   // the derived Dispose, then the base destructor's
    EXPECT_EQ(CTestView::sLiving, 0);
    EXPECT_EQ(CTestWindow::sNativeDestroyed, 1);
}

TEST_F(WindowTest, DeletingAWindowClearsTheMouseRolesOfItsViews)
{
    auto window = std::make_unique<CTestWindow>();
    window->ShowWithBounds(CRect(0, 0, 200, 100));
    auto* tracking = new CTestView(window->GetRootView(), CRect(0, 0, 10, 10));
    auto* captured = new CTestView(window->GetRootView(), CRect(10, 0, 20, 10));
    auto* held = new CTestView(window->GetRootView(), CRect(20, 0, 30, 10));
    auto* hovered = new CTestView(window->GetRootView(), CRect(30, 0, 40, 10));
    ASSERT_TRUE(BeginTracking(tracking));
    ASSERT_TRUE(CaptureMouse(captured));
    SetHeldView(held);
    SetHoverView(hovered);
    window->SetFocusView(hovered);
    window.reset();
    EXPECT_EQ(GetTrackingView(), nullptr);
    EXPECT_EQ(GetMouseCaptureView(), nullptr);
    EXPECT_EQ(GetHeldView(), nullptr);
    EXPECT_EQ(GetHoverView(), nullptr);
    EXPECT_EQ(GetWindowTable().GetCapture(), nullptr);
}

namespace {
int FakeMetric(int index)
{
    return 100 + index;
}
} // namespace

TEST_F(WindowTest, FrameInsetsPairWidthMetricsWithSidesAndHeightMetricsWithTopAndBottom)
{
    // Each metric answers 100 + its index, so every inset shows which metrics made it.
    const CTestWindow document(CABCWindow::kKindDocument, true);
    const CTestWindow dialog(CABCWindow::kKindModalDialog, false);
    const CTestWindow floater(CABCWindow::kKindFloater, true);
    const CTestWindow splash(CABCWindow::kKindSplash, false);
    CScopedTableEntry metrics(GetWindowTable().GetSystemMetrics, &FakeMetric);
    const struct {
        const char* name;
        CFrameInsets insets;
        CFrameInsets expected;
    } kCases[] = {
        {"sizing document", document.GetFrameInsets(), CFrameInsets(132, 133 + 104, 132, 133)},
        {"fixed dialog", dialog.GetFrameInsets(), CFrameInsets(107, 108 + 104, 107, 108)},
        {"floater", floater.GetFrameInsets(), CFrameInsets(132, 133 + 151, 132, 133)},
        {"splash", splash.GetFrameInsets(), CFrameInsets(107, 108, 107, 108)},
        {"border kind 0", GetFrameInsets(0), CFrameInsets(107, 104 + 108, 107, 108)},
        {"border kind 2", GetFrameInsets(2), CFrameInsets(132, 104 + 133, 132, 133)},
        {"border kind 4", GetFrameInsets(4), CFrameInsets(0, 104, 0, 0)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.insets, c.expected);
    }
    EXPECT_EQ(document.GetFrameBoundsForClient(CRect(300, 300, 400, 350)),
              CRect(300 - 132, 300 - 237, 400 + 132, 350 + 133));
    EXPECT_EQ(document.GetFrameSizeForClientSize(CPoint(100, 50)), CPoint(100 + 264, 50 + 237 + 133));
    EXPECT_EQ(document.GetClientBoundsForFrame(CRect(300 - 132, 300 - 237, 400 + 132, 350 + 133)),
              CRect(300, 300, 400, 350));
    EXPECT_EQ(dialog.GetClientBoundsForFrame(CRect(0, 0, 400, 300)), CRect(107, 212, 400 - 107, 300 - 108));
}

TEST_F(WindowTest, CentredBoundsLieInTheWorkArea)
{
    const CTestWindow window;
    CScopedTableEntry workArea(GetWindowTable().SystemParametersInfoA, [](UINT action, UINT, PVOID out, UINT) -> BOOL {
        if (action != SPI_GETWORKAREA)
            return FALSE;
        *static_cast<RECT*>(out) = RECT{100, 50, 900, 650};
        return TRUE;
    });
    EXPECT_EQ(window.GetCenteredBounds(CPoint(200, 100)), CRect(400, 300, 600, 400));
    EXPECT_EQ(window.GetCenteredBounds(CPoint(201, 101)), CRect(399, 299, 600, 400));
    // Too wide for the area: the left edge, with the window's menu and title, stays on it.
    EXPECT_EQ(window.GetCenteredBounds(CPoint(1000, 100)), CRect(100, 300, 1100, 400));
}

TEST_F(WindowTest, InvalidatedRegionsBecomeTheUpdateRegionWithinTheRootFrame)
{
    auto window = std::make_unique<CTestWindow>();
    window->ShowWithBounds(CRect(20, 20, 320, 220));
    const HWND handle = window->GetWindowHandle();
    const CRect client = window->GetClientBounds();
    ASSERT_FALSE(client.IsEmpty());

    CRegion twoSquares(CRect(0, 0, 10, 10));
    twoSquares.Unite(CRegion(CRect(20, 20, 30, 30)));
    const struct {
        const char* name;
        CRegion region;
        HRGN (*expected)(const CRect& client);
    } kCases[] = {
        {"everything", CRegion(kEverythingRect),
         [](const CRect& c) { return GetWindowTable().CreateRectRgn(0, 0, c.GetRight(), c.GetBottom()); }},
        {"one rectangle", CRegion(CRect(10, 10, 50, 40)),
         [](const CRect&) { return GetWindowTable().CreateRectRgn(10, 10, 50, 40); }},
        {"native region", twoSquares,
         [](const CRect&) {
             const HRGN shape = GetWindowTable().CreateRectRgn(0, 0, 10, 10);
             const HRGN second = GetWindowTable().CreateRectRgn(20, 20, 30, 30);
             GetWindowTable().CombineRgn(shape, shape, second, RGN_OR);
             GetWindowTable().DeleteObject(second);
             return shape;
         }},
        {"outside the root frame", CRegion(CRect(client.GetRight() + 5, 0, client.GetRight() + 50, 10)),
         [](const CRect&) { return GetWindowTable().CreateRectRgn(0, 0, 0, 0); }},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        window->UpdateNow();
        ASSERT_TRUE(UpdateRegionEquals(handle, GetWindowTable().CreateRectRgn(0, 0, 0, 0)));
        window->InvalidateRegion(c.region);
        EXPECT_TRUE(UpdateRegionEquals(handle, c.expected(client)));
    }
}

TEST_F(WindowTest, StaggeredPlacementTakesTheFirstSlotWithFewestWindows)
{
    CScopedTableEntry workArea(GetWindowTable().SystemParametersInfoA, [](UINT action, UINT, PVOID out, UINT) -> BOOL {
        if (action != SPI_GETWORKAREA)
            return FALSE;
        *static_cast<RECT*>(out) = RECT{10, 20, 1000, 700};
        return TRUE;
    });
    const int step = GetWindowTable().GetSystemMetrics(SM_CYCAPTION) + GetWindowTable().GetSystemMetrics(SM_CYSIZEFRAME);
    CTestWindow first;
    CTestWindow second;
    first.ShowWithBounds(CRect(10, 20, 210, 120));
    second.ShowWithBounds(CRect(10, 20, 110, 220));
    CTestWindow placed;
    EXPECT_EQ(placed.GetStaggeredBounds(CPoint(300, 200)), CRect(10 + step, 20 + step, 310 + step, 220 + step));
    placed.ShowStaggered(CPoint(300, 200));
    EXPECT_EQ(placed.GetBounds().GetTopLeft(), CPoint(10 + step, 20 + step));
    // The window being placed does not count itself.
    EXPECT_EQ(placed.GetStaggeredBounds(CPoint(300, 200)).GetTopLeft(), CPoint(10 + step, 20 + step));
}

TEST_F(WindowTest, ApplicationQueryMessageNeedsTheApplication)
{
    EXPECT_FALSE(IsApplicationQueryMessage(0));
    EXPECT_FALSE(GetApplicationQueryAnswer());
    NSGuiTest::CTestApplication application;
    const std::uint32_t message = application.GetQueryCancelAutoPlayMessage();
    ASSERT_NE(message, 0u);
    EXPECT_TRUE(IsApplicationQueryMessage(message));
    EXPECT_FALSE(IsApplicationQueryMessage(message + 1));
    application.SetCancelAutoPlay(true);
    EXPECT_TRUE(GetApplicationQueryAnswer());
}

namespace {
HWND gFakeActive = nullptr;
}

TEST_F(WindowTest, FocusWindowIsFoundFromAChildControl)
{
    auto window = std::make_unique<CTestWindow>();
    window->ShowWithBounds(CRect(0, 0, 200, 100));
    const HWND control = ::CreateWindowExA(0, "BUTTON", "Child", WS_CHILD | WS_VISIBLE, 5, 5, 50, 20,
                                           window->GetWindowHandle(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(control, nullptr);
    CScopedTableEntry active(GetWindowTable().GetActiveWindow, [] { return gFakeActive; });
    gFakeActive = control;
    EXPECT_EQ(FindFocusFrameworkWindow(), window.get());
    gFakeActive = nullptr;
    EXPECT_EQ(FindFocusFrameworkWindow(), nullptr);
    const CTestWindow unshown;
    gFakeActive = unshown.GetWindowHandle();
    EXPECT_EQ(FindFocusFrameworkWindow(), nullptr);
}

namespace {
SHORT FakeShiftHeld(int key)
{
    return static_cast<SHORT>(key == VK_SHIFT ? 0x8000 : 0);
}
} // namespace

TEST_F(WindowTest, EntryPointsHandPressesToTheViewUnderThePoint)
{
    auto window = std::make_unique<CTestWindow>();
    window->ShowWithBounds(CRect(0, 0, 300, 200));
    auto* left = new CTestView(window->GetRootView(), CRect(0, 0, 50, 50));
    auto* right = new CTestView(window->GetRootView(), CRect(50, 0, 100, 50));
    CScopedTableEntry keys(GetWindowTable().GetAsyncKeyState, &FakeShiftHeld);

    EXPECT_TRUE(HandleButtonDown(window->GetWindowHandle(), MK_LBUTTON, 60, 10, 1234));
    EXPECT_TRUE(HandleButtonDoubleClick(window->GetWindowHandle(), MK_LBUTTON, 61, 11, 1235));
    EXPECT_TRUE(left->mPresses.empty());
    ASSERT_EQ(right->mPresses.size(), 2u);
    const CMouseEvent& press = right->mPresses[0];
    EXPECT_EQ(press.GetKind(), CMouseEvent::kPress);
    EXPECT_EQ(press.GetPosition(), CPoint(60, 10));
    EXPECT_EQ(press.GetStamp(), 1234u);
    EXPECT_FALSE(press.IsSimulated());
    EXPECT_EQ(press.GetModifiers(), CModifierKeys::FromHeldKeys(false, true, false, false));
    EXPECT_EQ(right->mPresses[1].GetKind(), CMouseEvent::kDoubleClick);

    EXPECT_FALSE(HandleButtonDown(window->GetWindowHandle(), MK_LBUTTON, 150, 150, 0));
    EXPECT_FALSE(HandleButtonDown(nullptr, MK_LBUTTON, 60, 10, 0));

    ASSERT_TRUE(BeginTracking(left));
    HandleButtonUp(window->GetWindowHandle(), 0, 60, 10, 0);
    EXPECT_EQ(left->mMouseUps, std::vector<std::int32_t>{CView::kMouseUpReleased});
    EndTracking(left);
}

TEST_F(WindowTest, ADisabledRootIgnoresPressesUnlessAViewTracks)
{
    auto window = std::make_unique<CTestWindow>();
    window->ShowWithBounds(CRect(0, 0, 300, 200));
    auto* view = new CTestView(window->GetRootView(), CRect(0, 0, 50, 50));
    window->GetRootView()->SetEnabled(false);
    const CMouseEvent press(CMouseEvent::kPress, CPoint(10, 10), 0, CModifierKeys(), false);
    EXPECT_EQ(window->HandleMouseDown(press).GetValue(), CMouseDownResult::kNotHandled);
    EXPECT_TRUE(view->mPresses.empty());

    // A tracking view gets the press even where it is not, and even in a disabled root, while it is enabled.
    // (A view built inside a disabled group starts enabled: it only learns of the group's state when it or
    // the group changes.)
    auto* elsewhere = new CTestView(window->GetRootView(), CRect(100, 100, 150, 150));
    ASSERT_TRUE(BeginTracking(elsewhere));
    EXPECT_EQ(window->HandleMouseDown(press).GetValue(), CMouseDownResult::kHandled);
    EXPECT_EQ(elsewhere->mPresses.size(), 1u);
    EXPECT_TRUE(view->mPresses.empty());
    elsewhere->SetEnabled(false);
    EXPECT_EQ(window->HandleMouseDown(press).GetValue(), CMouseDownResult::kNotHandled);
    EXPECT_EQ(elsewhere->mPresses.size(), 1u);

    // A context click cuts the tracking off.
    window->HandleContextClick(press);
    EXPECT_EQ(GetTrackingView(), nullptr);
    EXPECT_EQ(elsewhere->mMouseUps, std::vector<std::int32_t>{CView::kMouseUpCutOff});
}

namespace {

struct CPaletteCalls
{
    std::vector<HPALETTE> selected;
    std::vector<BOOL> background;
    int realized = 0;
};
CPaletteCalls gPaletteCalls;

} // namespace

TEST_F(WindowTest, AWindowsOwnPaletteIsRealisedInTheBackgroundWhenItIsNotActive)
{
    CScopedTableEntry select(GetWindowTable().SelectPalette, [](HDC, HPALETTE palette, BOOL background) -> HPALETTE {
        gPaletteCalls.selected.push_back(palette);
        gPaletteCalls.background.push_back(background);
        return reinterpret_cast<HPALETTE>(0x5150);
    });
    CScopedTableEntry realize(GetWindowTable().RealizePalette, [](HDC) -> UINT {
        ++gPaletteCalls.realized;
        return 0;
    });
    gPaletteCalls = {};
    CTestWindow window;
    EXPECT_FALSE(window.HasPalette());
    EXPECT_FALSE(window.RealizePalette());
    EXPECT_EQ(gPaletteCalls.realized, 0);

    window.SetPalette({CColor(255, 0, 0), CColor(0, 255, 0), CColor(0, 0, 255)});
    ASSERT_TRUE(window.HasPalette());
    EXPECT_TRUE(window.RealizePalette());
    ASSERT_EQ(gPaletteCalls.selected.size(), 2u);
    EXPECT_NE(gPaletteCalls.selected[0], nullptr);
    EXPECT_EQ(gPaletteCalls.background[0], TRUE);
    EXPECT_EQ(gPaletteCalls.selected[1], reinterpret_cast<HPALETTE>(0x5150));   // the previous one back
    EXPECT_EQ(gPaletteCalls.realized, 1);

    // Activation realises it too.
    window.HandleActivated();
    EXPECT_EQ(gPaletteCalls.realized, 2);
    window.HandleDeactivated();

    window.SetPalette({});
    EXPECT_FALSE(window.HasPalette());
    EXPECT_FALSE(window.RealizePalette());
    EXPECT_EQ(gPaletteCalls.realized, 2);
}

TEST_F(WindowTest, TheFrontWindowIsTheTopmostThatIsNotAuxiliary)
{
    EXPECT_EQ(FindFrontWindow(), nullptr);
    CTestWindow back;
    CTestWindow front;
    back.ShowWithBounds(CRect(10, 10, 200, 150));
    front.ShowWithBounds(CRect(30, 30, 220, 170));
    EXPECT_EQ(FindFrontWindow(), &front);
    front.MarkAuxiliary();
    EXPECT_EQ(FindFrontWindow(), &back);
}

TEST_F(WindowTest, AMinimisedWindowIsRestored)
{
    CTestWindow window;
    window.ShowWithBounds(CRect(10, 10, 200, 150));
    window.RestoreIfMinimised();
    EXPECT_FALSE(::IsIconic(window.GetWindowHandle()));
    ::ShowWindow(window.GetWindowHandle(), SW_MINIMIZE);
    ASSERT_TRUE(::IsIconic(window.GetWindowHandle()));
    window.RestoreIfMinimised();
    EXPECT_FALSE(::IsIconic(window.GetWindowHandle()));
    EXPECT_EQ(window.GetBounds(), CRect(10, 10, 200, 150));
}
