#pragma once

// The framework's worker thread: a subclass puts its work into Run and polls IsStopRequested. The owner
// starts it once and joins it (Join, StopAndJoin, or IsFinished once it has ended) before deleting it.

#include <cstdint>

namespace NSTramvell {

class CThread
{
public:
    CThread();
    // Closes the handles still held; it does not wait for a thread that still runs.
    virtual ~CThread();
    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;

    // Creates the stop event and the thread and lets it run; XBase, with nothing left open, on failure.
    void Start();
    // For Run: true once the owner asked the thread to stop. Does not wait.
    bool IsStopRequested() const;
    // True when no thread was started or it has ended; an ended thread's handles are closed here.
    bool IsFinished();
    // Waits without limit for the thread to end and closes its handles.
    void Join();
    // Asks a running thread to stop and joins it; an ended thread's handles are closed.
    void StopAndJoin();
    void CloseHandles();

    // Pauses the calling thread for 2 ms.
    static void Yield();
    // The number of threads inside Run at this moment, over the whole process.
    static std::int32_t GetRunningCount();

protected:
    virtual void Run() = 0;

private:
    friend struct CThreadStarter;
    // The thread's first function: counts itself in, runs, counts itself out. What Run throws ends Run
    // and goes no further: the process lives on.
    static std::uint32_t ThreadEntry(CThread* thread) noexcept;

    void* mThread;      // owned platform handle; null when none was started or after joining
    void* mStopEvent;   // owned platform handle; manual reset
};

} // namespace NSTramvell
