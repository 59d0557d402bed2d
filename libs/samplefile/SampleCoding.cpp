#include "libs/samplefile/SampleCoding.h"

#include "framework/foundation/core/ByteOrder.h"
#include "libs/samplefile/FormatValidation.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace NSSondrel {

namespace {

constexpr float kLowest24Bit = -8388608.0f;
constexpr float kHighest24Bit = 8388607.0f;

// Integer depths below 24 keep the top bits of the 24-bit value; the bits below are cleared.
std::int32_t ClearBelowDepth(std::int32_t value, std::int32_t bitsPerSample)
{
    const std::uint32_t lowBits = (1u << (24 - bitsPerSample)) - 1u;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) & ~lowBits);
}

// Built from truncation, one exact subtraction and comparisons, so that the result depends neither on the
// caller's rounding mode nor on a library call. NaN never meets a signalling comparison.
inline std::int32_t Quantise(float sample)
{
    float value = sample == sample ? sample : 0.0f;
    value = value < kLowest24Bit ? kLowest24Bit : value;
    value = value > kHighest24Bit ? kHighest24Bit : value;
    // Toward zero; within the clamped range the integer and the remainder are exact in float.
    const auto whole = static_cast<std::int32_t>(value);
    const float fraction = value - static_cast<float>(whole);
    const std::int32_t odd = whole & 1;
    const std::int32_t up = (fraction > 0.5f ? 1 : 0) | (fraction == 0.5f ? odd : 0);
    const std::int32_t down = (fraction < -0.5f ? 1 : 0) | (fraction == -0.5f ? odd : 0);
    return whole + up - down;
}

#if defined(__SSE2__)
// The processor's own conversion rounds to nearest, ties to even, exactly as Quantise does, once the
// caller's rounding mode is set aside. Exceptions are masked meanwhile: an inexact result is expected.
class CNearestRounding
{
public:
    CNearestRounding() : mSaved(_mm_getcsr()) { _mm_setcsr((mSaved & ~_MM_ROUND_MASK) | _MM_ROUND_NEAREST | _MM_MASK_MASK); }
    ~CNearestRounding() { _mm_setcsr(mSaved); }
    CNearestRounding(const CNearestRounding&) = delete;
    CNearestRounding& operator=(const CNearestRounding&) = delete;

private:
    unsigned int mSaved;
};

// Quantise on four samples at once, under CNearestRounding: NaN (whose ordered comparison is false) to 0,
// then the clamp, then the rounding conversion, which is exact within the clamped range.
inline __m128i QuantiseFour(__m128 sample)
{
    __m128 value = _mm_and_ps(sample, _mm_cmpord_ps(sample, sample));
    value = _mm_max_ps(value, _mm_set1_ps(kLowest24Bit));
    value = _mm_min_ps(value, _mm_set1_ps(kHighest24Bit));
    return _mm_cvtps_epi32(value);
}
#endif

// The stored forms of one quantised value: 8 bits unsigned, 16 and 24 bits signed, low byte first.
void Store8(std::int32_t value, std::uint8_t* stored)
{
    *stored = static_cast<std::uint8_t>((value >> 16) + 128);
}

void Store16(std::int32_t value, std::uint8_t* stored)
{
    stored[0] = static_cast<std::uint8_t>(value >> 8);
    stored[1] = static_cast<std::uint8_t>(value >> 16);
}

void Encode16(const float* samples, std::int32_t count, std::uint8_t* destination)
{
    std::int32_t i = 0;
#if defined(__SSE2__)
    const CNearestRounding nearest;
    // Eight at a time: the top 16 bits of each value (in range, so the pack never saturates), stored low
    // byte first as this processor stores them.
    for (; count - i >= 8; i += 8) {
        const __m128i low = _mm_srai_epi32(QuantiseFour(_mm_loadu_ps(samples + i)), 8);
        const __m128i high = _mm_srai_epi32(QuantiseFour(_mm_loadu_ps(samples + i + 4)), 8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(destination + 2 * static_cast<std::int64_t>(i)),
                         _mm_packs_epi32(low, high));
    }
#endif
    for (; i < count; ++i)
        Store16(Quantise(samples[i]), destination + 2 * static_cast<std::int64_t>(i));
}

} // namespace

std::int32_t QuantiseTo24Bit(float sample)
{
    return Quantise(sample);
}

void EncodeSamples(const float* samples, std::int32_t count, std::int32_t bitsPerSample, std::uint8_t* destination)
{
    switch (bitsPerSample) {
    case 8:
        for (std::int32_t i = 0; i < count; ++i)
            Store8(Quantise(samples[i]), destination + i);
        break;
    case 16:
        Encode16(samples, count, destination);
        break;
    default: {
        const std::int32_t bytesPerSample = GetBytesPerSample(bitsPerSample);
        for (std::int32_t i = 0; i < count; ++i)
            NSTramvell::WriteLittleEndian24Signed(destination + static_cast<std::int64_t>(i) * bytesPerSample,
                                                  ClearBelowDepth(Quantise(samples[i]), bitsPerSample));
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
