#include "libs/samplefile/SampleCoding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

using NSSondrel::DecodeSamples;
using NSSondrel::EncodeSamples;
using NSSondrel::QuantiseTo24Bit;

TEST(QuantiseTo24Bit, RoundsToNearestTiesToEvenAndClamps)
{
    const struct
    {
        float sample;
        std::int32_t value;
    } kCases[] = {
        {256.4f, 256},       {0.5f, 0},          {1.5f, 2},           {2.5f, 2},          {-0.5f, 0},
        {-1.5f, -2},         {-2.5f, -2},        {-2.6f, -3},         {8388607.0f, 8388607},
        {8388608.0f, 8388607}, {1.0e30f, 8388607}, {-8388608.0f, -8388608}, {-9.0e6f, -8388608},
        {std::numeric_limits<float>::infinity(), 8388607}, {-std::numeric_limits<float>::infinity(), -8388608},
        {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.sample);
        EXPECT_EQ(QuantiseTo24Bit(c.sample), c.value);
    }
}

TEST(EncodeSamples, StoresEachDepthAsTheWaveFormatWants)
{
    const struct
    {
        std::int32_t bits;
        float sample;
        std::vector<std::uint8_t> stored;
    } kCases[] = {
        {8, -8388608.0f, {0x00}},
        {8, 8388607.0f, {0xFF}},
        {8, 0.0f, {0x80}},
        {8, -1.0f, {0x7F}},         // arithmetic shift: -1 >> 16 is -1
        {16, 256.4f, {0x01, 0x00}},
        {16, -1.0f, {0xFF, 0xFF}},
        {16, -8388608.0f, {0x00, 0x80}},
        {20, 0x12345F.0p0f, {0x50, 0x34, 0x12}},
        {20, -1.0f, {0xF0, 0xFF, 0xFF}},
        {22, 0x12345F.0p0f, {0x5C, 0x34, 0x12}},
        {24, 0x12345F.0p0f, {0x5F, 0x34, 0x12}},
        {24, -8388608.0f, {0x00, 0x00, 0x80}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, " << c.sample);
        std::vector<std::uint8_t> stored(c.stored.size() + 1, 0xAA);
        EncodeSamples(&c.sample, 1, c.bits, stored.data());
        EXPECT_EQ(std::vector<std::uint8_t>(stored.begin(), stored.end() - 1), c.stored);
        EXPECT_EQ(stored.back(), 0xAA) << "wrote past the sample";
    }
}

TEST(DecodeSamples, GivesTheTwentyFourBitScale)
{
    const struct
    {
        std::int32_t bits;
        std::vector<std::uint8_t> stored;
        float sample;
    } kCases[] = {
        {8, {0x00}, -8388608.0f},
        {8, {0xFF}, 8323072.0f},
        {8, {0x80}, 0.0f},
        {16, {0xFF, 0xFF}, -256.0f},
        {16, {0x00, 0x80}, -8388608.0f},
        {16, {0xFF, 0x7F}, 8388352.0f},
        // No masking on reading: whatever the low bits hold is kept.
        {20, {0x5F, 0x34, 0x12}, 0x12345F.0p0f},
        {22, {0xFF, 0xFF, 0xFF}, -1.0f},
        {24, {0x00, 0x00, 0x80}, -8388608.0f},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits");
        float sample = 12345.0f;
        DecodeSamples(c.stored.data(), 1, c.bits, &sample);
        EXPECT_EQ(sample, c.sample);
    }
}

// Values on the stored width's grid come back unchanged, across the whole range.
TEST(EncodeSamples, GridValuesSurviveDecoding)
{
    for (std::int32_t bits : {8, 16, 20, 22, 24}) {
        SCOPED_TRACE(bits);
        const std::int32_t step = 1 << (24 - bits);
        std::vector<float> samples;
        for (std::int64_t v = -8388608; v <= 8388607; v += std::int64_t{step} * 97) {
            samples.push_back(static_cast<float>(v));
        }
        samples.push_back(static_cast<float>(8388608 - step));
        const std::int32_t count = static_cast<std::int32_t>(samples.size());
        std::vector<std::uint8_t> stored(samples.size() * 3);
        EncodeSamples(samples.data(), count, bits, stored.data());
        std::vector<float> decoded(samples.size());
        DecodeSamples(stored.data(), count, bits, decoded.data());
        EXPECT_EQ(decoded, samples);
    }
}

} // namespace
