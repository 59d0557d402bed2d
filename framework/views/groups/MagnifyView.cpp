#include "framework/views/groups/MagnifyView.h"

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/DrawingFunctions.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/views/groups/MagnifyScale.h"

namespace NSTramvell {

namespace {

constexpr std::uint16_t kNoPendingValue = 666;

// The pointer: an upright pentagon, its apex at the top middle, outlined in black and shaded light on
// the left, dark on the right.
void DrawPointer(CABCCanvas& canvas, const CRect& thumb, const CColor& light, const CColor& face, const CColor& dark)
{
    const std::int32_t l = thumb.GetLeft();
    const std::int32_t t = thumb.GetTop();
    const std::int32_t r = thumb.GetRight() - 1;
    const std::int32_t b = thumb.GetBottom() - 1;
    const std::int32_t apex = l + 4;
    for (std::int32_t y = t + 1; y < b; ++y) {
        const std::int32_t indent = y < b - 3 ? (b - 3) - y : 0;
        const std::int32_t left = l + indent + 1;
        const std::int32_t right = r - indent - 1;
        if (left > right)
            continue;
        canvas.DrawLine(left, y, right, y, face);
        canvas.DrawLine(left, y, left, y, light);
        canvas.DrawLine(right, y, right, y, dark);
    }
    canvas.DrawLine(l, b, r, b, kColorBlack);
    canvas.DrawLine(l, b - 3, l, b, kColorBlack);
    canvas.DrawLine(r, b - 3, r, b, kColorBlack);
    canvas.DrawLine(l, b - 3, apex, t, kColorBlack);
    canvas.DrawLine(r, b - 3, apex, t, kColorBlack);
}

} // namespace

void CMagnifyView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CColor light = mPressed ? GetSystemFaceColor() : GetSystemHighlightColor();
    const CColor face = mPressed ? GetSystemShadowColor() : GetSystemFaceColor();
    const CColor dark = mPressed ? kColorBlack : GetSystemShadowColor();
    const CRect& frame = *GetFrame();
    DrawHighlightBevel(*canvas, frame, light, face, dark);
    CRect inside = frame;
    inside.Inset(1);
    canvas->FillRect(inside, GetSystemFaceColor());
    DrawPointer(*canvas, GetThumbRect(mValue), light, face, dark);
    CMagnifyScale(frame).ForEachTick([&](std::int32_t x) {
        canvas->DrawLine(x - 1, frame.GetTop(), x - 1, frame.GetTop() + 4, GetSystemHighlightColor());
        canvas->DrawLine(x, frame.GetTop(), x, frame.GetTop() + 4, kColorBlack);
        canvas->DrawLine(x + 1, frame.GetTop(), x + 1, frame.GetTop() + 4, GetSystemShadowColor());
    });
}

CRect CMagnifyView::GetThumbRect(std::uint16_t value) const
{
    return CMagnifyScale(*GetFrame()).GetThumbRect(value);
}

void CMagnifyView::OfferValueAt(std::int32_t x)
{
    const auto value = static_cast<std::uint16_t>(CMagnifyScale(*GetFrame()).XToValue(x));
    if (value != mValue)
        NotifyValue(value);
}

CMouseDownResult CMagnifyView::HandleMouseDown(const CMouseEvent& event)
{
    CControlView::HandleMouseDown(event);
    if (BeginTracking(this)) {
        mPressed = true;
        Invalidate();
        OfferValueAt(event.GetPosition().GetX());
    }
    return CMouseDownResult(true);
}

void CMagnifyView::TrackMouse()
{
    OfferValueAt(GetMousePosition().GetX());
}

void CMagnifyView::HandleMouseUp(std::int32_t cause)
{
    mPressed = false;
    Invalidate();
    if (cause == kMouseUpReleased)
        EndTracking(this);
}

bool CMagnifyView::TakeChangedValue(std::uint16_t& value)
{
    if (!mChanged)
        return false;
    value = mPendingValue;
    mPendingValue = kNoPendingValue;
    mChanged = false;
    return true;
}

void CMagnifyView::SetValue(std::uint16_t value)
{
    if (value == mValue)
        return;
    const CRect oldThumb = GetThumbRect(mValue);
    const CRect newThumb = GetThumbRect(value);
    if (!(oldThumb == newThumb)) {
        InvalidateFrameRect(oldThumb);
        InvalidateFrameRect(newThumb);
    }
    mValue = value;
}

void CMagnifyView::NotifyValue(std::uint16_t value)
{
    mPendingValue = value;
    mChanged = true;
    NotifyViewChanged(this);
    mChanged = false;
}

} // namespace NSTramvell
