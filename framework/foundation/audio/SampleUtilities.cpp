#include "framework/foundation/audio/SampleUtilities.h"

#include "framework/foundation/core/Exceptions.h"

#include <array>
#include <cmath>
#include <numbers>

namespace NSTramvell {

namespace {

// Sums are formed in unsigned or 64-bit arithmetic and cut to 16 bits, so a wrap is defined.
std::int16_t Low16Bits(std::int64_t value)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint64_t>(value)));
}

const std::array<std::int8_t, 256>& GetToneTable()
{
    static const std::array<std::int8_t, 256> table = [] {
        std::array<std::int8_t, 256> entries{};
        for (int i = 0; i < 256; ++i)
            entries[i] = static_cast<std::int8_t>(std::floor(127.0 * std::sin(2.0 * std::numbers::pi * i / 256.0)));
        return entries;
    }();
    return table;
}

constexpr std::uint16_t kTonePhaseStep = 400;
std::uint16_t gTonePhase = 0;

} // namespace

void FlipSignBits(std::int16_t* values, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i)
        values[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(values[i]) ^ 0x8000u);
}

void ApplyGain(std::int16_t* values, std::int32_t count, std::int32_t gain)
{
    for (std::int32_t i = 0; i < count; ++i)
        values[i] = Low16Bits((std::int64_t{values[i]} * gain) >> 15);
}

std::uint16_t GetPeak(const std::int16_t* values, std::int32_t count)
{
    std::uint16_t peak = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const auto magnitude = static_cast<std::uint16_t>(values[i] < 0 ? -std::int32_t{values[i]} : values[i]);
        if (magnitude > peak)
            peak = magnitude;
    }
    return peak;
}

void Normalize(std::int16_t* values, std::int32_t count)
{
    const std::uint16_t peak = GetPeak(values, count);
    if (peak != 0)
        ApplyGain(values, count, 1073709056 / peak);
}

const std::uint8_t* HighBytesToUnsigned8Bit(const std::uint8_t* littleEndian16, std::int32_t count,
                                            std::uint8_t* unsigned8)
{
    for (std::int32_t i = 0; i < count; ++i)
        unsigned8[i] = static_cast<std::uint8_t>(littleEndian16[2 * i + 1] ^ 0x80);
    return littleEndian16 + 2 * static_cast<std::int64_t>(count < 0 ? 0 : count);
}

void Clear16Bit(std::int16_t* values, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i)
        values[i] = 0;
}

void Clear32Bit(std::int32_t* values, std::int32_t count)
{
    for (std::int32_t i = 0; i < count; ++i)
        values[i] = 0;
}

std::int32_t RampBy10000(std::int16_t* values, std::int32_t count)
{
    if (count < 1)
        return 0;
    for (std::int32_t i = 0; i < count; ++i)
        values[i] = Low16Bits(std::int64_t{i} * 10000);
    return count;
}

std::int32_t RampByStep(std::int16_t* values, std::int32_t count, std::int32_t divisor, std::int32_t top)
{
    if (divisor == 0)
        throw XBase();
    const auto shiftedTop = static_cast<std::int32_t>(static_cast<std::uint32_t>(top) << 16);
    const auto step = static_cast<std::int32_t>(static_cast<std::uint32_t>(std::int64_t{shiftedTop} / divisor));
    for (std::int32_t i = 0; i < count; ++i)
        values[i] = Low16Bits(std::int64_t{i} * step);
    return step;
}

void Sawtooth(float* values, std::int32_t count)
{
    const double bottom = -0.9f;
    const double step = 0.1f;
    const double top = 0.9f;
    double level = bottom;
    for (std::int32_t i = 0; i < count; ++i) {
        values[i] = static_cast<float>(level);
        level += step;
        if (level > top)
            level = bottom;
    }
}

void StereoTestPairs(std::int16_t* interleaved, std::int32_t pairCount)
{
    for (std::int32_t i = 0; i < pairCount; ++i) {
        interleaved[2 * i] = i == 0 ? 0 : 32767;
        interleaved[2 * i + 1] = i == 0 ? 0 : 16383;
    }
}

void Impulse(std::int16_t* values, std::int32_t count)
{
    Clear16Bit(values, count);
    if (count >= 2)
        values[1] = 32767;
}

void TestTone(std::int16_t* interleaved, std::int32_t frameCount)
{
    const auto& table = GetToneTable();
    for (std::int32_t i = 0; i < frameCount; ++i) {
        const auto sample = static_cast<std::int16_t>(table[gTonePhase >> 8] * 256);
        interleaved[2 * i] = sample;
        interleaved[2 * i + 1] = sample;
        gTonePhase = static_cast<std::uint16_t>(gTonePhase + kTonePhaseStep);
    }
}

} // namespace NSTramvell
