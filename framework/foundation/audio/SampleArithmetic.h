#pragma once

// Musical and timing arithmetic on sample rates and tempos, the choice of a supported value from a list,
// and the sample rate as the user reads it.

#include <cstdint>
#include <string>

namespace NSTramvell {

// 12 * log2(a / b); 0 when either rate is 0.
double GetSemitonesBetween(std::uint32_t rateA, std::uint32_t rateB);
// The semitones * 100, truncated toward zero.
std::int64_t GetCentsBetween(std::uint32_t rateA, std::uint32_t rateB);

// b * c * 60 / (a * d) * 1000 and a * 60 / b, truncated toward zero; 0 when the divisor is 0.
std::int64_t GetTempoDuration(std::int32_t a, std::uint32_t b, std::int32_t c, std::int16_t d);
std::int64_t GetBeatDuration(std::int32_t a, std::uint32_t b);

bool FindValue(std::uint32_t value, const std::uint32_t* list, std::uint8_t count, std::int32_t& index);
// The index of an entry equal to the value, else of the smallest entry above it, else of the largest; the
// first of equal entries wins. An empty list gives 0.
std::int32_t ChooseSupportedValue(std::uint32_t value, const std::uint32_t* supported, std::int32_t count);
// Copies current into merged and adds the supported value chosen for value (the value itself when nothing
// is supported) unless it is there already. mergedCount and chosenIndex tell the result; merged has room
// for currentCount + 1 values.
void MergeChosenValue(std::uint32_t value, const std::uint32_t* supported, std::int32_t supportedCount,
                      const std::uint32_t* current, std::int32_t currentCount, std::uint32_t* merged,
                      std::int32_t& mergedCount, std::int32_t& chosenIndex);

// "800 Hz", "44.1 kHz", "22.050 kHz", "48 kHz".
std::string GetSampleRateText(std::uint32_t rateInHz);

} // namespace NSTramvell
