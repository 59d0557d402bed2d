// Output sample records, unique names and the pairing of stereo zones.

#include "conversion/patch/OutputSampleRecord.h"
#include "conversion/patch/ZoneSamples.h"
#include "conversion/patch/tests/PatchTestFakes.h"

#include <gtest/gtest.h>

using namespace NSAkaiConversion;
using NSPatchTests::CFakeAkaiProgram;
using NSPatchTests::CFakeAkaiSample;
using NSPatchTests::CFakeKeyGroup;
using NSPatchTests::CZoneValues;
using NSPatchTests::MakeSample;
using NSPatchTests::MakeZones;

namespace {

class PatchSamples : public testing::Test
{
protected:
    void SetUp() override { NSPatchTests::UseConverterTestStrings(); }

    // Zones 0 and 1 as the two halves of a stereo pair, with samples on the volume.
    void UseStereoPair(std::int8_t leftPan, std::int8_t rightPan)
    {
        mLeft = MakeSample("GRAND PNO  L");
        mRight = MakeSample("GRAND PNO  R");
        mKeyGroup.sampleParameters = MakeZones({{.sampleName = "GRAND PNO  L", .pan = leftPan},
                                                {.sampleName = "GRAND PNO  R", .pan = rightPan}});
    }

    void Analyse()
    {
        AddKeyGroupSamples(mProgram, mKeyGroup, {&mLeft, &mRight, &mOther}, mRecords, mTable);
    }

    CFakeAkaiProgram mProgram;
    CFakeKeyGroup mKeyGroup;
    CFakeAkaiSample mLeft;
    CFakeAkaiSample mRight;
    CFakeAkaiSample mOther = MakeSample("OTHER");
    COutputSampleRecords mRecords;
    CZoneTable mTable;
};

std::vector<std::string> NamesOf(const COutputSampleRecords& records)
{
    std::vector<std::string> names;
    for (const COutputSampleRecord& record : records)
        names.push_back(record.GetName());
    return names;
}

} // namespace

TEST_F(PatchSamples, HardPannedHalvesBecomeOneStereoRecordAndOneZone)
{
    UseStereoPair(-50, 50);
    Analyse();
    ASSERT_EQ(mRecords.size(), 1u);
    EXPECT_EQ(mRecords[0].GetName(), "GRAND PNO (S).wav");
    EXPECT_EQ(mRecords[0].GetLeftSample(), &mLeft);
    EXPECT_EQ(mRecords[0].GetRightSample(), &mRight);
    EXPECT_FALSE(mRecords[0].IsWritten());
    ASSERT_EQ(mTable.size(), 1u);
    EXPECT_EQ(mTable[0].keyGroup, &mKeyGroup);
    EXPECT_EQ(mTable[0].recordIndex, 0);
    EXPECT_EQ(mTable[0].velocityZoneIndex, 0);

    // The right half first: the left-named sample is still the left channel, and the record is reused.
    CFakeKeyGroup swapped;
    swapped.sampleParameters = MakeZones({{.sampleName = "GRAND PNO  R", .pan = 50},
                                          {.sampleName = "GRAND PNO  L", .pan = -50}});
    AddKeyGroupSamples(mProgram, swapped, {&mLeft, &mRight}, mRecords, mTable);
    EXPECT_EQ(mRecords.size(), 1u);
    ASSERT_EQ(mTable.size(), 2u);
    EXPECT_EQ(mTable[1].keyGroup, &swapped);
    EXPECT_EQ(mTable[1].recordIndex, 0);
}

TEST_F(PatchSamples, AnythingShortOfAPerfectPairStaysMono)
{
    const struct
    {
        const char* what;
        std::int8_t leftPan;
        std::int8_t rightPan;
        std::uint8_t panLfoDepth;
    } kCases[] = {{"pan -49", -49, 50, 0}, {"pan +49", -50, 49, 0}, {"moving pan", -50, 50, 1}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        mRecords.clear();
        mTable.clear();
        mProgram.panLFODepth = c.panLfoDepth;
        UseStereoPair(c.leftPan, c.rightPan);
        Analyse();
        EXPECT_EQ(NamesOf(mRecords), (std::vector<std::string>{"GRAND PNO  L.wav", "GRAND PNO  R.wav"}));
        ASSERT_EQ(mTable.size(), 2u);
        EXPECT_EQ(mTable[1].recordIndex, 1);
        EXPECT_EQ(mTable[1].velocityZoneIndex, 1);
    }
}

TEST_F(PatchSamples, ZonesThatDifferOrHalvesThatDoNotMatchStayMono)
{
    // Equal zones but halves of different rates.
    UseStereoPair(-50, 50);
    mRight.sampleRate = 22050;
    Analyse();
    EXPECT_EQ(mRecords.size(), 2u);

    // Equal halves but zones of different loudness.
    mRecords.clear();
    mTable.clear();
    UseStereoPair(-50, 50);
    mKeyGroup.sampleParameters[1] = NSPatchTests::MakeZone({.sampleName = "GRAND PNO  R", .loudness = 3, .pan = 50});
    Analyse();
    EXPECT_EQ(mRecords.size(), 2u);

    // Eleven-character names are never halves.
    mRecords.clear();
    mTable.clear();
    mLeft = MakeSample("GRAND PNO L");
    mRight = MakeSample("GRAND PNO R");
    mKeyGroup.sampleParameters =
        MakeZones({{.sampleName = "GRAND PNO L", .pan = -50}, {.sampleName = "GRAND PNO R", .pan = 50}});
    Analyse();
    EXPECT_EQ(NamesOf(mRecords), (std::vector<std::string>{"GRAND PNO L.wav", "GRAND PNO R.wav"}));
}

TEST_F(PatchSamples, MissingSamplesGetOneRecordPerName)
{
    mKeyGroup.sampleParameters = MakeZones({{.sampleName = "GONE"}, {.sampleName = "OTHER"}, {.sampleName = "GONE"}});
    Analyse();
    CFakeKeyGroup second;
    second.sampleParameters = MakeZones({{.sampleName = "GONE"}, {.sampleName = "OTHER"}});
    AddKeyGroupSamples(mProgram, second, {&mOther}, mRecords, mTable);

    EXPECT_EQ(NamesOf(mRecords), (std::vector<std::string>{"GONE.wav", "OTHER.wav"}));
    EXPECT_EQ(mRecords[0].GetLeftSample(), nullptr);
    EXPECT_EQ(mRecords[1].GetLeftSample(), &mOther);
    const std::int32_t expectedRecords[] = {0, 1, 0, 0, 1};
    const std::int32_t expectedZones[] = {0, 1, 2, 0, 1};
    ASSERT_EQ(mTable.size(), 5u);
    for (std::size_t i = 0; i < mTable.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(mTable[i].recordIndex, expectedRecords[i]);
        EXPECT_EQ(mTable[i].velocityZoneIndex, expectedZones[i]);
    }
    EXPECT_EQ(GetZoneTableEntries(mTable, second).size(), 2u);
}

TEST_F(PatchSamples, EmptyKeyGroupAddsNothing)
{
    mKeyGroup.sampleParameters = MakeZones({});
    Analyse();
    EXPECT_TRUE(mRecords.empty());
    EXPECT_TRUE(mTable.empty());
}

TEST_F(PatchSamples, CoincidingNamesAreNumbered)
{
    // Three samples of one name.
    const CFakeAkaiSample first = MakeSample("PIANO");
    const CFakeAkaiSample second = MakeSample("PIANO");
    const CFakeAkaiSample third = MakeSample("PIANO");
    AddSampleRecord(mRecords, first, nullptr);
    AddSampleRecord(mRecords, second, nullptr);
    AddSampleRecord(mRecords, third, nullptr);
    EXPECT_EQ(NamesOf(mRecords), (std::vector<std::string>{"PIANO.wav", "PIANO2.wav", "PIANO3.wav"}));

    EXPECT_EQ(MakeUniqueSampleName(mRecords, "A:B.wav"), "A_B.wav");
    mRecords.emplace_back(nullptr, nullptr, "A_B.wav");
    EXPECT_EQ(MakeUniqueSampleName(mRecords, "A:B.wav"), "A_B2.wav");
    // The comparison is exact: another case is another name.
    EXPECT_EQ(MakeUniqueSampleName(mRecords, "piano.wav"), "piano.wav");

    EXPECT_EQ(FindSampleRecord(mRecords, "PIANO2.wav") - mRecords.cbegin(), 1);
    EXPECT_EQ(FindSampleRecord(mRecords, "PIANO4.wav"), mRecords.cend());
}

TEST_F(PatchSamples, LeftOverSamplesPairAndSkipWhatIsHeld)
{
    CFakeAkaiSample used = MakeSample("USED");
    CFakeAkaiSample left = MakeSample("STRINGS    L");
    CFakeAkaiSample lonely = MakeSample("LONELY     R");
    CFakeAkaiSample right = MakeSample("STRINGS    R");
    CFakeAkaiSample plain = MakeSample("PLAIN");
    AddSampleRecord(mRecords, used, nullptr);

    AddLeftOverSamples({&used, &right, &lonely, &left, &plain}, mRecords);

    EXPECT_EQ(NamesOf(mRecords), (std::vector<std::string>{"USED.wav", "STRINGS (S).wav", "LONELY     R.wav",
                                                            "PLAIN.wav"}));
    EXPECT_EQ(mRecords[1].GetLeftSample(), &left);
    EXPECT_EQ(mRecords[1].GetRightSample(), &right);
}
