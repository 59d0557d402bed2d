#include "framework/gui/windows/Window.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/drawing/Palette.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"
#include "framework/gui/input/FocusOrder.h"
#include "framework/gui/input/ToolTipRelay.h"
#include "framework/gui/input/ToolTips.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/FocusHandling.h"
#include "framework/gui/windows/Staggering.h"
#include "framework/gui/windows/WindowHelpers.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace NSTramvell {
namespace {

std::int16_t gBusyCount = 0;

// SetWindowPos: no move, no size, show.
constexpr UINT kShowInPlace = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW;

CRect GetWorkArea()
{
    RECT area{};
    if (!GetWindowTable().SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        return CRect(0, 0, GetWindowTable().GetSystemMetrics(SM_CXSCREEN),
                     GetWindowTable().GetSystemMetrics(SM_CYSCREEN));
    return ToRect(area);
}

CRect MakeSizedRect(const CPoint& size)
{
    return CRect(0, 0, size.GetX(), size.GetY());
}

bool IsEligibleForFocus(const CView* view)
{
    return CView::IsFocusTarget(view) && view->IsEnabled();
}

// The native window that holds the platform's focus for a view: its control, or the control of the
// inner view a group names; null for a view focused only in the framework's sense.
HWND GetFocusHandle(CView* view)
{
    if (HWND handle = GetNativeViewHandle(view))
        return handle;
    if (auto* group = dynamic_cast<NSTramvellInternal::IWinSubViewHasWin32Focus*>(view))
        return GetNativeViewHandle(group->GetSubViewWithWin32Focus());
    return nullptr;
}

// The window that holds the capture for a tracking view: its control, else its window.
HWND GetTrackingHandle(const CABCWindow& window, const CView* view)
{
    if (HWND control = GetNativeViewHandle(view))
        return control;
    return window.GetWindowHandle();
}

} // namespace

namespace NSTramvellInternals {

void CBuiltInMenusAndKeys::EnableMenuCommands(CMenuBar* menuBar)
{
    mWindow->EnableBuiltInCommands(menuBar);
}

bool CBuiltInMenusAndKeys::DoMenuCommand(const CMenuCommand& command)
{
    return mWindow->HandleBuiltInCommand(command);
}

bool CBuiltInMenusAndKeys::HandleKey(const CKeyEvent& event)
{
    return mWindow->HandleBuiltInKey(event);
}

} // namespace NSTramvellInternals

CABCWindow::CABCWindow(std::int32_t kind, std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom)
    : mBounds(left, top, right, bottom)
    , mKind(kind)
    , mFocusHandler(&GetNormalFocusHandler())
{
    UpdateFlaggedWindows();
    mBackgroundColor = CColor::FromNative(GetWindowTable().GetSysColor(COLOR_BTNFACE));
    mRootView = new CWindowRootGroupView(this);
    mBuiltIn = new NSTramvellInternals::CBuiltInMenusAndKeys(this);
}

CABCWindow::~CABCWindow()
{
    Dispose();
}

void CABCWindow::Dispose()
{
    if (mDisposing)
        return;
    mDisposing = true;
    // The application borrows its bars: a bar going away takes its room with it.
    if (CApplication* application = CApplication::GetApplication()) {
        if (application->GetToolbarWindow() == this)
            application->SetToolbarWindow(nullptr);
        if (application->GetStatusBarWindow() == this)
            application->SetStatusBarWindow(nullptr);
    }
    DestroyToolTipControl();
    if (mRootView != nullptr)
        mRootView->DeleteAllChildren();
    if (mKind != kKindFrame && mHandle != nullptr)
        DestroyNativeWindow(mHandle);
    mHandle = nullptr;
    RemoveFromWindowRegistry(this);
    mPalette.reset();
    delete mBuiltIn;
    mBuiltIn = nullptr;
    CWindowRootGroupView* const rootView = mRootView;
    mRootView = nullptr;
    delete rootView;
}

void CABCWindow::DestroyToolTipControl()
{
    if (mToolTipControl != nullptr)
        GetWindowTable().DestroyWindow(mToolTipControl);
    mToolTipControl = nullptr;
}

void CABCWindow::UpdateFocusState()
{
    mRequestedFocusView = nullptr;
    ApplyFocusRequest();
}

void CABCWindow::SetFocusView(CView* view)
{
    if (view != nullptr && !CView::IsFocusTarget(view))
        return;
    mRequestedFocusView = view;
    ApplyFocusRequest();
}

void CABCWindow::ApplyFocusRequest()
{
    CView* const focus =
        mRequestedFocusView != nullptr && mRequestedFocusView->IsEnabled() && mActive ? mRequestedFocusView : nullptr;
    CView* const old = mFocusView;
    if (focus == old)
        return;
    const CFocusHandlerGuard guard(*this, GetExplicitFocusChangeHandler());
    mFocusView = focus;
    CWindowTable& table = GetWindowTable();
    if (old != nullptr) {
        // Only an active window takes the platform's focus back: on a window being deactivated that
        // would activate it again.
        if (GetFocusHandle(old) != nullptr) {
            if (mActive && mHandle != nullptr)
                table.SetFocus(mHandle);
        } else {
            NotifyFocusLost(old);
        }
    }
    if (focus != nullptr) {
        if (HWND control = GetFocusHandle(focus)) {
            table.SetFocus(control);
        } else {
            if (mHandle != nullptr && table.GetFocus() != mHandle)
                table.SetFocus(mHandle);
            NotifyFocusGained(focus);
        }
    }
}

void CABCWindow::DropFocusIfHeldBy(CView* view)
{
    if (view == nullptr || view != mRequestedFocusView)
        return;
    mRequestedFocusView = FindFocusSuccessor(mFocusOrder, view, &IsEligibleForFocus);
    if (mDisposing) {
        if (mFocusView == view)
            mFocusView = nullptr;
        return;
    }
    ApplyFocusRequest();
}

void CABCWindow::FocusFirstTarget()
{
    SetFocusView(FindFirstEligible(mFocusOrder, &IsEligibleForFocus));
}

void CABCWindow::FocusLastTarget()
{
    SetFocusView(FindLastEligible(mFocusOrder, &IsEligibleForFocus));
}

void CABCWindow::FocusNextTarget()
{
    SetFocusView(FindTabTarget(mFocusOrder, static_cast<const CView*>(mFocusView), &IsEligibleForFocus));
}

void CABCWindow::FocusPreviousTarget()
{
    if (mFocusView == nullptr)
        return;
    SetFocusView(FindBackTabTarget(mFocusOrder, static_cast<const CView*>(mFocusView), &IsEligibleForFocus));
}

void CABCWindow::FocusNextAfterCurrent()
{
    if (mFocusView != nullptr)
        SetFocusView(FindFocusSuccessor(mFocusOrder, static_cast<const CView*>(mFocusView), &IsEligibleForFocus));
}

bool CABCWindow::HandleBuiltInKey(const CKeyEvent& event)
{
    if (event.GetKind() != kKeyDown)
        return false;
    const CModifierKeys& modifiers = event.GetModifiers();
    if (event.GetKeyCode() == kKeyF4 && modifiers.IsControlDown()) {
        if (mHandle == nullptr || (GetWindowTable().GetWindowLongA(mHandle, GWL_STYLE) & WS_SYSMENU) == 0)
            return false;
        CloseIfAllowed();
        return true;
    }
    if (event.GetKeyCode() == kKeyTab && (modifiers.IsControlDown() || mTabNavigation)) {
        if (modifiers.IsShiftDown())
            FocusPreviousTarget();
        else
            FocusNextTarget();
        return true;
    }
    return false;
}

void CABCWindow::EnableBuiltInCommands(CMenuBar* menuBar)
{
    const CApplication* application = CApplication::GetApplication();
    if (menuBar != nullptr && HasCloseCommand() && application != nullptr && application->GetCloseCommand() != 0)
        menuBar->EnableCommand(application->GetCloseCommand(), true);
}

bool CABCWindow::HandleBuiltInCommand(const CMenuCommand& command)
{
    const CApplication* application = CApplication::GetApplication();
    if (!HasCloseCommand() || application == nullptr || application->GetCloseCommand() == 0 ||
        command.GetCommandId() != application->GetCloseCommand())
        return false;
    CloseIfAllowed();
    return true;
}

void CABCWindow::SetBounds(const CRect& bounds)
{
    mBounds = bounds;
    GetWindowTable().MoveWindow(mHandle, bounds.GetLeft(), bounds.GetTop(), bounds.GetWidth(), bounds.GetHeight(),
                                TRUE);
    FitRootViewToClient(*this);
}

void CABCWindow::ShowWithBounds(const CRect& bounds)
{
    SetBounds(bounds);
    AddToWindowRegistry(this);
    GetWindowTable().SetWindowPos(mHandle, nullptr, 0, 0, 0, 0, kShowInPlace);
    Activate();
    mRootView->WindowShown();
}

void CABCWindow::CloseIfAllowed()
{
    if (MayClose())
        RequestClose();
}

void CABCWindow::RequestClose()
{
    mCloseRequested = true;
}

void CABCWindow::CloseNow()
{
    HandleDeactivated();
    UpdateFocusState();
    if (mHandle != nullptr && (GetWindowTable().GetWindowLongA(mHandle, GWL_STYLE) & WS_POPUP) == 0)
        GetWindowTable().ShowWindow(mHandle, SW_HIDE);
    DestroyToolTipControl();
    delete this;
}

void CABCWindow::UpdateNow()
{
    if (mHandle != nullptr)
        GetWindowTable().UpdateWindow(mHandle);
}

CRect CABCWindow::GetClientBounds() const
{
    RECT client{};
    if (mHandle == nullptr || !GetWindowTable().GetClientRect(mHandle, &client))
        return CRect();
    return ToRect(client);
}

CMouseDownResult CABCWindow::HandleMouseDown(const CMouseEvent& event)
{
    if (CView* tracking = GetTrackingView())
        return tracking->IsEnabled() ? CView::SendMouseDown(event, tracking) : CMouseDownResult(false);
    if (mRootView->IsEnabled())
        return CView::SendMouseDown(event, mRootView);
    return CMouseDownResult(false);
}

std::int32_t CABCWindow::HandleContextClick(const CMouseEvent& event)
{
    if (CView* tracking = GetTrackingView()) {
        NSViewInternal::ClearTrackingView();
        EndViewTracking(tracking);
        tracking->HandleMouseUp(CView::kMouseUpCutOff);
        return 0;
    }
    if (mRootView->IsEnabled())
        return mRootView->HandleContextClick(event);
    return 0;
}

void CABCWindow::GetSizeLimits(std::int32_t& minWidth, std::int32_t& minHeight, std::int32_t& maxWidth,
                               std::int32_t& maxHeight) const
{
    minWidth = 60;
    minHeight = 60;
    maxWidth = 20000;
    maxHeight = 20000;
}

bool CABCWindow::HandleOtherMessage(std::uint32_t, std::uintptr_t, std::intptr_t, std::intptr_t&)
{
    return false;
}

void CABCWindow::ForgetFocusView(const CView* view)
{
    if (mRequestedFocusView == view)
        mRequestedFocusView = nullptr;
    if (mFocusView == view)
        mFocusView = nullptr;
}

void CABCWindow::ReapplyBounds()
{
    ShowWithBounds(mBounds);
}

CRect CABCWindow::GetBounds() const
{
    RECT bounds{};
    if (mHandle == nullptr || !GetWindowTable().GetWindowRect(mHandle, &bounds))
        return CRect();
    return ToRect(bounds);
}

CRect CABCWindow::GetClientBoundsOnScreen() const
{
    const CRect client = GetClientBounds();
    POINT origin{0, 0};
    GetWindowTable().ClientToScreen(mHandle, &origin);
    CRect onScreen = client;
    onScreen.Offset(origin.x, origin.y);
    return onScreen;
}

std::int32_t CABCWindow::GetFrameMetricWidth(bool sizing)
{
    return GetWindowTable().GetSystemMetrics(sizing ? SM_CXSIZEFRAME : SM_CXFIXEDFRAME);
}

std::int32_t CABCWindow::GetFrameMetricHeight(bool sizing)
{
    return GetWindowTable().GetSystemMetrics(sizing ? SM_CYSIZEFRAME : SM_CYFIXEDFRAME);
}

CFrameInsets CABCWindow::GetFrameInsets() const
{
    std::int32_t caption = 0;
    if (mKind == kKindDocument || mKind == kKindModalDialog)
        caption = GetWindowTable().GetSystemMetrics(SM_CYCAPTION);
    else if (mKind == kKindFloater)
        caption = GetWindowTable().GetSystemMetrics(SM_CYSMCAPTION);
    const std::int32_t width = GetFrameBorderWidth();
    const std::int32_t height = GetFrameBorderHeight();
    return CFrameInsets(width, height + caption, width, height);
}

CRect CABCWindow::GetFrameBoundsForClient(const CRect& client) const
{
    const CFrameInsets insets = GetFrameInsets();
    return CRect(client.GetLeft() - insets.GetLeft(), client.GetTop() - insets.GetTop(),
                 client.GetRight() + insets.GetRight(), client.GetBottom() + insets.GetBottom());
}

CRect CABCWindow::GetClientBoundsForFrame(const CRect& frame) const
{
    const CFrameInsets insets = GetFrameInsets();
    return CRect(frame.GetLeft() + insets.GetLeft(), frame.GetTop() + insets.GetTop(),
                 frame.GetRight() - insets.GetRight(), frame.GetBottom() - insets.GetBottom());
}

CPoint CABCWindow::GetFrameSizeForClientSize(const CPoint& size) const
{
    return GetFrameBoundsForClient(MakeSizedRect(size)).GetSize();
}

CRect CABCWindow::GetCenteredBounds(const CPoint& size) const
{
    const CRect area = GetWorkArea();
    CRect bounds = MakeSizedRect(size);
    bounds.AlignIn(area);
    bounds.PullInsideFromBottomRight(area);
    return bounds;
}

void CABCWindow::ShowCentered(const CPoint& size)
{
    ShowWithBounds(GetCenteredBounds(size));
}

void CABCWindow::ShowCenteredForClientSize(const CPoint& size)
{
    ShowWithBounds(GetCenteredBounds(GetFrameSizeForClientSize(size)));
}

void CABCWindow::Recenter()
{
    ShowWithBounds(GetCenteredBounds(mBounds.GetSize()));
}

CRect CABCWindow::GetStaggeredBounds(const CPoint& size) const
{
    const CRect area = GetWorkArea();
    const std::int32_t step =
        GetWindowTable().GetSystemMetrics(SM_CYCAPTION) + GetWindowTable().GetSystemMetrics(SM_CYSIZEFRAME);
    std::vector<CPoint> others;
    for (IRegisteredWindow* registered : GetWindowList()) {
        const auto* window = dynamic_cast<const CABCWindow*>(registered);
        if (window != nullptr && window != this)
            others.push_back(window->GetBounds().GetTopLeft());
    }
    const CPoint corner = GetStaggerCorner(area.GetTopLeft(), step, ChooseStaggerSlot(area.GetTopLeft(), step, others));
    CRect bounds = MakeSizedRect(size);
    bounds.MoveTo(corner);
    return bounds;
}

CRect CABCWindow::GetStaggeredBoundsForClientSize(const CPoint& size) const
{
    return GetStaggeredBounds(GetFrameSizeForClientSize(size));
}

void CABCWindow::ShowStaggered(const CPoint& size)
{
    SetBounds(GetStaggeredBounds(size));
}

void CABCWindow::ShowStaggeredForClientSize(const CPoint& size)
{
    SetBounds(GetStaggeredBoundsForClientSize(size));
}

std::string CABCWindow::GetTitle() const
{
    if (mHandle == nullptr)
        return std::string();
    char buffer[512] = {};
    const int length = GetWindowTable().GetWindowTextA(mHandle, buffer, static_cast<int>(sizeof buffer));
    return std::string(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

void CABCWindow::SetTitle(const std::string& title)
{
    if (mHandle != nullptr && title != GetTitle())
        GetWindowTable().SetWindowTextA(mHandle, title.c_str());
}

bool CABCWindow::Activate()
{
    GetWindowTable().SetActiveWindow(mHandle);
    return true;
}

bool CABCWindow::IsNativeStateSet() const
{
    return mHandle != nullptr && GetWindowTable().IsWindowVisible(mHandle) != FALSE;
}

void CABCWindow::InvalidateRegion(const CRegion& region)
{
    if (mHandle == nullptr || mRootView == nullptr || !region.IntersectsRect(*mRootView->GetFrame()))
        return;
    switch (region.GetKind()) {
    case CRegion::kEverything:
        GetWindowTable().InvalidateRect(mHandle, nullptr, FALSE);
        break;
    case CRegion::kRectangle: {
        const RECT rect = ToNative(region.GetBounds());
        GetWindowTable().InvalidateRect(mHandle, &rect, FALSE);
        break;
    }
    case CRegion::kNative: {
        CRegion shared(region);
        GetWindowTable().InvalidateRgn(mHandle, shared.GetNative()->GetHandle(), FALSE);
        break;
    }
    default:
        break;
    }
}

void CABCWindow::HandleActivated()
{
    if (mActive)
        return;
    mActive = true;
    RealizePalette();
    Activated();
    SetToolTipsActive(true);
    ApplyFocusRequest();
}

void CABCWindow::HandleDeactivated()
{
    if (!mActive)
        return;
    mActive = false;
    ApplyFocusRequest();
    SetToolTipsActive(false);
    CView* const capture = GetMouseCaptureView();
    if (capture != nullptr && capture->GetWindow() == this) {
        ReleaseMouseCapture();
        capture->ExtraHookB();
    }
    Deactivated();
}

void CABCWindow::RestoreIfMinimised()
{
    CWindowTable& table = GetWindowTable();
    if (mHandle == nullptr || !table.IsIconic(mHandle))
        return;
    const CApplication* application = CApplication::GetApplication();
    const HWND client = application != nullptr ? application->GetMDIClientHandle() : nullptr;
    if (mKind == kKindDocument && client != nullptr)
        table.SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(mHandle), 0);
    else
        table.ShowWindow(mHandle, SW_RESTORE);
}

void CABCWindow::SetPalette(const std::vector<CColor>& colors)
{
    if (colors.empty()) {
        mPalette.reset();
        return;
    }
    // The platform's palette record counts its entries in 16 bits.
    if (colors.size() > 0xFFFF)
        throw std::length_error("a palette holds at most 65535 colours");
    std::vector<CPaletteEntry> entries;
    entries.reserve(colors.size());
    for (const CColor& color : colors)
        entries.push_back({color.GetRed(), color.GetGreen(), color.GetBlue(), 0});
    mPalette = std::make_unique<CNativePalette>(entries.data(), static_cast<std::uint16_t>(entries.size()));
}

bool CABCWindow::RealizePalette()
{
    if (mPalette == nullptr || mHandle == nullptr)
        return false;
    CWindowTable& table = GetWindowTable();
    const HDC context = table.GetDC(mHandle);
    if (context == nullptr)
        throw XOutOfMemory();
    const BOOL background = IsActiveWindow(this) ? FALSE : TRUE;
    const HPALETTE previous = table.SelectPalette(context, mPalette->GetHandle(), background);
    table.RealizePalette(context);
    table.SelectPalette(context, previous, TRUE);
    table.ReleaseDC(mHandle, context);
    return true;
}

void CABCWindow::SetToolTipsActive(bool active)
{
    if (mToolTipControl != nullptr)
        ::NSTramvell::SetToolTipsActive(mToolTipControl, active);
}

void CABCWindow::CreateToolTipControl()
{
    mToolTipControl = ::NSTramvell::CreateToolTipControl(mHandle);
    if (mToolTipControl == nullptr)
        throw std::bad_alloc();
}

std::uint32_t CABCWindow::AddViewToolTip(CView* view, const std::string& text)
{
    if (mToolTipControl == nullptr)
        CreateToolTipControl();
    const std::uint32_t id = NextUniqueId();
    CRect visible = *view->GetFrame();
    CView::GetVisibleRect(view, visible);
    AddRectangleTool(mToolTipControl, mHandle, id, visible, text);
    return id;
}

std::uint32_t CABCWindow::AddNativeControlToolTip(CView* view, const std::string& text)
{
    if (mToolTipControl == nullptr)
        CreateToolTipControl();
    AddHandleTool(mToolTipControl, mHandle, GetNativeViewHandle(view), text);
    return AddViewToolTip(view, text);
}

void CABCWindow::SetToolRect(std::uint32_t id, const CRect& rect)
{
    if (mToolTipControl != nullptr)
        ::NSTramvell::SetToolRect(mToolTipControl, mHandle, id, rect);
}

void CABCWindow::RemoveViewToolTip(std::uint32_t id)
{
    if (mToolTipControl != nullptr)
        RemoveRectangleTool(mToolTipControl, mHandle, id);
}

void CABCWindow::RemoveNativeControlToolTip(HWND control, std::uint32_t id)
{
    if (mToolTipControl == nullptr)
        return;
    RemoveHandleTool(mToolTipControl, mHandle, control);
    RemoveViewToolTip(id);
}

void CABCWindow::BeginViewTracking(CView* view)
{
    SetToolTipsActive(false);
    GetWindowTable().SetCapture(GetTrackingHandle(*this, view));
}

void CABCWindow::EndViewTracking(CView* view)
{
    if (GetWindowTable().GetCapture() != GetTrackingHandle(*this, view))
        return;
    GetWindowTable().ReleaseCapture();
    SetToolTipsActive(true);
}

void CABCWindow::HandleLostCapture(CView* view)
{
    if (mActive)
        SetToolTipsActive(true);
    NSViewInternal::ClearTrackingView();
    view->HandleMouseUp(CView::kMouseUpCutOff);
}

void CABCWindow::ShowHelp()
{
    CApplication* application = CApplication::GetApplication();
    if (application != nullptr)
        application->ShowHelp(mHelpId != -1 ? mHelpId : application->GetDefaultHelpId(), this);
}

void CABCWindow::AddSizeBox()
{
    mRootView->AddSizeBox();
}

void CABCWindow::RemoveSizeBox()
{
    mRootView->RemoveSizeBox();
}

void CABCWindow::SetResizable(bool resizable)
{
    mResizable = resizable;
    if (resizable)
        AddSizeBox();
    else
        RemoveSizeBox();
}

void CABCWindow::EndTrackingOnMouseUp()
{
    if (CView* tracking = GetTrackingView())
        tracking->HandleMouseUp(CView::kMouseUpReleased);
}

void CABCWindow::AddFocusTarget(CView* view)
{
    mFocusOrder.push_back(view);
}

void CABCWindow::RemoveFocusTarget(CView* view)
{
    const auto found = std::find(mFocusOrder.begin(), mFocusOrder.end(), view);
    if (found != mFocusOrder.end())
        mFocusOrder.erase(found);
}

CPoint CABCWindow::GetMousePosition() const
{
    POINT position{};
    GetWindowTable().GetCursorPos(&position);
    GetWindowTable().ScreenToClient(mHandle, &position);
    return CPoint(position.x, position.y);
}

void CABCWindow::CaptureNativeMouse()
{
    if (mHandle != nullptr)
        GetWindowTable().SetCapture(mHandle);
}

void CABCWindow::ReleaseNativeMouse()
{
    GetWindowTable().ReleaseCapture();
}

CFrameInsets GetFrameInsets(std::int32_t borderKind)
{
    const std::int32_t caption = GetWindowTable().GetSystemMetrics(SM_CYCAPTION);
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (borderKind == 0) {
        width = GetWindowTable().GetSystemMetrics(SM_CXFIXEDFRAME);
        height = GetWindowTable().GetSystemMetrics(SM_CYFIXEDFRAME);
    } else if (borderKind >= 1 && borderKind <= 3) {
        width = GetWindowTable().GetSystemMetrics(SM_CXSIZEFRAME);
        height = GetWindowTable().GetSystemMetrics(SM_CYSIZEFRAME);
    }
    return CFrameInsets(width, caption + height, width, height);
}

bool IsActiveWindow(const CABCWindow* window)
{
    return window != nullptr && window == GetActiveFrameworkWindow();
}

namespace {

BOOL CALLBACK FindFrontWindowCallback(HWND window, LPARAM found)
{
    return FindNonAuxiliaryWindowCallback(window, reinterpret_cast<HWND*>(found)) != 0 ? TRUE : FALSE;
}

} // namespace

CABCWindow* FindFrontWindow()
{
    HWND found = nullptr;
    GetWindowTable().EnumWindows(&FindFrontWindowCallback, reinterpret_cast<LPARAM>(&found));
    return dynamic_cast<CABCWindow*>(FindWindowByHandle(found));
}

CABCWindow* GetActiveFrameworkWindow()
{
    const CApplication* application = CApplication::GetApplication();
    if (application != nullptr && !application->IsInFront())
        return nullptr;
    return FindFocusFrameworkWindow();
}

bool IsModalWindowInFront()
{
    const CABCWindow* active = GetActiveFrameworkWindow();
    return active != nullptr && active->IsModal();
}

void MoveNativeControl(HWND control, const CRect& rect)
{
    GetWindowTable().MoveWindow(control, rect.GetLeft(), rect.GetTop(), rect.GetWidth(), rect.GetHeight(), FALSE);
}

void RelayMouseToToolTips(HWND handle, std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (GetToolTipRelay(message).mMessage == 0)
        return;
    for (IRegisteredWindow* registered : GetWindowList()) {
        auto* window = dynamic_cast<CABCWindow*>(registered);
        if (window != nullptr && window->GetToolTipControl() != nullptr && window->IsNativeStateSet())
            RelayMouseToToolTipControl(window->GetToolTipControl(), handle, message, first, second);
    }
}

void IncrementBusyCount()
{
    ++gBusyCount;
}

void DecrementBusyCount()
{
    --gBusyCount;
}

std::int16_t GetBusyCount()
{
    return gBusyCount;
}

} // namespace NSTramvell
