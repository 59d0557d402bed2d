#pragma once

// Small functions between the platform's windows and the framework's window objects: the framework
// window behind the platform's active window, the enumeration callbacks that look for windows of a
// kind, the layout step after a size change, unique identifiers, and the mouse state.

#include "framework/gui/geometry/Point.h"
#include "framework/gui/input/MouseWheel.h"

#include <cstdint>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

class CABCWindow;
class CView;

// Walks from the platform's active window up its parents to the first that is a framework window, so
// that focus on a child control, or on nothing, still finds the window; null when none is.
CABCWindow* FindFocusFrameworkWindow();
// Enumeration callback over top-level windows: the first framework window that is not auxiliary goes to
// the out value and ends the enumeration (0); otherwise 1. Its twin for modeless dialogs comes with them.
std::int32_t FindNonAuxiliaryWindowCallback(HWND window, HWND* out);
// Fits the root view to the client area and tells the window the old and new frames.
void FitRootViewToClient(CABCWindow& window);
// Never 0.
std::uint32_t NextUniqueId();
// A wheel message's turn with the modifiers held now.
CMouseEventRecord MakeMouseWheelEvent(std::uintptr_t first, std::intptr_t second);
// The application's registered query message ("QueryCancelAutoPlay") and its answer; false without an
// application.
bool IsApplicationQueryMessage(std::uint32_t message);
bool GetApplicationQueryAnswer();
// Hands what a native control sent its parent to the control's registered callback and answers its
// result; 0 for a window without one.
std::intptr_t ForwardToNativeControl(HWND control, std::uint32_t message, std::uintptr_t first,
                                     std::intptr_t second);
// The native handle of a view backed by a native control; null for other views.
HWND GetNativeViewHandle(const CView* view);
// Destroys a framework window's native window. Where the platform is Wine, a shown top-level window
// leaves the screen at once (see the definition).
void DestroyNativeWindow(HWND window);

struct CMouseState
{
    bool mButtonDown = false;
    CPoint mPosition;   // screen coordinates
};

// The primary button, whichever physical button the user has made primary.
bool IsPrimaryButtonDown();
void GetMouseState(CMouseState& out);

} // namespace NSTramvell
