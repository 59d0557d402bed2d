// The native-control glue with real controls in a shown framework window.

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/gui/drawing/ScreenResources.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/TestWindow.h"
#include "framework/views/controls/NativeControlGlue.h"
#include "framework/views/controls/tests/ControlTestSupport.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace NSWinControlUtils;
using NSControlTest::CCountedCalls;
using NSTramvell::CRect;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;

namespace {

constexpr auto kButton = static_cast<std::int32_t>(ENativeControlKind::kPushButton);
constexpr std::uint32_t kChildStyle = WS_CHILD | WS_VISIBLE;

// The messages that reach a control's own procedure: the test puts this in front of it before linking.
std::vector<UINT> gReachedControl;
WNDPROC gButtonProcedure = nullptr;

LRESULT CALLBACK RecordingProcedure(HWND handle, UINT message, WPARAM first, LPARAM second)
{
    gReachedControl.push_back(message);
    return ::CallWindowProcA(gButtonProcedure, handle, message, first, second);
}

// A callback that leaves every message to the link, or throws for one message.
class CTestCallback : public IWinControlCallback
{
public:
    CTestCallback(NSTramvell::CView* view, HWND handle) : mView(view), mHandle(handle) {}

    NSTramvell::CView* GetView() const override { return mView; }
    HWND GetNativeHandle() const override { return mHandle; }
    NSTramvell::CView* GetFocusView() const override { return mView; }
    std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) override
    {
        if (message == mThrowOn)
            mThrow();
        return mLink->HandleMessage(message, first, second);
    }
    std::intptr_t HandleParentNotification(std::uint32_t, std::uintptr_t, std::intptr_t) override { return 1; }

    NSTramvell::CView* mView;
    HWND mHandle;
    std::unique_ptr<CNativeControlLink> mLink;
    std::uint32_t mThrowOn = 0;
    std::function<void()> mThrow;
};

class NativeControlGlue : public NSControlTest::CShownWindow
{
protected:
    HWND MakeButton(const char* title = "Glue")
    {
        return CreateNativeControl(*mWindow, 0, kChildStyle, kButton, title, CRect(10, 10, 90, 34));
    }
    HWND FirstChild() const { return ::GetWindow(mWindow->GetWindowHandle(), GW_CHILD); }
};

} // namespace

TEST_F(NativeControlGlue, KindsOutsideTheTableAndFailedCreationMakeNoControl)
{
    for (std::int32_t kind : {9, -1}) {
        SCOPED_TRACE(kind);
        EXPECT_THROW(CreateNativeControl(*mWindow, 0, kChildStyle, kind, "x", CRect(0, 0, 10, 10)),
                     NSTramvell::XBase);
        EXPECT_EQ(FirstChild(), nullptr);
    }
    CScopedTableEntry noWindow(GetWindowTable().CreateWindowExA,
                               [](DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                                  LPVOID) -> HWND { return nullptr; });
    EXPECT_THROW(MakeButton(), NSTramvell::XOutOfMemory);
}

TEST_F(NativeControlGlue, AControlIsAChildAtItsFrameWithTheDefaultControlFont)
{
    HWND button = MakeButton("Title");
    EXPECT_EQ(::GetParent(button), mWindow->GetWindowHandle());
    EXPECT_EQ(NSControlTest::GetControlRectInClient(button), CRect(10, 10, 90, 34));
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(button, WM_GETFONT, 0, 0)),
              NSTramvell::GetDefaultControlFont());
    EXPECT_EQ(GetNativeText(button), "Title");
    EXPECT_EQ(::GetDlgCtrlID(button), 0);
    HWND numbered = CreateNativeControl(*mWindow, 0, kChildStyle, kButton, "Numbered", CRect(10, 40, 90, 64), 512);
    EXPECT_EQ(::GetDlgCtrlID(numbered), 512);
    DestroyNativeControl(numbered);
    DestroyNativeControl(button);
    EXPECT_FALSE(::IsWindow(button));
    DestroyNativeControl(button);   // gone already: nothing happens
}

TEST_F(NativeControlGlue, ALinkKeepsTheWholePreviousProcedureAndTheControlStillAnswers)
{
    const std::size_t registeredBefore = GetRegisteredCallbackCount();
    HWND button = MakeButton("Linked");
    const LONG_PTR before = GetWindowTable().GetWindowLongPtrA(button, GWLP_WNDPROC);
    {
        CTestCallback callback(nullptr, button);
        callback.mLink = std::make_unique<CNativeControlLink>(button, &callback);
        EXPECT_EQ(callback.mLink->GetPreviousProcedure(), before);
        EXPECT_NE(GetWindowTable().GetWindowLongPtrA(button, GWLP_WNDPROC), before);
        EXPECT_EQ(FindNativeControlCallback(button), &callback);
        EXPECT_EQ(GetNativeText(button), "Linked");
        DestroyNativeControl(button);
        callback.mHandle = nullptr;
    }
    EXPECT_EQ(GetRegisteredCallbackCount(), registeredBefore);
    EXPECT_EQ(FindNativeControlCallback(button), nullptr);
}

TEST_F(NativeControlGlue, NoPreviousProcedureDestroysTheControlAndFails)
{
    HWND button = MakeButton();
    const std::size_t registeredBefore = GetRegisteredCallbackCount();
    CTestCallback callback(nullptr, button);
    {
        CScopedTableEntry refused(GetWindowTable().SetWindowLongPtrA,
                                  [](HWND, int, LONG_PTR) -> LONG_PTR { return 0; });
        EXPECT_THROW(CNativeControlLink(button, &callback), NSTramvell::XBase);
    }
    EXPECT_FALSE(::IsWindow(button));
    EXPECT_EQ(GetRegisteredCallbackCount(), registeredBefore);
}

TEST_F(NativeControlGlue, ATopLevelWindowFindsNoCallback)
{
    HWND topLevel = mWindow->GetWindowHandle();
    CTestCallback callback(nullptr, topLevel);
    RegisterNativeControlCallback(&callback);
    EXPECT_EQ(FindRegisteredCallback(topLevel), &callback);
    EXPECT_EQ(FindNativeControlCallback(topLevel), nullptr);
    UnregisterNativeControlCallback(&callback);
}

TEST_F(NativeControlGlue, SetNativeTextSendsOnlyAChange)
{
    HWND button = MakeButton("Same");
    const std::string longText(70, 'x');
    CCountedCalls counted(mWindow->GetWindowHandle());
    SetNativeText(button, "Same");
    EXPECT_EQ(counted.Get().mSetText, 0);
    SetNativeText(button, "Other");
    EXPECT_EQ(counted.Get().mSetText, 1);
    EXPECT_EQ(GetNativeText(button), "Other");
    // Read back, 64 characters or more never equal what is shown: sent every time.
    SetNativeText(button, longText);
    SetNativeText(button, longText);
    EXPECT_EQ(counted.Get().mSetText, 3);
    EXPECT_EQ(GetNativeText(button), std::string(63, 'x'));
    DestroyNativeControl(button);
}

namespace {

struct CRedrawCall
{
    HWND handle;
    bool hasArea;
    RECT area;
    HRGN region;
    UINT flags;
};
std::vector<CRedrawCall> gRedraws;
BOOL gRedrawAnswer = TRUE;

} // namespace

TEST_F(NativeControlGlue, RedrawNativeAreaHandsItsFourArgumentsOn)
{
    HWND button = MakeButton();
    gRedraws.clear();
    CScopedTableEntry recorded(GetWindowTable().RedrawWindow,
                               [](HWND handle, const RECT* area, HRGN region, UINT flags) {
                                   gRedraws.push_back({handle, area != nullptr, area != nullptr ? *area : RECT{},
                                                       region, flags});
                                   return gRedrawAnswer;
                               });
    const CRect area(3, 4, 30, 20);
    const HRGN region = reinterpret_cast<HRGN>(0x1234);
    gRedrawAnswer = TRUE;
    EXPECT_TRUE(RedrawNativeArea(button, &area, nullptr, RDW_INVALIDATE | RDW_UPDATENOW));
    gRedrawAnswer = FALSE;
    EXPECT_FALSE(RedrawNativeArea(button, nullptr, region, RDW_ERASE));
    ASSERT_EQ(gRedraws.size(), 2u);
    EXPECT_EQ(gRedraws[0].handle, button);
    ASSERT_TRUE(gRedraws[0].hasArea);
    EXPECT_EQ(NSTramvell::ToRect(gRedraws[0].area), area);
    EXPECT_EQ(gRedraws[0].region, nullptr);
    EXPECT_EQ(gRedraws[0].flags, UINT{RDW_INVALIDATE | RDW_UPDATENOW});
    EXPECT_FALSE(gRedraws[1].hasArea);
    EXPECT_EQ(gRedraws[1].region, region);
    EXPECT_EQ(gRedraws[1].flags, UINT{RDW_ERASE});
    DestroyNativeControl(button);
}

TEST_F(NativeControlGlue, ALostCaptureReachesTheViewsCaptureHandlingAndTheControl)
{
    NSGuiTest::CTestView view(mWindow->GetRootView(), CRect(10, 10, 90, 34));
    HWND button = MakeButton();
    gButtonProcedure = reinterpret_cast<WNDPROC>(GetWindowTable().SetWindowLongPtrA(
        button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProcedure)));
    CTestCallback callback(&view, button);
    callback.mLink = std::make_unique<CNativeControlLink>(button, &callback);
    gReachedControl.clear();
    ::SendMessageA(button, WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(view.mMouseUps, std::vector<std::int32_t>{NSTramvell::CView::kMouseUpCutOff});
    EXPECT_EQ(gReachedControl, std::vector<UINT>{WM_CAPTURECHANGED});
    DestroyNativeControl(button);
}

TEST_F(NativeControlGlue, WhatAHandlerThrowsIsReportedAndAnswersZero)
{
    NSGuiTest::CAlertLog alerts;
    HWND button = MakeButton("Thrower");
    CTestCallback callback(nullptr, button);
    callback.mLink = std::make_unique<CNativeControlLink>(button, &callback);
    callback.mThrowOn = WM_GETTEXTLENGTH;
    const std::vector<std::function<void()>> kThrowers = {[] { throw std::runtime_error("control failed"); },
                                                          [] { throw 7; }};
    for (std::size_t index = 0; index < kThrowers.size(); ++index) {
        SCOPED_TRACE(index);
        callback.mThrow = kThrowers[index];
        EXPECT_EQ(::SendMessageA(button, WM_GETTEXTLENGTH, 0, 0), 0);
        EXPECT_EQ(alerts.mAlerts.size(), index + 1);
    }
    callback.mThrowOn = 0;
    EXPECT_EQ(::SendMessageA(button, WM_GETTEXTLENGTH, 0, 0), 7);
    DestroyNativeControl(button);
}

TEST_F(NativeControlGlue, AControlWhoseCallbackLeftTheRegistryAnswersZeroAndSeesNothing)
{
    HWND button = MakeButton("Orphan");
    gButtonProcedure = reinterpret_cast<WNDPROC>(GetWindowTable().SetWindowLongPtrA(
        button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProcedure)));
    CTestCallback callback(nullptr, button);
    callback.mLink = std::make_unique<CNativeControlLink>(button, &callback);
    UnregisterNativeControlCallback(&callback);
    gReachedControl.clear();
    EXPECT_EQ(::SendMessageA(button, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_TRUE(gReachedControl.empty());
    DestroyNativeControl(button);
}
