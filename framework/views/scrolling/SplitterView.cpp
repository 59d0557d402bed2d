#include "framework/views/scrolling/SplitterView.h"

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/input/Cursors.h"
#include "framework/gui/drawing/DrawingFunctions.h"

namespace NSTramvell {

namespace {
} // namespace

CSplitterView::CSplitterView(CABCGroupView* parent, std::int32_t orientation, bool draggable)
    : CControlView(parent, CRect()), mDraggable(draggable), mOrientation(orientation)
{
}

void CSplitterView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CRect& frame = *GetFrame();
    canvas->FillRect(frame, GetSystemFaceColor());
    if (mOrientation == kMovesVertically) {
        DrawPlatformEdge(*canvas, frame, kEdgeRaised, kEdgeSideBottom);
        DrawPlatformEdge(*canvas, frame, kEdgeRaised, kEdgeSideTop);
    } else if (mOrientation == kMovesHorizontally) {
        DrawPlatformEdge(*canvas, frame, kEdgeRaised, kEdgeSideLeft);
        DrawPlatformEdge(*canvas, frame, kEdgeRaised, kEdgeSideRight);
    }
}

CMouseDownResult CSplitterView::HandleMouseDown(const CMouseEvent& event)
{
    if (!mDraggable)
        return CMouseDownResult(false);
    CControlView::HandleMouseDown(event);
    if (BeginTracking(this)) {
        mStartPoint = event.GetPosition();
        mStartFrame = *GetFrame();
        if (mListener != nullptr)
            mListener->DragStarted(*this);
    }
    return CMouseDownResult(true);
}

void CSplitterView::AdjustCursor()
{
    if (!mDraggable)
        CView::AdjustCursor();
    else if (mOrientation == kMovesVertically)
        SetHorizontalSplitCursor();
    else if (mOrientation == kMovesHorizontally)
        SetVerticalSplitCursor();
}

void CSplitterView::TrackMouse()
{
    const CPoint mouse = GetMousePosition();
    CRect moved = *GetFrame();
    if (mOrientation == kMovesVertically) {
        const std::int32_t top = mStartFrame.GetTop() - mStartPoint.GetY() + mouse.GetY();
        if (top == moved.GetTop())
            return;
        moved.MoveTo(moved.GetLeft(), top);
    } else if (mOrientation == kMovesHorizontally) {
        const std::int32_t left = mStartFrame.GetLeft() - mStartPoint.GetX() + mouse.GetX();
        if (left == moved.GetLeft())
            return;
        moved.MoveTo(left, moved.GetTop());
    } else {
        return;
    }
    ProposeFrame(moved);
}

void CSplitterView::ProposeFrame(const CRect& frame)
{
    CRect proposal = frame;
    if (mListener != nullptr)
        mListener->AdjustProposedFrame(*this, proposal);
    mProposedFrame = proposal;
    mChanged = true;
    NotifyViewChanged(this);
    mChanged = false;
}

void CSplitterView::HandleMouseUp(std::int32_t cause)
{
    if (cause != kMouseUpReleased)
        return;
    EndTracking(this);
    if (mListener != nullptr)
        mListener->DragEnded(*this);
}

bool CSplitterView::TakeProposedFrame(CRect& frame)
{
    if (!mChanged)
        return false;
    frame = mProposedFrame;
    mProposedFrame = CRect();
    mChanged = false;
    return true;
}

} // namespace NSTramvell
