// A whole program becomes a patch model, its sample slots and its lists of names.

#include "conversion/patch/PatchAssembly.h"
#include "conversion/patch/tests/PatchTestFakes.h"

#include <gtest/gtest.h>

using namespace NSAkaiConversion;
using namespace NSConverterImplementation;
using NSPatchTests::CFakeAkaiProgram;
using NSPatchTests::CFakeAkaiSample;
using NSPatchTests::CFakeKeyGroup;
using NSPatchTests::MakeSample;
using NSPatchTests::MakeZones;

namespace {

using TNames = std::vector<std::string>;

class PatchAssembly : public testing::Test
{
protected:
    PatchAssembly()
    {
        mProgram.headerFormat = 8;
        mProgram.polyphony = 16;
        for (CFakeKeyGroup* keyGroup : {&mFirst, &mSecond}) {
            keyGroup->lowKey = 24;
            keyGroup->highKey = 127;
            keyGroup->filter = 99;
        }
    }

    void UseKeyGroups() { mProgram.keyGroups = {&mFirst, &mSecond}; }

    // The keygroup's zone 0 plays record 0, zone 1 record 1; records 0 and 1 exist, 1 unwritten.
    void UseTwoZones(CFakeKeyGroup& keyGroup, std::uint8_t firstHigh, std::uint8_t secondLow)
    {
        keyGroup.sampleParameters = MakeZones({{.sampleName = "A", .lowVelocity = 1, .highVelocity = firstHigh},
                                               {.sampleName = "B", .lowVelocity = secondLow, .highVelocity = 127}});
        mTable.push_back({&keyGroup, 0, 0});
        mTable.push_back({&keyGroup, 1, 1});
    }

    CPatchModel Assemble(std::uint8_t outputMode)
    {
        return AssemblePatch(mProgram, mRecords, mTable, mReferences, mMissing, mSlots, outputMode);
    }

    CFakeAkaiProgram mProgram;
    CFakeKeyGroup mFirst;
    CFakeKeyGroup mSecond;
    CFakeAkaiSample mSampleA = MakeSample("A");
    CFakeAkaiSample mSampleB = MakeSample("B");
    COutputSampleRecords mRecords{{&mSampleA, nullptr, "A.wav", true}, {&mSampleB, nullptr, "B.wav", false}};
    CZoneTable mTable;
    TNames mReferences;
    TNames mMissing;
    TNames mSlots;
};

} // namespace

TEST_F(PatchAssembly, MissingSamplesKeepTheirNamesOnlyInFolderMode)
{
    UseKeyGroups();
    UseTwoZones(mFirst, 127, 1);
    UseTwoZones(mSecond, 127, 1);

    CPatchModel model = Assemble(kOutputModeArchive);
    EXPECT_EQ(mSlots, (TNames{"A.wav", "", "A.wav", ""}));
    EXPECT_EQ(mReferences, (TNames{"A.wav"}));
    EXPECT_EQ(mMissing, (TNames{"B.wav"}));
    ASSERT_EQ(model.GetZones().size(), 4u);
    for (std::size_t i = 0; i < model.GetZones().size(); ++i)
        EXPECT_EQ(model.GetZones()[i].GetSampleSlotIndex(), static_cast<std::int32_t>(i));

    mSlots.clear();
    mReferences.clear();
    mMissing.clear();
    model = Assemble(kOutputModeFolder);
    EXPECT_EQ(mSlots, (TNames{"A.wav", "B.wav", "A.wav", "B.wav"}));
    EXPECT_EQ(mReferences, (TNames{"A.wav", "B.wav"}));
    EXPECT_EQ(mMissing, (TNames{"B.wav"}));
}

TEST_F(PatchAssembly, EntriesWithoutRecordsAreSkippedAndMissingRecordsBuildEmptyZones)
{
    mRecords.emplace_back(nullptr, nullptr, "GONE.wav");
    mProgram.keyGroups = {&mFirst};
    mFirst.sampleParameters = MakeZones({{.sampleName = "A"}, {.sampleName = "GONE"}});
    mTable = {{&mFirst, -1, 0}, {&mFirst, 2, 1}, {&mSecond, 0, 0}};
    const CPatchModel model = Assemble(kOutputModeFolder);
    ASSERT_EQ(model.GetZones().size(), 1u);
    EXPECT_EQ(model.GetZones()[0].GetSampleMap().GetRootKey(), 60);
    EXPECT_EQ(model.GetZones()[0].GetSampleMap().GetFrameCount(), 0);
    EXPECT_EQ(mSlots, (TNames{"GONE.wav"}));
    EXPECT_EQ(mMissing, (TNames{"GONE.wav"}));
}

TEST_F(PatchAssembly, CrossfadedZonesFadeIntoTheirNeighbours)
{
    UseKeyGroups();
    UseTwoZones(mFirst, 80, 60);
    UseTwoZones(mSecond, 80, 60);
    mFirst.velocityZoneCrossfade = true;
    const CPatchModel model = Assemble(kOutputModeFolder);
    const struct
    {
        std::int32_t low;
        std::int32_t high;
    } kExpected[] = {{0, 60}, {80, 128}, {0, 128}, {0, 128}};
    ASSERT_EQ(model.GetZones().size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(model.GetZones()[i].GetSampleMap().GetVelocityFadeLow(), kExpected[i].low);
        EXPECT_EQ(model.GetZones()[i].GetSampleMap().GetVelocityFadeHigh(), kExpected[i].high);
    }
}

TEST(PatchVelocityFades, OverlapsAndCrossedFadesMeetInTheMiddle)
{
    EXPECT_EQ(GetLowerOverlap(60, 127, 1, 80), 80);
    EXPECT_EQ(GetLowerOverlap(60, 127, 60, 80), 0);
    EXPECT_EQ(GetUpperOverlap(1, 80, 60, 127), 60);
    EXPECT_EQ(GetUpperOverlap(1, 80, 60, 80), 128);

    // A zone inside the overlap of two others: its fades cross and are replaced by their midpoint.
    auto zoneWith = [](std::int32_t low, std::int32_t high) {
        CPatchZone zone;
        CSampleMapBlock block = zone.GetSampleMap();
        block.SetLowVelocity(low);
        block.SetHighVelocity(high);
        zone.SetSampleMap(block);
        return zone;
    };
    std::vector<CPatchZone> zones = {zoneWith(1, 90), zoneWith(50, 100), zoneWith(40, 127)};
    SetVelocityFades(zones);
    // Zone 1 (50..100): 1..90 lies below it; 40..127 starts below it and ends above it, so counts for neither.
    EXPECT_EQ(zones[1].GetSampleMap().GetVelocityFadeLow(), 90);
    EXPECT_EQ(zones[1].GetSampleMap().GetVelocityFadeHigh(), 128);
    // Zone 0 (1..90): 50..100 and 40..127 both start and end above it; the lower start wins.
    EXPECT_EQ(zones[0].GetSampleMap().GetVelocityFadeHigh(), 40);

    std::vector<CPatchZone> crossed = {zoneWith(10, 100), zoneWith(20, 60), zoneWith(1, 70), zoneWith(30, 127)};
    SetVelocityFades(crossed);
    // Zone 1 (20..60): only 30..127 lies above it. Zone 2 (1..70): 10..100 and 30..127 lie above it.
    EXPECT_EQ(crossed[1].GetSampleMap().GetVelocityFadeHigh(), 30);
    EXPECT_EQ(crossed[2].GetSampleMap().GetVelocityFadeHigh(), 10);
    // Zone 3 (30..127): 10..100, 20..60 and 1..70 lie below it; the highest end wins.
    EXPECT_EQ(crossed[3].GetSampleMap().GetVelocityFadeLow(), 100);

    std::vector<CPatchZone> inverted = {zoneWith(40, 60), zoneWith(10, 55), zoneWith(45, 100)};
    SetVelocityFades(inverted);
    // Zone 0 (40..60): below 10..55 gives 55; above 45..100 gives 45; 55 > 45: (55 + 45) / 2 = 50, 51.
    EXPECT_EQ(inverted[0].GetSampleMap().GetVelocityFadeLow(), 50);
    EXPECT_EQ(inverted[0].GetSampleMap().GetVelocityFadeHigh(), 51);
}

TEST_F(PatchAssembly, ProgramWithoutKeyGroupsGetsOneDefaultZone)
{
    mProgram.polyphony = 0;
    const CPatchModel model = Assemble(kOutputModeArchive);
    ASSERT_EQ(model.GetZones().size(), 1u);
    EXPECT_EQ(model.GetZones()[0], CPatchZone());
    EXPECT_EQ(mSlots, (TNames{""}));
    EXPECT_TRUE(mReferences.empty());
    ASSERT_EQ(model.GetParameters().size(), 1u);
    EXPECT_EQ(model.GetParameters()[0], CPatchParameterRecord(1, 47, 0, -536));
}

TEST_F(PatchAssembly, PolyphonyIsClampedIntoTheParameterRecord)
{
    mProgram.polyphony = 120;
    EXPECT_EQ(Assemble(kOutputModeArchive).GetParameters()[0].GetNumber(), 99);
    mProgram.polyphony = 32;
    EXPECT_EQ(Assemble(kOutputModeArchive).GetParameters()[0].GetNumber(), 32);
}

TEST_F(PatchAssembly, FiltersOpenFullyOnlyWhenEveryKeyGroupIsNeutral)
{
    mProgram.headerFormat = 7;
    UseKeyGroups();
    UseTwoZones(mFirst, 127, 1);
    UseTwoZones(mSecond, 127, 1);
    // Kind 7 puts cutoff 99 well below the top of the range, so opening the filters shows.
    CPatchModel model = Assemble(kOutputModeFolder);
    for (const CPatchZone& zone : model.GetZones())
        EXPECT_EQ(zone.GetFilter().GetFrequency(), 14100);

    mSecond.filter = 98;
    model = Assemble(kOutputModeFolder);
    EXPECT_LT(model.GetZones()[0].GetFilter().GetFrequency(), 14100);
    EXPECT_LT(model.GetZones()[3].GetFilter().GetFrequency(), 14100);
}
