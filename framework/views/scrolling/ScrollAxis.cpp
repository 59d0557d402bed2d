#include "framework/views/scrolling/ScrollAxis.h"

#include <algorithm>
#include <cstdint>

namespace NSTramvell {

namespace {

// Rounds toward positive infinity, as the quotient of an item's lower edge needs.
std::int64_t DivideRoundingUp(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t quotient = numerator / denominator;
    return (numerator % denominator != 0 && (numerator > 0) == (denominator > 0)) ? quotient + 1 : quotient;
}

std::int32_t Narrow(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

} // namespace

void CScrollAxis::Set(std::int32_t count, std::int32_t position, std::int32_t unit) noexcept
{
    mCount = count;
    mPosition = position;
    mUnit = unit;
}

std::int32_t CScrollAxis::GetExtent() const noexcept
{
    return Narrow(std::int64_t{mCount} * mUnit);
}

std::int32_t CScrollAxis::GetFirstVisibleIndex() const noexcept
{
    return mUnit > 0 ? mPosition / mUnit : 0;
}

std::int32_t CScrollAxis::IndexAt(std::int32_t offset) const noexcept
{
    return mUnit > 0 ? Narrow((std::int64_t{mPosition} + offset) / mUnit) : 0;
}

std::int32_t CScrollAxis::IndexAtFloor(std::int32_t origin, std::int32_t y) const noexcept
{
    return mUnit > 0 ? Narrow((std::int64_t{mPosition} - origin + y) / mUnit) : 0;
}

std::int32_t CScrollAxis::IndexAtCeil(std::int32_t origin, std::int32_t y) const noexcept
{
    return mUnit > 0 ? Narrow(DivideRoundingUp(std::int64_t{mPosition} - origin + y, mUnit)) : 0;
}

std::int32_t CScrollAxis::ClampPosition(std::int32_t visible, std::int32_t wanted) const noexcept
{
    return Narrow(std::max<std::int64_t>(std::min<std::int64_t>(wanted, std::int64_t{GetExtent()} - visible), 0));
}

void CScrollAxis::ScrollBy(std::int32_t visible, std::int32_t direction, std::int32_t count) noexcept
{
    mPosition = ClampScrollPosition(mPosition + GetScrollStep(visible, direction, count),
                                    std::int64_t{GetExtent()} - visible);
}

void CScrollAxis::ScrollToShow(std::int32_t visible, std::int32_t firstItem, std::int32_t lastItem) noexcept
{
    const std::int64_t start = std::int64_t{mUnit} * firstItem;
    const std::int64_t end = std::int64_t{mUnit} * lastItem;
    if (start < mPosition)
        mPosition = Narrow(std::max<std::int64_t>(start, 0));
    else if (end > std::int64_t{mPosition} + visible)
        mPosition = Narrow(std::min<std::int64_t>(end, GetExtent()) - visible);
}

bool CScrollAxis::GetVisibleItems(const CRect& view, const CRect& clip, std::int32_t& first,
                                  std::int32_t& last) const noexcept
{
    const std::int32_t top = std::max(clip.GetTop(), view.GetTop());
    const std::int32_t bottom = std::min(clip.GetBottom(), view.GetBottom());
    if (top >= bottom || mUnit <= 0)
        return false;
    const std::int64_t scrolledTop = std::int64_t{mPosition} - view.GetTop();
    first = Narrow(std::max<std::int64_t>((scrolledTop + top) / mUnit, 0));
    last = Narrow(std::min<std::int64_t>(DivideRoundingUp(scrolledTop + bottom, mUnit), mCount));
    return true;
}

CScrollBarRange CScrollAxis::GetRanges(std::int32_t visible) const noexcept
{
    CScrollBarRange range(0, GetExtent());
    range.SetVisible(mPosition, mPosition + std::max(visible, 0));
    return range;
}

CScrollTriple CScrollAxis::GetScrollTriple(std::int32_t visible) const noexcept
{
    return CScrollTriple(GetExtent(), mPosition, visible);
}

} // namespace NSTramvell
