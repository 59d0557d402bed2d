#include "framework/foundation/platform/FrameTimer.h"

namespace NSTramvell {

CFrameTimer::CFrameTimer(std::int64_t frameLength)
    : mFrameLength(frameLength)
{
}

void CFrameTimer::Restart(std::int64_t frameLength)
{
    mFrameLength = frameLength;
    mStart = 0;
    mLastFrames = 0;
}

std::int32_t CFrameTimer::GetFrames(std::int64_t now)
{
    if (mStart == 0)
        mStart = now;
    return ClockDifferenceInUnits(now, mFrameLength, mStart);
}

std::int32_t CFrameTimer::Advance(std::int64_t now)
{
    const std::int32_t frames = GetFrames(now);
    const auto advanced = static_cast<std::int32_t>(static_cast<std::uint32_t>(frames) - static_cast<std::uint32_t>(mLastFrames));
    mLastFrames = frames;
    return advanced;
}

std::int32_t ClockDifferenceInUnits(const std::int64_t& later, std::int64_t unit, std::int64_t earlier)
{
    return static_cast<std::int32_t>((later - earlier) / unit);
}

} // namespace NSTramvell
