#include "framework/views/scrolling/ScrollPositions.h"

#include <algorithm>
#include <cstdint>

namespace NSTramvell {

std::int32_t ClampScrollPosition(std::int64_t wanted, std::int64_t limit) noexcept
{
    const std::int64_t clamped = std::max<std::int64_t>(std::min(wanted, limit), 0);
    return static_cast<std::int32_t>(std::min<std::int64_t>(clamped, INT32_MAX));
}

std::int64_t GetScrollStep(std::int32_t visible, std::int32_t direction, std::int32_t count) noexcept
{
    const std::int64_t line = visible / 10;
    const std::int64_t page = visible - line;
    switch (direction) {
    case CScrollPositions::kPageBack: return -page * count;
    case CScrollPositions::kPageForward: return page * count;
    case CScrollPositions::kLineBack: return -line * count;
    case CScrollPositions::kLineForward: return line * count;
    default: return 0;
    }
}

CScrollPositions::CScrollPositions(std::int32_t position, std::int32_t visible, std::int32_t total) noexcept
    : mPosition(position), mVisible(visible), mTotal(total)
{
    Clamp();
}

void CScrollPositions::Clamp() noexcept
{
    mPosition = ClampScrollPosition(mPosition, std::int64_t{mTotal} - mVisible);
}

void CScrollPositions::SetVisible(std::int32_t visible) noexcept
{
    mVisible = visible;
    Clamp();
}

void CScrollPositions::SetTotal(std::int32_t total) noexcept
{
    mTotal = total;
    Clamp();
}

void CScrollPositions::Step(std::int32_t direction, std::int32_t count) noexcept
{
    mPosition = ClampScrollPosition(mPosition + GetScrollStep(mVisible, direction, count),
                                    std::int64_t{mTotal} - mVisible);
}

void CScrollPositions::ShowSpan(std::int32_t start, std::int32_t end) noexcept
{
    if (end > std::int64_t{mPosition} + mVisible)
        mPosition = static_cast<std::int32_t>(std::int64_t{end} - mVisible);
    if (start < mPosition)
        mPosition = start;
    Clamp();
}

} // namespace NSTramvell
