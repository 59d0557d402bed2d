#pragma once

// The framework clock as a number of milliseconds that the test sets, read on every thread (the idle
// manager's and the idle pulse's too). The idle slots start over as though none had run when the fake
// begins and when it ends, so that no last run taken on one clock is compared with the other.

#include "framework/foundation/platform/win32/PlatformTables.h"

#include <atomic>

namespace NSGuiTest {

class CFakeClock
{
public:
    explicit CFakeClock(ULONGLONG nowMs);
    ~CFakeClock();
    CFakeClock(const CFakeClock&) = delete;
    CFakeClock& operator=(const CFakeClock&) = delete;

    void Set(ULONGLONG nowMs);

private:
    NSTramvell::CScopedTableEntry<decltype(NSTramvell::CKernelTable::GetTickCount64)> mTickCount64;
    NSTramvell::CScopedTableEntry<decltype(NSTramvell::CKernelTable::GetTickCount)> mTickCount;
};

} // namespace NSGuiTest
