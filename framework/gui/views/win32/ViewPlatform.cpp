// The views' few platform calls: coordinate conversion through the window's native window, the mouse
// state polled while waiting for a drag, the native control that holds the mouse capture, the button-face
// colour and the size box's resizing hand-over.

#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/input/Cursors.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/views/View.h"
#include "framework/gui/windows/InputSeams.h"
#include "framework/gui/windows/Window.h"
#include "framework/gui/windows/WindowHelpers.h"

namespace NSTramvell {
namespace {

CPoint ConvertPoint(const CView& view, const CPoint& point, BOOL(*convert)(HWND, LPPOINT))
{
    POINT native{point.GetX(), point.GetY()};
    convert(view.GetWindow()->GetWindowHandle(), &native);
    return CPoint(native.x, native.y);
}

} // namespace

CPoint CView::PointToScreen(const CPoint& point) const
{
    return ConvertPoint(*this, point, GetWindowTable().ClientToScreen);
}

CPoint CView::PointFromScreen(const CPoint& point) const
{
    return ConvertPoint(*this, point, GetWindowTable().ScreenToClient);
}

void CView::AdjustCursor()
{
    if (mParent != nullptr)
        static_cast<CView*>(mParent)->AdjustCursor();
    else
        SetArrowCursor();
}

std::int32_t CView::WaitForDrag(CView* view, const CMouseEvent& event, std::int32_t tolerance,
                                std::uint32_t timeoutMs)
{
    if (event.IsSimulated())
        return kDragReleased;
    view->UpdateWindowNow();
    const CPoint start = view->PointToScreen(event.GetPosition());
    const CRect deadZone(start.GetX() - tolerance, start.GetY() - tolerance, start.GetX() + tolerance,
                         start.GetY() + tolerance);
    const std::uint64_t startTime = GetTimeCounter();
    for (;;) {
        CMouseState state;
        GetMouseState(state);
        if (!state.mButtonDown)
            return kDragReleased;
        if (!deadZone.Contains(state.mPosition))
            return kDragLeftZone;
        if (timeoutMs != 0 && GetTimeCounter() > startTime + timeoutMs)
            return kDragTimedOut;
        GetKernelTable().Sleep(1);
    }
}

namespace NSViewInternal {

// The capture names a view only when it is with a native control: a child window (not a pop-up, style
// bit 0x40 clear) inside another window, no framework window itself, whose callback is registered.
CView* FindNativeCaptureView()
{
    CWindowTable& table = GetWindowTable();
    const HWND capture = table.GetCapture();
    if (capture == nullptr)
        return nullptr;
    const auto style = static_cast<std::uint32_t>(table.GetWindowLongA(capture, GWL_STYLE));
    if ((style & WS_CHILD) == 0 || (style & WS_POPUP) != 0 || (style & 0x40) != 0)
        return nullptr;
    if (FindWindowByHandle(capture) != nullptr || table.GetParent(capture) == nullptr)
        return nullptr;
    return FindNativeControlView(capture);
}

} // namespace NSViewInternal

bool CWindowSizeBoxView::IsWindowNormal() const
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowTable().GetWindowPlacement(GetWindow()->GetWindowHandle(), &placement))
        return false;
    return placement.showCmd != SW_SHOWMAXIMIZED && placement.showCmd != SW_SHOWMINIMIZED;
}

CMouseDownResult CWindowSizeBoxView::HandleMouseDown(const CMouseEvent& event)
{
    if (!IsWindowNormal())
        return CMouseDownResult(false);
    const CPoint screen = PointToScreen(event.GetPosition());
    // Each coordinate as a signed 16-bit word: a screen left of the primary one has negative x.
    const LPARAM packed = static_cast<LPARAM>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(screen.GetX())) |
                                              (static_cast<std::uint32_t>(static_cast<std::uint16_t>(screen.GetY())) << 16));
    GetWindowTable().SendMessageA(GetWindow()->GetWindowHandle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, packed);
    return CMouseDownResult(true);
}

void CWindowSizeBoxView::AdjustCursor()
{
    SetSystemCursor(kSizeCursor);
}

} // namespace NSTramvell
