#pragma once

// A plain lock between threads of one process, for the framework's own shared state (the kept blocks).
// It works before the platform tables are bound and after they are released, and it needs no thread
// runtime from the compiler: the 32-bit build's runtime has no std::mutex.

#include <cstddef>

namespace NSTramvell {

class CThreadLock
{
public:
    CThreadLock();
    ~CThreadLock();
    CThreadLock(const CThreadLock&) = delete;
    CThreadLock& operator=(const CThreadLock&) = delete;

    // Waits until no other thread holds the lock. The holding thread must not take it again.
    void Lock();
    void Unlock();

private:
    // Room for the platform's lock object, so that taking one allocates nothing and no header shows it.
    alignas(void*) unsigned char mStorage[64];
};

// Holds a lock for the life of a scope.
class CThreadLockGuard
{
public:
    explicit CThreadLockGuard(CThreadLock& lock)
        : mLock(lock)
    {
        mLock.Lock();
    }
    ~CThreadLockGuard() { mLock.Unlock(); }
    CThreadLockGuard(const CThreadLockGuard&) = delete;
    CThreadLockGuard& operator=(const CThreadLockGuard&) = delete;

private:
    CThreadLock& mLock;   // borrowed: the guarded object's lock outlives the scope
};

} // namespace NSTramvell
