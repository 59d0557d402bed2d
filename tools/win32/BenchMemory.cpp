#include "tools/BenchMemory.h"

#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <psapi.h>

std::uint64_t GetPeakWorkingSetInBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return counters.PeakWorkingSetSize;
}

double GetProcessorSeconds()
{
    FILETIME creation{};
    FILETIME exit{};
    FILETIME kernel{};
    FILETIME user{};
    if (!GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user))
        return 0.0;
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    // FILETIME counts 100-nanosecond ticks.
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}
