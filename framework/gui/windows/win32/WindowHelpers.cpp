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

} // namespace

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
