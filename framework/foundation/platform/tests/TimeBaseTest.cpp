#include "framework/foundation/platform/TimeBase.h"

#include "framework/foundation/platform/FrameTimer.h"
#include "tests/support/TestThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <vector>

using namespace NSTramvell;

namespace {

class TimeBaseArithmetic : public testing::Test
{
protected:
    void SetUp() override { NSTimeBaseInternal::ResetTimeBase(); }
    void TearDown() override { NSTimeBaseInternal::ResetTimeBase(); }
};

TEST_F(TimeBaseArithmetic, ConversionsGiveZeroUntilTheClockIsChosen)
{
    EXPECT_EQ(MicrosecondsToClock(1000000), 0);
    EXPECT_EQ(ClockToMilliseconds(1000), 0u);
}

TEST_F(TimeBaseArithmetic, MillisecondTimerClockCountsMilliseconds)
{
    SelectTimeBase(0);
    EXPECT_EQ(GetTimeBaseMode(), kTimeBaseMillisecondTimer);
    EXPECT_EQ(MicrosecondsToClock(1000000), 1000);
    EXPECT_EQ(ClockToMilliseconds(1000), 1000u);
    EXPECT_EQ(ClockToMicroseconds(7), 7000);
}

TEST_F(TimeBaseArithmetic, CounterClockConvertsWithItsFrequency)
{
    SelectTimeBase(3579545);
    EXPECT_EQ(GetTimeBaseMode(), kTimeBaseHighResolutionCounter);
    EXPECT_EQ(MicrosecondsToClock(10000), 35795);
}

TEST_F(TimeBaseArithmetic, TheClockIsChosenOnce)
{
    SelectTimeBase(0);
    SelectTimeBase(3579545);
    EXPECT_EQ(GetTimeBaseMode(), kTimeBaseMillisecondTimer);
    EXPECT_EQ(MicrosecondsToClock(10000), 10);
}

TEST_F(TimeBaseArithmetic, MillisecondsToClockHoldsBeyondThirtyTwoBitMicroseconds)
{
    // 2147484 ms is the first value whose microseconds overflow 32 bits.
    SelectTimeBase(0);
    EXPECT_EQ(MillisecondsToClock(2147484), 2147484);
    EXPECT_EQ(MillisecondsToClock(3000000), 3000000);
    NSTimeBaseInternal::SetTimeBase(kTimeBaseHighResolutionCounter, 1000000);
    EXPECT_EQ(MillisecondsToClock(3000000), 3000000000LL);
}

TEST_F(TimeBaseArithmetic, ClockToMillisecondsKeepsTheLowThirtyTwoBits)
{
    SelectTimeBase(0);
    EXPECT_EQ(ClockToMilliseconds(0x100000005LL), 5u);
}

TEST(TickArithmetic, MillisecondsAndTicksTruncateTowardZero)
{
    const struct { std::int32_t milliseconds; std::int32_t ticks; } kToTicks[] = {
        {1000, 60}, {16, 0}, {17, 1}, {-17, -1}, {2147483647, 128849018}};
    for (const auto& c : kToTicks) {
        SCOPED_TRACE(c.milliseconds);
        EXPECT_EQ(MillisecondsToTicks(c.milliseconds), c.ticks);
    }
    const struct { std::int32_t ticks; std::int32_t milliseconds; } kToMilliseconds[] = {
        {60, 1000}, {1, 16}, {-1, -16}, {0, 0}};
    for (const auto& c : kToMilliseconds) {
        SCOPED_TRACE(c.ticks);
        EXPECT_EQ(TicksToMilliseconds(c.ticks), c.milliseconds);
    }
}

TEST(TickArithmetic, TicksMatchTheThirtyTwoBitProductWhileItFits)
{
    for (const std::uint64_t milliseconds : {0ull, 1ull, 17ull, 999ull, 86400000ull, 715827882ull}) {
        SCOPED_TRACE(milliseconds);
        const std::uint32_t narrow = static_cast<std::uint32_t>(milliseconds) * 6u / 100u;
        EXPECT_EQ(TimeCounterToTicks(milliseconds), narrow);
    }
}

TEST(TickArithmetic, TicksKeepCountingPastEightDays)
{
    // A 32-bit product wraps to 2 here, giving 0 ticks.
    EXPECT_EQ(TimeCounterToTicks(715827883), 42949672u);
}

TEST(TickArithmetic, TickDifferenceIsTrueAcrossBothWraps)
{
    const struct { std::uint64_t earlierMs; const char* what; } kCases[] = {
        {715827000, "where a 32-bit product would wrap"},
        {71582788266 - 500, "where the 32-bit tick count wraps"},
        {1000, "at the start"}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        const std::uint32_t earlier = TimeCounterToTicks(c.earlierMs);
        const std::uint32_t later = TimeCounterToTicks(c.earlierMs + 1000);
        EXPECT_EQ(TickDifference(later, earlier), 60);
        EXPECT_EQ(TickDifference(earlier, later), -60);
    }
}

TEST(CTickCountWidener, CarriesTheCountAcrossTheWrap)
{
    CTickCountWidener widener;
    const struct { std::uint32_t reading; std::uint64_t widened; } kReadings[] = {
        {0xFFFFFF00u, 0xFFFFFF00ull},  {0xFFFFFFF0u, 0xFFFFFFF0ull}, {0x10u, 0x100000010ull},
        {0x70000000u, 0x170000000ull}, {0xE0000000u, 0x1E0000000ull}, {0x5u, 0x200000005ull}};
    for (const auto& r : kReadings) {
        SCOPED_TRACE(r.reading);
        EXPECT_EQ(widener.Widen(r.reading), r.widened);
    }
}

TEST(CTickCountWidener, AnOvertakenReadingDoesNotMoveTheCountBack)
{
    CTickCountWidener widener;
    widener.Widen(0xFFFFFFF0u);
    EXPECT_EQ(widener.Widen(0x10u), 0x100000010ull);
    EXPECT_EQ(widener.Widen(0xFFFFFFF8u), 0xFFFFFFF8ull);   // read before the wrap, returned late
    EXPECT_EQ(widener.Widen(0x20u), 0x100000020ull);
}

TEST(CTickCountWidener, FirstReadingIsTakenAsItIs)
{
    CTickCountWidener widener;
    EXPECT_EQ(widener.Widen(0xF0000000u), 0xF0000000ull);
    widener.Reset();
    EXPECT_EQ(widener.Widen(3), 3ull);
}

TEST(CTickCountWidener, ThreadsReadingOneTimerAllSeeTheTrueCount)
{
    // Each thread advances a shared 64-bit time and widens its low half; the time crosses 2^32 once.
    CTickCountWidener widener;
    std::atomic<std::uint64_t> trueTime{0xFFF00000ull};
    widener.Widen(static_cast<std::uint32_t>(trueTime.load()));
    std::atomic<int> mismatches{0};
    NSTestSupport::RunOnThreads(4, [&](int) {
        for (int i = 0; i < 50000; ++i) {
            const std::uint64_t now = trueTime.fetch_add(97) + 97;
            if (widener.Widen(static_cast<std::uint32_t>(now)) != now)
                ++mismatches;
        }
    });
    EXPECT_GT(trueTime.load(), 0x100000000ull);
    EXPECT_EQ(mismatches.load(), 0);
}

TEST(CFrameTimer, CountsWholeFramesSinceTheFirstReading)
{
    constexpr std::int64_t kFrame = 1000;
    constexpr std::int64_t kStart = 5000;
    CFrameTimer timer(kFrame);
    EXPECT_EQ(timer.Advance(kStart), 0);
    EXPECT_EQ(timer.Advance(kStart + 2500), 2);
    EXPECT_EQ(timer.Advance(kStart + 3000), 1);
    EXPECT_EQ(timer.GetFrames(kStart + 9999), 9);
}

TEST(CFrameTimer, RestartForgetsTheStart)
{
    CFrameTimer timer(10);
    timer.Advance(100);
    timer.Advance(150);
    timer.Restart(20);
    EXPECT_EQ(timer.Advance(1000), 0);
    EXPECT_EQ(timer.Advance(1045), 2);
}

TEST(ClockDifferenceInUnits, DividesTheDifferenceTowardZero)
{
    const std::int64_t later = 0x200000000LL + 7;
    EXPECT_EQ(ClockDifferenceInUnits(later, 0x100000000LL, 7), 2);
    EXPECT_EQ(ClockDifferenceInUnits(5, 2, 10), -2);
}

} // namespace
