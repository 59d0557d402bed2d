#include "framework/foundation/threads/WorkerThread.h"

#include "framework/foundation/trace/Thread.h"

namespace NSTramvell {
namespace {

// The worker whose Run is on this thread's stack, so that a runnable, which cannot see its thread, can ask.
thread_local const CThread* tCurrentWorker = nullptr;

} // namespace

class CWorkerThread::CRunnableThread : public CThread
{
public:
    explicit CRunnableThread(IRunnable& runnable)
        : mRunnable(runnable)
    {
    }

protected:
    void Run() override
    {
        tCurrentWorker = this;
        struct CForget
        {
            ~CForget() { tCurrentWorker = nullptr; }
        } forget;
        mRunnable.Run();
    }

private:
    IRunnable& mRunnable;   // borrowed: outlives the worker
};

IRunnable::~IRunnable() = default;

CWorkerThread::CWorkerThread(IRunnable& runnable)
    : mThread(std::make_unique<CRunnableThread>(runnable))
{
    mThread->Start();
}

CWorkerThread::~CWorkerThread()
{
    mThread->StopAndJoin();
}

bool CWorkerThread::IsStopRequested()
{
    return tCurrentWorker != nullptr && tCurrentWorker->IsStopRequested();
}

CWorkerThreadHolder::CWorkerThreadHolder(IRunnable& runnable)
    : mWorker(std::make_unique<CWorkerThread>(runnable))
{
}

CWorkerThreadHolder::~CWorkerThreadHolder() = default;

void CWorkerThreadHolder::Reset()
{
    mWorker.reset();
}

} // namespace NSTramvell
