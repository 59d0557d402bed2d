// The application's tool bar and status bar windows and the room they take in the frame's client area.

#include "framework/gui/application/Application.h"

#include "framework/foundation/trace/Trace.h"
#include "framework/gui/windows/FrameLayout.h"
#include "framework/gui/windows/Window.h"

#include <exception>

namespace NSTramvell {

namespace {

// Shows the bar again at its own bounds and reserves its height (none: nothing); a failure is traced.
void PlaceBar(CABCWindow*& field, CABCWindow* bar, void (*reserve)(std::int32_t), const char* what)
{
    try {
        field = bar;
        if (bar != nullptr)
            bar->ReapplyBounds();
        reserve(bar != nullptr ? bar->GetBoundsField().GetHeight() : 0);
    } catch (const std::exception& e) {
        Trace(0, 0, "The %s could not be placed: %s", what, e.what());
    }
}

} // namespace

void CApplication::SetToolbarWindow(CABCWindow* window)
{
    PlaceBar(mToolbarWindow, window, &SetFrameToolbarHeight, "tool bar");
}

void CApplication::SetStatusBarWindow(CABCWindow* window)
{
    PlaceBar(mStatusBarWindow, window, &SetFrameStatusBarHeight, "status bar");
}

} // namespace NSTramvell
