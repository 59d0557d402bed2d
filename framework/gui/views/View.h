#pragma once

// CView, the base of everything shown inside a framework window. A view owns no native window: it is a
// frame rectangle in its window's client coordinates, inside a tree whose root is the window's root view.
// Invalidation climbs the tree until an ancestor takes the area (the root view gives it to its window);
// presses and hit tests go down it. Views attach themselves to their parent when built and detach when
// destroyed; whoever built a view deletes it.
//
// The mouse roles (tracking, capture, held and hover view) are one each for the whole program.

#include "framework/gui/geometry/Rect.h"
#include "framework/gui/input/MouseEvent.h"
#include "framework/gui/regions/Color.h"
#include "framework/gui/regions/Region.h"

#include <cstdint>
#include <string>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

class CABCWindow;
class CABCGroupView;
class CABCCanvas;
class CView;

// The one-byte answer of a press handler.
class CMouseDownResult
{
public:
    static constexpr std::uint8_t kNotHandled = 0;
    static constexpr std::uint8_t kHandled = 1;

    constexpr CMouseDownResult() noexcept : mValue(kNotHandled) {}
    constexpr explicit CMouseDownResult(bool handled) noexcept : mValue(handled ? kHandled : kNotHandled) {}
    constexpr std::uint8_t GetValue() const noexcept { return mValue; }

private:
    std::uint8_t mValue;
};

// Interfaces a view may add beside CView; the view base asks for them by a run-time type test.
class IFocusTarget
{
public:
    virtual ~IFocusTarget() = default;
    virtual void FocusGained() {}
    virtual void FocusLost() {}
};

// An enclosing view that reacts when a view inside it gains or loses the focus.
class IFocusParticipant
{
public:
    virtual ~IFocusParticipant() = default;
    virtual void FocusGained() {}
    virtual void FocusLost() {}
};

namespace NSTramvellInternal {
// A group whose platform focus sits in one of its children.
class IWinSubViewHasWin32Focus
{
public:
    virtual ~IWinSubViewHasWin32Focus() = default;
    virtual CView* GetSubViewWithWin32Focus() = 0;
};
} // namespace NSTramvellInternal

class INativeView
{
public:
    virtual ~INativeView() = default;
    virtual HWND GetNativeHandle() const = 0;
};

class IDropReceiver
{
public:
    virtual ~IDropReceiver() = default;
};

class IMouseInput
{
public:
    virtual ~IMouseInput() = default;
    virtual void MouseEntered() = 0;
    virtual void MouseLeft() = 0;
};

class IBackgroundColor
{
public:
    virtual ~IBackgroundColor() = default;
    virtual CColor GetBackgroundColor() const = 0;
};

// What a view draws with during one drawing pass. The canvases come with the drawing layer.
class CABCViewDrawSpec
{
public:
    virtual ~CABCViewDrawSpec() = default;
};

class CViewDrawSpec : public CABCViewDrawSpec
{
public:
    virtual CABCCanvas* GetCanvas() = 0;
};

// A canvas the caller keeps.
class CPrimitiveOffscreenDrawSpec : public CViewDrawSpec
{
public:
    explicit CPrimitiveOffscreenDrawSpec(CABCCanvas* canvas) : mCanvas(canvas) {}
    CABCCanvas* GetCanvas() override { return mCanvas; }

private:
    CABCCanvas* mCanvas;   // borrowed from the caller
};

class CView
{
public:
    static constexpr std::int32_t kMouseUpReleased = 55;
    static constexpr std::int32_t kMouseUpCutOff = 56;

    // The root form: no parent, an empty frame.
    explicit CView(CABCWindow* window);
    // Joins the parent's children; the window is the parent's.
    CView(CABCGroupView* parent, const CRect& frame);
    virtual ~CView();
    CView(const CView&) = delete;
    CView& operator=(const CView&) = delete;

    virtual void WindowShown() {}
    virtual void SetEnabled(bool enabled);
    virtual void EnabledChanged(bool enabled) = 0;
    virtual void Draw(CABCViewDrawSpec& drawSpec);
    virtual CRegion GetDrawRegion() const;
    virtual void FrameChanged(const CRect& oldFrame, const CRect& newFrame) = 0;
    virtual void MoveBy(std::int32_t dx, std::int32_t dy);
    virtual CMouseDownResult HandleMouseDown(const CMouseEvent& event);
    virtual void AdjustCursor();
    virtual CView* HitTest(const CPoint& point);
    virtual void TrackMouse() {}
    virtual void HandleMouseUp(std::int32_t cause);
    virtual void ExtraHookA() {}
    virtual void TrackCapture() {}
    virtual void ExtraHookB() {}
    virtual std::int32_t HandleContextClick(const CMouseEvent& event);
    virtual std::int32_t QueryPair(std::int32_t, std::int32_t) { return 0; }
    virtual bool AcceptsDrop(const void* data);
    virtual void ExtraHookC(std::int32_t) {}
    virtual void ExcludeVisibleArea(CRegion& region);
    virtual std::int32_t ChildChanged();
    virtual float GetFloatValue(std::int32_t) { return 666.0f; }

    const CRect* GetFrame() const { return &mFrame; }
    void GetFrameCopy(CRect& out) const { out = mFrame; }
    // Stores the frame without telling anyone.
    void SetFrameRect(const CRect& frame) { mFrame = frame; }
    CABCWindow* GetWindow() const { return mWindow; }
    CABCGroupView* GetParent() const { return mParent; }
    void SetParent(CABCGroupView* parent) { mParent = parent; }
    bool IsEnabled() const { return mEnabled; }
    bool IsEnabledRequested() const { return mRequestedEnabled; }

    void SetFrame(const CRect& frame);
    void MoveTo(const CPoint& topLeft);
    void SetSize(const CPoint& size);
    void MoveByDelta(const CPoint& from, const CPoint& to);
    void PlaceInParent(const CPoint& position, const CPoint& size);
    void PlaceInParentKeepSize(const CPoint& position);
    bool FrameContains(const CPoint& point) const { return mFrame.Contains(point); }
    bool IsMouseInside() const;
    CPoint GetMousePosition() const;

    CPoint PointToScreen(const CPoint& point) const;
    CPoint PointFromScreen(const CPoint& point) const;
    CRect FrameToScreen(const CRect& rect) const;
    CRect FrameFromScreen(const CRect& rect) const;
    CRegion RegionToScreen(const CRegion& region) const;
    CRegion RegionFromScreen(const CRegion& region) const;

    void Invalidate();
    void InvalidateFrameRect(const CRect& rect);
    void InvalidateOldAndNew(const CRect& oldRect, const CRect& newRect);
    void InvalidateFrameChange(const CRect& oldFrame, const CRect& newFrame);
    void InvalidateBorder(const CRect& rect, std::int32_t width);
    void UpdateWindowNow();
    static void NotifyViewChanged(CView* view) { view->ChildChanged(); }

    bool ContainsFocus() const;
    bool HasKeyboardFocus() const;
    static bool IsFocusTarget(const CView* view);
    static bool IsDropReceiver(const CView* view);
    static CMouseDownResult SendMouseDown(const CMouseEvent& event, CView* view);
    bool ConsumeClick(CMouseEvent& out);
    static CView* FindDropTarget(CView* view, const void* data);
    // 90 the mouse left the dead zone, 91 the time ran out (never with timeout 0), 92 the button was
    // released or the press was not the mouse's own.
    static std::int32_t WaitForDrag(CView* view, const CMouseEvent& event, std::int32_t tolerance,
                                    std::uint32_t timeoutMs);
    static CColor GetBackgroundColor(const CView* view);

    // An empty text only removes the view's tool tip.
    void SetToolTipText(const std::string& text);
    std::uint32_t GetToolTipId() const { return mToolTipId; }

    // Narrows the rectangle to what the ancestors show of it; false when nothing is left.
    static bool GetVisibleRect(const CView* view, CRect& rect);
    static bool GetVisibleRegion(const CView* view, CRegion& region);

    static constexpr std::int32_t kDragLeftZone = 90;
    static constexpr std::int32_t kDragTimedOut = 91;
    static constexpr std::int32_t kDragReleased = 92;

private:
    void InvalidateUnclipped(const CRegion& region);

    CMouseEvent* mPendingClick = nullptr;   // borrowed while HandleContextClick runs
    CRect mFrame;
    CABCWindow* mWindow;                    // borrowed: the window owns the tree
    CABCGroupView* mParent = nullptr;       // borrowed
    bool mRequestedEnabled = true;
    bool mEnabled = true;
    std::uint32_t mToolTipId = 0;
};

// The mouse roles. The tracking view is the view that called BeginTracking, or else the view of a
// native control that holds the platform's mouse capture (a control tracks the mouse itself).
CView* GetTrackingView();
bool IsTrackingView(const CView* view);
bool BeginTracking(CView* view);
void EndTracking(CView* view);
void EndTrackingIfTracking(CView* view);
CView* GetMouseCaptureView();
bool HasMouseCapture(const CView* view);
bool CaptureMouse(CView* view);
void ReleaseMouseCapture();
CView* GetHeldView();
void SetHeldView(CView* view);
void SetHoverView(CView* view);
CView* GetHoverView();
bool IsMouseBusy();
void TickTrackedViews();
// The window that modal dialog code names as the owner of what it shows; none at first.
void SetModalOwnerWindow(CABCWindow* window);
bool IsModalOwnerWindow(const CABCWindow* window);

namespace NSViewInternal {
// The tracking role without the platform's capture, for the window's context-click routing.
void ClearTrackingView();
// The view of the native control that holds the platform's mouse capture; null when the capture is
// with no native control of a framework window.
CView* FindNativeCaptureView();
} // namespace NSViewInternal

} // namespace NSTramvell
