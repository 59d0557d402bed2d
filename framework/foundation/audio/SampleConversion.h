#pragma once

// Conversions between float samples (full scale ±1.0) and integer samples over caller buffers. Each
// returns a clipping flag: true when at least one value was clipped in the way its comment names. Positive
// overshoot is clipped silently in the 16- and 32-bit forms: a full-scale 1.0 is an ordinary value there.

#include <cstdint>

namespace NSTramvell {

// Rounded to nearest, ties to even, then cut to its low 32 bits; NaN gives 0.
std::int32_t RoundToInt32(float value);

// Even-indexed values go left, odd-indexed right, each scaled so that 32767 is 1.0. Returns count / 2.
std::int32_t SplitStereo16Bit(const std::int16_t* interleaved, std::int32_t count, float* left, float* right);

// Values outside [-1, 1] are clipped (flag); x * 8388607 truncated, three bytes little-endian each.
bool FloatTo24BitPacked(const float* values, std::int32_t count, std::uint8_t* packed);
// x * 32767 rounded; below -32768 clips with the flag. The sample sits in one half of a 32-bit word, the
// other half 0.
bool FloatTo16BitLowHalf(const float* values, std::int32_t count, std::uint32_t* words);
bool FloatTo16BitHighHalf(const float* values, std::int32_t count, std::uint32_t* words);
// A non-zero selector picks the low half.
bool FloatTo16BitInWord(const float* values, std::int32_t count, std::int32_t lowHalf, std::uint32_t* words);
bool FloatPairTo16BitStereo(const float* left, const float* right, std::int32_t count, std::int16_t* interleaved);
// Above 0.999999 gives the largest value, below -1.0 the smallest with the flag.
bool FloatTo16Bit(const float* values, std::int32_t count, std::int16_t* samples);
bool FloatTo32Bit(const float* values, std::int32_t count, std::int32_t* samples);

} // namespace NSTramvell
