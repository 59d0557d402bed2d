#include "framework/gui/application/Application.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/tests/support/FakeClock.h"
#include "framework/gui/tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <deque>

using namespace NSTramvell;
using NSGuiTest::CTestApplication;
using NSGuiTest::CTestIdleClient;

namespace {

constexpr UINT kTestMessage = WM_APP + 7;

// A message queue the pump reads instead of the platform's, so that the pulse thread's messages do not
// mix into the counts.
std::deque<MSG> gQueue;
int gDispatched = 0;
int gPauses = 0;       // millisecond sleeps
int gInputWaits = 0;   // waits for input
DWORD gInputWaitMs = 0;

class PumpTest : public testing::Test
{
protected:
    PumpTest()
    {
        gQueue.clear();
        gDispatched = 0;
        gPauses = 0;
        gInputWaits = 0;
    }

    static void Queue(UINT message, int count)
    {
        for (int index = 0; index < count; ++index) {
            MSG queued{};
            queued.message = message;
            gQueue.push_back(queued);
        }
    }

    CScopedTableEntry<decltype(CWindowTable::PeekMessageA)> mPeek{
        GetWindowTable().PeekMessageA, [](LPMSG message, HWND, UINT, UINT, UINT remove) -> BOOL {
            if (gQueue.empty())
                return FALSE;
            *message = gQueue.front();
            if ((remove & PM_REMOVE) != 0)
                gQueue.pop_front();
            return TRUE;
        }};
    CScopedTableEntry<decltype(CWindowTable::DispatchMessageA)> mDispatch{
        GetWindowTable().DispatchMessageA, [](const MSG*) -> LRESULT {
            ++gDispatched;
            return 0;
        }};
    CScopedTableEntry<decltype(CKernelTable::Sleep)> mSleep{GetKernelTable().Sleep, [](DWORD milliseconds) {
        if (milliseconds == 1)
            ++gPauses;
    }};
    CScopedTableEntry<decltype(CWindowTable::MsgWaitForMultipleObjects)> mWait{
        GetWindowTable().MsgWaitForMultipleObjects,
        [](DWORD count, const HANDLE*, BOOL, DWORD milliseconds, DWORD wake) -> DWORD {
            if (count == 0 && wake == QS_ALLINPUT) {
                ++gInputWaits;
                gInputWaitMs = milliseconds;
            }
            return WAIT_TIMEOUT;
        }};
    // No pulses: the pulse thread would change the counts under the test.
    CScopedTableEntry<decltype(CWindowTable::PostMessageA)> mPost{
        GetWindowTable().PostMessageA, [](HWND, UINT, WPARAM, LPARAM) -> BOOL { return FALSE; }};
    CTestApplication mApplication;
    CTestIdleClient mEveryIdleRun{20, nullptr};
};

} // namespace

TEST_F(PumpTest, ANestedStepDispatchesAtMostTwentyMessagesThenRunsTheIdleClients)
{
    Queue(kTestMessage, 25);
    mApplication.ProcessPendingEvents();
    EXPECT_EQ(gDispatched, 20);
    // Once before each message and once after the twentieth.
    EXPECT_EQ(mEveryIdleRun.GetRunCount(), 21);
    EXPECT_EQ(gQueue.size(), 5u);

    mApplication.ProcessPendingEvents();
    EXPECT_EQ(gDispatched, 25);
    EXPECT_EQ(mEveryIdleRun.GetRunCount(), 26);
    EXPECT_EQ(gPauses, 0);
}

TEST_F(PumpTest, OnAnEmptyQueueOnlyTheModalStepWaits)
{
    mApplication.ProcessPendingEvents();
    EXPECT_EQ(mEveryIdleRun.GetRunCount(), 1);
    EXPECT_EQ(gInputWaits, 0);
    mApplication.RunModalStep();
    EXPECT_EQ(mEveryIdleRun.GetRunCount(), 2);
    // For input or the next idle run, not a fixed millisecond: an interval-0 client is due at once.
    EXPECT_EQ(gInputWaits, 1);
    EXPECT_EQ(gInputWaitMs, 1u);
    EXPECT_EQ(gPauses, 0);
    EXPECT_EQ(mApplication.GetNestingCount(), 0);
}

TEST_F(PumpTest, TheModalStepWaitsUntilTheNextIdleClientIsDue)
{
    NSGuiTest::CFakeClock clock(5000);
    GetIdleManager().Unregister(&mEveryIdleRun);
    CTestIdleClient poll(28, nullptr);
    // The application's 50 ms idle work has had nothing to do: it dozes, and the poll is the next due.
    mApplication.RunModalStep();
    EXPECT_EQ(gInputWaitMs, 2000u);
    // A message wakes it, and it stays awake for one pass after the last one.
    Queue(kTestMessage, 1);
    mApplication.RunModalStep();
    EXPECT_EQ(gDispatched, 1);
    const struct { ULONGLONG nowMs; DWORD waitMs; } kSteps[] = {{5030, 20}, {5050, 50}, {5100, 1900}};
    for (const auto& step : kSteps) {
        SCOPED_TRACE(step.nowMs);
        clock.Set(step.nowMs);
        mApplication.RunModalStep();
        EXPECT_EQ(gInputWaitMs, step.waitMs);
    }
    EXPECT_EQ(gInputWaits, 4);
    EXPECT_EQ(poll.GetRunCount(), 1);
}

TEST_F(PumpTest, QuitMessagesAreDroppedAndPulsesTakenWithoutReachingAWindow)
{
    mApplication.SetPendingIdlePulses(1);
    Queue(WM_QUIT, 1);
    Queue(kIdlePulseMessage, 2);
    Queue(kTestMessage, 1);
    mApplication.ProcessPendingEvents();
    EXPECT_EQ(gDispatched, 1);
    EXPECT_EQ(mEveryIdleRun.GetRunCount(), 4);
    // The stray second pulse leaves the count at 0.
    EXPECT_EQ(mApplication.GetPendingIdlePulses(), 0);
}
