// A native control that holds the platform's mouse capture tracks the mouse as a view does: the tracking
// role names its view, so the pump does not block and menu shortcuts wait. The glue's forwarding of what a
// control sends its parent, and the modal-owner role.

#include "framework/gui/views/View.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/WindowHelpers.h"
#include "framework/gui/windows/tests/TestWindow.h"
#include "framework/views/controls/NativeControlGlue.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace NSTramvell;
using NSGuiTest::CTestView;
using NSGuiTest::CTestWindow;

namespace {

// A view over a native child control, registered while it lives; it records what reaches it from the
// window procedure.
class CControlView : public CTestView, public INativeView, public NSWinControlUtils::IWinControlCallback
{
public:
    CControlView(CABCGroupView* parent, const CRect& frame, DWORD style)
        : CTestView(parent, frame)
        , mControl(::CreateWindowExA(0, "BUTTON", "Control", WS_CHILD | WS_VISIBLE | style, frame.GetLeft(),
                                     frame.GetTop(), frame.GetWidth(), frame.GetHeight(),
                                     parent->GetWindow()->GetWindowHandle(), nullptr, ::GetModuleHandleA(nullptr),
                                     nullptr))
    {
        NSWinControlUtils::RegisterNativeControlCallback(this);
    }
    ~CControlView() override
    {
        NSWinControlUtils::UnregisterNativeControlCallback(this);
        ::DestroyWindow(mControl);
    }

    HWND GetNativeHandle() const override { return mControl; }
    CView* GetView() const override { return const_cast<CControlView*>(this); }
    CView* GetFocusView() const override { return GetView(); }
    std::intptr_t HandleNativeMessage(std::uint32_t, std::uintptr_t, std::intptr_t) override { return 0; }
    std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override
    {
        mNotifications.push_back({message, first, second});
        return 42;
    }

    struct CNotification
    {
        std::uint32_t message;
        std::uintptr_t first;
        std::intptr_t second;
    };
    std::vector<CNotification> mNotifications;

private:
    HWND mControl;
};

HWND gCapture = nullptr;

class NativeCaptureTest : public testing::Test
{
protected:
    NativeCaptureTest()
        : mWindow(std::make_unique<CTestWindow>())
        , mCapture(GetWindowTable().GetCapture, [] { return gCapture; })
    {
        mWindow->ShowWithBounds(CRect(0, 0, 300, 200));
        gCapture = nullptr;
    }
    ~NativeCaptureTest() override { gCapture = nullptr; }

    CWindowRootGroupView* Root() const { return mWindow->GetRootView(); }

    NSGuiTest::CWatchdog mWatchdog;
    std::unique_ptr<CTestWindow> mWindow;
    CScopedTableEntry<decltype(CWindowTable::GetCapture)> mCapture;
};

} // namespace

TEST_F(NativeCaptureTest, TheControlHoldingTheCaptureIsTheTrackingView)
{
    auto* control = new CControlView(Root(), CRect(10, 10, 90, 40), 0);
    auto* iconStyle = new CControlView(Root(), CRect(100, 10, 180, 40), 0x40);
    const HWND unregistered = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 50, 80, 20,
                                                mWindow->GetWindowHandle(), nullptr, ::GetModuleHandleA(nullptr),
                                                nullptr);
    const struct
    {
        const char* name;
        HWND capture;
        CView* tracking;
    } kCases[] = {
        {"nothing", nullptr, nullptr},
        {"a registered control", control->GetNativeHandle(), control},
        {"a control with style bit 0x40", iconStyle->GetNativeHandle(), nullptr},
        {"a child of no view", unregistered, nullptr},
        {"the framework window", mWindow->GetWindowHandle(), nullptr},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        gCapture = c.capture;
        EXPECT_EQ(GetTrackingView(), c.tracking);
        EXPECT_EQ(IsTrackingView(control), c.tracking == control);
        EXPECT_EQ(IsMouseBusy(), c.tracking != nullptr);
    }
    // While the control tracks, no view begins to.
    gCapture = control->GetNativeHandle();
    auto* other = new CTestView(Root(), CRect(200, 100, 220, 120));
    EXPECT_FALSE(BeginTracking(other));
    gCapture = nullptr;
    ::DestroyWindow(unregistered);
}

namespace {

class CShortcutApplication : public NSGuiTest::CTestApplication
{
public:
    CShortcutApplication()
    {
        mMenu = ParseMenuScript("Edit;Copy#C=102", 1);
        mBar = std::make_unique<CMenuBar>();
        mBar->AppendMenu(*mMenu);
        mBar->EndUpdate();
    }
    CMenuBar* GetMenuBar() override { return mBar.get(); }
    void EnableMenuCommands(CMenuBar* bar) override { bar->EnableCommand(102, true); }
    bool DoMenuCommand(const CMenuCommand& command) override
    {
        mCommands.push_back(command.GetCommandId());
        return true;
    }

    std::unique_ptr<CMenu> mMenu;
    std::unique_ptr<CMenuBar> mBar;
    std::vector<std::uint32_t> mCommands;
};

} // namespace

TEST_F(NativeCaptureTest, MenuShortcutsWaitWhileAControlTracks)
{
    CShortcutApplication application;
    auto* control = new CControlView(Root(), CRect(10, 10, 90, 40), 0);
    CScopedTableEntry controlHeld(GetWindowTable().GetKeyState,
                                  [](int key) -> SHORT { return key == VK_CONTROL ? static_cast<SHORT>(0x8000) : 0; });
    MSG press{};
    press.message = WM_KEYDOWN;
    press.wParam = 'C';
    gCapture = control->GetNativeHandle();
    application.DispatchOneMessage(press);
    EXPECT_TRUE(application.mCommands.empty());
    gCapture = nullptr;
    application.DispatchOneMessage(press);
    EXPECT_EQ(application.mCommands, std::vector<std::uint32_t>{102});
}

TEST_F(NativeCaptureTest, WhatAControlSendsItsParentReachesItsCallback)
{
    auto* control = new CControlView(Root(), CRect(10, 10, 90, 40), 0);
    EXPECT_EQ(ForwardToNativeControl(control->GetNativeHandle(), WM_COMMAND, 7, 9), 42);
    ASSERT_EQ(control->mNotifications.size(), 1u);
    EXPECT_EQ(control->mNotifications[0].message, std::uint32_t{WM_COMMAND});
    EXPECT_EQ(control->mNotifications[0].first, 7u);
    EXPECT_EQ(control->mNotifications[0].second, 9);
    EXPECT_EQ(ForwardToNativeControl(mWindow->GetWindowHandle(), WM_COMMAND, 7, 9), 0);
    EXPECT_EQ(control->mNotifications.size(), 1u);
}

TEST(ModalOwnerWindow, IsTheWindowLastSet)
{
    CTestWindow owner;
    CTestWindow other;
    EXPECT_TRUE(IsModalOwnerWindow(nullptr));
    SetModalOwnerWindow(&owner);
    EXPECT_TRUE(IsModalOwnerWindow(&owner));
    EXPECT_FALSE(IsModalOwnerWindow(&other));
    EXPECT_FALSE(IsModalOwnerWindow(nullptr));
    SetModalOwnerWindow(nullptr);
    EXPECT_FALSE(IsModalOwnerWindow(&owner));
}
