#include "framework/views/groups/MagnifyScale.h"

#include "framework/foundation/core/ByteOrder.h"

namespace NSTramvell {

std::int32_t CMagnifyScale::XToValue(std::int32_t x) const noexcept
{
    const std::int32_t width = GetTrackWidth();
    if (width <= 0)
        return 0;
    return MulDivRound(Clamp(x - GetTrackStart(), 0, width), kMaximumValue, width);
}

std::int32_t CMagnifyScale::ValueToX(std::int32_t value) const noexcept
{
    const std::int32_t width = GetTrackWidth();
    if (width <= 0)
        return GetTrackStart();
    return MulDivRound(value, width, kMaximumValue) + GetTrackStart();
}

CRect CMagnifyScale::GetThumbRect(std::int32_t value) const noexcept
{
    const std::int32_t left = ValueToX(value) - kPointerWidth / 2 - 1;
    const std::int32_t top = mFrame.GetTop() + kTrackInset;
    return CRect(left, top, left + kPointerWidth, top + kPointerHeight);
}

} // namespace NSTramvell
