#pragma once

// CScrollBarRange, what scroll bars and scroll views exchange: a whole range, the part of it that is
// visible and the step by which paging moves. A plain value; it owns nothing.

#include <cstdint>

namespace NSTramvell {

class CScrollBarRange
{
public:
    // A step of this value pages by a tenth of the visible size.
    static constexpr std::int32_t kAutomaticStep = -50;

    CScrollBarRange() noexcept = default;
    // The whole range visible.
    CScrollBarRange(std::int32_t minimum, std::int32_t maximum) noexcept;

    std::int32_t GetMinimum() const noexcept { return mMinimum; }
    std::int32_t GetMaximum() const noexcept { return mMaximum; }
    std::int32_t GetVisibleStart() const noexcept { return mVisibleStart; }
    std::int32_t GetVisibleEnd() const noexcept { return mVisibleEnd; }
    std::int32_t GetStep() const noexcept { return mStep; }
    std::int32_t GetRangeSize() const noexcept { return mMaximum - mMinimum; }
    std::int32_t GetVisibleSize() const noexcept { return mVisibleEnd - mVisibleStart; }
    std::int32_t GetEffectiveStep() const noexcept;

    void SetMinimum(std::int32_t minimum) noexcept { mMinimum = minimum; }
    void SetMaximum(std::int32_t maximum) noexcept { mMaximum = maximum; }
    void SetVisibleEnd(std::int32_t end) noexcept { mVisibleEnd = end; }
    void SetVisible(std::int32_t start, std::int32_t end) noexcept;
    void SetStep(std::int32_t step) noexcept { mStep = step; }
    void ShowAll() noexcept;
    // A visible part reaching beyond the new maximum slides back, keeping its size, but not below the
    // new minimum.
    void SetRange(std::int32_t minimum, std::int32_t maximum) noexcept;

    // Unbounded moves that keep the visible size.
    void MoveStartTo(std::int32_t position) noexcept;
    void MoveEndTo(std::int32_t position) noexcept;
    // Keeps the visible size and the range's minimum; near the maximum it never moves backwards.
    void ScrollTo(std::int32_t position) noexcept;
    void PageBack() noexcept;
    void PageForward() noexcept;
    void ScrollBackBySize() noexcept;
    void ScrollToEnd() noexcept;

    // The span, no larger than the range, kept inside it.
    void SetVisibleBounded(std::int32_t start, std::int32_t end) noexcept;
    void ZoomIn() noexcept;
    void ZoomOut() noexcept;
    void CenterOnQuarter(std::int32_t position) noexcept;
    void CenterOn(std::int32_t position) noexcept;

    // The step takes no part.
    friend bool operator==(const CScrollBarRange& a, const CScrollBarRange& b) noexcept
    {
        return a.mMinimum == b.mMinimum && a.mMaximum == b.mMaximum && a.mVisibleStart == b.mVisibleStart &&
               a.mVisibleEnd == b.mVisibleEnd;
    }

private:
    std::int32_t mMinimum = 0;
    std::int32_t mMaximum = 0;
    std::int32_t mVisibleStart = 0;
    std::int32_t mVisibleEnd = 0;
    std::int32_t mStep = kAutomaticStep;
};

} // namespace NSTramvell
