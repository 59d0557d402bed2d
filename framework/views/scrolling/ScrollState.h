#pragma once

// What a scroll view shows: its frame, how far its content is scrolled and how large that content is.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>

namespace NSTramvell {

class CScrollState
{
public:
    CScrollState() noexcept = default;
    CScrollState(const CRect& frame, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) noexcept
        : mFrame(frame), mX(x), mY(y), mWidth(width), mHeight(height)
    {
    }

    const CRect& GetFrame() const noexcept { return mFrame; }
    std::int32_t GetX() const noexcept { return mX; }
    std::int32_t GetY() const noexcept { return mY; }
    std::int32_t GetWidth() const noexcept { return mWidth; }
    std::int32_t GetHeight() const noexcept { return mHeight; }
    bool HasSameFrame(const CScrollState& other) const noexcept { return mFrame == other.mFrame; }

    friend bool operator==(const CScrollState& a, const CScrollState& b) noexcept
    {
        return a.mFrame == b.mFrame && a.mX == b.mX && a.mY == b.mY && a.mWidth == b.mWidth &&
               a.mHeight == b.mHeight;
    }

private:
    CRect mFrame;
    std::int32_t mX = 0;
    std::int32_t mY = 0;
    std::int32_t mWidth = 0;
    std::int32_t mHeight = 0;
};

} // namespace NSTramvell
