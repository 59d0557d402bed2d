#include "framework/foundation/threads/Timer.h"

#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/threads/tests/ThreadsTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

using namespace NSTramvell;
using NSThreadsTests::WaitFor;

namespace {

std::atomic<int> gTicks{0};
std::atomic<bool> gInCallback{false};
std::atomic<bool> gCallbackEnded{false};
std::vector<UINT> gPrepared;
std::vector<UINT> gReleased;
bool gCreated = false;
MMRESULT gPrepareAnswer = TIMERR_NOERROR;
CTimer* gFiredWith = nullptr;

void ThrowingTick(CTimer*)
{
    gTicks.fetch_add(1);
    throw XBase();
}

void SlowTick(CTimer*)
{
    gInCallback = true;
    PauseMilliseconds(50);
    gCallbackEnded = true;
    gInCallback = false;
}

void RecordTimer(CTimer* timer)
{
    gFiredWith = timer;
}

TEST(CTimer, AThrowingCallbackKeepsTicking)
{
    gTicks = 0;
    CTimer timer(&ThrowingTick, 7, 5);
    EXPECT_TRUE(WaitFor([] { return gTicks.load() >= 3; }));
}

TEST(CTimer, DestroyingWaitsForACallbackInProgress)
{
    gInCallback = false;
    gCallbackEnded = false;
    auto timer = std::make_unique<CTimer>(&SlowTick, 0, 1);
    ASSERT_TRUE(WaitFor([] { return gInCallback.load(); }));
    timer.reset();
    EXPECT_TRUE(gCallbackEnded);
    EXPECT_FALSE(gInCallback);
}

TEST(CTimer, FireCallsOnTheCallingThreadWithTheTimer)
{
    CTimer timer(&RecordTimer, 0x12345678, 1000);
    gFiredWith = nullptr;
    timer.Fire();
    EXPECT_EQ(gFiredWith, &timer);
    EXPECT_EQ(timer.GetUserData(), 0x12345678u);
}

TEST(CTimer, FailuresThrowAndLeaveNoPreparedInterval)
{
    CScopedTableEntry prepare(GetKernelTable().timeBeginPeriod, [](UINT interval) -> MMRESULT {
        if (gPrepareAnswer == TIMERR_NOERROR)
            gPrepared.push_back(interval);
        return gPrepareAnswer;
    });
    CScopedTableEntry create(GetKernelTable().timeSetEvent,
                             [](UINT, UINT, LPTIMECALLBACK, DWORD_PTR, UINT) -> MMRESULT {
                                 gCreated = true;
                                 return 0;
                             });
    CScopedTableEntry release(GetKernelTable().timeEndPeriod, [](UINT interval) -> MMRESULT {
        gReleased.push_back(interval);
        return TIMERR_NOERROR;
    });

    gPrepareAnswer = TIMERR_NOCANDO;
    EXPECT_THROW(CTimer(&RecordTimer, 0, 25), XTimerFailed);
    EXPECT_FALSE(gCreated);
    EXPECT_TRUE(gReleased.empty());

    gPrepareAnswer = TIMERR_NOERROR;
    EXPECT_THROW(CTimer(&RecordTimer, 0, 25), XTimerFailed);
    EXPECT_TRUE(gCreated);
    EXPECT_EQ(gPrepared, std::vector<UINT>{25});
    EXPECT_EQ(gReleased, std::vector<UINT>{25});
}

} // namespace
