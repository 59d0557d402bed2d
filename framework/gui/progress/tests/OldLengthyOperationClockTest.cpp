#include "framework/gui/progress/ProgressInfo.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

TEST(OldLengthyOperationClock, ArrowThenWaitCursorEveryTwelveTicksThenTheWindowOnce)
{
    using ECursor = COldLengthyOperationClock::ECursor;
    const struct
    {
        std::uint32_t since;   // ticks after the start
        bool windowShown;
        ECursor cursor;
        bool showWindow;
    } kSteps[] = {
        {0, false, ECursor::kArrow, false},    {30, false, ECursor::kArrow, false},
        {31, false, ECursor::kWait, false},    {42, false, ECursor::kLeave, false},
        {43, false, ECursor::kWait, false},    {54, false, ECursor::kLeave, false},
        {55, false, ECursor::kWait, false},    {300, false, ECursor::kWait, false},
        {301, false, ECursor::kLeave, true},   {302, true, ECursor::kArrow, false},
        {400, true, ECursor::kArrow, false},
    };
    // Across the wrap of the 32-bit tick count as well as from 0.
    for (const std::uint32_t start : {0u, 0xFFFFFF00u}) {
        SCOPED_TRACE(start);
        COldLengthyOperationClock clock(start, true);
        for (const auto& step : kSteps) {
            SCOPED_TRACE(step.since);
            const COldLengthyOperationClock::CStep result = clock.Tick(start + step.since, step.windowShown);
            EXPECT_EQ(result.mCursor, step.cursor);
            EXPECT_EQ(result.mShowWindow, step.showWindow);
        }
        EXPECT_EQ(clock.GetCursorFrame(), 4);
    }
}

TEST(OldLengthyOperationClock, AnOperationNotMarkedShownNeverAsksForItsWindow)
{
    COldLengthyOperationClock clock(100, false);
    for (std::uint32_t since = 0; since <= 1000; since += 50)
        EXPECT_FALSE(clock.Tick(100 + since, false).mShowWindow) << since;
}
