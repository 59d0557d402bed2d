#include "framework/foundation/trace/Thread.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformCallsWin32.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <atomic>

namespace NSTramvell {
namespace {

std::atomic<std::int32_t> gRunningCount{0};

bool IsSignalled(void* handle)
{
    return WaitForObject(handle, 0) == WAIT_OBJECT_0;
}

} // namespace

// Windows calls the thread's first function with its own calling convention; this hands it to ours.
struct CThreadStarter
{
    static DWORD WINAPI Enter(LPVOID parameter) { return CThread::ThreadEntry(static_cast<CThread*>(parameter)); }
};

CThread::CThread()
    : mThread(nullptr)
    , mStopEvent(nullptr)
{
}

CThread::~CThread()
{
    try {
        CloseHandles();
    } catch (...) {
        // Only an unbound platform table throws here; a destructor must not.
    }
}

void CThread::Start()
{
    void* const stopEvent = CreateEventObject(nullptr, TRUE, FALSE, nullptr);
    if (stopEvent == nullptr)
        throw XBase();
    DWORD identifier = 0;
    void* const thread = CreateThreadObject(nullptr, 0, &CThreadStarter::Enter, this, CREATE_SUSPENDED, &identifier);
    if (thread == nullptr) {
        DisposeSystemHandle(stopEvent);
        throw XBase();
    }
    mThread = thread;
    mStopEvent = stopEvent;
    if (ResumeThreadObject(thread) == static_cast<std::uint32_t>(-1)) {
        CloseHandles();
        throw XBase();
    }
}

bool CThread::IsStopRequested() const
{
    return mStopEvent != nullptr && IsSignalled(mStopEvent);
}

bool CThread::IsFinished()
{
    if (mThread == nullptr)
        return true;
    if (!IsSignalled(mThread))
        return false;
    CloseHandles();
    return true;
}

void CThread::Join()
{
    if (mThread == nullptr)
        return;
    WaitForObject(mThread, -1);
    CloseHandles();
}

void CThread::StopAndJoin()
{
    if (mThread == nullptr)
        return;
    if (!IsSignalled(mThread))
        SignalEventObject(mStopEvent);
    Join();
}

void CThread::CloseHandles()
{
    if (mThread != nullptr)
        DisposeSystemHandle(mThread);
    if (mStopEvent != nullptr)
        DisposeSystemHandle(mStopEvent);
    mThread = nullptr;
    mStopEvent = nullptr;
}

void CThread::Yield()
{
    PauseThread(2);
}

std::int32_t CThread::GetRunningCount()
{
    return gRunningCount.load();
}

std::uint32_t CThread::ThreadEntry(CThread* thread) noexcept
{
    gRunningCount.fetch_add(1);
    try {
        thread->Run();
    } catch (...) {
        // Nothing may unwind into the system's thread start; the thread ends as if Run had returned.
    }
    gRunningCount.fetch_sub(1);
    return 0;
}

} // namespace NSTramvell
