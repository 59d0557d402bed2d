#pragma once

#include <cstdint>

namespace NSTramvell {

// Counts frames of a fixed length on the clock (animated views): the first reading starts it.
class CFrameTimer
{
public:
    explicit CFrameTimer(std::int64_t frameLength);
    void Restart(std::int64_t frameLength);
    // Whole frames since the start; the first call starts the timer at now.
    std::int32_t GetFrames(std::int64_t now);
    // Frames since the previous Advance.
    std::int32_t Advance(std::int64_t now);

private:
    std::int64_t mStart = 0;   // 0: not started
    std::int64_t mFrameLength;
    std::int32_t mLastFrames = 0;
};

// (later − earlier) / unit, as CFrameTimer counts frames.
std::int32_t ClockDifferenceInUnits(const std::int64_t& later, std::int64_t unit, std::int64_t earlier);

} // namespace NSTramvell
