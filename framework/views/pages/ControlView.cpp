#include "framework/views/pages/ControlView.h"

#include "framework/views/pages/ControlValues.h"

namespace NSTramvell {
namespace {

std::int32_t gControlDragSpeed = 1;
std::int32_t gFineModeKey = kFineModeShift;

} // namespace

void SetControlDragSpeed(std::int32_t speed)
{
    gControlDragSpeed = speed;
}

std::int32_t GetControlDragSpeed()
{
    return gControlDragSpeed;
}

void SetFineModeKey(std::int32_t key)
{
    gFineModeKey = key;
}

std::int32_t GetFineModeKey()
{
    return gFineModeKey;
}

CControlView::CControlView(CABCGroupView* parent, const CRect& frame) : CView(parent, frame) {}

CMouseDownResult CControlView::HandleMouseDown(const CMouseEvent& event)
{
    CModifierKeys keys;
    CModifierKeys::ReadCurrent(keys);
    UpdateDragDivisor(keys);
    CView::HandleMouseDown(event);
    return CMouseDownResult(false);
}

void CControlView::UpdateDragDivisor(const CModifierKeys& keys)
{
    mDragDivisor = 1;
    const std::int32_t fineKey = GetFineModeKey();
    if ((fineKey == kFineModeAlt && keys.IsAltDown()) || (fineKey == kFineModeShift && keys.IsShiftDown()))
        mDragDivisor = kFineModeDivisor;
}

std::int32_t CControlView::GetDragPixels(std::int32_t range) const
{
    return mDragDivisor * GetControlDragSpeed() * range;
}

std::int32_t CControlView::ValueFromDrag(std::int32_t startValue, const CPoint& startPoint,
                                         const CPoint& currentPoint, std::int32_t range, std::int32_t valueSpan,
                                         std::int32_t orientation) const
{
    return DragValue(startValue, startPoint, currentPoint, GetDragPixels(range), valueSpan, orientation);
}

} // namespace NSTramvell
