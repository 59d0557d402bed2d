#include "framework/foundation/platform/TimeBase.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace NSTramvell;

namespace {

LONGLONG gFakeFrequency = 0;
BOOL gFrequencyKnown = FALSE;
LONGLONG gFakeCounter = 0;
ULONGLONG gFakeMilliseconds = 0;
DWORD gLastPauseMs = 0;

// The platform's clocks replaced by variables, and the time base not yet chosen.
class TimeBaseReadings : public testing::Test
{
protected:
    void SetUp() override { NSTimeBaseInternal::ResetTimeBase(); }
    void TearDown() override { NSTimeBaseInternal::ResetTimeBase(); }

    CScopedTableEntry<BOOL (*)(LARGE_INTEGER*)> mFrequency{GetKernelTable().QueryPerformanceFrequency,
                                                           [](LARGE_INTEGER* frequency) {
                                                               frequency->QuadPart = gFakeFrequency;
                                                               return gFrequencyKnown;
                                                           }};
    CScopedTableEntry<BOOL (*)(LARGE_INTEGER*)> mCounter{GetKernelTable().QueryPerformanceCounter,
                                                         [](LARGE_INTEGER* counter) -> BOOL {
                                                             counter->QuadPart = gFakeCounter;
                                                             return TRUE;
                                                         }};
    CScopedTableEntry<ULONGLONG (*)()> mMilliseconds{GetKernelTable().GetTickCount64,
                                                     [] { return gFakeMilliseconds; }};
    CScopedTableEntry<void (*)(DWORD)> mSleep{GetKernelTable().Sleep, [](DWORD ms) { gLastPauseMs = ms; }};
};

TEST_F(TimeBaseReadings, WithoutCounterTheClockIsTheMillisecondTimer)
{
    gFrequencyKnown = FALSE;
    gFakeMilliseconds = 0x123456789ull;
    gFakeCounter = 99;
    InitTimeBase();
    EXPECT_EQ(GetTimeBaseMode(), kTimeBaseMillisecondTimer);
    EXPECT_EQ(GetClock(), 0x123456789LL);
    EXPECT_EQ(MicrosecondsToClock(1000000), 1000);
    EXPECT_EQ(ClockToMilliseconds(1000), 1000u);
    EXPECT_EQ(GetMicroseconds(), 0x123456789LL * 1000);
}

TEST_F(TimeBaseReadings, ZeroFrequencyMeansNoCounter)
{
    gFrequencyKnown = TRUE;
    gFakeFrequency = 0;
    InitTimeBase();
    EXPECT_EQ(GetTimeBaseMode(), kTimeBaseMillisecondTimer);
}

TEST_F(TimeBaseReadings, WithCounterTheClockIsTheCounter)
{
    gFrequencyKnown = TRUE;
    gFakeFrequency = 3579545;
    gFakeCounter = 0x7000000000LL;
    gFakeMilliseconds = 5;
    InitTimeBase();
    EXPECT_EQ(GetTimeBaseMode(), kTimeBaseHighResolutionCounter);
    EXPECT_EQ(GetClock(), 0x7000000000LL);
    EXPECT_EQ(MicrosecondsToClock(10000), 35795);
}

TEST_F(TimeBaseReadings, InitTimeBaseChoosesOnce)
{
    gFrequencyKnown = TRUE;
    gFakeFrequency = 1000000;
    InitTimeBase();
    gFakeFrequency = 0;
    InitTimeBase();
    EXPECT_EQ(GetTimeBaseMode(), kTimeBaseHighResolutionCounter);
    EXPECT_EQ(MillisecondsToClock(3000000), 3000000000LL);
}

TEST_F(TimeBaseReadings, ClockReadsTheMillisecondTimerBeforeTheChoice)
{
    gFakeMilliseconds = 77;
    gFakeCounter = 99;
    EXPECT_EQ(GetClock(), 77);
    EXPECT_EQ(GetTimeCounter(), 77u);
}

TEST_F(TimeBaseReadings, TicksFollowTheSixtyFourBitTimer)
{
    for (const ULONGLONG milliseconds : {0ull, 17ull, 123456789ull, 715827882ull}) {
        SCOPED_TRACE(milliseconds);
        gFakeMilliseconds = milliseconds;
        EXPECT_EQ(GetTicks(), static_cast<std::uint32_t>(milliseconds) * 6u / 100u);
    }
    // The drive poll's four seconds, measured where a 32-bit product would have wrapped.
    gFakeMilliseconds = 715826000;
    const std::uint32_t before = GetTicks();
    gFakeMilliseconds += 4000;
    EXPECT_EQ(TickDifference(GetTicks(), before) / 60, 4);
}

TEST_F(TimeBaseReadings, PausesWaitTheConvertedTime)
{
    PauseMilliseconds(250);
    EXPECT_EQ(gLastPauseMs, 250u);
    PauseTicks(60);
    EXPECT_EQ(gLastPauseMs, 1000u);
}

} // namespace
