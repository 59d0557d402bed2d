#include "framework/foundation/core/ThreadLock.h"

#include <mutex>
#include <new>

namespace NSTramvell {
namespace {

static_assert(sizeof(std::mutex) <= 64 && alignof(std::mutex) <= alignof(void*));

std::mutex& MutexIn(unsigned char* storage)
{
    return *std::launder(reinterpret_cast<std::mutex*>(storage));
}

} // namespace

CThreadLock::CThreadLock()
{
    new (mStorage) std::mutex;
}

CThreadLock::~CThreadLock()
{
    MutexIn(mStorage).~mutex();
}

void CThreadLock::Lock()
{
    MutexIn(mStorage).lock();
}

void CThreadLock::Unlock()
{
    MutexIn(mStorage).unlock();
}

} // namespace NSTramvell
