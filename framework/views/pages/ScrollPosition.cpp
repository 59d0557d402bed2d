#include "framework/views/pages/ScrollPosition.h"

#include <algorithm>

namespace NSTramvell {

CScrollPosition::CScrollPosition(std::int32_t position, std::int32_t visibleSize, std::int32_t totalSize) noexcept
    : mVisibleSize(visibleSize)
    , mTotalSize(totalSize)
{
    SetClamped(position);
}

void CScrollPosition::SetClamped(std::int64_t position) noexcept
{
    // 64 bits: a size near the type's limits, or many steps, must not wrap the comparison.
    const std::int64_t last = std::max<std::int64_t>(0, std::int64_t{mTotalSize} - mVisibleSize);
    mPosition = static_cast<std::int32_t>(std::clamp<std::int64_t>(position, 0, last));
}

void CScrollPosition::SetPosition(std::int32_t position) noexcept
{
    SetClamped(position);
}

void CScrollPosition::SetVisibleSize(std::int32_t visibleSize) noexcept
{
    mVisibleSize = visibleSize;
    SetClamped(mPosition);
}

void CScrollPosition::SetTotalSize(std::int32_t totalSize) noexcept
{
    mTotalSize = totalSize;
    SetClamped(mPosition);
}

void CScrollPosition::Step(std::int32_t direction, std::int32_t count) noexcept
{
    const std::int32_t line = mVisibleSize / 10;
    const std::int32_t page = mVisibleSize - line;
    std::int64_t distance = 0;
    switch (direction) {
    case kPageBack: distance = -std::int64_t{page}; break;
    case kPageForward: distance = page; break;
    case kLineBack: distance = -std::int64_t{line}; break;
    case kLineForward: distance = line; break;
    default: return;
    }
    SetClamped(mPosition + distance * count);
}

void CScrollPosition::ShowSpan(std::int32_t start, std::int32_t end) noexcept
{
    std::int64_t position = mPosition;
    if (std::int64_t{end} - start > mVisibleSize || start < position)
        position = start;
    else if (end > position + mVisibleSize)
        position = std::int64_t{end} - mVisibleSize;
    SetClamped(position);
}

} // namespace NSTramvell
