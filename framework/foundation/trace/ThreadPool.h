#pragma once

// Runs a list of threads with a limit on how many run at the same time. Used from one thread. Without the
// owns-threads flag the caller deletes the threads; with it the pool deletes the finished ones. The pool
// does not wait for threads that still run when it ends.

#include "framework/foundation/chunks/LinkedList.h"

#include <cstddef>
#include <cstdint>

namespace NSTramvell {

class CThread;

class CThreadPool
{
public:
    // A limit below 1 counts as 1.
    CThreadPool(std::int32_t limit, bool ownsThreads);
    virtual ~CThreadPool();
    CThreadPool(const CThreadPool&) = delete;
    CThreadPool& operator=(const CThreadPool&) = delete;

    // Lists the thread, waits until fewer than the limit of the listed threads run, then starts it.
    void AddThread(CThread* thread);
    std::size_t CountRunning();
    // Removes every finished thread from the list and deletes it.
    void RemoveFinished();
    void JoinAll();
    // Asks every listed thread to stop and joins it.
    void StopAll();
    // 10 ms, then 2 ms for each listed thread.
    void Pause();

private:
    CLinkedList<CThread*> mThreads;   // borrowed, or owned with mOwnsThreads
    std::int32_t mLimit;
    bool mOwnsThreads;
};

} // namespace NSTramvell
