#include "framework/gui/windows/WindowHelpers.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/InputSeams.h"
#include "framework/gui/windows/Window.h"

namespace NSTramvell {
namespace {

std::uint32_t gNextUniqueId = 1;

CABCWindow* FindFrameworkWindow(HWND handle)
{
    return dynamic_cast<CABCWindow*>(FindWindowByHandle(handle));
}

bool IsWine()
{
    // Every process has the system library loaded for good, so the reference taken here costs nothing.
    const HMODULE ntdll = GetKernelTable().LoadLibraryA("ntdll.dll");
    return ntdll != nullptr && GetKernelTable().GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

} // namespace

// Wine hands a top-level window with a caption, or an active one, to the X window manager, and hiding
// such a window first waits up to two seconds for the manager to report it mapped. With no manager
// running nothing reports, so an answered alert stayed on the X screen for two seconds while the thread
// stood still. A window no longer marked visible is destroyed without that hide, and its X window goes
// at once; what lay beneath is then repainted, as the hide would have had it. Windows hides and
// repaints on destruction by itself, so there the window is only destroyed.
void DestroyNativeWindow(HWND window)
{
    CWindowTable& table = GetWindowTable();
    const auto style = static_cast<DWORD>(table.GetWindowLongA(window, GWL_STYLE));
    RECT bounds{};
    const bool shownTopLevel = (style & WS_VISIBLE) != 0 && (style & WS_CHILD) == 0;
    const bool leaveAtOnce = shownTopLevel && IsWine() && table.GetWindowRect(window, &bounds) != FALSE;
    if (leaveAtOnce)
        table.SetWindowLongPtrA(window, GWL_STYLE, static_cast<LONG_PTR>(style & ~static_cast<DWORD>(WS_VISIBLE)));
    table.DestroyWindow(window);
    if (leaveAtOnce)
        table.RedrawWindow(nullptr, &bounds, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

CABCWindow* FindFocusFrameworkWindow()
{
    for (HWND window = GetWindowTable().GetActiveWindow(); window != nullptr;
         window = GetWindowTable().GetParent(window)) {
        if (CABCWindow* found = FindFrameworkWindow(window))
            return found;
    }
    return nullptr;
}

std::int32_t FindNonAuxiliaryWindowCallback(HWND window, HWND* out)
{
    const CABCWindow* found = FindFrameworkWindow(window);
    if (found == nullptr || found->IsAuxiliary())
        return 1;
    *out = window;
    return 0;
}

void FitRootViewToClient(CABCWindow& window)
{
    CView* const rootView = window.GetRootView();
    const CRect oldFrame = *rootView->GetFrame();
    const CRect newFrame = window.GetClientBounds();
    rootView->SetFrame(newFrame);
    window.RootFrameChanged(oldFrame, newFrame);
}

std::uint32_t NextUniqueId()
{
    if (gNextUniqueId == 0)
        gNextUniqueId = 1;
    return gNextUniqueId++;
}

bool IsApplicationQueryMessage(std::uint32_t message)
{
    const CApplication* application = CApplication::GetApplication();
    return application != nullptr && application->GetQueryCancelAutoPlayMessage() != 0 &&
           message == application->GetQueryCancelAutoPlayMessage();
}

bool GetApplicationQueryAnswer()
{
    const CApplication* application = CApplication::GetApplication();
    return application != nullptr && application->GetCancelAutoPlay();
}

std::intptr_t ForwardToNativeControl(HWND control, std::uint32_t message, std::uintptr_t first,
                                     std::intptr_t second)
{
    std::intptr_t result = 0;
    CallControlCallback(control, message, first, second, result);
    return result;
}

HWND GetNativeViewHandle(const CView* view)
{
    const auto* native = dynamic_cast<const INativeView*>(view);
    return native != nullptr ? native->GetNativeHandle() : nullptr;
}

bool IsPrimaryButtonDown()
{
    const int button = GetWindowTable().GetSystemMetrics(SM_SWAPBUTTON) == 1 ? VK_RBUTTON : VK_LBUTTON;
    return (GetWindowTable().GetAsyncKeyState(button) & static_cast<SHORT>(0x8000)) != 0;
}

void GetMouseState(CMouseState& out)
{
    POINT position{};
    GetWindowTable().GetCursorPos(&position);
    out.mPosition = CPoint(position.x, position.y);
    out.mButtonDown = IsPrimaryButtonDown();
}

} // namespace NSTramvell
