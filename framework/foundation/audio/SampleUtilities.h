#pragma once

// Small tools over 16-bit sample buffers, and the test signals. All work on caller buffers of count
// values; only the test tone keeps state, its oscillator phase, from one call to the next.

#include <cstdint>

namespace NSTramvell {

constexpr std::int32_t kUnityGain = 32768;

// Signed to offset binary and back.
void FlipSignBits(std::int16_t* values, std::int32_t count);
// (value * gain) >> 15, kept in 16 bits.
void ApplyGain(std::int16_t* values, std::int32_t count, std::int32_t gain);
// The largest magnitude; -32768 gives 32768.
std::uint16_t GetPeak(const std::int16_t* values, std::int32_t count);
// Raises the peak to full scale; silence stays as it is.
void Normalize(std::int16_t* values, std::int32_t count);
// Output byte i is the high byte of little-endian input value i, as unsigned 8-bit. Returns the input
// position behind the last byte used.
const std::uint8_t* HighBytesToUnsigned8Bit(const std::uint8_t* littleEndian16, std::int32_t count,
                                            std::uint8_t* unsigned8);
void Clear16Bit(std::int16_t* values, std::int32_t count);
void Clear32Bit(std::int32_t* values, std::int32_t count);

// value i = i * 10000 in 16 bits. Returns count, or 0 for count < 1.
std::int32_t RampBy10000(std::int16_t* values, std::int32_t count);
// step = (top << 16) / divisor; value i = the low 16 bits of i * step. Returns the step; divisor 0
// throws XBase.
std::int32_t RampByStep(std::int16_t* values, std::int32_t count, std::int32_t divisor, std::int32_t top);
// 18 values a period, from -0.9 to 0.8 in steps of 0.1.
void Sawtooth(float* values, std::int32_t count);
// count interleaved pairs: 0, 0 and then 32767, 16383.
void StereoTestPairs(std::int16_t* interleaved, std::int32_t pairCount);
// All 0 but the second value, 32767.
void Impulse(std::int16_t* values, std::int32_t count);
// count stereo frames of a sine, the same on both channels; the phase carries over to the next call.
void TestTone(std::int16_t* interleaved, std::int32_t frameCount);

} // namespace NSTramvell
