#include "framework/gui/windows/MouseEntryPoints.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/input/ModifierKeys.h"
#include "framework/gui/windows/Window.h"

namespace NSTramvell {
namespace {

std::uint16_t gPressWord = 0;

bool HandlePress(HWND handle, std::int32_t kind, std::int32_t x, std::int32_t y, std::uint32_t time)
{
    GetWindowTable().SetActiveWindow(handle);
    CABCWindow* const window = dynamic_cast<CABCWindow*>(FindWindowByHandle(handle));
    if (window == nullptr)
        return false;
    CModifierKeys modifiers;
    CModifierKeys::ReadCurrent(modifiers);
    const CMouseEvent event(kind, CPoint(x, y), time, modifiers, false);
    return window->HandleMouseDown(event).GetValue() != CMouseDownResult::kNotHandled;
}

} // namespace

bool HandleButtonDown(HWND window, std::uint32_t, std::int32_t x, std::int32_t y, std::uint32_t time)
{
    return HandlePress(window, CMouseEvent::kPress, x, y, time);
}

bool HandleButtonDoubleClick(HWND window, std::uint32_t, std::int32_t x, std::int32_t y, std::uint32_t time)
{
    return HandlePress(window, CMouseEvent::kDoubleClick, x, y, time);
}

void HandleButtonUp(HWND handle, std::uint32_t, std::int32_t, std::int32_t, std::uint32_t)
{
    if (CABCWindow* const window = dynamic_cast<CABCWindow*>(FindWindowByHandle(handle)))
        window->EndTrackingOnMouseUp();
    gPressWord = 0;
}

void ResetButtonState()
{
    gPressWord = 0;
}

} // namespace NSTramvell
