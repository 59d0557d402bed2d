#pragma once

// Keyboard focus across a window's views: the handlers that receive the platform's focus notices, the
// notifications along a view's focus chain, the wheel chain, and pressing a view from the keyboard.
// The normal handler follows the platform's notices; the explicit one only notifies, and is in place
// while the window moves the focus itself, so that its own focus calls do not feed back.

#include "framework/gui/input/MouseWheel.h"

#include <cstdint>
#include <vector>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

class CABCWindow;
class CMenu;
class CView;

class IWinFocusHandler
{
public:
    virtual ~IWinFocusHandler() = default;
    virtual void ControlGainedFocus(HWND control, HWND other) = 0;
    virtual void ControlLostFocus(HWND control) = 0;
    virtual void WindowGainedFocus(CABCWindow& window, HWND handle, std::intptr_t second, std::uintptr_t first) = 0;
    virtual void WindowLostFocus(CABCWindow& window, HWND handle, std::intptr_t second, std::uintptr_t first) = 0;
};

class CNormalFocusHandler : public IWinFocusHandler
{
public:
    void ControlGainedFocus(HWND control, HWND other) override;
    void ControlLostFocus(HWND control) override;
    void WindowGainedFocus(CABCWindow&, HWND, std::intptr_t, std::uintptr_t) override {}
    void WindowLostFocus(CABCWindow& window, HWND handle, std::intptr_t second, std::uintptr_t first) override;
};

class CExplicitFocusChangeHandler : public IWinFocusHandler
{
public:
    void ControlGainedFocus(HWND control, HWND other) override;
    void ControlLostFocus(HWND control) override;
    void WindowGainedFocus(CABCWindow&, HWND, std::intptr_t, std::uintptr_t) override {}
    void WindowLostFocus(CABCWindow&, HWND, std::intptr_t, std::uintptr_t) override {}
};

// The shared instances; every window starts with the normal one.
IWinFocusHandler& GetNormalFocusHandler();
IWinFocusHandler& GetExplicitFocusChangeHandler();

// Installs a handler on the window for its lifetime, then puts the previous one back.
class CFocusHandlerGuard
{
public:
    CFocusHandlerGuard(CABCWindow& window, IWinFocusHandler& handler);
    ~CFocusHandlerGuard();
    CFocusHandlerGuard(const CFocusHandlerGuard&) = delete;
    CFocusHandlerGuard& operator=(const CFocusHandlerGuard&) = delete;

private:
    CABCWindow& mWindow;
    IWinFocusHandler* mPrevious;
};

// The enclosing views of a view that take part in its focus changes: focus participants that are
// enabled, innermost first.
std::vector<CView*> GetFocusParticipants(const CView* view);
// Gained: the participants from the outermost in, then the view; lost: the view, then the participants
// from the innermost out.
void NotifyFocusGained(CView* view);
void NotifyFocusLost(CView* view);

// From the native-control glue: a control got or lost the platform's focus.
void NotifyControlGainedFocus(HWND control, HWND other);
void NotifyControlLostFocus(HWND control);

// Offers a wheel turn to the active window's focus view, its participants and the window; false for a
// window that is not the active one.
bool DispatchMouseWheel(CABCWindow& window, const CMouseEventRecord& event);

// Presses an enabled view as a click at its centre would, release included.
void SimulateButtonClick(CView* view);

// The view's enclosing views, from its parent outward.
std::vector<CView*> GetEnclosingViews(const CView* view);
// Pops the menu up at a point in the view's coordinates; the answer and out values as TrackPopup's.
bool PopUpMenuInView(CView& view, CMenu& menu, const CPoint& point, bool leftButton, std::uint16_t& index,
                     CMenu*& chosenMenu);

} // namespace NSTramvell
