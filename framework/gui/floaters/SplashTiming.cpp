#include "framework/gui/floaters/SplashTiming.h"

namespace NSTramvell {

CSplashTiming::CSplashTiming(std::uint64_t startMs, std::int32_t durationMs)
    : mStartMs(startMs)
    , mDurationMs(durationMs)
{
}

bool CSplashTiming::MayClose(std::uint64_t nowMs) const
{
    if (mDurationMs < 0)
        return mClicked;
    // Signed, so that a clock read before the start does not wrap into a long past.
    const std::int64_t remaining =
        static_cast<std::int64_t>(mStartMs) + mDurationMs - static_cast<std::int64_t>(nowMs);
    return remaining < 1;
}

void RunSplashLoop(const CSplashLoopSteps& steps)
{
    while (!steps.mayClose() && !steps.isWindowGone() && !steps.isQuitting()) {
        steps.pumpStep();
        steps.pause();
    }
}

} // namespace NSTramvell
