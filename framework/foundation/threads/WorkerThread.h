#pragma once

// A worker thread that runs one object's work and is stopped when its owner goes away: destroying the
// worker asks a still-running thread to stop and waits for it, so the work must poll IsStopRequested.

#include <memory>

namespace NSTramvell {

class IRunnable
{
public:
    virtual void Run() = 0;
    virtual ~IRunnable();
};

class CWorkerThread
{
public:
    // Starts the thread at once; a failure to start throws (XBase, a std::exception) with nothing left open.
    // The runnable is borrowed and must outlive the worker. What Run throws ends the thread quietly.
    explicit CWorkerThread(IRunnable& runnable);
    // Signals a thread that still runs, waits for it to end and closes its handles.
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // For the runnable, on its worker's thread: true once the owner asked it to stop. False on any other
    // thread.
    static bool IsStopRequested();

private:
    class CRunnableThread;
    std::unique_ptr<CRunnableThread> mThread;
};

class CWorkerThreadHolder
{
public:
    explicit CWorkerThreadHolder(IRunnable& runnable);
    ~CWorkerThreadHolder();
    CWorkerThreadHolder(const CWorkerThreadHolder&) = delete;
    CWorkerThreadHolder& operator=(const CWorkerThreadHolder&) = delete;

    // Stops and destroys the worker now.
    void Reset();

private:
    std::unique_ptr<CWorkerThread> mWorker;
};

} // namespace NSTramvell
