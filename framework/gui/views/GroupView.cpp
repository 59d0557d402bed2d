#include "framework/gui/views/GroupView.h"

#include "framework/foundation/trace/Trace.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/windows/DrawSpecs.h"

#include <algorithm>
#include <new>

namespace NSTramvell {

CABCGroupView::CABCGroupView(CABCWindow* window) : CView(window) {}

CABCGroupView::CABCGroupView(CABCGroupView* parent, const CRect& frame) : CView(parent, frame) {}

void CABCGroupView::WindowShown()
{
    for (std::uint32_t index = 0; index < GetChildCount(); ++index)
        GetChild(index)->WindowShown();
}

void CABCGroupView::SetEnabled(bool enabled)
{
    const bool before = IsEnabled();
    CView::SetEnabled(enabled);
    if (IsEnabled() == before)
        return;
    for (std::uint32_t index = 0; index < GetChildCount(); ++index) {
        CView* const child = GetChild(index);
        child->SetEnabled(child->IsEnabledRequested());
    }
}

void CABCGroupView::Draw(CABCViewDrawSpec& drawSpec)
{
    // A failure ends this group's drawing only: the window's other views are still drawn.
    try {
        DrawBackgroundAndChildren(drawSpec);
    } catch (const std::bad_alloc&) {
        if (CApplication* application = CApplication::GetApplication())
            application->EnterLowMemoryState();
    } catch (const std::exception& exception) {
        Trace(0, 0, "A view failed to draw: %s", exception.what());
    } catch (...) {
        Trace(0, 0, "A view failed to draw");
    }
}

void CABCGroupView::DrawBackgroundAndChildren(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr) {
        // Nothing to clip against: every child draws.
        DrawBackground(drawSpec);
        for (std::uint32_t index = 0; index < GetChildCount(); ++index)
            GetChild(index)->Draw(drawSpec);
        return;
    }
    if (GetClipBackground()) {
        // The background paints only what the children leave uncovered, so nothing flickers under them.
        const CRect clipBounds = canvas->GetClipRegion().GetBounds();
        CRegion background(*GetFrame());
        background.IntersectRect(clipBounds);
        for (std::uint32_t index = 0; index < GetChildCount(); ++index) {
            CView* child = GetChild(index);
            if (child->GetFrame()->Intersects(clipBounds))
                child->ExcludeVisibleArea(background);
        }
        CClipGuard clip(canvas, background);
        DrawBackground(drawSpec);
    } else {
        DrawBackground(drawSpec);
    }
    for (std::uint32_t index = 0; index < GetChildCount(); ++index) {
        CView* child = GetChild(index);
        if (canvas->GetClipRegion().IntersectsRect(*child->GetFrame()))
            child->Draw(drawSpec);
    }
}

void CABCGroupView::MoveBy(std::int32_t dx, std::int32_t dy)
{
    CView::MoveBy(dx, dy);
    for (std::uint32_t index = 0; index < GetChildCount(); ++index)
        GetChild(index)->MoveBy(dx, dy);
}

CMouseDownResult CABCGroupView::HandleMouseDown(const CMouseEvent& event)
{
    const CPoint position = event.GetPosition();
    if (!FrameContains(position))
        return CMouseDownResult(false);
    for (std::uint32_t index = 0; index < GetChildCount(); ++index) {
        CView* const child = GetChild(index);
        if (child->IsEnabled() && child->FrameContains(position) &&
            SendMouseDown(event, child).GetValue() != CMouseDownResult::kNotHandled)
            return CMouseDownResult(true);
    }
    return CMouseDownResult(false);
}

CView* CABCGroupView::HitTest(const CPoint& point)
{
    if (!FrameContains(point))
        return GetParent();
    for (std::uint32_t index = 0; index < GetChildCount(); ++index) {
        CView* const child = GetChild(index);
        if (child->FrameContains(point))
            return child->HitTest(point);
    }
    return this;
}

std::int32_t CABCGroupView::HandleContextClick(const CMouseEvent& event)
{
    const CPoint position = event.GetPosition();
    if (FrameContains(position)) {
        for (std::uint32_t index = 0; index < GetChildCount(); ++index) {
            CView* const child = GetChild(index);
            if (child->IsEnabled() && child->FrameContains(position))
                return child->HandleContextClick(event);
        }
    }
    return CView::HandleContextClick(event);
}

void CABCGroupView::ExcludeVisibleArea(CRegion& region)
{
    CView::ExcludeVisibleArea(region);
    for (std::uint32_t index = 0; index < GetChildCount(); ++index) {
        CView* const child = GetChild(index);
        if (region.IntersectsRect(*child->GetFrame()))
            child->ExcludeVisibleArea(region);
    }
}

void CABCGroupView::DeleteAllChildren()
{
    while (GetChildCount() != 0)
        delete GetChild(0);
}

bool CABCGroupView::HandleInvalidate(const CRegion&)
{
    return false;
}

std::uint32_t CABCGroupView::IndexOfChild(const CView* view) const
{
    for (std::uint32_t index = 0; index < GetChildCount(); ++index) {
        if (GetChild(index) == view)
            return index;
    }
    return GetChildCount() + 1;
}

bool CABCGroupView::IsAncestorOf(const CABCGroupView* group, const CView* view)
{
    for (const CABCGroupView* ancestor = view->GetParent(); ancestor != nullptr; ancestor = ancestor->GetParent()) {
        if (ancestor == group)
            return true;
    }
    return false;
}

bool CABCGroupView::ContainsMouseHolder(const CABCGroupView* group)
{
    for (const CView* holder : {GetTrackingView(), GetMouseCaptureView()}) {
        if (holder != nullptr && (holder == group || IsAncestorOf(group, holder)))
            return true;
    }
    return false;
}

void CStandardGroupView::AddChild(CView* child)
{
    mChildren.push_back(child);
    child->SetParent(this);
}

void CStandardGroupView::RemoveChild(CView* child)
{
    const auto found = std::find(mChildren.begin(), mChildren.end(), child);
    if (found == mChildren.end())
        return;
    mChildren.erase(found);
    child->SetParent(nullptr);
}

CSolidColorGroupView::CSolidColorGroupView(CABCWindow* window)
    : CStandardGroupView(window), mColor(GetSystemFaceColor())
{
}

CSolidColorGroupView::CSolidColorGroupView(CABCGroupView* parent, const CRect& frame)
    : CStandardGroupView(parent, frame), mColor(GetSystemFaceColor())
{
}

void CSolidColorGroupView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateFrameChange(oldFrame, newFrame);
}

void CSolidColorGroupView::DrawBackground(CABCViewDrawSpec& drawSpec)
{
    if (auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec); viewSpec != nullptr && viewSpec->GetCanvas() != nullptr)
        viewSpec->GetCanvas()->FillRect(*GetFrame(), GetBackgroundColor());
}

void CSolidColorGroupView::SetColor(const CColor& color)
{
    if (color == mColor)
        return;
    mColor = color;
    Invalidate();
}

} // namespace NSTramvell
