#pragma once

// Samples cross the boundary as floats on the 24-bit integer scale (-8388608..8388607) and are stored in
// WAVE "data" as 8-bit unsigned, 16-bit signed, or 20-, 22- and 24-bit signed in three bytes, low byte first.

#include <cstdint>

namespace NSSondrel {

// Frames are converted in blocks of at most this many samples, whatever the caller hands over at once.
constexpr std::int64_t kLargestSampleBlock = 32767;

// Nearest integer, ties to even; a value outside the 24-bit range is clamped first, NaN gives 0.
std::int32_t QuantiseTo24Bit(float sample);

// Stores count samples at bitsPerSample (8, 16, 20, 22 or 24), GetBytesPerSample bytes each.
void EncodeSamples(const float* samples, std::int32_t count, std::int32_t bitsPerSample, std::uint8_t* destination);

// The reverse: count stored samples back onto the 24-bit scale.
void DecodeSamples(const std::uint8_t* source, std::int32_t count, std::int32_t bitsPerSample, float* samples);

} // namespace NSSondrel
