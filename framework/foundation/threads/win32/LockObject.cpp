#include "framework/foundation/threads/LockObject.h"

#include "framework/foundation/platform/TimeBase.h"
#include "framework/foundation/platform/win32/PlatformCallsWin32.h"

#include <stdexcept>

namespace NSTramvell {

CLockObject::CLockObject()
{
    InitTimeBase();
    mHandle = CreateLockObject(nullptr, FALSE, nullptr);
    if (mHandle == nullptr)
        throw std::runtime_error("The lock object could not be created");
}

CLockObject::~CLockObject()
{
    DisposeSystemHandle(mHandle);
}

void CLockObject::Lock()
{
    if (WaitForObject(mHandle, -1) != WAIT_OBJECT_0)
        throw std::runtime_error("The lock object could not be taken");
}

void CLockObject::Unlock()
{
    if (!ReleaseLockObject(mHandle))
        throw std::runtime_error("The lock object could not be released");
}

CLockObjectHolder::CLockObjectHolder()
    : mLock(std::make_unique<CLockObject>())
{
}

CLockObjectHolder::~CLockObjectHolder() = default;

void CLockObjectHolder::Lock()
{
    mLock->Lock();
}

void CLockObjectHolder::Unlock()
{
    mLock->Unlock();
}

CScopedLock::CScopedLock(CLockObjectHolder& holder)
    : mHolder(holder)
{
    mHolder.Lock();
}

CScopedLock::~CScopedLock()
{
    try {
        mHolder.Unlock();
    } catch (const std::exception&) {
        // A lock that cannot be released is the platform's trouble; unwinding from here would end the process.
    }
}

} // namespace NSTramvell
