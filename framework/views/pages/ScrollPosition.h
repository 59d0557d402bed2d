#pragma once

// Where a scrolled view stands: a position within a total size of which a visible size shows. The
// position always lies within 0 .. total − visible, and is 0 when everything is visible.

#include <cstdint>

namespace NSTramvell {

class CScrollPosition
{
public:
    // Directions of a step: back or forward by a page (visible − visible ÷ 10), or by a line (visible ÷ 10).
    static constexpr std::int32_t kPageBack = 0;
    static constexpr std::int32_t kPageForward = 1;
    static constexpr std::int32_t kLineBack = 2;
    static constexpr std::int32_t kLineForward = 3;

    CScrollPosition() noexcept = default;
    CScrollPosition(std::int32_t position, std::int32_t visibleSize, std::int32_t totalSize) noexcept;

    std::int32_t GetPosition() const noexcept { return mPosition; }
    std::int32_t GetVisibleSize() const noexcept { return mVisibleSize; }
    std::int32_t GetTotalSize() const noexcept { return mTotalSize; }

    void SetPosition(std::int32_t position) noexcept;
    void SetVisibleSize(std::int32_t visibleSize) noexcept;
    void SetTotalSize(std::int32_t totalSize) noexcept;
    // An unknown direction leaves the position where it is.
    void Step(std::int32_t direction, std::int32_t count) noexcept;
    // The least move that shows [start, end); a span longer than the visible size shows its start.
    void ShowSpan(std::int32_t start, std::int32_t end) noexcept;

    friend bool operator==(const CScrollPosition&, const CScrollPosition&) noexcept = default;

private:
    void SetClamped(std::int64_t position) noexcept;

    std::int32_t mPosition = 0;
    std::int32_t mVisibleSize = 0;
    std::int32_t mTotalSize = 0;
};

} // namespace NSTramvell
