#include "framework/foundation/platform/TimeBase.h"

namespace NSTramvell {
namespace {

// Written once during start-up on the user-interface thread, only read afterwards.
std::int32_t gMode = kTimeBaseNotChosen;
double gClockUnitsPerMicrosecond = 0.0;
double gMicrosecondsPerClockUnit = 0.0;

constexpr double kMillisecondTimerFrequency = 1000.0;

void SetFactors(double frequency)
{
    gClockUnitsPerMicrosecond = frequency * 1e-6;
    gMicrosecondsPerClockUnit = 1e6 / frequency;
}

} // namespace

std::int32_t GetTimeBaseMode()
{
    return gMode;
}

void SelectTimeBase(std::int64_t counterFrequency)
{
    if (gMode != kTimeBaseNotChosen)
        return;
    if (counterFrequency != 0)
        NSTimeBaseInternal::SetTimeBase(kTimeBaseHighResolutionCounter, counterFrequency);
    else
        NSTimeBaseInternal::SetTimeBase(kTimeBaseMillisecondTimer, 0);
}

std::int64_t MicrosecondsToClock(std::int64_t microseconds)
{
    return static_cast<std::int64_t>(static_cast<double>(microseconds) * gClockUnitsPerMicrosecond);
}

std::int64_t ClockToMicroseconds(std::int64_t clock)
{
    return static_cast<std::int64_t>(static_cast<double>(clock) * gMicrosecondsPerClockUnit);
}

std::int64_t MillisecondsToClock(std::int32_t milliseconds)
{
    return MicrosecondsToClock(std::int64_t{milliseconds} * 1000);
}

std::uint32_t ClockToMilliseconds(std::int64_t clock)
{
    return static_cast<std::uint32_t>(ClockToMicroseconds(clock) / 1000);
}

std::int32_t MillisecondsToTicks(std::int32_t milliseconds)
{
    return static_cast<std::int32_t>(std::int64_t{milliseconds} * 6 / 100);
}

std::int32_t TicksToMilliseconds(std::int32_t ticks)
{
    return static_cast<std::int32_t>(std::int64_t{ticks} * 100 / 6);
}

std::uint32_t TimeCounterToTicks(std::uint64_t milliseconds)
{
    return static_cast<std::uint32_t>(milliseconds * 6 / 100);
}

std::int32_t TickDifference(std::uint32_t later, std::uint32_t earlier)
{
    return static_cast<std::int32_t>(later - earlier);
}

std::uint64_t CTickCountWidener::Widen(std::uint32_t tickCount)
{
    std::uint64_t newest = mNewest.load();
    for (;;) {
        std::uint64_t widened = tickCount;
        if (newest != kNoReading) {
            // The signed distance from the newest reading: a small negative one is a reading that another
            // thread overtook, not a wrap.
            const auto distance = static_cast<std::int32_t>(tickCount - static_cast<std::uint32_t>(newest));
            widened = newest + static_cast<std::uint64_t>(std::int64_t{distance});
            if (distance <= 0)
                return widened;
        }
        if (mNewest.compare_exchange_weak(newest, widened))
            return widened;
    }
}

void CTickCountWidener::Reset()
{
    mNewest.store(kNoReading);
}

namespace NSTimeBaseInternal {

void SetTimeBase(std::int32_t mode, std::int64_t counterFrequency)
{
    gMode = mode;
    if (mode == kTimeBaseHighResolutionCounter)
        SetFactors(static_cast<double>(counterFrequency));
    else if (mode == kTimeBaseMillisecondTimer)
        SetFactors(kMillisecondTimerFrequency);
    else {
        gClockUnitsPerMicrosecond = 0.0;
        gMicrosecondsPerClockUnit = 0.0;
    }
}

void ResetTimeBase()
{
    SetTimeBase(kTimeBaseNotChosen, 0);
}

} // namespace NSTimeBaseInternal

} // namespace NSTramvell
