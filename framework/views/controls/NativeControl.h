#pragma once

// CNativeControl, one native control as the face of a view, with what every such view does with it: the
// control is made at the view's place and linked to its callback, follows the view's enabling and frame,
// tells the window of the focus it gains and loses, hands the window the keys it does not take itself, and
// goes with the view (its tool tip first, the link last). The view, or the implementation object that
// answers for its control, holds one and destroys it in its own destructor, while the whole view can still
// be asked for its handle. The holder's own file keeps only what makes it that control.

#include "framework/gui/geometry/Rect.h"
#include "framework/views/controls/NativeControlGlue.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace NSWinControlUtils {

// The keys a focused control acts on itself; every other key goes on to its window, so that Tab, Return
// and Escape work while a control holds the focus.
enum class EControlKeys
{
    kAll,
    kSpace,
    // A control on a hidden page may still hold the focus: Space must not act on what the user cannot see.
    kSpaceWhileShown,
    kUpAndDown,
    // Arrows, Page Up and Down, Home and End.
    kArrowsAndPaging,
};

class CNativeControl
{
public:
    // Where the control lies for a frame of the view.
    using ControlRectOf = std::function<NSTramvell::CRect(const NSTramvell::CRect& frame)>;

    // The view is borrowed: it holds this object. Without controlRectOf the control takes the view's frame.
    CNativeControl(NSTramvell::CView& view, EControlKeys keys, ControlRectOf controlRectOf = nullptr);
    // Discards what is left: only an owner whose construction failed leaves anything.
    ~CNativeControl();
    CNativeControl(const CNativeControl&) = delete;
    CNativeControl& operator=(const CNativeControl&) = delete;

    // Makes the control in the view's window where the view's frame puts it, and links it to the callback.
    // Nothing is left behind when either fails.
    void Create(IWinControlCallback* callback, std::uint32_t style, std::int32_t kind, const char* title);
    // Takes over a control made elsewhere and links it to the callback (none: the control answers to
    // nobody); the control is destroyed when the link cannot be made.
    void Attach(HWND handle, IWinControlCallback* callback);
    // The view's tool tip, then the control, then its link, so that the control's last messages still find
    // the callback. Nothing once done.
    void Destroy();
    // The control and its link, leaving the tool tip alone: for an owner whose construction fails, while its
    // view has no tool tip yet and cannot be asked for its handle.
    void Discard();

    HWND GetHandle() const { return mHandle; }

    // What the view's EnabledChanged does: the control follows the view, which redraws if that changed it.
    void FollowEnabled();
    // What the view's FrameChanged does; the view's MoveBy places the control after moving.
    void FollowFrame(const NSTramvell::CRect& oldFrame, const NSTramvell::CRect& newFrame);
    void Place();

    // What a callback does with the control's messages it leaves alone: focus notices to the window, keys
    // the control does not take to the window, the rest to the control through the link.
    std::intptr_t HandleMessage(std::uint32_t message, std::uintptr_t first, std::intptr_t second);
    std::intptr_t PassToControl(std::uint32_t message, std::uintptr_t first, std::intptr_t second);
    std::intptr_t PassToWindow(std::uint32_t message, std::uintptr_t first, std::intptr_t second);

private:
    NSTramvell::CRect GetControlRect() const;

    NSTramvell::CView& mView;
    EControlKeys mKeys;
    ControlRectOf mControlRectOf;
    HWND mHandle = nullptr;
    std::unique_ptr<CNativeControlLink> mLink;
};

} // namespace NSWinControlUtils
