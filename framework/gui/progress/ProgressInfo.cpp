#include "framework/gui/progress/ProgressInfo.h"

#include "framework/foundation/platform/TimeBase.h"

#include <utility>

namespace NSTramvell {

CABCProgressInfo::~CABCProgressInfo() = default;

CSimpleProgressInfo::CSimpleProgressInfo(std::int32_t value, std::int32_t count, std::string message,
                                         std::string stopTitle)
    : mValue(value)
    , mCount(count)
    , mMessage(std::move(message))
    , mStopTitle(std::move(stopTitle))
{
}

COldLengthyOperationClock::COldLengthyOperationClock(std::uint32_t startTick, bool showsWindow)
    : mStartTick(startTick)
    , mLastCursorTick(startTick)
    , mShowsWindow(showsWindow)
{
}

COldLengthyOperationClock::CStep COldLengthyOperationClock::Tick(std::uint32_t now, bool windowShown)
{
    CStep step{ECursor::kLeave, false};
    const std::int32_t elapsed = TickDifference(now, mStartTick);
    if (windowShown || elapsed <= kWaitCursorDelayTicks) {
        step.mCursor = ECursor::kArrow;
    } else if (TickDifference(now, mLastCursorTick) >= kWaitCursorStepTicks) {
        step.mCursor = ECursor::kWait;
        ++mCursorFrame;
        mLastCursorTick = now;
    }
    if (mShowsWindow && !mWindowAsked && !windowShown && elapsed > kWindowDelayTicks) {
        step.mShowWindow = true;
        mWindowAsked = true;
    }
    return step;
}

} // namespace NSTramvell
