#include "framework/views/pages/ControlValues.h"

#include <algorithm>

namespace NSTramvell {

std::int32_t DragValue(std::int32_t startValue, const CPoint& startPoint, const CPoint& currentPoint,
                       std::int32_t dragPixels, std::int32_t valueSpan, std::int32_t orientation) noexcept
{
    if (dragPixels <= 0)
        return startValue;
    // 64 bits: a long drag over a wide span must not wrap before the division.
    std::int64_t movement = 0;
    if (orientation == kDragVertical)
        movement = static_cast<std::int64_t>(startPoint.GetY()) - currentPoint.GetY();
    else if (orientation == kDragHorizontal)
        movement = static_cast<std::int64_t>(currentPoint.GetX()) - startPoint.GetX();
    else
        return startValue;
    const std::int64_t value = startValue + movement * valueSpan / dragPixels;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

std::int32_t FaderHandleOffset(std::int32_t value, std::int32_t trackLength, std::int32_t handleLength) noexcept
{
    return static_cast<std::int32_t>(static_cast<std::int64_t>(value) * (trackLength - handleLength) / 1000);
}

std::int32_t ClampControlValue(std::int32_t value) noexcept
{
    return std::clamp(value, 0, 999);
}

std::uint16_t SequenceFrameForValue(std::int32_t value, std::uint16_t frameCount) noexcept
{
    if (frameCount == 0)
        return 0;
    return static_cast<std::uint16_t>(ClampControlValue(value) * frameCount / 1000);
}

std::int32_t SnapToZone(std::int32_t value, std::int32_t zoneStart, std::int32_t zoneWidth) noexcept
{
    if (zoneWidth > 0 && value >= zoneStart && value - zoneStart < zoneWidth)
        return zoneStart;
    return value;
}

} // namespace NSTramvell
