#pragma once

// The layer under every view whose face is a native control of the platform (push button, progress bar,
// picture button and the rest). It makes a control of one of nine kinds inside a framework window, ties it
// to the object that owns it (the control's callback), keeps the registry in which a callback is found
// from a native handle, installs one shared procedure on each linked control and routes what the control
// receives to the callback. Message parameters and results are pointer-sized, as the platform's are.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>
#include <string>

struct HRGN__;
typedef struct HRGN__* HRGN;
struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {
class CABCWindow;
class CView;
} // namespace NSTramvell

namespace NSWinControlUtils {

// The object that owns one native control.
class IWinControlCallback
{
public:
    virtual ~IWinControlCallback() = default;
    virtual NSTramvell::CView* GetView() const = 0;
    virtual HWND GetNativeHandle() const = 0;
    // The view that focus notices concern.
    virtual NSTramvell::CView* GetFocusView() const = 0;
    // A message for the control itself, from the shared procedure.
    virtual std::intptr_t HandleNativeMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second) = 0;
    // What the control sent its parent (command, notify, scroll), from the window procedure.
    virtual std::intptr_t HandleParentNotification(std::uint32_t message, std::uintptr_t first,
                                                   std::intptr_t second) = 0;
};

enum class ENativeControlKind : std::int32_t
{
    kCheckBox = 0,
    kPushButton = 1,
    kButton = 2,
    kRadioButton = 3,
    kSlider = 4,
    kEdit = 5,
    kComboBox = 6,
    kProgressBar = 7,
    kScrollBar = 8,
};

// The platform class of a kind; null outside 0-8.
const char* GetNativeControlClassName(std::int32_t kind);

// A child control of the window's native window at the frame (client coordinates), with the default
// control font, not linked yet. XBase for a kind outside 0-8 (nothing is made), XOutOfMemory when the
// platform makes none. A control id of 0 gives the control none.
HWND CreateNativeControl(NSTramvell::CABCWindow& window, std::uint32_t extendedStyle, std::uint32_t style,
                         std::int32_t kind, const char* title, const NSTramvell::CRect& frame,
                         std::uint16_t controlId = 0);
// Redraw off, then destroyed; nothing for a handle the platform no longer knows.
void DestroyNativeControl(HWND handle);

// Ties a control to its callback for the link's lifetime: registers the callback and puts the shared
// procedure on the control, keeping the control's own to pass messages on to. The owner destroys the
// control before the link, so the control's last messages still find the callback.
class CNativeControlLink
{
public:
    // When the platform gives back no previous procedure, the control is destroyed and XBase thrown.
    CNativeControlLink(HWND handle, IWinControlCallback* callback);
    ~CNativeControlLink();
    CNativeControlLink(const CNativeControlLink&) = delete;
    CNativeControlLink& operator=(const CNativeControlLink&) = delete;

    // What every callback does with a message it leaves alone: a lost capture reaches the window's capture
    // handling, then every message the control's own procedure.
    std::intptr_t HandleMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second);
    std::intptr_t CallPreviousWindowProc(std::uint32_t message, std::uintptr_t first, std::intptr_t second);
    // The control's own procedure, as the platform gave it back (pointer-sized).
    std::intptr_t GetPreviousProcedure() const { return mPreviousProcedure; }

private:
    HWND mHandle;
    IWinControlCallback* mCallback;   // borrowed: the callback owns this link
    std::intptr_t mPreviousProcedure = 0;
};

// The registry: callbacks in registration order, not owned; one may stand in it once per registration.
void RegisterNativeControlCallback(IWinControlCallback* callback);
// Removes the first equal entry; nothing when absent or null.
void UnregisterNativeControlCallback(IWinControlCallback* callback);
// The first registered callback whose control is the handle; null for a handle without a native parent.
IWinControlCallback* FindNativeControlCallback(HWND handle);
// The registry's search alone, without asking the platform for a parent.
IWinControlCallback* FindRegisteredCallback(HWND handle);
std::size_t GetRegisteredCallbackCount();

// From the controls' focus messages (first parameter: the window that lost the focus).
void NotifyNativeFocusGained(HWND handle, std::uint32_t message, std::uintptr_t first, std::intptr_t second);
void NotifyNativeFocusLost(HWND handle);

// At most 63 characters.
std::string GetNativeText(HWND handle);
// Sends the text only when the control shows another one.
void SetNativeText(HWND handle, const std::string& text);
void SetNativeRedraw(HWND handle, bool on);
// The platform's redraw of part of a control: area and region in the control's client coordinates, either
// null; flags are the platform's redraw flags. False when the platform refuses.
bool RedrawNativeArea(HWND handle, const NSTramvell::CRect* area, HRGN region, std::uint32_t flags);
// Moves the control to rect with its drawing held until it is there.
void PlaceNativeControl(HWND handle, const NSTramvell::CRect& rect);
// Enables or disables the control to match its view; true when that changed anything (the view then redraws).
bool SyncNativeEnabled(HWND handle, bool enabled);

// Whether any of the view's frame is left after its enclosing views clip it: a view on a hidden page (moved
// far outside the window) is not, and its control must not act on keys that still reach it.
bool IsVisibleInWindow(const NSTramvell::CView& view);

// baseUnits: horizontal units in the low 16 bits, vertical in the high 16 bits.
NSTramvell::CRect DialogUnitsToPixels(std::uint32_t baseUnits, std::int32_t x, std::int32_t y, std::int32_t width,
                                      std::int32_t height);

} // namespace NSWinControlUtils
