#include "framework/foundation/audio/SampleConversion.h"

#include <cmath>

namespace NSTramvell {

namespace {

constexpr float kSplitScale = 3.0518509447574615e-5f; // the single-precision value nearest 1 / 32767
constexpr float kNearlyOne = 0.999999f;

// Rounded to nearest, ties to even, in double precision; NaN counts as 0.
double RoundHalfToEven(double value)
{
    if (std::isnan(value))
        return 0.0;
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction > 0.5)
        return down + 1.0;
    if (fraction < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

// x * 32767 rounded: 32768 and more become 32767 silently, below -32768 clips with the flag.
std::int16_t ScaleTo16Bit(float value, bool& clipped)
{
    const double rounded = RoundHalfToEven(static_cast<double>(value) * 32767.0);
    if (rounded >= 32767.0)
        return 32767;
    if (rounded < -32768.0) {
        clipped = true;
        return -32768;
    }
    return static_cast<std::int16_t>(rounded);
}

template <typename Convert>
bool ConvertToWords(const float* values, std::int32_t count, std::uint32_t* words, Convert placeSample)
{
    bool clipped = false;
    for (std::int32_t i = 0; i < count; ++i)
        words[i] = placeSample(static_cast<std::uint16_t>(ScaleTo16Bit(values[i], clipped)));
    return clipped;
}

} // namespace

std::int32_t RoundToInt32(float value)
{
    const double rounded = RoundHalfToEven(value);
    // Every float of 2^63 or more in magnitude is a multiple of 2^40: its low 32 bits are 0.
    if (std::fabs(rounded) >= 9223372036854775808.0)
        return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(rounded)));
}

std::int32_t SplitStereo16Bit(const std::int16_t* interleaved, std::int32_t count, float* left, float* right)
{
    for (std::int32_t i = 0; i < count; ++i) {
        const float value = static_cast<float>(interleaved[i]) * kSplitScale;
        if (i % 2 == 0)
            left[i / 2] = value;
        else
            right[i / 2] = value;
    }
    return count / 2;
}

bool FloatTo24BitPacked(const float* values, std::int32_t count, std::uint8_t* packed)
{
    bool clipped = false;
    for (std::int32_t i = 0; i < count; ++i) {
        double value = values[i];
        if (value > 1.0) {
            value = 1.0;
            clipped = true;
        } else if (value < -1.0) {
            value = -1.0;
            clipped = true;
        } else if (std::isnan(value)) {
            value = 0.0;
        }
        const auto scaled = static_cast<std::uint32_t>(static_cast<std::int32_t>(value * 8388607.0));
        packed[3 * i] = static_cast<std::uint8_t>(scaled);
        packed[3 * i + 1] = static_cast<std::uint8_t>(scaled >> 8);
        packed[3 * i + 2] = static_cast<std::uint8_t>(scaled >> 16);
    }
    return clipped;
}

bool FloatTo16BitLowHalf(const float* values, std::int32_t count, std::uint32_t* words)
{
    return ConvertToWords(values, count, words, [](std::uint16_t sample) { return std::uint32_t{sample}; });
}

bool FloatTo16BitHighHalf(const float* values, std::int32_t count, std::uint32_t* words)
{
    return ConvertToWords(values, count, words, [](std::uint16_t sample) { return std::uint32_t{sample} << 16; });
}

bool FloatTo16BitInWord(const float* values, std::int32_t count, std::int32_t lowHalf, std::uint32_t* words)
{
    return lowHalf != 0 ? FloatTo16BitLowHalf(values, count, words) : FloatTo16BitHighHalf(values, count, words);
}

bool FloatPairTo16BitStereo(const float* left, const float* right, std::int32_t count, std::int16_t* interleaved)
{
    bool clipped = false;
    for (std::int32_t i = 0; i < count; ++i) {
        interleaved[2 * i] = ScaleTo16Bit(left[i], clipped);
        interleaved[2 * i + 1] = ScaleTo16Bit(right[i], clipped);
    }
    return clipped;
}

bool FloatTo16Bit(const float* values, std::int32_t count, std::int16_t* samples)
{
    bool clipped = false;
    for (std::int32_t i = 0; i < count; ++i) {
        const float value = values[i];
        if (value > kNearlyOne) {
            samples[i] = 32767;
        } else if (value < -1.0f) {
            samples[i] = -32768;
            clipped = true;
        } else {
            samples[i] = static_cast<std::int16_t>(RoundHalfToEven(static_cast<double>(value) * 32767.0));
        }
    }
    return clipped;
}

bool FloatTo32Bit(const float* values, std::int32_t count, std::int32_t* samples)
{
    bool clipped = false;
    for (std::int32_t i = 0; i < count; ++i) {
        const float value = values[i];
        if (value > kNearlyOne) {
            samples[i] = INT32_MAX;
        } else if (value < -1.0f) {
            samples[i] = INT32_MIN;
            clipped = true;
        } else {
            samples[i] = static_cast<std::int32_t>(RoundHalfToEven(static_cast<double>(value) * 2147483648.0));
        }
    }
    return clipped;
}

} // namespace NSTramvell
