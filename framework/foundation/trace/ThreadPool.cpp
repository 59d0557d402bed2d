#include "framework/foundation/trace/ThreadPool.h"

#include "framework/foundation/platform/PlatformCalls.h"
#include "framework/foundation/trace/Thread.h"

namespace NSTramvell {

CThreadPool::CThreadPool(std::int32_t limit, bool ownsThreads)
    : mLimit(limit < 1 ? 1 : limit)
    , mOwnsThreads(ownsThreads)
{
}

CThreadPool::~CThreadPool()
{
    if (mOwnsThreads) {
        RemoveFinished();
    } else {
        for (CThread* thread : mThreads)
            thread->IsFinished();
    }
    mThreads.Clear();
}

void CThreadPool::AddThread(CThread* thread)
{
    mThreads.Append(thread);
    while (CountRunning() >= static_cast<std::size_t>(mLimit))
        Pause();
    thread->Start();
}

std::size_t CThreadPool::CountRunning()
{
    std::size_t running = 0;
    for (CThread* thread : mThreads) {
        if (!thread->IsFinished())
            ++running;
    }
    return running;
}

void CThreadPool::RemoveFinished()
{
    for (auto position = mThreads.begin(); position != mThreads.end();) {
        CThread* const thread = *position;
        if (thread->IsFinished()) {
            position = mThreads.Remove(position);
            delete thread;
        } else {
            ++position;
        }
    }
}

void CThreadPool::JoinAll()
{
    for (CThread* thread : mThreads)
        thread->Join();
}

void CThreadPool::StopAll()
{
    for (CThread* thread : mThreads)
        thread->StopAndJoin();
    Pause();
}

void CThreadPool::Pause()
{
    PauseThread(10);
    for (std::size_t i = 0; i < mThreads.GetCount(); ++i)
        CThread::Yield();
}

} // namespace NSTramvell
