#include "libs/samplefile/SampleCoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// The rule stated plainly: clamp in double, take the floor, round a remainder of one half to the even
// neighbour.
std::int32_t QuantiseByFloor(float sample)
{
    if (std::isnan(sample))
        return 0;
    const double value = std::clamp(static_cast<double>(sample), -8388608.0, 8388607.0);
    const double below = std::floor(value);
    const double fraction = value - below;
    auto rounded = static_cast<std::int32_t>(below);
    if (fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0))
        ++rounded;
    return rounded;
}

float FloatOfBits(std::uint32_t bits)
{
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Floats worth checking: a sweep over all bit patterns (every sign, exponent, NaN and infinity), and every
// quarter step with its neighbours near zero and near both ends of the range, where ties and clamping meet.
std::vector<float> QuantiserProbes()
{
    std::vector<float> probes;
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 65521)
        probes.push_back(FloatOfBits(static_cast<std::uint32_t>(bits)));
    for (const double centre : {0.0, 8388608.0, -8388608.0, 4194304.0, -4194304.0, 1000000.0}) {
        for (double offset = -8.0; offset <= 8.0; offset += 0.25) {
            const auto value = static_cast<float>(centre + offset);
            probes.push_back(value);
            probes.push_back(std::nextafter(value, std::numeric_limits<float>::infinity()));
            probes.push_back(std::nextafter(value, -std::numeric_limits<float>::infinity()));
        }
    }
    // Runs of whole numbers, as 16-bit data scaled up gives, with a fraction among them now and then.
    for (std::int32_t value = -32768; value < 32768; value += 997)
        probes.push_back(value % 7 == 0 ? static_cast<float>(value) * 256.0f + 0.5f : static_cast<float>(value) * 256.0f);
    probes.push_back(std::numeric_limits<float>::denorm_min());
    probes.push_back(-std::numeric_limits<float>::denorm_min());
    probes.push_back(-0.0f);
    return probes;
}

TEST(QuantiseTo24Bit, AgreesWithTheFloorRuleAcrossAllKindsOfFloat)
{
    for (const float probe : QuantiserProbes()) {
        SCOPED_TRACE(testing::Message() << std::hexfloat << probe);
        ASSERT_EQ(QuantiseTo24Bit(probe), QuantiseByFloor(probe));
    }
}

// A long run is encoded in groups, a single sample on its own: both must store the same bytes, whatever the
// alignment and length.
TEST(EncodeSamples, ARunStoresWhatItsSamplesStoreOneByOne)
{
    std::vector<float> probes = QuantiserProbes();
    probes.resize(probes.size() / 8 * 8 + 5);
    for (std::int32_t bits : {8, 16, 20, 22, 24}) {
        SCOPED_TRACE(bits);
        const std::size_t width = bits == 8 ? 1 : bits == 16 ? 2 : 3;
        for (const std::size_t skip : {std::size_t{0}, std::size_t{1}}) {
            const auto count = static_cast<std::int32_t>(probes.size() - skip);
            std::vector<std::uint8_t> run(probes.size() * width + 1);
            EncodeSamples(probes.data() + skip, count, bits, run.data() + skip);
            std::vector<std::uint8_t> single(probes.size() * width + 1);
            for (std::int32_t i = 0; i < count; ++i)
                EncodeSamples(probes.data() + skip + i, 1, bits, single.data() + skip + i * width);
            ASSERT_EQ(run, single);
        }
    }
}

// The stored value follows one rounding rule, whatever rounding mode the calling program has set.
TEST(EncodeSamples, IgnoresTheCallersRoundingMode)
{
    std::vector<float> probes = QuantiserProbes();
    for (std::int32_t bits : {8, 16, 24}) {
        SCOPED_TRACE(bits);
        const std::size_t width = bits == 8 ? 1 : bits == 16 ? 2 : 3;
        const auto count = static_cast<std::int32_t>(probes.size());
        std::vector<std::uint8_t> nearest(probes.size() * width);
        EncodeSamples(probes.data(), count, bits, nearest.data());
        for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
            SCOPED_TRACE(mode);
            std::vector<std::uint8_t> stored(probes.size() * width);
            ASSERT_EQ(std::fesetround(mode), 0);
            EncodeSamples(probes.data(), count, bits, stored.data());
            const int modeAfter = std::fegetround();
            std::fesetround(FE_TONEAREST);
            EXPECT_EQ(modeAfter, mode) << "the caller's mode is given back";
            ASSERT_EQ(stored, nearest);
        }
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
