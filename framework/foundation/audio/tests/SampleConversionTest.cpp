#include "framework/foundation/audio/SampleConversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

using namespace NSTramvell;

TEST(SampleConversion, SplitStereoScalesSoThatTheTopValueIsOne)
{
    const std::int16_t interleaved[] = {32767, -32768, 0, 16384, 1};
    float left[3] = {9.0f, 9.0f, 9.0f};
    float right[2] = {9.0f, 9.0f};
    EXPECT_EQ(SplitStereo16Bit(interleaved, 5, left, right), 2);
    EXPECT_EQ(left[0], 1.0f);
    EXPECT_LT(right[0], -1.0f);
    EXPECT_GT(right[0], -1.0001f);
    EXPECT_EQ(left[1], 0.0f);
    EXPECT_EQ(right[1], 16384 * 3.0518509447574615e-5f);
    EXPECT_EQ(left[2], 1 * 3.0518509447574615e-5f); // the odd value out still lands left
}

TEST(SampleConversion, FloatTo16BitClipsOnlyBelowWithTheFlag)
{
    const struct
    {
        float value;
        std::int16_t sample;
        bool clipped;
    } kCases[] = {
        {1.0f, 32767, false},  {2.0f, 32767, false},   {0.999999f, 32767, false},
        {-1.0f, -32767, false}, {-1.5f, -32768, true}, {0.5f, 16384, false}, // 16383.5 ties to even
        {-0.5f, -16384, false}, {0.0f, 0, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        std::int16_t sample = 0x1111;
        EXPECT_EQ(FloatTo16Bit(&c.value, 1, &sample), c.clipped);
        EXPECT_EQ(sample, c.sample);
    }
}

// The 16-bit halves and the stereo pairs share one rule: 32768 and above become 32767 silently.
TEST(SampleConversion, SixteenBitWordsAndPairs)
{
    const std::vector<float> values = {1.0f, 1.5f, -1.0f, -1.01f, 0.25f};
    const std::vector<std::uint16_t> samples = {32767, 32767, 0x8001, 0x8000, 8192};
    std::vector<std::uint32_t> low(values.size(), 0xDEADBEEF);
    std::vector<std::uint32_t> high(values.size(), 0xDEADBEEF);
    EXPECT_TRUE(FloatTo16BitLowHalf(values.data(), 5, low.data()));
    EXPECT_TRUE(FloatTo16BitInWord(values.data(), 5, 0, high.data()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(low[i], samples[i]);
        EXPECT_EQ(high[i], std::uint32_t{samples[i]} << 16);
    }
    std::vector<std::uint32_t> selected(values.size());
    FloatTo16BitInWord(values.data(), 5, 7, selected.data());
    EXPECT_EQ(selected, low);
    EXPECT_FALSE(FloatTo16BitLowHalf(values.data(), 3, low.data())); // the clipped value is the fourth

    const float left[] = {2.0f, -0.5f};
    const float right[] = {0.5f, -3.0f};
    std::int16_t pairs[4] = {};
    EXPECT_TRUE(FloatPairTo16BitStereo(left, right, 2, pairs));
    EXPECT_EQ(std::vector<std::int16_t>(pairs, pairs + 4), (std::vector<std::int16_t>{32767, 16384, -16384, -32768}));
}

TEST(SampleConversion, FloatTo24BitPackedClipsBothWaysWithTheFlag)
{
    const struct
    {
        float value;
        std::vector<std::uint8_t> packed;
        bool clipped;
    } kCases[] = {
        {1.5f, {0xFF, 0xFF, 0x7F}, true},
        {-1.5f, {0x01, 0x00, 0x80}, true},
        {1.0f, {0xFF, 0xFF, 0x7F}, false},
        {0.5f, {0xFF, 0xFF, 0x3F}, false}, // 4194303.5 truncated
        {-0.5f, {0x01, 0x00, 0xC0}, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        std::vector<std::uint8_t> packed(3, 0x55);
        EXPECT_EQ(FloatTo24BitPacked(&c.value, 1, packed.data()), c.clipped);
        EXPECT_EQ(packed, c.packed);
    }
}

TEST(SampleConversion, FloatTo32Bit)
{
    const float values[] = {1.0f, -1.0f, -2.0f, 0.5f, -0.25f};
    std::int32_t samples[5] = {};
    EXPECT_TRUE(FloatTo32Bit(values, 5, samples));
    EXPECT_EQ(samples[0], std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(samples[1], std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(samples[2], std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(samples[3], 1073741824);
    EXPECT_EQ(samples[4], -536870912);
    EXPECT_FALSE(FloatTo32Bit(values, 2, samples));
}

TEST(SampleConversion, RoundToInt32TiesToEvenAndWraps)
{
    const struct
    {
        float value;
        std::int32_t rounded;
    } kCases[] = {
        {2.5f, 2}, {3.5f, 4}, {-2.5f, -2}, {-3.5f, -4}, {2.4f, 2}, {-2.6f, -3},
        {4294967296.0f + 512.0f, 512}, {std::numeric_limits<float>::max(), 0},
        {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundToInt32(c.value), c.rounded);
    }
}

} // namespace
