#pragma once

// The framework's three units of time: a 64-bit clock (the high-resolution counter where the platform has
// one, else the millisecond timer), milliseconds from the platform's millisecond timer, and ticks of 1/60
// second derived from it. The clock is chosen once, by InitTimeBase; the conversions give 0 before that.

#include <atomic>
#include <cstdint>

namespace NSTramvell {

constexpr std::int32_t kTimeBaseNotChosen = 99;
constexpr std::int32_t kTimeBaseMillisecondTimer = 100;
constexpr std::int32_t kTimeBaseHighResolutionCounter = 101;

// Readings and pauses (they call the platform).
void InitTimeBase();
bool QueryClockFrequency(std::int64_t* frequency);
std::int64_t GetClock();
std::int64_t GetMicroseconds();
// The millisecond timer; 64 bits that never wrap. Callers that keep 32 bits take the low half and subtract
// in unsigned 32-bit arithmetic.
std::uint64_t GetTimeCounter();
std::uint32_t GetTicks();
void PauseMilliseconds(std::int32_t milliseconds);
void PauseTicks(std::int32_t ticks);

// The time base's state and the arithmetic on it (no platform call).
std::int32_t GetTimeBaseMode();
// Chooses the clock once: the counter when its frequency is known and not 0, else the millisecond timer.
void SelectTimeBase(std::int64_t counterFrequency);

std::int64_t MicrosecondsToClock(std::int64_t microseconds);
std::int64_t ClockToMicroseconds(std::int64_t clock);
std::int64_t MillisecondsToClock(std::int32_t milliseconds);
std::uint32_t ClockToMilliseconds(std::int64_t clock);

std::int32_t MillisecondsToTicks(std::int32_t milliseconds);
std::int32_t TicksToMilliseconds(std::int32_t ticks);
// Ticks of a 64-bit millisecond count: the low 32 bits of ms × 6 / 100, formed in 64 bits so that the tick
// count does not wrap at 2^32 / 6 ms (8.3 days) as a 32-bit product would.
std::uint32_t TimeCounterToTicks(std::uint64_t milliseconds);
// The ticks from earlier to later, true across the wrap of the 32-bit tick count.
std::int32_t TickDifference(std::uint32_t later, std::uint32_t earlier);

// Carries a 32-bit millisecond count that wraps after 49.7 days into 64 bits that never wrap. Safe to call
// from several threads; a reading older than the newest one seen is returned as it was, never moving the
// count back. Readings must come at least every 24 days.
class CTickCountWidener
{
public:
    constexpr CTickCountWidener() = default;
    std::uint64_t Widen(std::uint32_t tickCount);
    void Reset();

private:
    static constexpr std::uint64_t kNoReading = ~std::uint64_t{0};
    std::atomic<std::uint64_t> mNewest{kNoReading};
};

namespace NSTimeBaseInternal {
// Lets tests choose the mode and the counter frequency, and start over as though nothing were chosen.
void SetTimeBase(std::int32_t mode, std::int64_t counterFrequency);
void ResetTimeBase();
} // namespace NSTimeBaseInternal

} // namespace NSTramvell
