#include "framework/gui/windows/WindowProcedure.h"

#include "framework/foundation/platform/IdleManager.h"
#include "framework/foundation/platform/PlatformCalls.h"
#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/trace/Trace.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/drawing/Palette.h"
#include "framework/gui/drawing/ScreenResources.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"
#include "framework/gui/input/ModifierKeys.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/DrawSpecs.h"
#include "framework/gui/windows/FrameLayout.h"
#include "framework/gui/windows/InputSeams.h"
#include "framework/gui/windows/MouseEntryPoints.h"
#include "framework/gui/windows/Window.h"
#include "framework/gui/windows/WindowCanvas.h"
#include "framework/gui/windows/WindowHelpers.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <vector>

namespace NSTramvell {

namespace {

using NSWindowProcedure::CMessage;
using NSWindowProcedure::CMessageRow;

std::set<void*>& GetDisposableHandles()
{
    static std::set<void*> handles;
    return handles;
}

CABCWindow* FindFrameworkWindow(HWND handle)
{
    return dynamic_cast<CABCWindow*>(FindWindowByHandle(handle));
}

std::intptr_t Default(const CMessage& m)
{
    return DefaultProcessing(m.kind, m.handle, m.message, m.first, m.second);
}

// The window kind that is the program's main window in document mode.
bool IsMainWindowKind(std::int32_t kind) { return kind == CABCWindow::kKindDocument; }

std::uint32_t MessageTime() { return static_cast<std::uint32_t>(GetWindowTable().GetMessageTime()); }

std::intptr_t OnCreate(const CMessage& m)
{
    if (m.kind == CABCWindow::kKindDocument)
        GetWindowTable().DragAcceptFiles(m.handle, TRUE);
    return Default(m);
}

std::intptr_t OnDestroy(const CMessage& m)
{
    CWindowTable& table = GetWindowTable();
    if (m.kind == CABCWindow::kKindDocument) {
        // The menus belong to the application and must outlive the window.
        table.SetMenu(m.handle, nullptr);
        table.DragAcceptFiles(m.handle, FALSE);
        table.PostQuitMessage(0);   // the framework's loop drops it; other loops end
        return 0;
    }
    if (m.kind == CABCWindow::kKindModalDialog) {
        if (HWND owner = table.GetWindow(m.handle, GW_OWNER))
            table.SetActiveWindow(owner);
        return 0;
    }
    return Default(m);
}

std::intptr_t OnSize(const CMessage& m)
{
    if (GetApplicationMode() == kFrameMode && m.kind == CABCWindow::kKindFrame) {
        LayOutFrameClient(static_cast<std::int32_t>(LOWORD(m.second)), static_cast<std::int32_t>(HIWORD(m.second)));
        return 0;
    }
    if (m.window != nullptr && !GetWindowTable().IsIconic(m.handle))
        FitRootViewToClient(*m.window);
    return Default(m);
}

std::intptr_t OnActivate(const CMessage& m)
{
    const std::intptr_t result = Default(m);
    if (m.window != nullptr) {
        if (LOWORD(m.first) != WA_INACTIVE) {
            m.window->Activate();
            m.window->HandleActivated();
        } else {
            m.window->HandleDeactivated();
        }
    }
    return result;
}

std::intptr_t OnFocus(const CMessage& m)
{
    if (m.window != nullptr && m.kind != CABCWindow::kKindFrame)
        NotifyWindowFocus(*m.window, m.message, m.first, m.second);
    return Default(m);
}

std::intptr_t OnPaint(const CMessage& m)
{
    CWindowTable& table = GetWindowTable();
    if (m.window == nullptr || table.IsIconic(m.handle))
        return Default(m);
    PAINTSTRUCT paint{};
    HDC context = table.BeginPaint(m.handle, &paint);
    try {
        CWindowPaintCanvas canvas(m.window, context);
        canvas.SetClipRegion(CRegion(ToRect(paint.rcPaint)));
        CRealViewDrawSpec drawSpec(&canvas);
        m.window->GetRootView()->Draw(drawSpec);
    } catch (const std::bad_alloc&) {
        if (CApplication* application = CApplication::GetApplication())
            application->EnterLowMemoryState();
    } catch (const std::exception& e) {
        Trace(0, 0, "Paint dropped: %s", e.what());
    }
    table.EndPaint(m.handle, &paint);
    return 0;
}

std::intptr_t OnClose(const CMessage& m)
{
    const auto style = static_cast<std::uint32_t>(GetWindowTable().GetWindowLongA(m.handle, GWL_STYLE));
    // A splash screen is a bare pop-up too, but one that waits on a loop of its own, which must learn of
    // the close.
    if ((style & WS_POPUP) != 0 && (style & WS_SYSMENU) == 0 && m.kind != CABCWindow::kKindSplash)
        return 1;
    switch (m.kind) {
    case CABCWindow::kKindDocument:
        if (CApplication* application = CApplication::GetApplication()) {
            application->TryQuit();
            return 0;
        }
        return Default(m);
    case CABCWindow::kKindModalDialog:
    case CABCWindow::kKindSplash:
    case CABCWindow::kKindFloater:
    case CABCWindow::kKindToolTip:
        if (m.window != nullptr) {
            m.window->CloseIfAllowed();
            return 0;
        }
        return Default(m);
    default:
        return Default(m);
    }
}

std::intptr_t OnQueryEndSession(const CMessage& m)
{
    CApplication* application = CApplication::GetApplication();
    if (!IsMainWindowKind(m.kind) || application == nullptr)
        return Default(m);
    return application->QuitAndDrainEvents() ? 1 : 0;
}

std::intptr_t OnEraseBackground(const CMessage& m) { return m.window != nullptr ? 1 : Default(m); }

std::intptr_t OnSystemColorsChanged(const CMessage& m)
{
    CApplication* application = CApplication::GetApplication();
    if (IsMainWindowKind(m.kind) && application != nullptr)
        application->ScreenChanged();
    return Default(m);
}

std::intptr_t OnDisplayChanged(const CMessage& m)
{
    CApplication* application = CApplication::GetApplication();
    if (!IsMainWindowKind(m.kind) || application == nullptr)
        return Default(m);
    // Realising our own palette announces a change to every window, ours included; answering that
    // with a new realisation would go round forever on an 8-bit screen.
    if (m.message == WM_PALETTECHANGED && FindWindowByHandle(reinterpret_cast<HWND>(m.first)) != nullptr)
        return Default(m);
    application->ScreenChanged();
    for (IRegisteredWindow* registered : GetWindowList()) {
        auto* window = dynamic_cast<CABCWindow*>(registered);
        if (window != nullptr && window->IsNativeStateSet())
            GetWindowTable().InvalidateRect(window->GetWindowHandle(), nullptr, FALSE);
    }
    return Default(m);
}

std::intptr_t OnActivateApplication(const CMessage& m)
{
    CApplication* application = CApplication::GetApplication();
    if (!IsMainWindowKind(m.kind) || application == nullptr)
        return Default(m);
    if (m.first != 0 && !application->IsInFront())
        application->Activate();
    else if (m.first == 0 && application->IsInFront())
        application->Deactivate();
    return 0;
}

// The cursor is the framework's over the client area of the framework window under the mouse, also
// where a child window of it (a native control) is under the mouse.
std::intptr_t OnSetCursor(const CMessage& m)
{
    CApplication* application = CApplication::GetApplication();
    if (application == nullptr || !application->IsInFront() || LOWORD(m.second) != HTCLIENT)
        return Default(m);
    CWindowTable& table = GetWindowTable();
    POINT mouse{};
    table.GetCursorPos(&mouse);
    const CABCWindow* under = FindWindowUnderPoint(ToPoint(mouse));
    const auto cursorWindow = reinterpret_cast<HWND>(m.first);
    if (under == nullptr || (cursorWindow != under->GetWindowHandle() &&
                             !table.IsChild(under->GetWindowHandle(), cursorWindow)))
        return Default(m);
    UpdateCursor();
    return 1;
}

std::intptr_t OnMinMaxInfo(const CMessage& m)
{
    const std::intptr_t result = Default(m);
    if (m.window == nullptr)
        return result;
    std::int32_t minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
    m.window->GetSizeLimits(minWidth, minHeight, maxWidth, maxHeight);
    const CPoint minimum = m.window->GetFrameSizeForClientSize(CPoint(minWidth, minHeight));
    const CPoint maximum = m.window->GetFrameSizeForClientSize(CPoint(maxWidth, maxHeight));
    auto* info = reinterpret_cast<MINMAXINFO*>(m.second);
    info->ptMinTrackSize = POINT{minimum.GetX(), minimum.GetY()};
    info->ptMaxTrackSize = POINT{maximum.GetX(), maximum.GetY()};
    return 0;
}

std::intptr_t OnNotify(const CMessage& m)
{
    const auto* header = reinterpret_cast<const NMHDR*>(m.second);
    if (header == nullptr || header->hwndFrom == nullptr)
        return Default(m);
    return ForwardToNativeControl(header->hwndFrom, m.message, m.first, m.second);
}

std::intptr_t OnHelp(const CMessage& m)
{
    HandleHelpMessage(m.window, m.second);
    return 1;
}

std::intptr_t OnContextMenu(const CMessage& m)
{
    if (m.window == nullptr || (m.kind != CABCWindow::kKindDocument && m.kind != CABCWindow::kKindModalDialog))
        return Default(m);
    m.window->Activate();
    POINT position{GET_X_LPARAM(m.second), GET_Y_LPARAM(m.second)};
    GetWindowTable().ScreenToClient(m.handle, &position);
    CModifierKeys modifiers;
    CModifierKeys::ReadForEvent(modifiers);
    m.window->HandleContextClick(CMouseEvent(CMouseEvent::kPress, ToPoint(position), MessageTime(), modifiers, true));
    return 0;
}

std::intptr_t OnHitTest(const CMessage& m) { return DefaultProcessing(m.kind, m.handle, m.message, 0, m.second); }

std::intptr_t OnNonClientMouseMove(const CMessage& m)
{
    SetHoverView(nullptr);
    return Default(m);
}

std::intptr_t OnKey(const CMessage& m)
{
    DispatchKeyMessage(m.handle, m.message, m.first, m.second);
    return 0;
}

std::intptr_t OnCommand(const CMessage& m)
{
    if ((LOWORD(m.first) & 0xF000) == 0xF000)
        return Default(m);
    DispatchCommandMessage(m.handle, m.first, m.second);
    if (m.second != 0)
        ForwardToNativeControl(reinterpret_cast<HWND>(m.second), m.message, m.first, m.second);
    return 0;
}

std::intptr_t AnswerZero(const CMessage&) { return 0; }

std::intptr_t OnScroll(const CMessage& m)
{
    return ForwardToNativeControl(reinterpret_cast<HWND>(m.second), m.message, m.first, m.second);
}

std::intptr_t OnInitMenu(const CMessage& m)
{
    PrepareMenuBarForDisplay();
    return Default(m);
}

std::intptr_t OnButtonDown(const CMessage& m)
{
    // Signed: a captured press left of or above the client area is negative, not near 65535.
    const std::int32_t x = GET_X_LPARAM(m.second);
    const std::int32_t y = GET_Y_LPARAM(m.second);
    const auto keyState = static_cast<std::uint32_t>(m.first);
    if (m.message == WM_LBUTTONDBLCLK)
        HandleButtonDoubleClick(m.handle, keyState, x, y, MessageTime());
    else
        HandleButtonDown(m.handle, keyState, x, y, MessageTime());
    return 0;
}

std::intptr_t OnButtonUp(const CMessage& m)
{
    HandleButtonUp(m.handle, static_cast<std::uint32_t>(m.first), GET_X_LPARAM(m.second), GET_Y_LPARAM(m.second),
                   MessageTime());
    return 0;
}

std::intptr_t OnRightButton(const CMessage& m)
{
    return DefaultProcessing(m.kind, m.handle, WM_RBUTTONDOWN, m.first, m.second);
}

std::intptr_t OnWheel(const CMessage& m)
{
    if (m.window != nullptr && DispatchWheelMessage(*m.window, m.first, m.second))
        return 0;
    return Default(m);
}

std::intptr_t OnCaptureChanged(const CMessage& m)
{
    CView* tracking = GetTrackingView();
    if (tracking != nullptr && tracking->GetWindow() != nullptr &&
        tracking->GetWindow()->GetWindowHandle() != reinterpret_cast<HWND>(m.second))
        tracking->GetWindow()->HandleLostCapture(tracking);
    return 0;
}

std::intptr_t OnDropFiles(const CMessage& m)
{
    auto drop = reinterpret_cast<HDROP>(m.first);
    CWindowTable& table = GetWindowTable();
    const UINT count = table.DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    CApplication* application = CApplication::GetApplication();
    for (UINT index = 0; index < count; ++index) {
        char name[MAX_PATH] = {};
        table.DragQueryFileA(drop, index, name, MAX_PATH);
        if (name[0] != '\0' && application != nullptr)
            application->OpenPath(name);
    }
    table.DragFinish(drop);
    return 0;
}

std::intptr_t OnQueryNewPalette(const CMessage& m)
{
    CABCWindow* window = m.window;
    CApplication* application = CApplication::GetApplication();
    if (window == nullptr && application != nullptr && application->IsInFront())
        window = GetActiveFrameworkWindow();
    if (window == nullptr)
        return 0;
    window->RealizePalette();
    // The paint canvas selects the screen's palette; repainting realises it.
    if (GetScreenPalette().GetDepth() == 8)
        GetWindowTable().InvalidateRect(window->GetWindowHandle(), nullptr, FALSE);
    return 1;
}

std::intptr_t OnIdlePulse(const CMessage& m)
{
    if (CApplication* application = CApplication::GetApplication()) {
        const std::int32_t pending = application->GetPendingIdlePulses();
        if (pending > 0)
            application->SetPendingIdlePulses(pending - 1);
    }
    GetIdleManager().DoIdle(GetClock());
    return Default(m);
}

std::intptr_t OnDisposeRequest(const CMessage& m)
{
    void* handle = reinterpret_cast<void*>(m.second);
    if (handle == nullptr || GetDisposableHandles().count(handle) == 0)
        return -1;
    try {
        if (!DisposeSystemHandle(handle))
            return -1;
    } catch (const std::exception& e) {
        Trace(0, 0, "Dispose request failed: %s", e.what());
        return -1;
    }
    GetDisposableHandles().erase(handle);
    return 0;
}

constexpr CMessageRow kMessageTable[] = {
    {WM_CREATE, false, &OnCreate},
    {WM_DESTROY, false, &OnDestroy},
    {WM_SIZE, true, &OnSize},
    {WM_ACTIVATE, false, &OnActivate},
    {WM_SETFOCUS, false, &OnFocus},
    {WM_KILLFOCUS, false, &OnFocus},
    {WM_PAINT, true, &OnPaint},
    {WM_CLOSE, true, &OnClose},
    {WM_QUERYENDSESSION, false, &OnQueryEndSession},
    {WM_ERASEBKGND, true, &OnEraseBackground},
    {WM_SYSCOLORCHANGE, true, &OnSystemColorsChanged},
    {WM_DEVMODECHANGE, true, &OnDisplayChanged},
    {WM_ACTIVATEAPP, false, &OnActivateApplication},
    {WM_SETCURSOR, true, &OnSetCursor},
    {WM_GETMINMAXINFO, true, &OnMinMaxInfo},
    {WM_NOTIFY, true, &OnNotify},
    {WM_HELP, true, &OnHelp},
    {WM_CONTEXTMENU, true, &OnContextMenu},
    {WM_DISPLAYCHANGE, true, &OnDisplayChanged},
    {WM_NCHITTEST, true, &OnHitTest},
    {WM_NCACTIVATE, false, &Default},
    {WM_NCMOUSEMOVE, true, &OnNonClientMouseMove},
    {WM_KEYDOWN, true, &OnKey},
    {WM_KEYUP, true, &OnKey},
    {WM_CHAR, true, &OnKey},
    {WM_DEADCHAR, true, &Default},
    {WM_COMMAND, true, &OnCommand},
    {WM_TIMER, true, &AnswerZero},
    {WM_HSCROLL, true, &OnScroll},
    {WM_VSCROLL, true, &OnScroll},
    {WM_INITMENU, true, &OnInitMenu},
    {WM_MOUSEMOVE, true, &AnswerZero},
    {WM_LBUTTONDOWN, true, &OnButtonDown},
    {WM_LBUTTONUP, true, &OnButtonUp},
    {WM_LBUTTONDBLCLK, true, &OnButtonDown},
    {WM_RBUTTONDOWN, true, &OnRightButton},
    {WM_RBUTTONDBLCLK, true, &OnRightButton},
    {WM_MOUSEWHEEL, false, &OnWheel},
    {WM_CAPTURECHANGED, false, &OnCaptureChanged},
    {WM_MDIACTIVATE, false, &Default},
    {WM_DROPFILES, false, &OnDropFiles},
    {WM_QUERYNEWPALETTE, true, &OnQueryNewPalette},
    {WM_PALETTECHANGED, true, &OnDisplayChanged},
    {kIdlePulseMessage, true, &OnIdlePulse},
    {kDisposeRequestMessage, false, &OnDisposeRequest},
    {kQuietMessage, false, &AnswerZero},
};

} // namespace

namespace NSWindowProcedure {

std::intptr_t Dispatch(const CMessage& m, bool disposing)
{
    const auto row = std::find_if(std::begin(kMessageTable), std::end(kMessageTable),
                                  [&](const CMessageRow& r) { return r.message == m.message; });
    if (row == std::end(kMessageTable)) {
        std::intptr_t result = 0;
        if (m.window != nullptr && m.window->HandleOtherMessage(m.message, m.first, m.second, result))
            return result;
        return Default(m);
    }
    if (row->skippedWhileDisposing && disposing)
        return Default(m);
    return row->handler(m);
}

} // namespace NSWindowProcedure

namespace {

// After a handler threw: the application reports it (a throwing report is traced and dropped).
template <typename TReport>
void Report(TReport&& report) noexcept
{
    try {
        report();
    } catch (const std::exception& e) {
        Trace(0, 0, "Exception report failed: %s", e.what());
    } catch (...) {
        Trace(0, 0, "Exception report failed with an unknown exception");
    }
}

std::intptr_t AfterReport(const CMessage& m) noexcept
{
    // Default processing of a close would destroy a window the framework still holds (the main window,
    // a modal dialog whose loop is waiting).
    if (m.message == WM_CLOSE)
        return 0;
    try {
        return Default(m);
    } catch (const std::exception& e) {
        Trace(0, 0, "Default processing failed: %s", e.what());
        return 0;
    }
}

} // namespace

namespace NSWindowProcedure {

const CMessageRow* GetMessageTable(std::size_t& count)
{
    count = std::size(kMessageTable);
    return kMessageTable;
}

} // namespace NSWindowProcedure

std::intptr_t DefaultProcessing(std::int32_t kind, HWND handle, std::uint32_t message, std::uintptr_t first,
                                std::intptr_t second)
{
    if (kind < CABCWindow::kKindDocument || kind > CABCWindow::kKindToolTip)
        return 0;
    return GetWindowTable().DefWindowProcA(handle, message, first, second);
}

std::intptr_t WindowProcedure(std::int32_t kind, HWND handle, std::uint32_t message, std::uintptr_t first,
                              std::intptr_t second)
{
    if (IsApplicationQueryMessage(message))
        return GetApplicationQueryAnswer() ? 1 : 0;
    CMessage m{kind, handle, message, first, second, nullptr};
    try {
        RelayMouseToToolTips(handle, message, first, second);
        m.window = FindFrameworkWindow(handle);
        const bool disposing = m.window != nullptr && m.window->IsDisposing();
        return NSWindowProcedure::Dispatch(m, disposing);
    } catch (const std::exception& e) {
        CApplication* application = CApplication::GetApplication();
        if (application != nullptr)
            Report([&] { application->ReportException(e); });
        else
            Trace(0, 0, "Window message 0x%x failed: %s", message, e.what());
    } catch (...) {
        CApplication* application = CApplication::GetApplication();
        if (application != nullptr)
            Report([&] { application->ReportUnknownException(); });
        else
            Trace(0, 0, "Window message 0x%x failed with an unknown exception", message);
    }
    return AfterReport(m);
}

void RegisterHandleForDisposal(void* handle) { GetDisposableHandles().insert(handle); }

void UnregisterHandleForDisposal(void* handle) { GetDisposableHandles().erase(handle); }

namespace {

bool IsCycleCandidate(const CABCWindow* window)
{
    return window != nullptr && window->GetWindowHandle() != nullptr && window->IsNativeStateSet() &&
           !window->IsAuxiliary() && window->IsCycleTarget();
}

// The frame's client activates its documents; without one the window activates itself.
void ActivateCycled(CABCWindow& window)
{
    const CApplication* application = CApplication::GetApplication();
    const HWND client = application != nullptr ? application->GetMDIClientHandle() : nullptr;
    if (client != nullptr)
        GetWindowTable().SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window.GetWindowHandle()), 0);
    else
        window.Activate();
}

template <typename TIterator>
void ActivateFollowing(TIterator begin, TIterator end)
{
    const CABCWindow* active = GetActiveFrameworkWindow();
    std::vector<CABCWindow*> candidates;
    for (TIterator it = begin; it != end; ++it) {
        auto* window = dynamic_cast<CABCWindow*>(*it);
        if (IsCycleCandidate(window))
            candidates.push_back(window);
    }
    if (candidates.empty())
        return;
    const auto current = std::find(candidates.begin(), candidates.end(), active);
    if (current != candidates.end() && current + 1 != candidates.end()) {
        ActivateCycled(**(current + 1));
        return;
    }
    if (candidates.front() != active)
        candidates.front()->Activate();
}

} // namespace

void ActivateNextWindow()
{
    const std::vector<IRegisteredWindow*> windows = GetWindowList();
    ActivateFollowing(windows.begin(), windows.end());
}

void ActivatePreviousWindow()
{
    const std::vector<IRegisteredWindow*> windows = GetWindowList();
    ActivateFollowing(windows.rbegin(), windows.rend());
}

void EnterModalState(HWND keptEnabled)
{
    for (IRegisteredWindow* registered : GetWindowList()) {
        auto* window = dynamic_cast<CABCWindow*>(registered);
        if (window == nullptr || window->GetWindowHandle() == keptEnabled)
            continue;
        if (window->GetModalDisableCount() == 0)
            GetWindowTable().EnableWindow(window->GetWindowHandle(), FALSE);
        window->SetModalDisableCount(static_cast<std::uint16_t>(window->GetModalDisableCount() + 1));
    }
}

void LeaveModalState(HWND keptEnabled)
{
    for (IRegisteredWindow* registered : GetWindowList()) {
        auto* window = dynamic_cast<CABCWindow*>(registered);
        if (window == nullptr || window->GetWindowHandle() == keptEnabled || window->GetModalDisableCount() == 0)
            continue;
        window->SetModalDisableCount(static_cast<std::uint16_t>(window->GetModalDisableCount() - 1));
        if (window->GetModalDisableCount() == 0)
            GetWindowTable().EnableWindow(window->GetWindowHandle(), TRUE);
    }
}

} // namespace NSTramvell
