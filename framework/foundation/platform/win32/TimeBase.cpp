// The readings and pauses of the time base: the half that asks the platform.

#include "framework/foundation/platform/TimeBase.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSTramvell {

bool QueryClockFrequency(std::int64_t* frequency)
{
    LARGE_INTEGER answer{};
    if (!GetKernelTable().QueryPerformanceFrequency(&answer))
        return false;
    *frequency = answer.QuadPart;
    return true;
}

void InitTimeBase()
{
    if (GetTimeBaseMode() != kTimeBaseNotChosen)
        return;
    std::int64_t frequency = 0;
    if (!QueryClockFrequency(&frequency))
        frequency = 0;
    SelectTimeBase(frequency);
}

std::int64_t GetClock()
{
    if (GetTimeBaseMode() == kTimeBaseHighResolutionCounter) {
        LARGE_INTEGER counter{};
        GetKernelTable().QueryPerformanceCounter(&counter);
        return counter.QuadPart;
    }
    return static_cast<std::int64_t>(GetTimeCounter());
}

std::int64_t GetMicroseconds()
{
    return ClockToMicroseconds(GetClock());
}

std::uint64_t GetTimeCounter()
{
    return GetKernelTable().GetTickCount64();
}

std::uint32_t GetTicks()
{
    return TimeCounterToTicks(GetTimeCounter());
}

void PauseMilliseconds(std::int32_t milliseconds)
{
    GetKernelTable().Sleep(static_cast<DWORD>(milliseconds));
}

void PauseTicks(std::int32_t ticks)
{
    PauseMilliseconds(TicksToMilliseconds(ticks));
}

} // namespace NSTramvell
