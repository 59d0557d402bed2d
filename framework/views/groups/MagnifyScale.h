#pragma once

// The arithmetic of the magnify view: a track from 6 pixels inside the frame's left edge to 6 inside its
// right edge maps x positions to values 0 to 999, and a 9 x 8 pointer marks the value. A frame too
// narrow for a track (12 pixels or fewer) has the value 0 everywhere and the pointer at the track start.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>

namespace NSTramvell {

class CMagnifyScale
{
public:
    static constexpr std::int32_t kMaximumValue = 999;
    static constexpr std::int32_t kTrackInset = 6;
    static constexpr std::int32_t kPointerWidth = 9;
    static constexpr std::int32_t kPointerHeight = 8;

    explicit CMagnifyScale(const CRect& frame) noexcept : mFrame(frame) {}

    std::int32_t GetTrackStart() const noexcept { return mFrame.GetLeft() + kTrackInset; }
    std::int32_t GetTrackEnd() const noexcept { return mFrame.GetRight() - kTrackInset; }
    std::int32_t XToValue(std::int32_t x) const noexcept;
    std::int32_t ValueToX(std::int32_t value) const noexcept;
    CRect GetThumbRect(std::int32_t value) const noexcept;
    // The x positions of the tick marks, from the right end leftwards, spaced ever wider.
    template <typename F> void ForEachTick(F&& tick) const
    {
        std::int32_t spacing = 2;
        for (std::int32_t x = mFrame.GetRight() - kTrackInset; x > mFrame.GetLeft() + kTrackInset; x -= spacing++)
            tick(x);
    }

private:
    std::int32_t GetTrackWidth() const noexcept { return GetTrackEnd() - GetTrackStart(); }

    CRect mFrame;
};

} // namespace NSTramvell
