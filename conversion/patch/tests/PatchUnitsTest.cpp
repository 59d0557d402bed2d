// The unit conversions, the range records and the zone curves.

#include "conversion/patch/PatchRange.h"
#include "conversion/patch/PatchUnits.h"
#include "conversion/patch/ZoneConversion.h"
#include "conversion/patch/ZoneCurves.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace NSConverterImplementation;
using namespace NSAkaiConversion;

namespace {

struct CFormulaRow
{
    const char* family;
    std::int32_t input;
    std::int32_t expected;
};

// Every curve over its whole input domain, computed in 50-digit decimals by make_patch_formula_table.py.
const CFormulaRow kFormulaRows[] = {
#include "conversion/patch/tests/PatchFormulaTable.inc"
};

std::int32_t EvaluateCurve(const std::string& family, std::int32_t x)
{
    if (family == "pitchLfoRate7")
        return PitchLfoRateCents(7, x);
    if (family == "pitchLfoRate8")
        return PitchLfoRateCents(8, x);
    if (family == "panLfoRate7")
        return PanLfoRateCents(7, x);
    if (family == "panLfoRate8")
        return PanLfoRateCents(8, x);
    if (family == "lfoDelay")
        return DelaySamplesToTimeCents(LfoDelaySamples(x) / 2);
    if (family == "panLfoDelay")
        return DelaySamplesToTimeCents(LfoDelaySamples(x));
    if (family == "env2Attack")
        return Envelope2AttackTimeCents(x);
    if (family == "env2Decay")
        return Envelope2DecayTimeCents(x);
    if (family == "release")
        return ReleaseTimeCents(x);
    if (family == "env1Attack")
        return Envelope1AttackTimeCents(x);
    if (family == "cutoff7")
        return CutoffCents(7, x);
    if (family == "cutoff8")
        return CutoffCents(8, x);
    if (family == "levelGain")
        return TenthDbToGainUnit(VolumeStepsToTenthDb(x));
    ADD_FAILURE() << "no curve named " << family;
    return 0;
}

} // namespace

TEST(PatchUnits, ConversionsTruncateWithTheSingleFactors)
{
    // The single-precision 1/440 lies just below the exact value, so 440 Hz falls short of 6900.
    EXPECT_EQ(HertzToCents(440.0L), 6899);
    EXPECT_EQ(HertzToCents(28160.0L), 14099);
    EXPECT_EQ(MillisecondsToTimeCents(1000.0L), 0);
    EXPECT_EQ(MillisecondsToTimeCents(2000.0L), 1200);
    EXPECT_EQ(MillisecondsToTimeCents(250.0L), -2400);
    EXPECT_EQ(TenthDbToGainUnit(0.0L), 0);
    // -60 dB is an amplitude of 1/1000, whose cube root is 1/10 of the span.
    EXPECT_EQ(TenthDbToGainUnit(-600.0L), -1296);
    EXPECT_EQ(LinearToGainUnit(1.0L), 0);
    EXPECT_EQ(GainUnitToLinear(-1440.0L), 0.0L);
    EXPECT_NEAR(static_cast<double>(GainUnitToLinear(0.0L)), 1.0, 1e-6);
    EXPECT_NEAR(static_cast<double>(CentsToHertz(6900.0L)), 440.0, 1e-3);
    EXPECT_NEAR(static_cast<double>(TimeCentsToMilliseconds(-1200.0L)), 500.0, 1e-3);
    EXPECT_NEAR(static_cast<double>(GainUnitToTenthDb(-1296.0L)), -600.0, 0.1);
    EXPECT_NEAR(static_cast<double>(GainUnitCurve(0.0L)), 1.0, 1e-6);
    EXPECT_TRUE(IsSilentGain(-1440));
    EXPECT_FALSE(IsSilentGain(-1439));
    EXPECT_EQ(KeyTrackingOffset(72, 100), 1200);
    EXPECT_EQ(PerThousandOfSteps(3, 4), 1000);
}

TEST(PatchUnits, TruncationSaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(TruncateToInt32(-2.7L), -2);
    EXPECT_EQ(TruncateToInt32(1e12L), INT32_MAX);
    EXPECT_EQ(TruncateToInt32(-1e12L), INT32_MIN);
    // A rate whose period is not positive has no pitch: it ends at the range's bottom, not in UB.
    EXPECT_EQ(HertzToCents(0.0L), INT32_MIN);
    EXPECT_EQ(PanLfoRateCents(8, 0xFF), -9700);
}

TEST(PatchRange, ClampsChecksAndMaps)
{
    const CRange32 range(-100, 300, 7);
    EXPECT_TRUE(range.IsInRange(-100));
    EXPECT_TRUE(range.IsInRange(300));
    EXPECT_FALSE(range.IsInRange(301));
    EXPECT_EQ(range.Clamp(-101), -100);
    EXPECT_EQ(range.ValidateOrClamp(400), 300);
    EXPECT_EQ(range.ValidateOrClamp(5), 5);
    EXPECT_EQ(range.MapLinear(100, 0, 1000), 500);
    EXPECT_EQ(range.MapLinear(-100, 10, 20), 10);
    EXPECT_EQ(range.ToPerMille(250), 100);
    EXPECT_EQ(range.ToPerMille(-1000), -400);

    // The low end wins when the range is empty.
    const CRange32 empty(10, 5, 7);
    EXPECT_FALSE(empty.IsInRange(7));
    EXPECT_EQ(empty.Clamp(7), 10);
    EXPECT_EQ(empty.Clamp(0), 10);
}

TEST(PatchRange, SixteenBitRangesCompareSignedValues)
{
    const CRange16 range(-50, 50, 0);
    // 0xFFCE stored is -50, not 65486.
    EXPECT_TRUE(range.IsInRange(static_cast<std::int16_t>(0xFFCE)));
    EXPECT_FALSE(range.IsInRange(static_cast<std::int16_t>(0xFFCD)));
    EXPECT_EQ(range.ValidateOrClamp(static_cast<std::int16_t>(0x8000)), -50);
}

TEST(ZoneCurves, EveryCurveMatchesTheDecimalTable)
{
    int rows = 0;
    for (const CFormulaRow& row : kFormulaRows) {
        SCOPED_TRACE(std::string(row.family) + " " + std::to_string(row.input));
        EXPECT_EQ(EvaluateCurve(row.family, row.input), row.expected);
        ++rows;
    }
    EXPECT_EQ(rows, 10 * 100 + 2 * 110 + 219);
}

TEST(ZoneCurves, DelayTableHitsItsPointsAndJoinsThemInIntegers)
{
    const struct
    {
        std::int32_t akaiValue;
        std::int32_t samples;
    } kCases[] = {{0, 0}, {1, 1324}, {10, 13249}, {15, 13902}, {95, 170790}, {97, 301575}, {99, 432360}, {100, 0},
                  {255, 0}, {-1, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.akaiValue);
        EXPECT_EQ(LfoDelaySamples(c.akaiValue), c.samples);
    }
}

TEST(SplitCents, RoundsHalvesTowardZeroInThirtyTwoBits)
{
    const struct
    {
        std::int32_t cents;
        std::int32_t semitones;
        std::int32_t remainder;
    } kCases[] = {{0, 0, 0},       {49, 0, 49},      {50, 0, 50},       {-50, 0, -50},   {150, 1, 50},
                  {-150, -1, -50}, {250, 2, 50},     {-250, -2, -50},   {251, 3, -49},   {15000, 150, 0},
                  {-22800, -228, 0}, {22850, 228, 50}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.cents);
        std::int32_t semitones = 99;
        std::int32_t remainder = 99;
        SplitCents(c.cents, semitones, remainder);
        EXPECT_EQ(semitones, c.semitones);
        EXPECT_EQ(remainder, c.remainder);
    }
}
