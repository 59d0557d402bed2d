#pragma once

// Conversions between Akai-style values and the sampler's units: pitch in cents of MIDI notes (6900 =
// 440 Hz), times in time cents (1200 x log2 of seconds), gains in cube-law units (-1440 = silence).
// They compute in long double with the sampler's single-precision constants; integer results are
// truncated toward zero and saturate at the 32-bit limits.

#include <cstdint>

namespace NSConverterImplementation {

// Truncation toward zero that saturates instead of overflowing; NaN gives the lowest value.
std::int32_t TruncateToInt32(long double value);

std::int32_t HertzToCents(long double hertz);
long double CentsToHertz(long double cents);
std::int32_t MillisecondsToTimeCents(long double milliseconds);
long double TimeCentsToMilliseconds(long double timeCents);
std::int32_t TenthDbToGainUnit(long double tenthDb);
std::int32_t LinearToGainUnit(long double amplitude);
long double GainUnitToLinear(long double gain);
long double GainUnitToTenthDb(long double gain);
bool IsSilentGain(std::int32_t gain);
long double GainUnitCurve(long double gain);
std::int32_t KeyTrackingOffset(std::int32_t key, std::int32_t amount);
// value x 1000 / (steps - 1) through NSTramvell::MulDiv, which saturates when a single step leaves no divisor.
std::int32_t PerThousandOfSteps(std::int32_t value, std::int32_t steps);

} // namespace NSConverterImplementation
