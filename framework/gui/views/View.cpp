#include "framework/gui/views/View.h"

#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/views/GroupView.h"
#include "framework/gui/windows/Window.h"
#include "framework/gui/windows/WindowHelpers.h"

namespace NSTramvell {
namespace {

CView* gTrackingView = nullptr;
CView* gCaptureView = nullptr;
CView* gHeldView = nullptr;
CView* gHoverView = nullptr;
CABCWindow* gModalOwnerWindow = nullptr;

CRect GetAncestorArea(const CABCGroupView* ancestor)
{
    CRect area = *ancestor->GetFrame();
    area.Intersect(ancestor->GetContentRect());
    return area;
}

} // namespace

CView::CView(CABCWindow* window) : mWindow(window) {}

CView::CView(CABCGroupView* parent, const CRect& frame) : mFrame(frame), mWindow(parent->GetWindow())
{
    parent->AddChild(this);
    mParent = parent;
}

CView::~CView()
{
    SetToolTipText(std::string());
    // By now the derived part is gone, so a hovered view is no longer an IMouseInput to tell.
    if (gHoverView == this)
        gHoverView = nullptr;
    if (gTrackingView == this) {
        gTrackingView = nullptr;
        if (mWindow != nullptr)
            mWindow->ReleaseNativeMouse();
    }
    if (gCaptureView == this)
        gCaptureView = nullptr;
    if (gHeldView == this)
        gHeldView = nullptr;
    if (mWindow != nullptr) {
        // Moves a request this view holds on, so that no window keeps a request for a deleted view.
        mWindow->DropFocusIfHeldBy(this);
        mWindow->ForgetFocusView(this);
    }
    if (mParent != nullptr) {
        if (mWindow != nullptr)
            mWindow->RemoveFocusTarget(this);
        Invalidate();
        mParent->RemoveChild(this);
        mParent = nullptr;
    }
    mWindow = nullptr;
}

void CView::SetEnabled(bool enabled)
{
    mRequestedEnabled = enabled;
    bool effective = enabled;
    if (dynamic_cast<IDropReceiver*>(this) == nullptr && mParent != nullptr && !mParent->IsEnabled())
        effective = false;
    if (effective == mEnabled)
        return;
    if (!effective && mWindow != nullptr && mWindow->GetRequestedFocusView() == this)
        mWindow->DropFocusIfHeldBy(this);
    else if (!effective && ContainsFocus())
        mWindow->DropFocus();
    mEnabled = effective;
    EnabledChanged(effective);
}

void CView::Draw(CABCViewDrawSpec&) {}

CRegion CView::GetDrawRegion() const
{
    return CRegion(mFrame);
}

void CView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    mFrame.Offset(dx, dy);
}

CMouseDownResult CView::HandleMouseDown(const CMouseEvent&)
{
    return CMouseDownResult(false);
}

CView* CView::HitTest(const CPoint& point)
{
    return mFrame.Contains(point) ? this : mParent;
}

void CView::HandleMouseUp(std::int32_t) {}

std::int32_t CView::HandleContextClick(const CMouseEvent& event)
{
    CMouseEvent pending = event;
    mPendingClick = &pending;
    std::int32_t answer = 0;
    try {
        answer = ChildChanged();
    } catch (...) {
        mPendingClick = nullptr;
        throw;
    }
    mPendingClick = nullptr;
    return answer;
}

bool CView::AcceptsDrop(const void*)
{
    return false;
}

void CView::ExcludeVisibleArea(CRegion& region)
{
    CRegion drawn = GetDrawRegion();
    if (drawn.GetKind() == CRegion::kRectangle) {
        CRect visible = drawn.GetBounds();
        if (GetVisibleRect(this, visible))
            region.SubtractRect(visible);
    } else if (drawn.GetKind() == CRegion::kNative) {
        if (GetVisibleRegion(this, drawn))
            region.Subtract(drawn);
    }
}

std::int32_t CView::ChildChanged()
{
    return mParent != nullptr ? mParent->ChildChanged() : 0;
}

void CView::SetFrame(const CRect& frame)
{
    if (frame == mFrame)
        return;
    const CRect oldFrame = mFrame;
    mFrame = frame;
    if (mToolTipId != 0 && mWindow != nullptr) {
        CRect visible = frame;
        GetVisibleRect(this, visible);
        mWindow->SetToolRect(mToolTipId, visible);
    }
    FrameChanged(oldFrame, frame);
}

void CView::MoveTo(const CPoint& topLeft)
{
    CRect frame = mFrame;
    frame.MoveTo(topLeft);
    SetFrame(frame);
}

void CView::SetSize(const CPoint& size)
{
    CRect frame = mFrame;
    frame.SetSize(size);
    SetFrame(frame);
}

void CView::MoveByDelta(const CPoint& from, const CPoint& to)
{
    CRect frame = mFrame;
    frame.Offset(to.GetX() - from.GetX(), to.GetY() - from.GetY());
    SetFrame(frame);
}

void CView::PlaceInParent(const CPoint& position, const CPoint& size)
{
    CRect frame(position.GetX(), position.GetY(), position.GetX() + size.GetX(), position.GetY() + size.GetY());
    if (mParent != nullptr)
        frame.OffsetBy(mParent->GetContentRect().GetTopLeft());
    SetFrame(frame);
}

void CView::PlaceInParentKeepSize(const CPoint& position)
{
    PlaceInParent(position, mFrame.GetSize());
}

bool CView::IsMouseInside() const
{
    return mFrame.Contains(GetMousePosition());
}

CPoint CView::GetMousePosition() const
{
    return mWindow->GetMousePosition();
}

CRect CView::FrameToScreen(const CRect& rect) const
{
    return CRect(PointToScreen(rect.GetTopLeft()), PointToScreen(rect.GetBottomRight()));
}

CRect CView::FrameFromScreen(const CRect& rect) const
{
    return CRect(PointFromScreen(rect.GetTopLeft()), PointFromScreen(rect.GetBottomRight()));
}

CRegion CView::RegionToScreen(const CRegion& region) const
{
    const CPoint origin = PointToScreen(CPoint(0, 0));
    CRegion moved(region);
    moved.Offset(origin.GetX(), origin.GetY());
    return moved;
}

CRegion CView::RegionFromScreen(const CRegion& region) const
{
    const CPoint origin = PointToScreen(CPoint(0, 0));
    CRegion moved(region);
    moved.Offset(-origin.GetX(), -origin.GetY());
    return moved;
}

void CView::Invalidate()
{
    InvalidateFrameRect(mFrame);
}

void CView::InvalidateFrameRect(const CRect& rect)
{
    CRegion region(rect);
    for (CABCGroupView* ancestor = mParent; ancestor != nullptr && !region.IsEmpty();
         ancestor = ancestor->GetParent()) {
        if (ancestor->HandleInvalidate(region))
            return;
        region.IntersectRect(GetAncestorArea(ancestor));
    }
}

void CView::InvalidateUnclipped(const CRegion& region)
{
    if (region.IsEmpty())
        return;
    for (CABCGroupView* ancestor = mParent; ancestor != nullptr; ancestor = ancestor->GetParent()) {
        if (ancestor->HandleInvalidate(region))
            return;
    }
}

void CView::InvalidateOldAndNew(const CRect& oldRect, const CRect& newRect)
{
    InvalidateUnclipped(CRegion(oldRect));
    InvalidateFrameRect(newRect);
}

void CView::InvalidateFrameChange(const CRect& oldFrame, const CRect& newFrame)
{
    const CRect client = mWindow->GetClientBounds();
    CRect oldPart = oldFrame;
    oldPart.Intersect(client);
    CRect newPart = newFrame;
    newPart.Intersect(client);
    if (oldFrame.GetTopLeft() == newFrame.GetTopLeft()) {
        CRegion difference(oldPart);
        difference.XorRect(newPart);
        InvalidateUnclipped(difference);
    } else {
        InvalidateOldAndNew(oldPart, newPart);
    }
}

void CView::InvalidateBorder(const CRect& rect, std::int32_t width)
{
    InvalidateFrameRect(CRect(rect.GetLeft(), rect.GetTop(), rect.GetLeft() + width, rect.GetBottom()));
    InvalidateFrameRect(CRect(rect.GetLeft(), rect.GetTop(), rect.GetRight(), rect.GetTop() + width));
    InvalidateFrameRect(CRect(rect.GetRight() - width, rect.GetTop(), rect.GetRight(), rect.GetBottom()));
    InvalidateFrameRect(CRect(rect.GetLeft(), rect.GetBottom() - width, rect.GetRight(), rect.GetBottom()));
}

void CView::UpdateWindowNow()
{
    if (mWindow != nullptr)
        mWindow->UpdateNow();
}

bool CView::ContainsFocus() const
{
    if (mWindow == nullptr)
        return false;
    for (const CView* view = mWindow->GetFocusView(); view != nullptr; view = view->GetParent()) {
        if (view == this)
            return true;
    }
    return false;
}

bool CView::HasKeyboardFocus() const
{
    return mWindow != nullptr && IsActiveWindow(mWindow) && mWindow->GetFocusView() == this;
}

bool CView::IsFocusTarget(const CView* view)
{
    return dynamic_cast<const IFocusTarget*>(view) != nullptr;
}

bool CView::IsDropReceiver(const CView* view)
{
    return dynamic_cast<const IDropReceiver*>(view) != nullptr;
}

CMouseDownResult CView::SendMouseDown(const CMouseEvent& event, CView* view)
{
    if (IsFocusTarget(view))
        view->GetWindow()->SetFocusView(view);
    return view->HandleMouseDown(event);
}

bool CView::ConsumeClick(CMouseEvent& out)
{
    if (mPendingClick == nullptr)
        return false;
    out = *mPendingClick;
    mPendingClick = nullptr;
    return true;
}

CView* CView::FindDropTarget(CView* view, const void* data)
{
    for (CView* candidate = view; candidate != nullptr; candidate = candidate->GetParent()) {
        if (candidate->IsEnabled() && IsDropReceiver(candidate) && candidate->AcceptsDrop(data))
            return candidate;
    }
    return nullptr;
}

CColor CView::GetBackgroundColor(const CView* view)
{
    for (const CView* ancestor = view->GetParent(); ancestor != nullptr; ancestor = ancestor->GetParent()) {
        if (const auto* colored = dynamic_cast<const IBackgroundColor*>(ancestor))
            return colored->GetBackgroundColor();
    }
    return CColor();
}

void CView::SetToolTipText(const std::string& text)
{
    if (mWindow == nullptr)
        return;
    HWND const control = GetNativeViewHandle(this);
    if (mToolTipId != 0) {
        if (control != nullptr)
            mWindow->RemoveNativeControlToolTip(control, mToolTipId);
        else
            mWindow->RemoveViewToolTip(mToolTipId);
        mToolTipId = 0;
    }
    if (!text.empty())
        mToolTipId = control != nullptr ? mWindow->AddNativeControlToolTip(this, text) : mWindow->AddViewToolTip(this, text);
}

bool CView::GetVisibleRect(const CView* view, CRect& rect)
{
    for (const CABCGroupView* ancestor = view->GetParent(); ancestor != nullptr; ancestor = ancestor->GetParent()) {
        if (!rect.Intersect(GetAncestorArea(ancestor)))
            return false;
    }
    return true;
}

bool CView::GetVisibleRegion(const CView* view, CRegion& region)
{
    for (const CABCGroupView* ancestor = view->GetParent(); ancestor != nullptr; ancestor = ancestor->GetParent()) {
        region.IntersectRect(GetAncestorArea(ancestor));
        if (region.IsEmpty())
            return false;
    }
    return true;
}

CView* GetTrackingView()
{
    if (gTrackingView != nullptr)
        return gTrackingView;
    return NSViewInternal::FindNativeCaptureView();
}

bool IsTrackingView(const CView* view)
{
    return view != nullptr && GetTrackingView() == view;
}

bool BeginTracking(CView* view)
{
    if (GetTrackingView() != nullptr)
        return false;
    view->GetWindow()->BeginViewTracking(view);
    gTrackingView = view;
    return true;
}

void EndTracking(CView* view)
{
    gTrackingView = nullptr;
    if (view != nullptr && view->GetWindow() != nullptr)
        view->GetWindow()->EndViewTracking(view);
}

void EndTrackingIfTracking(CView* view)
{
    if (view == nullptr || view != gTrackingView)
        return;
    EndTracking(view);
    view->HandleMouseUp(CView::kMouseUpCutOff);
}

CView* GetMouseCaptureView()
{
    return gCaptureView;
}

CView* GetCaptureView()
{
    return GetMouseCaptureView();
}

bool HasMouseCapture(const CView* view)
{
    return view != nullptr && gCaptureView == view;
}

bool CaptureMouse(CView* view)
{
    if (gCaptureView != nullptr || !IsActiveWindow(view->GetWindow()))
        return false;
    gCaptureView = view;
    return true;
}

void ReleaseMouseCapture()
{
    gCaptureView = nullptr;
}

CView* GetHeldView()
{
    return gHeldView;
}

void SetHeldView(CView* view)
{
    gHeldView = view;
}

void SetHoverView(CView* view)
{
    if (view == gHoverView)
        return;
    if (auto* input = dynamic_cast<IMouseInput*>(gHoverView))
        input->MouseLeft();
    gHoverView = view;
    if (auto* input = dynamic_cast<IMouseInput*>(view))
        input->MouseEntered();
}

CView* GetHoverView()
{
    return gHoverView;
}

bool IsMouseBusy()
{
    return GetTrackingView() != nullptr || gCaptureView != nullptr || gHeldView != nullptr;
}

void TickTrackedViews()
{
    if (CView* tracking = GetTrackingView())
        tracking->TrackMouse();
    if (gCaptureView != nullptr)
        gCaptureView->TrackCapture();
    if (gHeldView != nullptr)
        gHeldView->TrackCapture();
}

void SetModalOwnerWindow(CABCWindow* window)
{
    gModalOwnerWindow = window;
}

bool IsModalOwnerWindow(const CABCWindow* window)
{
    return window == gModalOwnerWindow;
}

namespace NSViewInternal {
void ClearTrackingView()
{
    gTrackingView = nullptr;
}
} // namespace NSViewInternal

} // namespace NSTramvell
