#include "framework/foundation/threads/SpinLock.h"

#include "framework/foundation/platform/PlatformCalls.h"
#include "framework/foundation/platform/TimeBase.h"

#include <algorithm>

namespace NSTramvell {

CSpinLock::CSpinLock(bool lockNow)
{
    if (lockNow)
        Lock();
}

bool CSpinLock::TryLock()
{
    return AtomicExchange(&mWord, 1) == 0;
}

void CSpinLock::Lock()
{
    while (!TryLock())
        PauseThread(2);
}

bool CSpinLock::TryLockFor(std::int32_t milliseconds)
{
    if (TryLock())
        return true;
    const std::uint64_t deadline = GetTimeCounter() + static_cast<std::uint64_t>(std::max(milliseconds, 0));
    while (GetTimeCounter() < deadline) {
        if (TryLock())
            return true;
        PauseMilliseconds(1);
    }
    return false;
}

void CSpinLock::Unlock()
{
    AtomicExchange(&mWord, 0);
}

} // namespace NSTramvell
