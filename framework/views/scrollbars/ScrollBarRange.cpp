#include "framework/views/scrollbars/ScrollBarRange.h"

#include <algorithm>

namespace NSTramvell {

CScrollBarRange::CScrollBarRange(std::int32_t minimum, std::int32_t maximum) noexcept
    : mMinimum(minimum), mMaximum(maximum), mVisibleStart(minimum), mVisibleEnd(maximum)
{
}

std::int32_t CScrollBarRange::GetEffectiveStep() const noexcept
{
    return mStep == kAutomaticStep ? GetVisibleSize() / 10 : mStep;
}

void CScrollBarRange::SetVisible(std::int32_t start, std::int32_t end) noexcept
{
    mVisibleStart = start;
    mVisibleEnd = end;
}

void CScrollBarRange::ShowAll() noexcept
{
    SetVisible(mMinimum, mMaximum);
}

void CScrollBarRange::SetRange(std::int32_t minimum, std::int32_t maximum) noexcept
{
    mMinimum = minimum;
    mMaximum = maximum;
    if (mVisibleEnd <= maximum)
        return;
    const std::int32_t size = GetVisibleSize();
    const std::int32_t start = std::max(maximum - size, minimum);
    SetVisible(start, start + size);
}

void CScrollBarRange::MoveStartTo(std::int32_t position) noexcept
{
    const std::int32_t size = GetVisibleSize();
    SetVisible(position, position + size);
}

void CScrollBarRange::MoveEndTo(std::int32_t position) noexcept
{
    const std::int32_t size = GetVisibleSize();
    SetVisible(position - size, position);
}

void CScrollBarRange::ScrollTo(std::int32_t position) noexcept
{
    const std::int32_t size = GetVisibleSize();
    if (position < mMinimum)
        position = mMinimum;
    else if (position + size > mMaximum)
        position = std::max(mVisibleStart, mMaximum - size);
    SetVisible(position, position + size);
}

void CScrollBarRange::PageBack() noexcept
{
    ScrollTo(mVisibleStart - GetEffectiveStep());
}

void CScrollBarRange::PageForward() noexcept
{
    ScrollTo(mVisibleStart + GetEffectiveStep());
}

void CScrollBarRange::ScrollBackBySize() noexcept
{
    ScrollTo(2 * mVisibleStart - mVisibleEnd);
}

void CScrollBarRange::ScrollToEnd() noexcept
{
    ScrollTo(mVisibleEnd);
}

void CScrollBarRange::SetVisibleBounded(std::int32_t start, std::int32_t end) noexcept
{
    const std::int32_t size = std::min(end - start, GetRangeSize());
    if (start < mMinimum)
        SetVisible(mMinimum, mMinimum + size);
    else if (end <= mMaximum)
        SetVisible(start, end);
    else
        SetVisible(mMaximum - size, mMaximum);
}

void CScrollBarRange::ZoomIn() noexcept
{
    const std::int32_t quarter = GetVisibleSize() / 4;
    SetVisibleBounded(mVisibleStart + quarter, mVisibleEnd - quarter);
}

void CScrollBarRange::ZoomOut() noexcept
{
    const std::int32_t half = GetVisibleSize() / 2;
    SetVisibleBounded(mVisibleStart - half, mVisibleEnd + half);
}

void CScrollBarRange::CenterOnQuarter(std::int32_t position) noexcept
{
    const std::int32_t quarter = GetVisibleSize() / 4;
    SetVisibleBounded(position - quarter, position + quarter);
}

void CScrollBarRange::CenterOn(std::int32_t position) noexcept
{
    const std::int32_t size = GetVisibleSize();
    SetVisibleBounded(position - size, position + size);
}

} // namespace NSTramvell
