// The cursor and the hovered view follow the mouse.

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/Window.h"
#include "framework/gui/windows/WindowProcedure.h"

namespace NSTramvell {

CABCWindow* FindWindowUnderPoint(const CPoint& screenPoint)
{
    CWindowTable& table = GetWindowTable();
    HWND under = table.WindowFromPoint(POINT{screenPoint.GetX(), screenPoint.GetY()});
    if (under == nullptr)
        return nullptr;
    for (IRegisteredWindow* registered : GetWindowList()) {
        auto* window = dynamic_cast<CABCWindow*>(registered);
        if (window == nullptr || window->GetWindowHandle() == nullptr)
            continue;
        if (window->GetWindowHandle() == under || table.IsChild(window->GetWindowHandle(), under))
            return window;
    }
    return nullptr;
}

void UpdateCursor()
{
    // A tracking view keeps the cursor it chose for the whole drag.
    if (CView* tracking = GetTrackingView()) {
        tracking->AdjustCursor();
        return;
    }
    CWindowTable& table = GetWindowTable();
    if (table.GetCapture() != nullptr)
        return;
    POINT mouse{};
    table.GetCursorPos(&mouse);
    CABCWindow* window = FindWindowUnderPoint(ToPoint(mouse));
    if (window == nullptr || window->GetRootView() == nullptr) {
        SetHoverView(nullptr);
        return;
    }
    table.ScreenToClient(window->GetWindowHandle(), &mouse);
    CView* view = window->GetRootView()->HitTest(ToPoint(mouse));
    SetHoverView(view);
    if (view != nullptr)
        view->AdjustCursor();
}

} // namespace NSTramvell
