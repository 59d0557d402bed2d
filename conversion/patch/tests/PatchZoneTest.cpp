// One Akai velocity zone becomes one patch zone.

#include "conversion/patch/ZoneConversion.h"
#include "conversion/patch/ZoneCurves.h"
#include "conversion/patch/tests/PatchTestFakes.h"

#include <gtest/gtest.h>

using namespace NSAkaiConversion;
using namespace NSConverterImplementation;
using NSPatchTests::CFakeAkaiProgram;
using NSPatchTests::CFakeAkaiSample;
using NSPatchTests::CFakeKeyGroup;
using NSPatchTests::CZoneValues;
using NSPatchTests::MakeSample;
using NSPatchTests::MakeZone;

namespace {

class PatchZone : public testing::Test
{
protected:
    PatchZone()
    {
        mProgram.headerFormat = 8;
        mProgram.volume = 80;
        mKeyGroup.lowKey = 24;
        mKeyGroup.highKey = 127;
        mKeyGroup.filter = 99;
        mKeyGroup.env1Sustain = 99;
    }

    CPatchZone Build(const CZoneValues& zone = {.sampleName = "S"}, bool withSample = true, bool stereo = false)
    {
        return BuildZone(mProgram, withSample ? &mSample : nullptr, MakeZone(zone), mKeyGroup, stereo);
    }

    CFakeAkaiProgram mProgram;
    CFakeKeyGroup mKeyGroup;
    CFakeAkaiSample mSample = MakeSample("S", 1000);
};

} // namespace

TEST_F(PatchZone, PitchShiftMovesTheKeysWithoutWrapping)
{
    const struct
    {
        std::uint8_t low;
        std::uint8_t high;
        std::int8_t shift;
        std::int32_t expectedLow;
        std::int32_t expectedHigh;
    } kCases[] = {{24, 127, 12, 12, 115}, {21, 127, 24, 0, 103}, {0, 10, -120, 120, 127}, {60, 50, 0, 0, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << int(c.low) << ".." << int(c.high) << " shift " << int(c.shift));
        mKeyGroup.lowKey = c.low;
        mKeyGroup.highKey = c.high;
        mProgram.incomingMIDIPitchShift = c.shift;
        const CSampleMapBlock block = Build().GetSampleMap();
        EXPECT_EQ(block.GetLowKey(), c.expectedLow);
        EXPECT_EQ(block.GetHighKey(), c.expectedHigh);
    }
}

TEST_F(PatchZone, RootKeyAndFineTuneComeFromTheSampleTune)
{
    const struct
    {
        std::uint8_t root;
        std::int32_t tune;
        std::int8_t shift;
        std::int32_t expectedRoot;
        std::int32_t expectedFine;
    } kCases[] = {{60, 250, 0, 58, 50},  {60, -250, 0, 62, -50}, {60, 150, 0, 59, 50}, {60, -150, 0, 61, -50},
                  {60, 49, 0, 60, 49},   {5, 0, 12, 0, 0},       {120, 0, -12, 127, 0}, {60, 0, 12, 48, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << int(c.root) << " " << c.tune << " shift " << int(c.shift));
        mSample.midiRootNote = c.root;
        mSample.tuneCents = c.tune;
        mProgram.incomingMIDIPitchShift = c.shift;
        const CSampleMapBlock block = Build().GetSampleMap();
        EXPECT_EQ(block.GetRootKey(), c.expectedRoot);
        EXPECT_EQ(block.GetFineTune(), c.expectedFine);
    }
}

TEST_F(PatchZone, VelocitiesBecomeAValidRange)
{
    const struct
    {
        std::uint8_t low;
        std::uint8_t high;
        std::int32_t expectedLow;
        std::int32_t expectedHigh;
    } kCases[] = {{0, 127, 1, 127}, {20, 0, 1, 1}, {0, 0, 1, 1}, {100, 50, 50, 50}, {128, 200, 127, 127}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << int(c.low) << ".." << int(c.high));
        const CSampleMapBlock block =
            Build({.sampleName = "S", .lowVelocity = c.low, .highVelocity = c.high}).GetSampleMap();
        EXPECT_EQ(block.GetLowVelocity(), c.expectedLow);
        EXPECT_EQ(block.GetHighVelocity(), c.expectedHigh);
        EXPECT_EQ(block.GetVelocityFadeLow(), 0);
        EXPECT_EQ(block.GetVelocityFadeHigh(), 128);
    }
}

TEST_F(PatchZone, SampleWindowAndLoop)
{
    mSample.sampleStart = 10;
    mSample.sampleEnd = 990;
    mSample.loops = {NSAkaiParser::CAkaiLoop(700, 0, 200, 9999)};
    CSampleMapBlock block = Build().GetSampleMap();
    EXPECT_EQ(block.GetSampleStart(), 10);
    EXPECT_EQ(block.GetSampleEnd(), 990);
    EXPECT_EQ(block.GetLoopStart(), 500);
    EXPECT_EQ(block.GetLoopEnd(), 700);
    EXPECT_EQ(block.GetFrameCount(), 1000);
    EXPECT_EQ(block.GetLoopMode(), 1);

    // A hold loop that ends before it starts loops the whole sample.
    mSample.loops = {NSAkaiParser::CAkaiLoop(0, 0, 0, 9999)};
    block = Build({.sampleName = "S", .loopMode = 2}).GetSampleMap();
    EXPECT_EQ(block.GetLoopStart(), 0);
    EXPECT_EQ(block.GetLoopEnd(), 1000);
    EXPECT_EQ(block.GetLoopMode(), 3);
}

TEST_F(PatchZone, ZoneWithoutSampleKeepsKeysAndDefaults)
{
    mProgram.incomingMIDIPitchShift = 12;
    mSample.tuneCents = 250;
    const CPatchZone zone = Build({.sampleName = "S", .pan = -50, .loopMode = 1}, false);
    const CSampleMapBlock& block = zone.GetSampleMap();
    EXPECT_EQ(block.GetLowKey(), 24);
    EXPECT_EQ(block.GetHighKey(), 127);
    EXPECT_EQ(block.GetRootKey(), 60);
    EXPECT_EQ(block.GetFineTune(), 0);
    EXPECT_EQ(block.GetSampleStart(), 0);
    EXPECT_EQ(block.GetSampleEnd(), 0);
    EXPECT_EQ(block.GetLoopStart(), 0);
    EXPECT_EQ(block.GetLoopEnd(), 0);
    EXPECT_EQ(block.GetFrameCount(), 0);
    EXPECT_EQ(block.GetLoopMode(), 0);
    EXPECT_EQ(zone.GetPan().GetPan(), 0);
    EXPECT_EQ(zone.GetFirstHeaderWord(), 666);
    EXPECT_EQ(zone.GetSecondHeaderWord(), 666);
    EXPECT_EQ(zone.GetSampleSlotIndex(), 0);
}

TEST_F(PatchZone, PanIsTheZonesForMonoOnly)
{
    EXPECT_EQ(Build({.sampleName = "S", .pan = -50}).GetPan().GetPan(), -1000);
    EXPECT_EQ(Build({.sampleName = "S", .pan = 13}).GetPan().GetPan(), 260);
    EXPECT_EQ(Build({.sampleName = "S", .pan = -50}, true, true).GetPan().GetPan(), 0);
    EXPECT_EQ(Build().GetPan().GetTypeByte(), 87);
}

TEST_F(PatchZone, TuningSplitsTheSumOfAllThreeTunes)
{
    const struct
    {
        std::int32_t zone;
        std::int32_t keyGroup;
        std::int32_t program;
        std::int32_t octave;
        std::int32_t semitone;
        std::int32_t cents;
    } kCases[] = {{0, 0, 0, 0, 0, 0},         {150, 0, 0, 0, 1, 50},     {0, -250, 0, 0, -2, -50},
                  {50, 1200, 100, 1, 1, 50},  {5000, 5000, 5000, 5, 6, 0}, {-7600, -7600, -7600, -5, 0, 0},
                  {0, 0, -1399, -1, -2, 1}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.zone + c.keyGroup + c.program);
        mKeyGroup.tuneCents = c.keyGroup;
        mProgram.tuneCents = c.program;
        const CTuningBlock block = Build({.sampleName = "S", .tuneCents = c.zone}).GetTuning();
        EXPECT_EQ(block.GetOctave(), c.octave);
        EXPECT_EQ(block.GetSemitone(), c.semitone);
        EXPECT_EQ(block.GetCents(), c.cents);
    }
    mProgram.bendToPitch = 30;
    EXPECT_EQ(Build({.sampleName = "S", .keyTracking = 0}).GetTuning().GetKeyTracking(), 0);
    EXPECT_EQ(Build({.sampleName = "S", .keyTracking = 1}).GetTuning().GetBendRange(), 24);
    EXPECT_EQ(Build({.sampleName = "S", .keyTracking = 1}).GetTuning().GetKeyTracking(), 100);
}

TEST_F(PatchZone, VelocityAndLevelFollowTheVolumes)
{
    const struct
    {
        std::uint8_t volume;
        std::int8_t velocityToVolume;
        std::int8_t offset;
        std::int8_t loudness;
        std::int32_t velocityToLevel;
        std::int32_t level;
    } kCases[] = {{80, 20, 0, 0, 400, 0},   {50, -10, 0, 0, -333, 0}, {50, 0, 10, 0, 333, 372},
                  {50, 0, 0, 0, 0, 0},      {30, 0, 0, -20, 0, -531}, {99, 0, 0, 50, 0, 372}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << int(c.volume) << " " << int(c.velocityToVolume) << " "
                                        << int(c.offset) << " " << int(c.loudness));
        mProgram.volume = c.volume;
        mProgram.velocityToVolume = c.velocityToVolume;
        mKeyGroup.velocityToVolumeOffset = c.offset;
        const CPatchZone zone = Build({.sampleName = "S", .loudness = c.loudness});
        EXPECT_EQ(zone.GetModulation().GetVelocityToLevel(), c.velocityToLevel);
        EXPECT_EQ(zone.GetAmplitudeEnvelope().GetLevel(), c.level);
    }
}

TEST_F(PatchZone, LfoDepthsFollowTheProgramKind)
{
    mProgram.lfoDepth = 20;
    mProgram.modToLFODepth = 10;
    mKeyGroup.lfo1ToPitch = -25;
    const struct
    {
        std::int32_t kind;
        std::int32_t ratio;
        std::int32_t pitchAmount;
    } kCases[] = {{7, 333, 105}, {8, 666, -180}, {9, 666, 180}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.kind);
        mProgram.headerFormat = c.kind;
        const CPatchZone zone = Build();
        EXPECT_EQ(zone.GetModulation().GetLfoModulationRatio(), c.ratio);
        EXPECT_EQ(zone.GetPitchLfo().GetPitchAmount(), c.pitchAmount);
        EXPECT_EQ(zone.GetPitchLfo().GetTypeByte(), 1);
        EXPECT_EQ(zone.GetPitchLfo().GetStepByte(), 10);
        EXPECT_EQ(zone.GetPitchLfo().GetTargetByte(), 101);
        EXPECT_EQ(zone.GetPitchLfo().GetEndByte(), 89);
    }
    // No modulation: the depth stays the program's, and no ratio is set.
    mProgram.headerFormat = 7;
    mProgram.modToLFODepth = 0;
    EXPECT_EQ(Build().GetModulation().GetLfoModulationRatio(), 0);

    mProgram.lfoDelay = 0;
    EXPECT_EQ(Build().GetPitchLfo().GetDelay(), -10500);
    mProgram.lfoRate = 40;
    EXPECT_EQ(Build().GetPitchLfo().GetRate(), PitchLfoRateCents(7, 40));
}

TEST_F(PatchZone, PanLfoDepthComesFromTheFirstPanLfoSource)
{
    mProgram.panLFODepth = 40;
    mProgram.panMod1Source = 3;
    mProgram.panMod1Depth = 50;
    mProgram.panMod2Source = 8;
    mProgram.panMod2Depth = 25;
    mProgram.panMod3Source = 8;
    mProgram.panMod3Depth = 50;
    EXPECT_EQ(Build().GetPanLfo().GetAmount(), 200);
    mProgram.headerFormat = 7;
    EXPECT_EQ(Build().GetPanLfo().GetAmount(), 400);
    mProgram.panLFODelay = 99;
    EXPECT_EQ(Build().GetPanLfo().GetDelay(), DelaySamplesToTimeCents(432360));
}

TEST_F(PatchZone, FilterFollowsCutoffKeyModulationAndTracking)
{
    mKeyGroup.keyToFilter = 12;
    CFilterBlock filter = Build().GetFilter();
    // 99 is 25600 Hz; the zone's own filter value adds to the keygroup's, up to the top of the range.
    EXPECT_EQ(filter.GetFrequency(), 13934);
    EXPECT_EQ(Build({.sampleName = "S", .filter = 10}).GetFilter().GetFrequency(), 14100);
    EXPECT_EQ(filter.GetKeyTracking(), 200);
    EXPECT_EQ(filter.GetMode(), 1);
    EXPECT_EQ(filter.GetTypeByte(), 61);
    EXPECT_TRUE(IsFilterNeutral(mProgram, mKeyGroup));

    // The key modulates the filter: the cutoff moves down by half the amount, the sweep goes to block 2.
    mKeyGroup.filter = 60;
    mProgram.filterMod2Source = 5;
    mKeyGroup.mod2ToFilter = 20;
    mKeyGroup.keyToFilter = 30;
    CPatchZone zone = Build({.sampleName = "S", .filter = -5});
    const std::int32_t sweep = (CutoffCents(8, 65) - CutoffCents(8, 45)) * 1000 / 14100;
    EXPECT_GT(sweep, 0);
    EXPECT_EQ(zone.GetFilter().GetFrequency(), CutoffCents(8, 45));
    EXPECT_EQ(zone.GetFilter().GetKeyTracking(), 400);
    EXPECT_EQ(zone.GetModulation().GetFilterModulation(), sweep);
    EXPECT_FALSE(IsFilterNeutral(mProgram, mKeyGroup));

    mKeyGroup.mod2ToFilter = -20;
    zone = Build({.sampleName = "S", .filter = -5});
    EXPECT_EQ(zone.GetModulation().GetFilterModulation(), -(CutoffCents(8, 65) - CutoffCents(8, 45)) * 1000 / 14100);
}

TEST_F(PatchZone, ModulationEnvelopeSumsTheEnvelopeSources)
{
    mProgram.filterMod1Source = 10;
    mProgram.filterMod3Source = 10;
    mKeyGroup.mod1ToFilter = 30;
    mKeyGroup.mod2ToFilter = 40; // its source is not envelope 2
    mKeyGroup.mod3ToFilter = 15;
    mKeyGroup.env2Sustain = 70;
    mKeyGroup.env2ToPitch = -50;
    CModulationEnvelopeBlock block = Build().GetModulationEnvelope();
    EXPECT_EQ(block.GetAmount(), 900);
    EXPECT_EQ(block.GetSustain(), 700);
    EXPECT_EQ(block.GetPitchAmount(), -600);
    EXPECT_EQ(block.GetDelay(), -10500);
    EXPECT_EQ(block.GetHold(), -14400);
    EXPECT_FALSE(IsFilterNeutral(mProgram, mKeyGroup));

    mKeyGroup.mod3ToFilter = 40;
    EXPECT_EQ(Build().GetModulationEnvelope().GetAmount(), 1000);
    mKeyGroup.mod1ToFilter = -30;
    mKeyGroup.mod3ToFilter = 30;
    EXPECT_TRUE(IsFilterNeutral(mProgram, mKeyGroup));
}

TEST_F(PatchZone, AmplitudeEnvelopeSustainAndRelease)
{
    mKeyGroup.env1Release = 50;
    EXPECT_EQ(Build().GetAmplitudeEnvelope().GetSustainGain(), 0);
    EXPECT_EQ(Build().GetAmplitudeEnvelope().GetRelease(), ReleaseTimeCents(50));
    mKeyGroup.env1Sustain = 0;
    EXPECT_EQ(Build().GetAmplitudeEnvelope().GetSustainGain(), -1293);
    EXPECT_EQ(Build({.sampleName = "S", .loopMode = 4}).GetAmplitudeEnvelope().GetRelease(), 6774);
}

TEST(PatchDefaultZone, HoldsTheDefaultsOfEveryRange)
{
    const CPatchZone zone = BuildDefaultZone();
    EXPECT_EQ(zone.GetSampleMap().GetLowKey(), 36);
    EXPECT_EQ(zone.GetSampleMap().GetHighKey(), 96);
    EXPECT_EQ(zone.GetSampleMap().GetVelocityFadeHigh(), 128);
    EXPECT_EQ(zone.GetPitchLfo().GetRate(), -536);
    EXPECT_EQ(zone.GetModulationEnvelope().GetAttack(), -13159);
    EXPECT_EQ(zone.GetAmplitudeEnvelope().GetDecay(), -7271);
    EXPECT_EQ(zone.GetFilter().GetFrequency(), 14100);
    EXPECT_EQ(zone.GetTuning().GetKeyTracking(), 100);
    EXPECT_EQ(zone.GetModulation().GetSwitch(9), 1);
    EXPECT_EQ(zone.GetModulation().GetSwitch(3), 0);
    EXPECT_EQ(zone.GetSampleSlotIndex(), 0);
    EXPECT_EQ(zone.GetFirstHeaderWord(), 666);
}
