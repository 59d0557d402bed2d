#include "framework/views/pages/BitmapKnobView.h"

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/images/BitmapSequence.h"
#include "framework/gui/windows/DrawSpecs.h"
#include "framework/views/pages/ControlValues.h"
#include "framework/views/pages/SequenceFrames.h"
#include "framework/gui/images/BitmapDrawing.h"

namespace NSTramvell {

CBitmapKnobView::CBitmapKnobView(CABCGroupView* parent, const CABCBitmapSequence& sequence,
                                 std::int32_t dragLengthInPixels)
    : CControlView(parent, CRect())
    , mSequence(sequence)
    , mDragLength(dragLengthInPixels)
{
    SetFrameRect(GetSequenceFrameSize(sequence));
}

void CBitmapKnobView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* const canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CClipGuard clip(canvas, *GetFrame());
    DrawSequenceFrame(*canvas, mSequence, GetFrame()->GetTopLeft(),
                      SequenceFrameForValue(mValue, mSequence.GetFrameCount()));
}

void CBitmapKnobView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateOldAndNew(oldFrame, newFrame);
}

CMouseDownResult CBitmapKnobView::HandleMouseDown(const CMouseEvent& event)
{
    CControlView::HandleMouseDown(event);
    mDragStartValue = mValue;
    mDragStart = event.GetPosition();
    BeginTracking(this);
    return CMouseDownResult(true);
}

void CBitmapKnobView::TrackMouse()
{
    const std::int32_t dragged =
        ClampControlValue(ValueFromDrag(mDragStartValue, mDragStart, GetMousePosition(), mDragLength, 999,
                                        kDragVertical));
    const std::int32_t value = AdjustDraggedValue(dragged);
    if (value == mValue)
        return;
    mValue = value;
    Invalidate();
    mChangeNotice.Notify(this);
}

void CBitmapKnobView::HandleMouseUp(std::int32_t)
{
    if (IsTrackingView(this))
        EndTracking(this);
}

void CBitmapKnobView::SetValue(std::int32_t value)
{
    const std::int32_t limited = ClampControlValue(value);
    if (limited == mValue)
        return;
    mValue = limited;
    Invalidate();
}

CZeroSnapBitmapKnobView::CZeroSnapBitmapKnobView(CABCGroupView* parent, const CABCBitmapSequence& sequence,
                                                 std::int32_t dragLengthInPixels, std::int32_t zoneStart,
                                                 std::int32_t zoneWidth)
    : CBitmapKnobView(parent, sequence, dragLengthInPixels)
    , mZoneStart(zoneStart)
    , mZoneWidth(zoneWidth)
{
}

std::int32_t CZeroSnapBitmapKnobView::AdjustDraggedValue(std::int32_t value) const
{
    return SnapToZone(value, mZoneStart, mZoneWidth);
}

} // namespace NSTramvell
