#include "framework/gui/application/Application.h"

#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/win32/IdlePulse.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/FakeClock.h"
#include "framework/gui/tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <vector>

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

// What the pulse thread does: the time-out of each of its waits, and its posts.
std::atomic<int> gPulsePosts{0};
std::vector<DWORD> gPulseWaitsMs;
DWORD gTestThread = 0;

// The noted waits are shared by the pulse thread and the test's.
class CWaitsLock
{
public:
    CWaitsLock() { ::EnterCriticalSection(&Section()); }
    ~CWaitsLock() { ::LeaveCriticalSection(&Section()); }
    CWaitsLock(const CWaitsLock&) = delete;
    CWaitsLock& operator=(const CWaitsLock&) = delete;

private:
    static CRITICAL_SECTION& Section()
    {
        static CRITICAL_SECTION section;
        static const bool initialized = (::InitializeCriticalSection(&section), true);
        static_cast<void>(initialized);
        return section;
    }
};

std::size_t CountPulseWaits()
{
    const CWaitsLock lock;
    return gPulseWaitsMs.size();
}

std::vector<DWORD> TakePulseWaits()
{
    const CWaitsLock lock;
    std::vector<DWORD> waits;
    waits.swap(gPulseWaitsMs);
    return waits;
}

DWORD gShortestWaitMs = INFINITE;

// Notes the time-out of every wait of the pulse thread (the test thread's own waits are left alone) and
// counts its posts, which nobody takes: one stays in flight once posted. A noted wait lasts at most
// shortestWaitMs real milliseconds.
class CPulseThreadWatch
{
public:
    explicit CPulseThreadWatch(DWORD shortestWaitMs)
        : mWaits(GetKernelTable().WaitForSingleObject, &Wait)
        , mPosts(GetWindowTable().PostMessageA, &Post)
    {
        gPulsePosts = 0;
        TakePulseWaits();
        gTestThread = ::GetCurrentThreadId();
        gShortestWaitMs = shortestWaitMs;
    }

private:
    static DWORD Wait(HANDLE handle, DWORD timeoutMs)
    {
        if (::GetCurrentThreadId() == gTestThread)
            return ::WaitForSingleObject(handle, timeoutMs);
        {
            const CWaitsLock lock;
            gPulseWaitsMs.push_back(timeoutMs);
        }
        return ::WaitForSingleObject(handle, std::min(timeoutMs, gShortestWaitMs));
    }

    static BOOL Post(HWND, UINT message, WPARAM, LPARAM)
    {
        if (message == kIdlePulseMessage)
            ++gPulsePosts;
        return TRUE;
    }

    CScopedTableEntry<decltype(CKernelTable::WaitForSingleObject)> mWaits;
    CScopedTableEntry<decltype(CWindowTable::PostMessageA)> mPosts;
};

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

TEST(IdlePulse, SleepsUntilTheNextIdleClientIsDueAndPostsThen)
{
    NSGuiTest::CWatchdog watchdog;
    NSGuiTest::CFakeClock clock(100000);
    // The pulse thread's waits last a few real milliseconds, so that it looks at the fake clock often.
    const CPulseThreadWatch watch(5);
    {
        CTestIdleClient poll(28, nullptr);
        GetIdleManager().DoIdle(GetClock());   // at 100000 ms: the 2000 ms slot is due next at 102000
        clock.Set(100500);
        NSApplicationInternal::CIdlePulse pulse(::GetModuleHandleA(nullptr), [] {});
        ASSERT_TRUE(NSGuiTest::WaitUntil([] { return CountPulseWaits() >= 3; }, 10000));
        // Every look until then waits for the rest of the interval, and posts nothing.
        for (const DWORD waitMs : TakePulseWaits())
            EXPECT_EQ(waitMs, 1500u);
        EXPECT_EQ(gPulsePosts.load(), 0);

        clock.Set(102000);
        ASSERT_TRUE(NSGuiTest::WaitUntil([] { return gPulsePosts.load() == 1; }, 10000));
        TakePulseWaits();
        ASSERT_TRUE(NSGuiTest::WaitUntil([] { return CountPulseWaits() >= 3; }, 10000));
        // The pulse is in flight: the thread looks again after an interval and does not post another.
        for (const DWORD waitMs : TakePulseWaits())
            EXPECT_EQ(waitMs, 2001u);
        EXPECT_EQ(gPulsePosts.load(), 1);
    }
}

TEST(IdlePulse, LooksAgainAtOnceWhenAClientWakes)
{
    NSGuiTest::CWatchdog watchdog;
    NSGuiTest::CFakeClock clock(200000);
    const CPulseThreadWatch watch(INFINITE);
    {
        CTestIdleClient housekeeping(23, nullptr);
        GetIdleManager().DoIdle(GetClock());
        GetIdleManager().SetDozing(&housekeeping, true);
        NSApplicationInternal::CIdlePulse pulse(::GetModuleHandleA(nullptr), [] {});
        // With every client dozing, the thread sleeps as long as it may.
        ASSERT_TRUE(NSGuiTest::WaitUntil([] { return CountPulseWaits() >= 1; }, 10000));
        EXPECT_EQ(TakePulseWaits(), std::vector<DWORD>{60000});

        clock.Set(200050);
        GetIdleManager().SetDozing(&housekeeping, false);
        // Due now: the pulse comes well before the minute is over.
        ASSERT_TRUE(NSGuiTest::WaitUntil([] { return gPulsePosts.load() == 1; }, 10000));
    }
}
