#include "framework/foundation/threads/LockObject.h"
#include "framework/foundation/threads/SpinLock.h"
#include "framework/foundation/threads/WorkerThread.h"

#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/threads/tests/ThreadsTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

using namespace NSTramvell;
using NSThreadsTests::CFunctionThread;
using NSThreadsTests::WaitFor;

namespace {

int gExchanges = 0;
decltype(CKernelTable::InterlockedExchange) gRealExchange = nullptr;
ULONGLONG gFakeNow = 0;
std::vector<DWORD> gPauses;

TEST(CSpinLock, TakesAFreeLockOnce)
{
    CSpinLock lock;
    EXPECT_TRUE(lock.TryLock());
    EXPECT_FALSE(lock.TryLock());
    lock.Unlock();
    EXPECT_TRUE(lock.TryLock());
    CSpinLock taken(true);
    EXPECT_FALSE(taken.TryLock());
}

TEST(CSpinLock, TryLockForTriesEveryMillisecondUntilItsTimeHasPassed)
{
    CSpinLock lock(true);
    gRealExchange = GetKernelTable().InterlockedExchange;
    CScopedTableEntry exchange(GetKernelTable().InterlockedExchange, [](LONG volatile* word, LONG value) {
        ++gExchanges;
        return gRealExchange(word, value);
    });
    CScopedTableEntry clock(GetKernelTable().GetTickCount64, [] { return gFakeNow; });
    CScopedTableEntry pause(GetKernelTable().Sleep, [](DWORD milliseconds) {
        gPauses.push_back(milliseconds);
        gFakeNow += milliseconds;
    });

    gExchanges = 0;
    EXPECT_FALSE(lock.TryLockFor(0));
    EXPECT_EQ(gExchanges, 1);
    EXPECT_TRUE(gPauses.empty());

    gExchanges = 0;
    gFakeNow = 0xFFFFFFF0;   // the 64-bit clock carries on where 32 bits would wrap
    EXPECT_FALSE(lock.TryLockFor(30));
    EXPECT_EQ(gExchanges, 31);
    EXPECT_EQ(gPauses, std::vector<DWORD>(30, 1));
}

TEST(CSpinLock, TryLockForWinsWhenAnotherThreadUnlocks)
{
    CSpinLock lock(true);
    CFunctionThread unlocker([&lock] {
        PauseMilliseconds(10);
        lock.Unlock();
    });
    unlocker.Start();
    EXPECT_TRUE(lock.TryLockFor(10000));
}

TEST(CScopedLock, KeepsTwoThreadsApart)
{
    CLockObjectHolder holder;
    std::int64_t total = 0;
    // Each lock is a round trip to the system; a few thousand suffice, since the thread gives up the
    // processor between its read and its write, where an unguarded overlap would lose counts.
    constexpr int kIncrements = 3000;
    auto count = [&] {
        for (int i = 0; i < kIncrements; ++i) {
            CScopedLock guard(holder);
            const std::int64_t seen = total;
            ::SwitchToThread();
            total = seen + 1;
        }
    };
    CFunctionThread first(count);
    CFunctionThread second(count);
    first.Start();
    second.Start();
    first.Join();
    second.Join();
    EXPECT_EQ(total, 2 * kIncrements);
}

TEST(CLockObject, PlatformRefusalsThrowAndAFailedUnlockStaysInTheGuard)
{
    {
        CScopedTableEntry noMutex(GetKernelTable().CreateMutexA,
                                  [](LPSECURITY_ATTRIBUTES, BOOL, LPCSTR) -> HANDLE { return nullptr; });
        EXPECT_THROW(CLockObject(), std::runtime_error);
    }
    CLockObjectHolder holder;
    {
        CScopedTableEntry abandoned(GetKernelTable().WaitForSingleObject,
                                    [](HANDLE, DWORD) -> DWORD { return WAIT_ABANDONED; });
        EXPECT_THROW(holder.Lock(), std::runtime_error);
    }
    CScopedTableEntry refused(GetKernelTable().ReleaseMutex, [](HANDLE) -> BOOL { return FALSE; });
    EXPECT_THROW(holder.Unlock(), std::runtime_error);
    EXPECT_NO_THROW({ CScopedLock guard(holder); });
}

class CPollingRunnable : public IRunnable
{
public:
    void Run() override
    {
        mStarted = true;
        while (!CWorkerThread::IsStopRequested())
            PauseMilliseconds(1);
        mSawStop = true;
    }
    std::atomic<bool> mStarted{false};
    std::atomic<bool> mSawStop{false};
};

class CQuickRunnable : public IRunnable
{
public:
    void Run() override
    {
        mRuns.fetch_add(1);
        if (mThrows)
            throw std::runtime_error("ends the thread quietly");
    }
    bool mThrows = false;
    std::atomic<int> mRuns{0};
};

TEST(CWorkerThread, DestroyingStopsARunnableThatWatches)
{
    CPollingRunnable runnable;
    EXPECT_FALSE(CWorkerThread::IsStopRequested());
    CWorkerThreadHolder holder(runnable);
    ASSERT_TRUE(WaitFor([&] { return runnable.mStarted.load(); }));
    EXPECT_FALSE(runnable.mSawStop);
    holder.Reset();
    EXPECT_TRUE(runnable.mSawStop);
}

TEST(CWorkerThread, ARunnableThatReturnsOrThrowsEndsItsThreadQuietly)
{
    for (const bool throws : {false, true}) {
        SCOPED_TRACE(throws);
        CQuickRunnable runnable;
        runnable.mThrows = throws;
        auto worker = std::make_unique<CWorkerThread>(runnable);
        ASSERT_TRUE(WaitFor([&] { return runnable.mRuns.load() == 1; }));
        worker.reset();
        EXPECT_EQ(runnable.mRuns.load(), 1);
    }
}

} // namespace
