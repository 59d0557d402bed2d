// The keygroup parser: zones, inverted key-tracking flags, the bytes each format reads and its
// defaults, and the error threshold.

#include "akai/parsers/KeyGroup.h"
#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "akai/parsers/tests/support/RecordBuilder.h"
#include "akai/parsers/tests/support/RecordingFileMedia.h"
#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

using namespace NSAkaiTestSupport;
using NSAkaiParserImplementation::CKeyGroup;

TEST(KeyGroup, ReadsTheFourZones)
{
    CRecordBuilder record = CRecordBuilder::KeyGroup(kLongFormat);
    for (int z = 0; z < 4; ++z) {
        const std::size_t base = 34 + 24 * z;
        record.SetName(base, "ZONE " + std::to_string(z + 1))
            .Set8(base + 12, 10 * z)
            .Set8(base + 13, 100 + z)
            .Set8(base + 14, 64)
            .Set8(base + 15, z - 1)
            .Set8(base + 16, -z)
            .Set8(base + 17, z)
            .Set8(base + 18, -10 * z)
            .Set8(base + 19, z)
            .Set16(140 + 2 * z, -1000 * z);
    }
    CRecordingFileMedia file(record.Bytes());
    std::vector<std::string> reports;
    const CKeyGroup keyGroup(file, kLongFormat, reports, 0, 0);
    EXPECT_TRUE(reports.empty());
    const auto zones = keyGroup.GetSampleParameters();
    ASSERT_EQ(zones.size(), 4u);
    for (int z = 0; z < 4; ++z) {
        SCOPED_TRACE(z);
        EXPECT_EQ(zones[z].GetSampleName(), "ZONE " + std::to_string(z + 1));
        EXPECT_EQ(zones[z].GetLowVelocity(), 10 * z);
        EXPECT_EQ(zones[z].GetHighVelocity(), 100 + z);
        EXPECT_EQ(zones[z].GetTuneCents(), (z - 1) * 100 + 25);
        EXPECT_EQ(zones[z].GetLoudness(), -z);
        EXPECT_EQ(zones[z].GetFilter(), z);
        EXPECT_EQ(zones[z].GetPan(), -10 * z);
        EXPECT_EQ(zones[z].GetLoopMode(), z);
        EXPECT_EQ(zones[z].GetVelocityToSampleStart(), -1000 * z);
        EXPECT_TRUE(zones[z].IsValid());
    }
}

TEST(KeyGroup, EachZoneTakesItsOwnInvertedKeyTrackingFlag)
{
    CRecordBuilder record = CRecordBuilder::KeyGroup(kShortFormat);
    record.Set8(132, 0).Set8(133, 1).Set8(134, 0).Set8(135, 1);
    CRecordingFileMedia file(record.Bytes());
    std::vector<std::string> reports;
    const auto zones = CKeyGroup(file, kShortFormat, reports, 0, 0).GetSampleParameters();
    EXPECT_EQ(zones[0].GetKeyTracking(), 1);
    EXPECT_EQ(zones[1].GetKeyTracking(), 0);
    EXPECT_EQ(zones[2].GetKeyTracking(), 1);
    EXPECT_EQ(zones[3].GetKeyTracking(), 0);
}

TEST(KeyGroup, AnIllegalZoneNameIsReportedAndRemoved)
{
    CRecordBuilder record = CRecordBuilder::KeyGroup(kLongFormat);
    record.SetName(34, "PIANO").SetNameBytes(34 + 24, {26, 19, 41, 24});
    CRecordingFileMedia file(record.Bytes());
    std::vector<std::string> reports;
    const auto zones = CKeyGroup(file, kLongFormat, reports, 0, 4).GetSampleParameters();
    EXPECT_EQ(zones[0].GetSampleName(), "PIANO");
    EXPECT_EQ(zones[1].GetSampleName(), "");
    EXPECT_EQ(reports, std::vector<std::string>{"KeyGroup 5 refers to a sample with an illegal name: \"PI~N\". "
                                                "The reference to this sample has been removed."});
}

TEST(KeyGroup, MoreThanTenErrorsThrowAndTheIllegalNameCounts)
{
    for (const int errors : {10, 11}) {
        SCOPED_TRACE(errors);
        CRecordBuilder record = CRecordBuilder::KeyGroup(kLongFormat);
        record.SetNameBytes(34, {50});
        const std::size_t kFields[] = {3, 4, 7, 12, 13, 14, 15, 20, 21, 22};
        for (int i = 0; i < errors - 1; ++i)
            record.Set8(kFields[i], 200);
        CRecordingFileMedia file(record.Bytes());
        std::vector<std::string> reports;
        if (errors == 10) {
            EXPECT_NO_THROW(CKeyGroup(file, kLongFormat, reports, 0, 0));
        } else {
            EXPECT_THROW(CKeyGroup(file, kLongFormat, reports, 0, 0), NSTramvell::XBadFormat);
            // The parse ran to the end before giving up.
            EXPECT_TRUE(file.WasAnyByteRead(191, 191));
        }
        EXPECT_EQ(reports.size(), static_cast<std::size_t>(errors));
    }
}

TEST(KeyGroup, Format7ReadsNothingPastItsRecordAndKeepsTheDefaultsOfTheLongerFormat)
{
    // A long record parsed as format 7: its bytes past 150 must not be read.
    CRecordBuilder record = CRecordBuilder::KeyGroup(kLongFormat);
    for (std::size_t position = 149; position < 192; ++position)
        record.Set8(position, 7);
    record.Set8(9, -5).Set8(10, 6).Set8(11, -7).Set8(29, 8);
    CRecordingFileMedia file(record.Bytes());
    std::vector<std::string> reports;
    const CKeyGroup keyGroup(file, kShortFormat, reports, 0, 0);
    EXPECT_TRUE(reports.empty());
    EXPECT_LE(file.GetReadExtent(), 150u);
    EXPECT_EQ(keyGroup.GetMod1ToFilter(), -5);
    EXPECT_EQ(keyGroup.GetMod2ToFilter(), 6);
    EXPECT_EQ(keyGroup.GetMod3ToFilter(), -7);
    EXPECT_EQ(keyGroup.GetEnv2ToPitch(), 8);
    EXPECT_EQ(keyGroup.GetEnv2L1(), 99);
    EXPECT_EQ(keyGroup.GetEnv2L2(), 99);
    EXPECT_EQ(keyGroup.GetKeyGroupMute(), 255);
    EXPECT_EQ(keyGroup.GetLSI2On(), 1);
    EXPECT_EQ(keyGroup.GetFilter2Gain(), 1);
    EXPECT_EQ(keyGroup.GetFilter2Mode(), 3);
    EXPECT_EQ(keyGroup.GetFilter2Frequency(), 67);
    const std::int64_t otherFields[] = {
        keyGroup.GetFilter1Resonance(), keyGroup.GetLFO1ToPitch(), keyGroup.GetModToPitch(), keyGroup.GetMod3ToAmp(),
        keyGroup.GetEnv2R2(), keyGroup.GetEnv2L4(), keyGroup.GetFilter2Resonance(), keyGroup.GetToneFrequency(),
        keyGroup.GetToneSlope(), keyGroup.GetMod1ToFilter2(), keyGroup.GetMod2ToFilter2(), keyGroup.GetMod3ToFilter2(),
        keyGroup.GetKeyToFilter2Frequency(), keyGroup.GetEnv3R1(), keyGroup.GetEnv3L1(), keyGroup.GetEnv3R2(),
        keyGroup.GetEnv3L2(), keyGroup.GetEnv3R3(), keyGroup.GetEnv3L3(), keyGroup.GetEnv3R4(), keyGroup.GetEnv3L4(),
        keyGroup.GetVAtt3(), keyGroup.GetVRel3(), keyGroup.GetORel3(), keyGroup.GetKDar3(), keyGroup.GetVEnv3()};
    for (std::size_t i = 0; i < std::size(otherFields); ++i)
        EXPECT_EQ(otherFields[i], 0) << i;
}

TEST(KeyGroup, TheLongerFormatNeverReadsTheFormat7Fields)
{
    CRecordBuilder record = CRecordBuilder::KeyGroup(kLongFormat);
    record.Set8(9, 20).Set8(29, 20).Set8(151, -3);
    CRecordingFileMedia file(record.Bytes());
    std::vector<std::string> reports;
    const CKeyGroup keyGroup(file, kLongFormat, reports, 0, 0);
    // Only the probe of the record's first 150 bytes covers them.
    EXPECT_FALSE(file.WasAnyByteRead(9, 11, 150));
    EXPECT_FALSE(file.WasAnyByteRead(29, 29, 150));
    EXPECT_TRUE(file.WasAnyByteRead(28, 28, 150));
    EXPECT_EQ(keyGroup.GetEnv2ToPitch(), 0);
    EXPECT_EQ(keyGroup.GetMod1ToFilter(), -3);
}

TEST(KeyGroup, ARecordTheFileCannotServeFailsBeforeAnyReport)
{
    CRecordBuilder record = CRecordBuilder::KeyGroup(kLongFormat);
    record.Set8(3, 200);
    std::vector<std::uint8_t> bytes = record.Bytes();
    bytes.resize(149);
    CRecordingFileMedia file(bytes);
    std::vector<std::string> reports;
    EXPECT_THROW(CKeyGroup(file, kLongFormat, reports, 0, 0), NSTramvell::XBadFormat);
    EXPECT_TRUE(reports.empty());
}

TEST(CAkaiSampleParameters, IsValidOnlyWhenEveryFieldIsInRange)
{
    using NSAkaiParser::CAkaiSampleParameters;
    const struct
    {
        CAkaiSampleParameters zone;
        bool valid;
    } kCases[] = {
        {CAkaiSampleParameters(1, 9999, "PIANO", 0, 127, -5000, -50, 50, 0, 4), true},
        {CAkaiSampleParameters(1, -10000, "PIANO", 0, 127, 0, 0, 0, 0, 0), false},
        {CAkaiSampleParameters(1, 0, "piano", 0, 127, 0, 0, 0, 0, 0), false},
        {CAkaiSampleParameters(1, 0, "PIANO", 128, 127, 0, 0, 0, 0, 0), false},
        {CAkaiSampleParameters(1, 0, "PIANO", 0, 200, 0, 0, 0, 0, 0), false},
        {CAkaiSampleParameters(1, 0, "PIANO", 0, 127, 5001, 0, 0, 0, 0), false},
        {CAkaiSampleParameters(1, 0, "PIANO", 0, 127, 0, -51, 0, 0, 0), false},
        {CAkaiSampleParameters(1, 0, "PIANO", 0, 127, 0, 0, 51, 0, 0), false},
        {CAkaiSampleParameters(1, 0, "PIANO", 0, 127, 0, 0, 0, -51, 0), false},
        {CAkaiSampleParameters(1, 0, "PIANO", 0, 127, 0, 0, 0, 0, 5), false},
    };
    for (std::size_t i = 0; i < std::size(kCases); ++i)
        EXPECT_EQ(kCases[i].zone.IsValid(), kCases[i].valid) << i;
}
