#pragma once

// One axis of a list that scrolls by whole items: how many items there are, how far the content is
// scrolled (pixels) and how tall one item is (pixels). A unit of 0 or less names no item at all: every
// index is 0 and no item is visible, instead of a division by zero.

#include "framework/gui/geometry/Rect.h"
#include "framework/views/scrollbars/ScrollBarRange.h"
#include "framework/views/scrolling/ScrollPositions.h"

#include <cstdint>

namespace NSTramvell {

class CScrollAxis
{
public:
    static constexpr std::int32_t kPageBack = 0;
    static constexpr std::int32_t kPageForward = 1;
    static constexpr std::int32_t kLineBack = 2;
    static constexpr std::int32_t kLineForward = 3;

    CScrollAxis() noexcept = default;
    CScrollAxis(std::int32_t count, std::int32_t position, std::int32_t unit) noexcept
        : mCount(count), mPosition(position), mUnit(unit)
    {
    }

    std::int32_t GetCount() const noexcept { return mCount; }
    std::int32_t GetPosition() const noexcept { return mPosition; }
    std::int32_t GetUnit() const noexcept { return mUnit; }
    void Set(std::int32_t count, std::int32_t position, std::int32_t unit) noexcept;

    std::int32_t GetExtent() const noexcept;
    std::int32_t GetFirstVisibleIndex() const noexcept;
    std::int32_t IndexAt(std::int32_t offset) const noexcept;
    std::int32_t ToContent(std::int32_t offset) const noexcept { return mPosition + offset; }
    // The item under y, for a view whose content starts at origin; the ceiling form rounds up.
    std::int32_t IndexAtFloor(std::int32_t origin, std::int32_t y) const noexcept;
    std::int32_t IndexAtCeil(std::int32_t origin, std::int32_t y) const noexcept;

    std::int32_t ClampPosition(std::int32_t visible, std::int32_t wanted) const noexcept;
    // Moves count pages (visible less a tenth) or lines (a tenth of visible), kept inside the extent.
    void ScrollBy(std::int32_t visible, std::int32_t direction, std::int32_t count) noexcept;
    // Brings the items first to last into view with as little movement as it takes.
    void ScrollToShow(std::int32_t visible, std::int32_t firstItem, std::int32_t lastItem) noexcept;
    // The items that the part of the view inside the clip shows; false when that part is empty or there
    // are no items to show.
    bool GetVisibleItems(const CRect& view, const CRect& clip, std::int32_t& first, std::int32_t& last) const noexcept;
    // The range 0 to the extent, the part from the position on visible (none for a negative size).
    CScrollBarRange GetRanges(std::int32_t visible) const noexcept;
    CScrollTriple GetScrollTriple(std::int32_t visible) const noexcept;

    friend bool operator==(const CScrollAxis& a, const CScrollAxis& b) noexcept
    {
        return a.mCount == b.mCount && a.mPosition == b.mPosition && a.mUnit == b.mUnit;
    }

private:
    std::int32_t mCount = 0;
    std::int32_t mPosition = 0;
    std::int32_t mUnit = 0;
};

} // namespace NSTramvell
