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
// Quantise on four samples at once, step for step; a true comparison is -1 in each lane.
inline __m128i QuantiseFour(__m128 sample)
{
    __m128 value = _mm_and_ps(sample, _mm_cmpord_ps(sample, sample));
    value = _mm_max_ps(value, _mm_set1_ps(kLowest24Bit));
    value = _mm_min_ps(value, _mm_set1_ps(kHighest24Bit));
    const __m128i whole = _mm_cvttps_epi32(value);
    const __m128 fraction = _mm_sub_ps(value, _mm_cvtepi32_ps(whole));
    // Whole numbers, as scaled-up integer data always are, need no rounding.
    if (_mm_movemask_ps(_mm_cmpneq_ps(fraction, _mm_setzero_ps())) == 0)
        return whole;
    const __m128i one = _mm_set1_epi32(1);
    const __m128i odd = _mm_cmpeq_epi32(_mm_and_si128(whole, one), one);
    const __m128 half = _mm_set1_ps(0.5f);
    const __m128 minusHalf = _mm_set1_ps(-0.5f);
    const __m128i up = _mm_or_si128(_mm_castps_si128(_mm_cmpgt_ps(fraction, half)),
                                    _mm_and_si128(_mm_castps_si128(_mm_cmpeq_ps(fraction, half)), odd));
    const __m128i down = _mm_or_si128(_mm_castps_si128(_mm_cmplt_ps(fraction, minusHalf)),
                                      _mm_and_si128(_mm_castps_si128(_mm_cmpeq_ps(fraction, minusHalf)), odd));
    return _mm_add_epi32(_mm_sub_epi32(whole, up), down);
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
