// The platform header comes first: the thread's Yield must survive the system's macro of that name.
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include "framework/foundation/trace/Thread.h"
#include "framework/foundation/trace/ThreadPool.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <stdexcept>

using namespace NSTramvell;

namespace {

// An event the test sets; made outside any faked close so that it does not count.
class CTestEvent
{
public:
    CTestEvent()
        : mHandle(::CreateEventA(nullptr, TRUE, FALSE, nullptr))
    {
    }
    ~CTestEvent() { ::CloseHandle(mHandle); }
    CTestEvent(const CTestEvent&) = delete;
    CTestEvent& operator=(const CTestEvent&) = delete;
    HANDLE Get() const { return mHandle; }

private:
    HANDLE mHandle;
};

// Waits for its gate (if any), marks that it left Run, optionally after noting another flag.
class CGatedThread : public CThread
{
public:
    CGatedThread(HANDLE gate, std::atomic<bool>& leftRun)
        : mGate(gate)
        , mLeftRun(leftRun)
    {
    }

    std::atomic<bool>* mNoteAtStart = nullptr;
    bool mNoted = false;

protected:
    void Run() override
    {
        if (mNoteAtStart != nullptr)
            mNoted = mNoteAtStart->load();
        if (mGate != nullptr)
            ::WaitForSingleObject(mGate, INFINITE);
        mLeftRun = true;
    }

private:
    HANDLE mGate;
    std::atomic<bool>& mLeftRun;
};

class CPollingThread : public CThread
{
public:
    explicit CPollingThread(std::atomic<int>& leftRun)
        : mLeftRun(leftRun)
    {
    }

protected:
    void Run() override
    {
        while (!IsStopRequested())
            Yield();
        ++mLeftRun;
    }

private:
    std::atomic<int>& mLeftRun;
};

HANDLE gReleaseOnPause = nullptr;
std::atomic<int> gPauses{0};

TEST(CThreadPool, LimitHoldsTheThirdThreadUntilOneHasEnded)
{
    CTestEvent first;
    CTestEvent second;
    std::atomic<bool> firstLeft{false};
    std::atomic<bool> secondLeft{false};
    std::atomic<bool> thirdLeft{false};
    gReleaseOnPause = first.Get();
    gPauses = 0;
    // The pool's pause lets the first thread go: the third can only start once the pool waits.
    CScopedTableEntry pause(GetKernelTable().Sleep, [](DWORD milliseconds) {
        ++gPauses;
        ::SetEvent(gReleaseOnPause);
        ::Sleep(milliseconds);
    });
    auto* third = new CGatedThread(nullptr, thirdLeft);
    third->mNoteAtStart = &firstLeft;
    {
        CThreadPool pool(2, true);
        pool.AddThread(new CGatedThread(first.Get(), firstLeft));
        pool.AddThread(new CGatedThread(second.Get(), secondLeft));
        EXPECT_EQ(gPauses, 0);
        pool.AddThread(third);
        EXPECT_GT(gPauses, 0);
        ::SetEvent(second.Get());
        pool.JoinAll();
        EXPECT_TRUE(third->mNoted);
        EXPECT_EQ(pool.CountRunning(), 0u);
    }
    EXPECT_TRUE(firstLeft && secondLeft && thirdLeft);
}

TEST(CThreadPool, LimitBelowOneCountsAsOne)
{
    std::atomic<bool> firstLeft{false};
    std::atomic<bool> secondLeft{false};
    CGatedThread firstThread(nullptr, firstLeft);
    CGatedThread secondThread(nullptr, secondLeft);
    secondThread.mNoteAtStart = &firstLeft;
    CThreadPool pool(0, false);
    pool.AddThread(&firstThread);
    pool.AddThread(&secondThread);
    pool.JoinAll();
    EXPECT_TRUE(secondThread.mNoted);
    EXPECT_TRUE(secondLeft);
}

TEST(CThreadPool, StopAllReturnsAfterEveryRunHasEnded)
{
    std::atomic<int> leftRun{0};
    CPollingThread threads[3] = {CPollingThread(leftRun), CPollingThread(leftRun), CPollingThread(leftRun)};
    CThreadPool pool(5, false);
    for (CPollingThread& thread : threads)
        pool.AddThread(&thread);
    pool.StopAll();
    EXPECT_EQ(leftRun, 3);
    EXPECT_EQ(CThread::GetRunningCount(), 0);
    EXPECT_EQ(pool.CountRunning(), 0u);
}

std::atomic<int> gCloses{0};
bool gZeroWaitsBlock = false;

// Counts closed handles and, when asked, turns the threads' look without waiting into a wait for the end,
// so that a thread is known to have ended when it is asked.
class CHandleWatch
{
public:
    CHandleWatch()
        : mClose(GetKernelTable().CloseHandle, [](HANDLE handle) -> BOOL {
            ++gCloses;
            return ::CloseHandle(handle);
        })
        , mWait(GetKernelTable().WaitForSingleObject, [](HANDLE handle, DWORD timeoutMs) -> DWORD {
            return ::WaitForSingleObject(handle, gZeroWaitsBlock && timeoutMs == 0 ? INFINITE : timeoutMs);
        })
    {
        gCloses = 0;
        gZeroWaitsBlock = false;
    }
    ~CHandleWatch() { gZeroWaitsBlock = false; }

private:
    CScopedTableEntry<BOOL (*)(HANDLE)> mClose;
    CScopedTableEntry<DWORD (*)(HANDLE, DWORD)> mWait;
};

TEST(CThread, NeverStartedThreadIsFinishedAndJoinsAtOnce)
{
    CHandleWatch watch;
    std::atomic<bool> leftRun{false};
    CGatedThread thread(nullptr, leftRun);
    EXPECT_TRUE(thread.IsFinished());
    thread.Join();
    thread.StopAndJoin();
    EXPECT_FALSE(thread.IsStopRequested());
    EXPECT_FALSE(leftRun);
    EXPECT_EQ(gCloses, 0);
}

TEST(CThread, EndedThreadsHandlesAreClosedOnceByEveryRoad)
{
    std::atomic<bool> leftRun{false};
    {
        CHandleWatch watch;
        CGatedThread thread(nullptr, leftRun);
        thread.Start();
        gZeroWaitsBlock = true;
        EXPECT_TRUE(thread.IsFinished());
        EXPECT_EQ(gCloses, 2);
        thread.Join();
        thread.StopAndJoin();
        EXPECT_EQ(gCloses, 2);
    }
    {
        CHandleWatch watch;
        CGatedThread thread(nullptr, leftRun);
        thread.Start();
        gZeroWaitsBlock = true;
        thread.StopAndJoin();
        EXPECT_FALSE(thread.IsStopRequested());
        EXPECT_EQ(gCloses, 2);
    }
    {
        CTestEvent leftRunEvent;
        CHandleWatch watch;
        {
            // Run's last step signals, so the object may go while the thread winds down.
            class CSignallingThread : public CThread
            {
            public:
                explicit CSignallingThread(HANDLE done) : mDone(done) {}

            protected:
                void Run() override { ::SetEvent(mDone); }

            private:
                HANDLE mDone;
            } thread(leftRunEvent.Get());
            thread.Start();
            ASSERT_EQ(::WaitForSingleObject(leftRunEvent.Get(), INFINITE), WAIT_OBJECT_0);
        }
        EXPECT_EQ(gCloses, 2);
    }
}

TEST(CThread, StopRequestReachesRun)
{
    std::atomic<int> leftRun{0};
    CPollingThread thread(leftRun);
    thread.Start();
    EXPECT_FALSE(thread.IsFinished());
    thread.StopAndJoin();
    EXPECT_EQ(leftRun, 1);
    EXPECT_TRUE(thread.IsFinished());
}

class CThrowingThread : public CThread
{
public:
    explicit CThrowingThread(bool standardException) : mStandardException(standardException) {}

protected:
    void Run() override
    {
        if (mStandardException)
            throw std::runtime_error("from Run");
        throw XBase();
    }

private:
    bool mStandardException;
};

TEST(CThread, ThrowingRunEndsTheThreadAndRestoresTheCount)
{
    CThrowingThread first(true);
    CThrowingThread second(false);
    first.Start();
    second.Start();
    first.Join();
    second.Join();
    EXPECT_EQ(CThread::GetRunningCount(), 0);
    EXPECT_TRUE(first.IsFinished());
}

TEST(CThread, FailedStartThrowsAndLeavesNothingOpen)
{
    CHandleWatch watch;
    std::atomic<bool> leftRun{false};
    CGatedThread thread(nullptr, leftRun);
    {
        CScopedTableEntry noThread(GetKernelTable().CreateThread,
                                   [](LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD,
                                      LPDWORD) -> HANDLE { return nullptr; });
        EXPECT_THROW(thread.Start(), XBase);
    }
    EXPECT_EQ(gCloses, 1);
    EXPECT_TRUE(thread.IsFinished());
    {
        CScopedTableEntry noEvent(GetKernelTable().CreateEventA,
                                  [](LPSECURITY_ATTRIBUTES, BOOL, BOOL, LPCSTR) -> HANDLE { return nullptr; });
        EXPECT_THROW(thread.Start(), XBase);
    }
    EXPECT_EQ(gCloses, 1);
    EXPECT_FALSE(leftRun);
}

} // namespace
