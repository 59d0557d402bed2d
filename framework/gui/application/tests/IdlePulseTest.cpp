#include "framework/gui/application/Application.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

using namespace NSTramvell;
using NSGuiTest::CTestApplication;
using NSGuiTest::CTestIdleClient;

// The idle clients keep their intervals while the loop waits, with no window and the application not in
// front: nothing but the pulse wakes the loop.

namespace {

int gForcedEnds = 0;

DWORD Now()
{
    return ::GetTickCount();
}

} // namespace

TEST(IdlePulse, KeepsEachIntervalWhileTheLoopWaits)
{
    NSGuiTest::CWatchdog watchdog;
    CScopedTableEntry forcedEnd(GetKernelTable().TerminateThread, [](HANDLE, DWORD) -> BOOL {
        ++gForcedEnds;
        return TRUE;
    });
    gForcedEnds = 0;
    int fastRunsInOneSecond = 0;
    int slowRunsInThreeSeconds = 0;
    {
        DWORD start = 0;
        DWORD slowStart = 0;
        // The slot's timing is the process's: the three seconds start at the slow client's first run.
        CTestIdleClient slow(28, [&] {
            if (slowStart == 0)
                slowStart = Now();
        });
        CTestApplication application([&](CTestApplication& app) {
            app.Deactivate();
            start = Now();
        });
        CTestIdleClient fast(23, [&] {
            if (Now() - start <= 1000)
                ++fastRunsInOneSecond;
            if (slowStart != 0 && Now() - slowStart >= 3000 && application.GetRunState() == kRunStateRunning) {
                slowRunsInThreeSeconds = slow.GetRunCount();
                application.TryQuit();
            }
        });
        application.Run();
    }
    EXPECT_GE(fastRunsInOneSecond, 10);
    EXPECT_EQ(slowRunsInThreeSeconds, 2);
    EXPECT_EQ(gForcedEnds, 0);
}

TEST(IdlePulse, RunsTheIdleClientsInsideAMessageBox)
{
    NSGuiTest::CWatchdog watchdog;
    constexpr char kTitle[] = "Idle inside a message box";
    bool insideBox = false;
    int runsInsideBox = 0;
    CTestApplication application([&](CTestApplication& app) {
        app.Deactivate();
        insideBox = true;
        GetWindowTable().MessageBoxA(nullptr, "The idle clients run while this is shown.", kTitle, MB_OK);
        insideBox = false;
        app.TryQuit();
    });
    CTestIdleClient closer(23, [&] {
        if (!insideBox)
            return;
        if (++runsInsideBox == 10) {
            const HWND box = ::FindWindowA(nullptr, kTitle);
            ASSERT_NE(box, nullptr);
            NSGuiTest::SaveScreenshot("IdlePulse.RunsTheIdleClientsInsideAMessageBox");
            EXPECT_TRUE(NSGuiTest::PressButton(box, "OK"));
        }
    });
    application.Run();
    EXPECT_GE(runsInsideBox, 10);
    EXPECT_EQ(application.mCalls, (std::vector<std::string>{"StartUp", "CanQuit", "ShutDown"}));
}

TEST(IdlePulse, ALostPulseIsPostedAgain)
{
    NSGuiTest::CWatchdog watchdog;
    DWORD lostAt = 0;
    DWORD resumedAfterMs = 0;
    CTestApplication application([](CTestApplication& app) { app.Deactivate(); });
    CTestIdleClient client(23, [&] {
        if (lostAt == 0) {
            // The pulse that runs this client is taken after it: one pulse stays counted with nothing
            // queued, as when a foreign loop drops one.
            application.SetPendingIdlePulses(application.GetPendingIdlePulses() + 1);
            lostAt = Now();
        } else if (application.GetRunState() == kRunStateRunning) {
            resumedAfterMs = Now() - lostAt;
            application.TryQuit();
        }
    });
    application.Run();
    EXPECT_GT(resumedAfterMs, 0u);
    EXPECT_LE(resumedAfterMs, 2000u);
}

TEST(IdlePulse, StrayPulsesNeverTakeTheCountBelowZero)
{
    NSGuiTest::CWatchdog watchdog;
    int lowestCount = INT_MAX;
    CTestApplication application([](CTestApplication& app) {
        app.Deactivate();
        for (int stray = 0; stray < 5; ++stray)
            ::PostThreadMessageA(::GetCurrentThreadId(), kIdlePulseMessage, 0, 0);
    });
    CTestIdleClient client(23, [&] {
        lowestCount = std::min(lowestCount, application.GetPendingIdlePulses());
    });
    CTestIdleClient stopper(23, [&] {
        if (client.GetRunCount() >= 20 && application.GetRunState() == kRunStateRunning)
            application.TryQuit();
    });
    application.Run();
    EXPECT_GE(lowestCount, 0);
    EXPECT_GE(client.GetRunCount(), 20);
}

TEST(IdlePulse, APulseDeliveredByAForeignLoopIsTakenOnceAndRunsTheIdleClients)
{
    // No pulses of the thread's own: the count is the test's.
    CScopedTableEntry noPosts(GetWindowTable().PostMessageA, [](HWND, UINT, WPARAM, LPARAM) -> BOOL { return FALSE; });
    CTestApplication application;
    CTestIdleClient everyRun(20, nullptr);
    const HWND target = ::FindWindowExA(HWND_MESSAGE, nullptr, "Tramvell Idle Pulse", nullptr);
    ASSERT_NE(target, nullptr);
    application.SetPendingIdlePulses(2);
    // As a message box's loop delivers it: straight to the window's procedure.
    ::SendMessageA(target, kIdlePulseMessage, 0, 0);
    EXPECT_EQ(application.GetPendingIdlePulses(), 1);
    EXPECT_EQ(everyRun.GetRunCount(), 1);
}
