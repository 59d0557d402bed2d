#include "libs/samplefile/SampleCoding.h"

#include "framework/foundation/ByteOrder.h"
#include "libs/samplefile/FormatValidation.h"

#include <cmath>

namespace NSSondrel {

namespace {

constexpr double kLowest24Bit = -8388608.0;
constexpr double kHighest24Bit = 8388607.0;

// Integer depths below 24 keep the top bits of the 24-bit value; the bits below are cleared.
std::int32_t ClearBelowDepth(std::int32_t value, std::int32_t bitsPerSample)
{
    const std::uint32_t lowBits = (1u << (24 - bitsPerSample)) - 1u;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) & ~lowBits);
}

} // namespace

std::int32_t QuantiseTo24Bit(float sample)
{
    if (std::isnan(sample)) {
        return 0;
    }
    double value = sample;
    if (value < kLowest24Bit) {
        value = kLowest24Bit;
    } else if (value > kHighest24Bit) {
        value = kHighest24Bit;
    }
    // Exact in double, and independent of the caller's rounding mode.
    const double below = std::floor(value);
    const double fraction = value - below;
    auto rounded = static_cast<std::int32_t>(below);
    if (fraction > 0.5 || (fraction == 0.5 && (rounded & 1) != 0)) {
        ++rounded;
    }
    return rounded;
}

void EncodeSamples(const float* samples, std::int32_t count, std::int32_t bitsPerSample, std::uint8_t* destination)
{
    const std::int32_t bytesPerSample = GetBytesPerSample(bitsPerSample);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t value = QuantiseTo24Bit(samples[i]);
        std::uint8_t* stored = destination + static_cast<std::int64_t>(i) * bytesPerSample;
        switch (bitsPerSample) {
        case 8:
            *stored = static_cast<std::uint8_t>((value >> 16) + 128);
            break;
        case 16:
            NSTramvell::WriteLittleEndian16(stored, static_cast<std::uint16_t>(value >> 8));
            break;
        default:
            NSTramvell::WriteLittleEndian24Signed(stored, ClearBelowDepth(value, bitsPerSample));
            break;
        }
    }
}

void DecodeSamples(const std::uint8_t* source, std::int32_t count, std::int32_t bitsPerSample, float* samples)
{
    const std::int32_t bytesPerSample = GetBytesPerSample(bitsPerSample);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint8_t* stored = source + static_cast<std::int64_t>(i) * bytesPerSample;
        std::int32_t value = 0;
        switch (bitsPerSample) {
        case 8:
            value = (static_cast<std::int32_t>(*stored) - 128) * 65536;
            break;
        case 16:
            value = static_cast<std::int16_t>(NSTramvell::ReadLittleEndian16(stored)) * 256;
            break;
        default:
            value = NSTramvell::ReadLittleEndian24Signed(stored);
            break;
        }
        samples[i] = static_cast<float>(value);
    }
}

} // namespace NSSondrel
