// Keyboard focus inside a window: the request and the focus view, Tab travel, the built-in keys, the
// focus chain's notifications, the wheel chain and pressing a view from the keyboard.

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/input/InputInterfaces.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/FocusHandling.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace NSTramvell;
using NSGuiTest::CTestView;

namespace {

std::vector<std::string> gLog;

// A focusable view that logs its focus changes and its enabled changes.
class CFocusView : public CTestView, public IFocusTarget, public IMouseWheelInput
{
public:
    CFocusView(CABCGroupView* parent, const std::string& name, std::int32_t left)
        : CTestView(parent, CRect(left, 10, left + 20, 30), name)
    {
        GetWindow()->AddFocusTarget(this);
    }
    void FocusGained() override
    {
        gLog.push_back("gained " + mName);
        if (mThrowOnGain)
            throw std::runtime_error("focus refused");
    }
    void FocusLost() override { gLog.push_back("lost " + mName); }
    void EnabledChanged(bool enabled) override { gLog.push_back(std::string(enabled ? "on " : "off ") + mName); }
    bool HandleMouseWheel(const CMouseEventRecord&) override
    {
        gLog.push_back("wheel " + mName);
        return mTakesWheel;
    }

    bool mThrowOnGain = false;
    bool mTakesWheel = false;
};

class CParticipantGroup : public CStandardGroupView, public IFocusParticipant, public IMouseWheelInput
{
public:
    CParticipantGroup(CABCGroupView* parent, std::string name)
        : CStandardGroupView(parent, CRect(0, 0, 200, 100)), mName(std::move(name))
    {
    }
    void FocusGained() override { gLog.push_back("gained " + mName); }
    void FocusLost() override { gLog.push_back("lost " + mName); }
    bool HandleMouseWheel(const CMouseEventRecord&) override
    {
        gLog.push_back("wheel " + mName);
        return true;
    }

    std::string mName;
};

// Takes every key while it holds the mouse capture.
class CKeyView : public CTestView, public IKeyboardInput
{
public:
    explicit CKeyView(CABCGroupView* parent) : CTestView(parent, CRect(150, 10, 170, 30), "keys") {}
    bool HandleKey(const CKeyEvent& event) override
    {
        gLog.push_back("key " + std::to_string(event.GetKeyCode()));
        return true;
    }
};

// The platform's focus calls of a test are only recorded: a hidden test window must not be activated.
class CRecordedPlatformFocus
{
public:
    CRecordedPlatformFocus()
        : mSet(GetWindowTable().SetFocus, [](HWND) -> HWND { return nullptr; })
        , mGet(GetWindowTable().GetFocus, []() -> HWND { return nullptr; })
    {
    }

private:
    CScopedTableEntry<decltype(CWindowTable::SetFocus)> mSet;
    CScopedTableEntry<decltype(CWindowTable::GetFocus)> mGet;
};

CKeyEvent MakeKey(std::uint32_t code, bool shift, bool control, std::uint32_t kind = kKeyDown)
{
    return CKeyEvent(CModifierKeys::FromHeldKeys(false, shift, control, false), code, kind, 0, 0);
}

struct CFourViews
{
    explicit CFourViews(CABCWindow& window)
        : a(window.GetRootView(), "A", 0)
        , plain(window.GetRootView(), CRect(30, 10, 50, 30), "plain")
        , c(window.GetRootView(), "C", 60)
        , d(window.GetRootView(), "D", 90)
    {
        window.AddFocusTarget(&plain);
        c.SetEnabled(false);
        gLog.clear();
    }
    CFocusView a;
    CTestView plain;
    CFocusView c;
    CFocusView d;
};

} // namespace

TEST(Focus, TabAndShiftTabWrapAroundSkippingWhatCannotTakeTheFocus)
{
    const CRecordedPlatformFocus platform;
    NSGuiTest::CTestWindow window;
    CFourViews views(window);
    window.HandleActivated();
    window.FocusFirstTarget();
    ASSERT_EQ(window.GetFocusView(), &views.a);
    gLog.clear();

    EXPECT_TRUE(window.HandleBuiltInKey(MakeKey(kKeyTab, false, false)));
    EXPECT_EQ(window.GetFocusView(), &views.d);
    EXPECT_TRUE(window.HandleBuiltInKey(MakeKey(kKeyTab, false, false)));
    EXPECT_EQ(window.GetFocusView(), &views.a);
    EXPECT_TRUE(window.HandleBuiltInKey(MakeKey(kKeyTab, true, false)));
    EXPECT_EQ(window.GetFocusView(), &views.d);
    EXPECT_EQ(gLog, (std::vector<std::string>{"lost A", "gained D", "lost D", "gained A", "lost A", "gained D"}));

    // Without tab navigation only Ctrl+Tab travels; a repeat or a release never does.
    window.SetTabNavigation(false);
    EXPECT_FALSE(window.HandleBuiltInKey(MakeKey(kKeyTab, false, false)));
    EXPECT_FALSE(window.HandleBuiltInKey(MakeKey(kKeyTab, false, true, kKeyRepeat)));
    EXPECT_TRUE(window.HandleBuiltInKey(MakeKey(kKeyTab, false, true)));
    EXPECT_EQ(window.GetFocusView(), &views.a);
}

TEST(Focus, ControlF4ClosesOnlyAWindowWithASystemMenu)
{
    const CRecordedPlatformFocus platform;
    NSGuiTest::CClassWindow withMenu;
    NSGuiTest::CClassWindow withoutMenu(CABCWindow::kKindDocument, WS_POPUP | WS_CAPTION);
    int closes = 0;
    // A main window's close asks to quit the program instead: the window itself stays.
    withMenu.mOnClose = [&] { ++closes; };
    withoutMenu.mOnClose = [&] { ++closes; };

    EXPECT_FALSE(withoutMenu.HandleBuiltInKey(MakeKey(kKeyF4, false, true)));
    EXPECT_FALSE(withMenu.HandleBuiltInKey(MakeKey(kKeyF4, false, false)));
    EXPECT_EQ(closes, 0);
    EXPECT_TRUE(withMenu.GetBuiltInKeyboardInput()->HandleKey(MakeKey(kKeyF4, false, true)));
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(withMenu.IsCloseRequested());
}

TEST(Focus, FollowsTheRequestOnlyWhileTheViewIsEnabledAndTheWindowActive)
{
    const CRecordedPlatformFocus platform;
    NSGuiTest::CTestWindow window;
    CFourViews views(window);
    window.HandleActivated();

    // A disabled view keeps the request without the focus until it is enabled and the focus updated.
    window.SetFocusView(&views.c);
    EXPECT_EQ(window.GetRequestedFocusView(), &views.c);
    EXPECT_EQ(window.GetFocusView(), nullptr);
    views.c.SetEnabled(true);
    window.ApplyFocusRequest();
    EXPECT_EQ(window.GetFocusView(), &views.c);

    // A view that is no focus target is ignored.
    window.SetFocusView(&views.plain);
    EXPECT_EQ(window.GetRequestedFocusView(), &views.c);

    // Deactivation takes the focus, keeping the request; activation gives it back.
    gLog.clear();
    window.HandleDeactivated();
    EXPECT_EQ(window.GetFocusView(), nullptr);
    EXPECT_EQ(window.GetRequestedFocusView(), &views.c);
    window.HandleActivated();
    EXPECT_EQ(window.GetFocusView(), &views.c);

    // Disabling the holder moves the focus on before the view hears of its new state.
    views.c.SetEnabled(false);
    EXPECT_EQ(window.GetFocusView(), &views.d);
    EXPECT_EQ(gLog, (std::vector<std::string>{"lost C", "gained C", "lost C", "gained D", "off C"}));
}

TEST(Focus, TheNormalHandlerIsBackAfterAThrowingNotification)
{
    const CRecordedPlatformFocus platform;
    NSGuiTest::CTestWindow window;
    CFourViews views(window);
    window.HandleActivated();
    views.a.mThrowOnGain = true;
    ASSERT_EQ(window.GetFocusHandler(), &GetNormalFocusHandler());
    EXPECT_THROW(window.SetFocusView(&views.a), std::runtime_error);
    EXPECT_EQ(window.GetFocusHandler(), &GetNormalFocusHandler());
}

TEST(Focus, DeletingTheRequestedViewOfAnInactiveWindowMovesTheRequestOn)
{
    const CRecordedPlatformFocus platform;
    NSGuiTest::CTestWindow window;
    CFocusView after(window.GetRootView(), "after", 100);
    auto doomed = std::make_unique<CFocusView>(window.GetRootView(), "doomed", 0);
    window.RemoveFocusTarget(&after);
    window.AddFocusTarget(&after);   // after the doomed view in the focus order
    window.SetFocusView(doomed.get());
    ASSERT_EQ(window.GetFocusView(), nullptr);
    doomed.reset();
    EXPECT_EQ(window.GetRequestedFocusView(), &after);
    gLog.clear();
    window.HandleActivated();
    EXPECT_EQ(window.GetFocusView(), &after);
    EXPECT_EQ(gLog, std::vector<std::string>{"gained after"});

    // The last eligible view going leaves no request at all.
    window.HandleDeactivated();
    {
        CFocusView last(window.GetRootView(), "last", 150);
        window.SetFocusView(&last);
    }
    EXPECT_EQ(window.GetRequestedFocusView(), nullptr);
}

TEST(Focus, NotificationsRunAlongTheChainOfEnabledParticipants)
{
    const CRecordedPlatformFocus platform;
    NSGuiTest::CTestWindow window;
    CParticipantGroup outer(window.GetRootView(), "outer");
    CStandardGroupView plain(&outer, CRect(0, 0, 100, 50));
    CParticipantGroup inner(&plain, "inner");
    CFocusView view(&inner, "view", 0);
    CParticipantGroup disabled(&outer, "disabled");
    CFocusView hidden(&disabled, "hidden", 0);
    disabled.SetEnabled(false);
    gLog.clear();
    NotifyFocusGained(&view);
    NotifyFocusLost(&view);
    NotifyFocusGained(&hidden);
    EXPECT_EQ(gLog, (std::vector<std::string>{"gained outer", "gained inner", "gained view", "lost view", "lost inner",
                                              "lost outer", "gained outer", "gained hidden"}));
}

TEST(FocusSmoke, TheWheelGoesAlongTheActiveWindowsChainOnly)
{
    const NSGuiTest::CWatchdog watchdog;
    NSGuiTest::CClassWindow window;
    CParticipantGroup group(window.GetRootView(), "group");
    CFocusView view(&group, "view", 0);
    const CMouseEventRecord turn(CModifierKeys(), CPoint(5, 5), 1);

    EXPECT_FALSE(DispatchMouseWheel(window, turn));   // not shown, so not active
    window.ShowWithBounds(CRect(60, 60, 360, 260));
    ASSERT_TRUE(NSGuiTest::WaitUntil([&] { return IsActiveWindow(&window); }, 5000));
    window.SetFocusView(&view);
    ASSERT_EQ(window.GetFocusView(), &view);
    gLog.clear();
    EXPECT_TRUE(DispatchMouseWheel(window, turn));
    EXPECT_EQ(gLog, (std::vector<std::string>{"wheel view", "wheel group"}));

    gLog.clear();
    view.mTakesWheel = true;
    EXPECT_EQ(::SendMessageA(window.GetWindowHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(70, 70)), 0);
    EXPECT_EQ(gLog, std::vector<std::string>{"wheel view"});
}

TEST(FocusSmoke, KeysReachTheBuiltInKeysUnlessAViewHoldsTheCapture)
{
    const NSGuiTest::CWatchdog watchdog;
    NSGuiTest::CTestApplication application;
    NSGuiTest::CClassWindow window;
    CFocusView first(window.GetRootView(), "first", 0);
    CFocusView second(window.GetRootView(), "second", 30);
    CKeyView keys(window.GetRootView());
    window.ShowWithBounds(CRect(60, 60, 360, 260));
    ASSERT_TRUE(NSGuiTest::WaitUntil([&] { return IsActiveWindow(&window); }, 5000));
    window.SetFocusView(&first);

    const HWND handle = window.GetWindowHandle();
    const LPARAM tabScan = static_cast<LPARAM>(::MapVirtualKeyA(VK_TAB, 0) << 16 | 1);
    ::SendMessageA(handle, WM_KEYDOWN, VK_TAB, tabScan);
    EXPECT_EQ(window.GetFocusView(), &second);

    ASSERT_TRUE(CaptureMouse(&keys));
    gLog.clear();
    ::SendMessageA(handle, WM_KEYDOWN, VK_TAB, tabScan);
    ReleaseMouseCapture();
    EXPECT_EQ(window.GetFocusView(), &second);
    EXPECT_EQ(gLog, std::vector<std::string>{"key " + std::to_string(kKeyTab)});
}

TEST(SimulateButtonClick, PressesAnEnabledViewAsASimulatedClick)
{
    const CRecordedPlatformFocus platform;
    NSGuiTest::CTestWindow window;
    CTestView view(window.GetRootView(), CRect(10, 20, 50, 40), "button");
    view.SetEnabled(false);
    SimulateButtonClick(&view);
    EXPECT_TRUE(view.mPresses.empty());
    EXPECT_TRUE(view.mMouseUps.empty());

    view.SetEnabled(true);
    SimulateButtonClick(&view);
    ASSERT_EQ(view.mPresses.size(), 1u);
    EXPECT_EQ(view.mPresses[0].GetKind(), CMouseEvent::kPress);
    EXPECT_TRUE(view.mPresses[0].IsSimulated());
    EXPECT_EQ(view.mPresses[0].GetPosition(), CPoint(30, 30));
    EXPECT_EQ(view.mMouseUps, std::vector<std::int32_t>{CView::kMouseUpReleased});
}
