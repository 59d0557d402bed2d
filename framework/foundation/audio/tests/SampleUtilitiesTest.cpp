#include "framework/foundation/audio/SampleArithmetic.h"
#include "framework/foundation/audio/SampleUtilities.h"

#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace NSTramvell;
using TSamples = std::vector<std::int16_t>;

TEST(SampleUtilities, GainPeakAndNormalize)
{
    TSamples values = {100, -100, 32767, -32768};
    ApplyGain(values.data(), 4, kUnityGain);
    EXPECT_EQ(values, (TSamples{100, -100, 32767, -32768}));
    ApplyGain(values.data(), 4, kUnityGain / 2);
    EXPECT_EQ(values, (TSamples{50, -50, 16383, -16384}));
    ApplyGain(values.data(), 4, 3 * kUnityGain);
    EXPECT_EQ(values, (TSamples{150, -150, static_cast<std::int16_t>(49149 - 65536), 16384})); // kept in 16 bits

    EXPECT_EQ(GetPeak(values.data(), 0), 0);
    const TSamples bottom = {5, -32768, 7};
    EXPECT_EQ(GetPeak(bottom.data(), 3), 32768);

    TSamples quiet = {16384, -8192, 3, 0};
    Normalize(quiet.data(), 4);
    EXPECT_NEAR(quiet[0], 32767, 1);
    EXPECT_NEAR(quiet[1], -16384, 1);
    EXPECT_EQ(quiet[3], 0);
    TSamples full = {-32768, 16384};
    Normalize(full.data(), 2);
    EXPECT_EQ(full, (TSamples{-32767, 16383}));
    TSamples silence = {0, 0};
    Normalize(silence.data(), 2);
    EXPECT_EQ(silence, (TSamples{0, 0}));
}

TEST(SampleUtilities, SignBitsAndHighBytes)
{
    TSamples values = {0, -32768, 32767};
    FlipSignBits(values.data(), 3);
    EXPECT_EQ(values, (TSamples{-32768, 0, -1}));

    const std::uint8_t littleEndian[] = {0x34, 0x12, 0xFF, 0x80, 0x00, 0x7F};
    std::uint8_t out[3] = {};
    EXPECT_EQ(HighBytesToUnsigned8Bit(littleEndian, 3, out), littleEndian + 6);
    EXPECT_EQ(std::vector<std::uint8_t>(out, out + 3), (std::vector<std::uint8_t>{0x92, 0x00, 0xFF}));
}

TEST(TestSignals, RampsImpulseAndPairs)
{
    TSamples ramp(8, 1);
    EXPECT_EQ(RampBy10000(ramp.data(), 8), 8);
    EXPECT_EQ(ramp[3], 30000);
    EXPECT_EQ(ramp[4], static_cast<std::int16_t>(40000 - 65536));
    EXPECT_EQ(RampBy10000(ramp.data(), 0), 0);

    TSamples stepped(4);
    EXPECT_EQ(RampByStep(stepped.data(), 4, 4, 1), 16384);
    EXPECT_EQ(stepped, (TSamples{0, 16384, -32768, -16384}));
    EXPECT_EQ(RampByStep(stepped.data(), 2, -1, -32768), std::int32_t{-2147483647 - 1}); // no overflow trap
    EXPECT_THROW(RampByStep(stepped.data(), 4, 0, 1), XBase);

    TSamples impulse(4, 9);
    Impulse(impulse.data(), 4);
    EXPECT_EQ(impulse, (TSamples{0, 32767, 0, 0}));

    TSamples pairs(6, 9);
    StereoTestPairs(pairs.data(), 3);
    EXPECT_EQ(pairs, (TSamples{0, 0, 32767, 16383, 32767, 16383}));
}

TEST(TestSignals, SawtoothHasEighteenValuesAPeriod)
{
    std::vector<float> saw(37);
    Sawtooth(saw.data(), 37);
    for (int i = 0; i < 18; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(saw[i], -0.9 + 0.1 * i, 1e-6);
        EXPECT_EQ(saw[i + 18], saw[i]);
    }
    EXPECT_EQ(saw[36], saw[0]);
}

// The only caller of the tone in this program, so the oscillator starts at phase 0.
TEST(TestSignals, ToneCarriesItsPhaseFromCallToCall)
{
    TSamples first(2 * 3);
    TestTone(first.data(), 3);
    EXPECT_EQ(first, (TSamples{0, 0, 768, 768, 9 * 256, 9 * 256})); // phases 0, 400, 800
    TSamples next(2 * 80);
    TestTone(next.data(), 80);
    EXPECT_EQ(next[0], 12 * 256); // phase 1200, not 0 again
    EXPECT_EQ(next[1], 12 * 256);
    TSamples frame83(2);
    TestTone(frame83.data(), 1); // phase 33200: entry 129, just past the half period
    EXPECT_EQ(frame83, (TSamples{-4 * 256, -4 * 256}));
}

TEST(SampleArithmetic, SemitonesCentsAndTempo)
{
    EXPECT_DOUBLE_EQ(GetSemitonesBetween(88200, 44100), 12.0);
    EXPECT_EQ(GetCentsBetween(44100, 48000), -146); // -146.9 toward zero
    EXPECT_EQ(GetCentsBetween(48000, 44100), 146);
    EXPECT_EQ(GetCentsBetween(0, 44100), 0);
    EXPECT_EQ(GetSemitonesBetween(44100, 0), 0.0);

    EXPECT_EQ(GetTempoDuration(120, 1, 480, 480), 500);
    EXPECT_EQ(GetTempoDuration(120, 0xFFFFFFFFu, 1, 1), 2147483647500);
    EXPECT_EQ(GetTempoDuration(120, 1, 1, -3), -166);
    EXPECT_EQ(GetTempoDuration(0, 1, 1, 1), 0);
    EXPECT_EQ(GetBeatDuration(7, 2), 210);
    EXPECT_EQ(GetBeatDuration(7, 0), 0);
}

TEST(SampleArithmetic, ChooseAndMergeSupportedValues)
{
    const std::uint32_t rates[] = {48000, 22050, 44100, 96000, 96000};
    const struct
    {
        std::uint32_t value;
        std::int32_t index;
    } kChoices[] = {{44100, 2}, {32000, 2}, {44101, 0}, {200000, 3}, {96000, 3}};
    for (const auto& c : kChoices) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(ChooseSupportedValue(c.value, rates, 5), c.index);
    }
    EXPECT_EQ(ChooseSupportedValue(44100, rates, 0), 0);

    std::int32_t index = -1;
    EXPECT_TRUE(FindValue(96000, rates, 5, index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(FindValue(11025, rates, 5, index));

    const std::uint32_t current[] = {22050, 48000};
    std::uint32_t merged[3] = {};
    std::int32_t mergedCount = 0;
    MergeChosenValue(47000, rates, 5, current, 2, merged, mergedCount, index);
    EXPECT_EQ(mergedCount, 2);
    EXPECT_EQ(index, 1);
    MergeChosenValue(30000, rates, 5, current, 2, merged, mergedCount, index);
    EXPECT_EQ(mergedCount, 3);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(merged[2], 44100u);
    MergeChosenValue(11025, rates, 0, current, 2, merged, mergedCount, index);
    EXPECT_EQ(merged[2], 11025u);
    EXPECT_EQ(merged[0], 22050u);
}

TEST(SampleArithmetic, SampleRateText)
{
    const struct
    {
        std::uint32_t rate;
        const char* text;
    } kCases[] = {{44100, "44.1 kHz"}, {22050, "22.050 kHz"}, {48000, "48 kHz"}, {800, "800 Hz"},
                  {999, "999 Hz"}, {1000, "1 kHz"}, {11025, "11.025 kHz"}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.rate);
        EXPECT_EQ(GetSampleRateText(c.rate), c.text);
    }
}

} // namespace
