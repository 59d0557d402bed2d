#include "framework/views/pages/BitmapFaderView.h"

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/windows/DrawSpecs.h"
#include "framework/views/pages/ControlValues.h"
#include "framework/gui/images/BitmapDrawing.h"

namespace NSTramvell {

CBitmapFaderView::CBitmapFaderView(CABCGroupView* parent, const CBitmapKey& handleKey, const CBitmapKey& trackKey,
                                   std::int32_t orientation)
    : CControlView(parent, CRect())
    , mHandleKey(handleKey)
    , mTrackKey(trackKey)
    , mOrientation(orientation)
{
}

CRect CBitmapFaderView::GetHandleRect() const
{
    const CPoint trackSize = GetBitmapSize(mTrackKey);
    const CPoint handleSize = GetBitmapSize(mHandleKey);
    const CPoint origin = GetFrame()->GetTopLeft();
    CRect handle(0, 0, handleSize.GetX(), handleSize.GetY());
    if (mOrientation == kVertical) {
        const std::int32_t travel = trackSize.GetY() - handleSize.GetY();
        handle.MoveTo(origin.GetX() + (trackSize.GetX() - handleSize.GetX()) / 2,
                      origin.GetY() + travel - FaderHandleOffset(mValue, trackSize.GetY(), handleSize.GetY()));
    } else {
        handle.MoveTo(origin.GetX() + FaderHandleOffset(mValue, trackSize.GetX(), handleSize.GetX()),
                      origin.GetY() + (trackSize.GetY() - handleSize.GetY()) / 2);
    }
    return handle;
}

std::int32_t CBitmapFaderView::GetTrackLength(const CPoint& trackSize, const CPoint& handleSize) const
{
    return mOrientation == kVertical ? trackSize.GetY() - handleSize.GetY() : trackSize.GetX() - handleSize.GetX();
}

void CBitmapFaderView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* const canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CRect handle = GetHandleRect();
    DrawBitmap(*canvas, GetFrame()->GetLeft(), GetFrame()->GetTop(), mTrackKey);
    DrawBitmap(*canvas, handle.GetLeft(), handle.GetTop(), mHandleKey);
}

void CBitmapFaderView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateOldAndNew(oldFrame, newFrame);
}

CMouseDownResult CBitmapFaderView::HandleMouseDown(const CMouseEvent& event)
{
    CControlView::HandleMouseDown(event);
    mDragStartValue = mValue;
    mDragStart = event.GetPosition();
    BeginTracking(this);
    return CMouseDownResult(true);
}

void CBitmapFaderView::TrackMouse()
{
    const std::int32_t travel =
        GetTrackLength(GetBitmapSize(mTrackKey), GetBitmapSize(mHandleKey));
    // The fader's horizontal is a drag's horizontal; its vertical rises with upward movement.
    const std::int32_t dragOrientation = mOrientation == kVertical ? kDragVertical : kDragHorizontal;
    const std::int32_t value =
        ClampControlValue(ValueFromDrag(mDragStartValue, mDragStart, GetMousePosition(), travel, 1000,
                                        dragOrientation));
    if (value == mValue)
        return;
    MoveHandle(value);
    mChangeNotice.Notify(this);
}

void CBitmapFaderView::HandleMouseUp(std::int32_t)
{
    if (IsTrackingView(this))
        EndTracking(this);
}

void CBitmapFaderView::SetValue(std::int32_t value)
{
    const std::int32_t limited = ClampControlValue(value);
    if (limited != mValue)
        MoveHandle(limited);
}

void CBitmapFaderView::MoveHandle(std::int32_t value)
{
    const CRect oldHandle = GetHandleRect();
    mValue = value;
    InvalidateOldAndNew(oldHandle, GetHandleRect());
}

} // namespace NSTramvell
