#include "tools/BenchMemory.h"

#include "framework/foundation/win32/PlatformWin32.h"

#include <psapi.h>

std::uint64_t GetPeakWorkingSetInBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return counters.PeakWorkingSetSize;
}
