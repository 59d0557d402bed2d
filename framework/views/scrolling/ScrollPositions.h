#pragma once

// Scroll positions as scroll bars take them: a triple of total size, position and visible size, and the
// value that keeps the position inside 0 .. total - visible while any of the three changes.

#include <cstdint>

namespace NSTramvell {

class CScrollTriple
{
public:
    constexpr CScrollTriple() noexcept = default;
    constexpr CScrollTriple(std::int32_t total, std::int32_t position, std::int32_t visible) noexcept
        : mTotal(total), mPosition(position), mVisible(visible)
    {
    }
    constexpr std::int32_t GetTotal() const noexcept { return mTotal; }
    constexpr std::int32_t GetPosition() const noexcept { return mPosition; }
    constexpr std::int32_t GetVisible() const noexcept { return mVisible; }
    friend constexpr bool operator==(const CScrollTriple& a, const CScrollTriple& b) noexcept
    {
        return a.mTotal == b.mTotal && a.mPosition == b.mPosition && a.mVisible == b.mVisible;
    }

private:
    std::int32_t mTotal = 0;
    std::int32_t mPosition = 0;
    std::int32_t mVisible = 0;
};

class CScrollPositions
{
public:
    static constexpr std::int32_t kPageBack = 0;
    static constexpr std::int32_t kPageForward = 1;
    static constexpr std::int32_t kLineBack = 2;
    static constexpr std::int32_t kLineForward = 3;

    CScrollPositions() noexcept = default;
    // The position is clamped at once.
    CScrollPositions(std::int32_t position, std::int32_t visible, std::int32_t total) noexcept;

    std::int32_t GetPosition() const noexcept { return mPosition; }
    std::int32_t GetVisible() const noexcept { return mVisible; }
    std::int32_t GetTotal() const noexcept { return mTotal; }
    // Each clamps the position again; a visible size beyond the total puts it at 0.
    void SetVisible(std::int32_t visible) noexcept;
    void SetTotal(std::int32_t total) noexcept;
    // count pages (visible less a tenth) or lines (a tenth of visible) in one of the four directions.
    void Step(std::int32_t direction, std::int32_t count) noexcept;
    // Moves the position as little as it takes for start .. end to be visible; the start wins when the
    // span is longer than the visible size.
    void ShowSpan(std::int32_t start, std::int32_t end) noexcept;
    CScrollTriple ToTriple() const noexcept { return CScrollTriple(mTotal, mPosition, mVisible); }

    friend bool operator==(const CScrollPositions& a, const CScrollPositions& b) noexcept
    {
        return a.mPosition == b.mPosition && a.mVisible == b.mVisible && a.mTotal == b.mTotal;
    }

private:
    void Clamp() noexcept;

    std::int32_t mPosition = 0;
    std::int32_t mVisible = 0;
    std::int32_t mTotal = 0;
};

// Kept inside 0 .. limit, where a negative limit leaves 0; 64-bit, so a far step saturates.
std::int32_t ClampScrollPosition(std::int64_t wanted, std::int64_t limit) noexcept;
// The signed move of count steps in a direction (0/1 pages, 2/3 lines) over a visible size; 0 for others.
std::int64_t GetScrollStep(std::int32_t visible, std::int32_t direction, std::int32_t count) noexcept;

} // namespace NSTramvell
