#include "framework/foundation/core/ThreadLock.h"

#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <new>

// The critical section functions are called directly, not through the bound tables: blocks are kept and
// taken while the program starts and ends, outside the tables' binding, and these calls exist on every
// Windows the program runs on.

namespace NSTramvell {
namespace {

static_assert(sizeof(CRITICAL_SECTION) <= 64 && alignof(CRITICAL_SECTION) <= alignof(void*));

CRITICAL_SECTION* SectionIn(unsigned char* storage)
{
    return std::launder(reinterpret_cast<CRITICAL_SECTION*>(storage));
}

} // namespace

CThreadLock::CThreadLock()
{
    ::InitializeCriticalSection(new (mStorage) CRITICAL_SECTION);
}

CThreadLock::~CThreadLock()
{
    ::DeleteCriticalSection(SectionIn(mStorage));
}

void CThreadLock::Lock()
{
    ::EnterCriticalSection(SectionIn(mStorage));
}

void CThreadLock::Unlock()
{
    ::LeaveCriticalSection(SectionIn(mStorage));
}

} // namespace NSTramvell
