// The platform half of the native-control glue: making, linking and destroying controls, the shared
// procedure, text and redraw, and the registry's answer to the window procedure.

#include "framework/views/controls/NativeControlGlue.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/foundation/platform/win32/PlatformCallsWin32.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/trace/Trace.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/drawing/ScreenResources.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"
#include "framework/gui/views/View.h"
#include "framework/gui/windows/FocusHandling.h"
#include "framework/gui/windows/InputSeams.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/controls/NativeWindowHandle.h"

#include <cstring>
#include <exception>

namespace NSWinControlUtils {

using NSTramvell::GetWindowTable;

namespace {

constexpr std::size_t kTextBufferSize = 64;

// Nothing thrown while a control's message is handled may unwind into the platform: the application
// reports it, and a report that fails itself is traced and dropped.
template <typename TReport>
void Report(TReport&& report) noexcept
{
    try {
        if (NSTramvell::CApplication* application = NSTramvell::CApplication::GetApplication())
            report(*application);
    } catch (const std::exception& e) {
        NSTramvell::Trace(0, 0, "Exception report failed: %s", e.what());
    } catch (...) {
        NSTramvell::Trace(0, 0, "Exception report failed with an unknown exception");
    }
}

LRESULT CALLBACK NativeControlProc(HWND handle, UINT message, WPARAM first, LPARAM second)
{
    try {
        NSTramvell::RelayMouseToToolTips(handle, message, first, second);
        IWinControlCallback* callback = FindNativeControlCallback(handle);
        if (callback == nullptr)
            return 0;
        return callback->HandleNativeMessage(message, first, second);
    } catch (const std::exception& e) {
        Report([&](NSTramvell::CApplication& application) { application.ReportException(e); });
    } catch (...) {
        Report([](NSTramvell::CApplication& application) { application.ReportUnknownException(); });
    }
    return 0;
}

} // namespace

HWND CreateNativeControl(NSTramvell::CABCWindow& window, std::uint32_t extendedStyle, std::uint32_t style,
                         std::int32_t kind, const char* title, const NSTramvell::CRect& frame, std::uint16_t controlId)
{
    const char* className = GetNativeControlClassName(kind);
    if (className == nullptr)
        throw NSTramvell::XBase();
    HWND handle = NSTramvell::CallWindowManager12(
        extendedStyle, className, title, style, frame.GetLeft(), frame.GetTop(), frame.GetWidth(), frame.GetHeight(),
        window.GetWindowHandle(), reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(controlId)),
        NSTramvell::CABCCodeModule::GetCurrent()->GetInstanceHandle(), nullptr);
    if (handle == nullptr)
        throw NSTramvell::XOutOfMemory();
    GetWindowTable().SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(NSTramvell::GetDefaultControlFont()),
                                  FALSE);
    return handle;
}

void DestroyNativeControl(HWND handle)
{
    if (handle == nullptr || !GetWindowTable().IsWindow(handle))
        return;
    SetNativeRedraw(handle, false);
    GetWindowTable().DestroyWindow(handle);
}

CNativeControlLink::CNativeControlLink(HWND handle, IWinControlCallback* callback)
    : mHandle(handle)
    , mCallback(callback)
{
    RegisterNativeControlCallback(callback);
    mPreviousProcedure = GetWindowTable().SetWindowLongPtrA(handle, GWLP_WNDPROC,
                                                            reinterpret_cast<LONG_PTR>(&NativeControlProc));
    if (mPreviousProcedure == 0) {
        // Without its own procedure the control could answer nothing; the owner's constructor fails.
        UnregisterNativeControlCallback(callback);
        DestroyNativeControl(handle);
        throw NSTramvell::XBase();
    }
}

CNativeControlLink::~CNativeControlLink()
{
    UnregisterNativeControlCallback(mCallback);
}

std::intptr_t CNativeControlLink::HandleMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (message == WM_CAPTURECHANGED) {
        NSTramvell::CView* view = mCallback->GetView();
        if (view != nullptr && view->GetWindow() != nullptr)
            view->GetWindow()->HandleLostCapture(view);
    }
    return CallPreviousWindowProc(message, first, second);
}

std::intptr_t CNativeControlLink::CallPreviousWindowProc(std::uint32_t message, std::uintptr_t first,
                                                         std::intptr_t second)
{
    return GetWindowTable().CallWindowProcA(reinterpret_cast<WNDPROC>(mPreviousProcedure), mHandle, message, first,
                                            second);
}

IWinControlCallback* FindNativeControlCallback(HWND handle)
{
    if (handle == nullptr || GetWindowTable().GetParent(handle) == nullptr)
        return nullptr;
    return FindRegisteredCallback(handle);
}

void NotifyNativeFocusGained(HWND handle, std::uint32_t, std::uintptr_t first, std::intptr_t)
{
    NSTramvell::NotifyControlGainedFocus(handle, reinterpret_cast<HWND>(first));
}

void NotifyNativeFocusLost(HWND handle)
{
    NSTramvell::NotifyControlLostFocus(handle);
}

std::string GetNativeText(HWND handle)
{
    char buffer[kTextBufferSize] = {};
    GetWindowTable().SendMessageA(handle, WM_GETTEXT, kTextBufferSize, reinterpret_cast<LPARAM>(buffer));
    buffer[kTextBufferSize - 1] = '\0';
    return std::string(buffer, std::strlen(buffer));
}

void SetNativeText(HWND handle, const std::string& text)
{
    if (GetNativeText(handle) == text)
        return;
    GetWindowTable().SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SetNativeRedraw(HWND handle, bool on)
{
    GetWindowTable().SendMessageA(handle, WM_SETREDRAW, on ? TRUE : FALSE, 0);
}

bool RedrawNativeArea(HWND handle, const NSTramvell::CRect* area, HRGN region, std::uint32_t flags)
{
    const RECT native = area != nullptr ? NSTramvell::ToNative(*area) : RECT{};
    return GetWindowTable().RedrawWindow(handle, area != nullptr ? &native : nullptr, region, flags) != FALSE;
}

void PlaceNativeControl(HWND handle, const NSTramvell::CRect& rect)
{
    SetNativeRedraw(handle, false);
    NSTramvell::MoveNativeControl(handle, rect);
    SetNativeRedraw(handle, true);
}

bool SyncNativeEnabled(HWND handle, bool enabled)
{
    if ((GetWindowTable().IsWindowEnabled(handle) != FALSE) == enabled)
        return false;
    GetWindowTable().EnableWindow(handle, enabled ? TRUE : FALSE);
    return true;
}

bool IsVisibleInWindow(const NSTramvell::CView& view)
{
    NSTramvell::CRect visible = *view.GetFrame();
    return !visible.IsEmpty() && NSTramvell::CView::GetVisibleRect(&view, visible) && !visible.IsEmpty();
}

} // namespace NSWinControlUtils

namespace NSTramvell {

CView* FindNativeControlView(HWND control)
{
    NSWinControlUtils::IWinControlCallback* callback = NSWinControlUtils::FindNativeControlCallback(control);
    return callback != nullptr ? callback->GetView() : nullptr;
}

bool CallControlCallback(HWND control, std::uint32_t message, std::uintptr_t first, std::intptr_t second,
                         std::intptr_t& result)
{
    NSWinControlUtils::IWinControlCallback* callback = NSWinControlUtils::FindNativeControlCallback(control);
    if (callback == nullptr)
        return false;
    result = callback->HandleParentNotification(message, first, second);
    return true;
}

std::intptr_t PassNativeWindowMessage(HWND window, std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    return GetWindowTable().SendMessageA(window, message, first, second);
}

HWND GetNativeParentWindow(HWND window)
{
    return GetWindowTable().GetParent(window);
}

} // namespace NSTramvell
