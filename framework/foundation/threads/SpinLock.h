#pragma once

// A lock on one 32-bit word (0 free, 1 taken), changed only by atomic exchanges. For short holds: a waiter
// sleeps between attempts instead of blocking on a kernel object.

#include <cstdint>

namespace NSTramvell {

class CSpinLock
{
public:
    explicit CSpinLock(bool lockNow = false);
    // A lock still taken stays taken: nobody else can hold a reference to it any more.
    ~CSpinLock() = default;
    CSpinLock(const CSpinLock&) = delete;
    CSpinLock& operator=(const CSpinLock&) = delete;

    bool TryLock();
    // Tries every 2 ms, without limit.
    void Lock();
    // Tries at once, then every millisecond until the time has passed; false when it never got the lock.
    bool TryLockFor(std::int32_t milliseconds);
    void Unlock();

private:
    std::int32_t mWord = 0;
};

} // namespace NSTramvell
