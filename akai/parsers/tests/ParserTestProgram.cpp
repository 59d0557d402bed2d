// The program parser: what each header format reads and leaves at its default, the error thresholds,
// and keygroups that are damaged or missing.

#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/ParserStrings.h"
#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "akai/parsers/tests/support/RecordBuilder.h"
#include "akai/parsers/tests/support/RecordingFileMedia.h"
#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace NSAkaiTestSupport;

namespace {

std::string CorruptKeyGroup(int number)
{
    return "KeyGroup " + std::to_string(number) + " is corrupt. This KeyGroup is ignored.";
}

// A program of the given records; the header's keygroup count is their number.
std::vector<std::uint8_t> MakeProgram(CRecordBuilder header, const std::vector<CRecordBuilder>& keyGroups)
{
    header.Set8(42, static_cast<std::int32_t>(keyGroups.size()));
    std::vector<std::vector<std::uint8_t>> records = {header.Bytes()};
    for (const CRecordBuilder& keyGroup : keyGroups)
        records.push_back(keyGroup.Bytes());
    return JoinRecords(records);
}

// Sets count out-of-range values among the header fields read before the keygroups.
CRecordBuilder& DamageEarlyFields(CRecordBuilder& header, int count)
{
    const std::size_t kUnsignedFields[] = {19, 20, 23, 25, 29, 30, 31, 33, 34, 35, 36, 37, 38, 39, 41, 62, 63, 64};
    for (int i = 0; i < count; ++i)
        header.Set8(kUnsignedFields[i], 200);
    return header;
}

// Sets count out-of-range values into a keygroup record.
CRecordBuilder& DamageKeyGroup(CRecordBuilder& keyGroup, int count)
{
    const std::size_t kUnsignedFields[] = {3, 4, 7, 12, 13, 14, 15, 20, 21, 22, 23, 31};
    for (int i = 0; i < count; ++i)
        keyGroup.Set8(kUnsignedFields[i], 200);
    return keyGroup;
}

} // namespace

TEST(AkaiProgram, EachFormatReadsOnlyItsOwnHeaderFields)
{
    {
        CRecordingFileMedia file(MakeProgram(CRecordBuilder::ProgramHeader(kShortFormat),
                                             {CRecordBuilder::KeyGroup(kShortFormat)}));
        std::vector<std::string> reports;
        NSAkaiParser::CreateAkaiProgram(file, kShortFormat, reports);
        EXPECT_FALSE(file.WasAnyByteRead(70, 112));
        EXPECT_TRUE(file.WasAnyByteRead(69, 69));
    }
    {
        // Keygroup records start at 192 here, so the positions below are header bytes only.
        CRecordingFileMedia file(MakeProgram(CRecordBuilder::ProgramHeader(kLongFormat),
                                             {CRecordBuilder::KeyGroup(kLongFormat)}));
        std::vector<std::string> reports;
        NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports);
        for (const std::size_t position : {21, 27, 28, 32, 57, 67, 68, 69})
            EXPECT_FALSE(file.WasAnyByteRead(position, position)) << position;
        EXPECT_TRUE(file.WasAnyByteRead(112, 112));
        EXPECT_TRUE(reports.empty());
    }
}

TEST(AkaiProgram, Format7KeepsTheDefaultsOfTheLongerFormatAndItsFixedModulation)
{
    // Values in the bytes that only the longer format reads must not reach the program.
    CRecordBuilder header = CRecordBuilder::ProgramHeader(kShortFormat);
    for (std::size_t position = 70; position <= 112; ++position)
        header.Set8(position, 1);
    header.Set8(32, -7).Set8(57, 8).Set8(27, 9).Set8(28, -10).Set8(67, 11).Set8(68, 12).Set8(69, -13);
    CRecordingFileMedia file(MakeProgram(header, {CRecordBuilder::KeyGroup(kShortFormat)}));
    std::vector<std::string> reports;
    const auto program = NSAkaiParser::CreateAkaiProgram(file, kShortFormat, reports);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(program->GetHeaderFormat(), kShortFormat);
    EXPECT_EQ(program->GetVoiceOutputScale(), 99);
    EXPECT_EQ(program->GetBendwheelRangeDecrease(), 7);
    EXPECT_EQ(program->GetIncomingMIDIPitchShift(), 0);
    EXPECT_FALSE(program->GetMonoLegatoModeEnabled());
    EXPECT_FALSE(program->GetLFO2Retrigger());
    EXPECT_FALSE(program->GetPortamentoOn());
    EXPECT_EQ(program->GetPortamentoTime(), 0);
    EXPECT_EQ(program->GetLFO1Waveform(), 0);
    EXPECT_EQ(program->GetLFO2Waveform(), 0);
    EXPECT_EQ(program->GetFilter2Mod1Source(), 0);

    const struct
    {
        std::int32_t source;
        std::int32_t depth;
        std::int32_t expectedSource;
        std::int32_t expectedDepth;
    } kMatrix[] = {
        {program->GetPanMod1Source(), program->GetPanMod1Depth(), 6, -7},
        {program->GetPanMod2Source(), program->GetPanMod2Depth(), 1, 8},
        {program->GetPanMod3Source(), program->GetPanMod3Depth(), 0, 0},
        {program->GetAmpMod1Source(), program->GetAmpMod1Depth(), 6, 9},
        {program->GetAmpMod2Source(), program->GetAmpMod2Depth(), 3, -10},
        {program->GetLFORateModSource(), program->GetLFORateMod(), 6, 11},
        {program->GetLFODepthModSource(), program->GetLFODepthModDepth(), 6, 12},
        {program->GetLFODelayModSource(), program->GetLFODelayModDepth(), 6, -13},
    };
    for (std::size_t i = 0; i < std::size(kMatrix); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(kMatrix[i].source, kMatrix[i].expectedSource);
        EXPECT_EQ(kMatrix[i].depth, kMatrix[i].expectedDepth);
    }
    EXPECT_EQ(program->GetFilterMod1Source(), 5);
    EXPECT_EQ(program->GetFilterMod2Source(), 3);
    EXPECT_EQ(program->GetFilterMod3Source(), 10);
    EXPECT_EQ(program->GetPitchModSource(), 0);
    EXPECT_EQ(program->GetAmpMod3Source(), 0);
}

TEST(AkaiProgram, TheLongerFormatKeepsTheOctaveShiftDefault)
{
    CRecordBuilder header = CRecordBuilder::ProgramHeader(kLongFormat);
    header.Set8(21, 2);
    CRecordingFileMedia file(MakeProgram(header, {CRecordBuilder::KeyGroup(kLongFormat)}));
    std::vector<std::string> reports;
    EXPECT_EQ(NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports)->GetOctaveShift(), 0);
}

TEST(AkaiProgram, ReadsNameTuneAndFlagsOfTheHeader)
{
    CRecordBuilder header = CRecordBuilder::ProgramHeader(kLongFormat);
    header.SetName(3, "PIANO 1").Set8(65, 128).Set8(66, -1).Set8(59, 0).Set8(102, 1).Set8(112, 1);
    CRecordingFileMedia file(MakeProgram(header, {CRecordBuilder::KeyGroup(kLongFormat)}));
    std::vector<std::string> reports;
    const auto program = NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports);
    EXPECT_EQ(program->GetName(), "PIANO 1");
    EXPECT_EQ(program->GetTuneCents(), -50);
    EXPECT_FALSE(program->GetLFODesync());
    EXPECT_FALSE(program->GetLFO2Retrigger());
    EXPECT_TRUE(program->GetPortamentoOn());
}

TEST(AkaiProgram, TenEarlyErrorsPassAndAnEleventhThrowsBeforeAnyKeyGroupIsRead)
{
    for (const int errors : {10, 11}) {
        SCOPED_TRACE(errors);
        CRecordBuilder header = CRecordBuilder::ProgramHeader(kLongFormat);
        DamageEarlyFields(header, errors);
        CRecordingFileMedia file(MakeProgram(header, {CRecordBuilder::KeyGroup(kLongFormat)}));
        std::vector<std::string> reports;
        if (errors == 10) {
            EXPECT_NO_THROW(NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports));
        } else {
            EXPECT_THROW(NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports), NSTramvell::XBadFormat);
            EXPECT_FALSE(file.WasAnyByteRead(192, file.GetSize() - 1));
            // The tune is the last field read before giving up.
            EXPECT_TRUE(file.WasAnyByteRead(66, 66));
        }
        EXPECT_EQ(reports.size(), static_cast<std::size_t>(errors));
    }
}

TEST(AkaiProgram, AnIllegalNameCountsOneErrorWithoutAReport)
{
    for (const int errors : {9, 10}) {
        SCOPED_TRACE(errors);
        CRecordBuilder header = CRecordBuilder::ProgramHeader(kLongFormat);
        header.SetNameBytes(3, {17, 41, 15});
        DamageEarlyFields(header, errors);
        CRecordingFileMedia file(MakeProgram(header, {CRecordBuilder::KeyGroup(kLongFormat)}));
        std::vector<std::string> reports;
        if (errors == 9) {
            EXPECT_EQ(NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports)->GetName(), "G~E");
        } else {
            EXPECT_THROW(NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports), NSTramvell::XBadFormat);
        }
        EXPECT_EQ(reports.size(), static_cast<std::size_t>(errors));
    }
}

TEST(AkaiProgram, AnImpossibleKeyGroupCountThrowsAtOnce)
{
    for (const int count : {0, 100}) {
        SCOPED_TRACE(count);
        CRecordBuilder header = CRecordBuilder::ProgramHeader(kLongFormat);
        header.Set8(19, 200);
        std::vector<std::uint8_t> bytes = JoinRecords({header.Bytes(), CRecordBuilder::KeyGroup(kLongFormat).Bytes()});
        bytes[42] = static_cast<std::uint8_t>(count);
        CRecordingFileMedia file(bytes);
        std::vector<std::string> reports;
        EXPECT_THROW(NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports), NSTramvell::XBadFormat);
        EXPECT_EQ(reports, std::vector<std::string>{OutOfRange("Low Key")});
        EXPECT_EQ(file.GetReads().back().position, 42u);
    }
}

TEST(AkaiProgram, MoreThanTenErrorsInAllThrowAfterTheKeyGroups)
{
    CRecordBuilder header = CRecordBuilder::ProgramHeader(kLongFormat);
    DamageEarlyFields(header, 5);
    for (std::size_t position = 76; position <= 81; ++position)
        header.Set8(position, 15);
    CRecordingFileMedia file(MakeProgram(header, {CRecordBuilder::KeyGroup(kLongFormat)}));
    std::vector<std::string> reports;
    EXPECT_THROW(NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports), NSTramvell::XBadFormat);
    EXPECT_EQ(reports.size(), 11u);
    EXPECT_EQ(reports.back(), OutOfRange("LFO Rate Mod Source"));
    EXPECT_TRUE(file.WasAnyByteRead(112, 112));
}

TEST(AkaiProgram, ADamagedKeyGroupIsDroppedAndTheOthersKept)
{
    std::vector<CRecordBuilder> keyGroups = {CRecordBuilder::KeyGroup(kLongFormat), CRecordBuilder::KeyGroup(kLongFormat),
                                             CRecordBuilder::KeyGroup(kLongFormat)};
    keyGroups[0].Set8(3, 10);
    DamageKeyGroup(keyGroups[1], 11);
    keyGroups[2].Set8(3, 30);
    CRecordingFileMedia file(MakeProgram(CRecordBuilder::ProgramHeader(kLongFormat), keyGroups));
    std::vector<std::string> reports;
    const auto program = NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports);
    const auto kept = program->GetKeyGroups();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0]->GetLowKey(), 10);
    EXPECT_EQ(kept[1]->GetLowKey(), 30);
    ASSERT_EQ(reports.size(), 12u);
    EXPECT_EQ(reports[0], "KeyGroup 2: " + OutOfRange("Low Key"));
    EXPECT_EQ(reports[11], CorruptKeyGroup(2));
}

TEST(AkaiProgram, TenErrorsInAKeyGroupKeepIt)
{
    CRecordBuilder keyGroup = CRecordBuilder::KeyGroup(kShortFormat);
    DamageKeyGroup(keyGroup, 10);
    CRecordingFileMedia file(MakeProgram(CRecordBuilder::ProgramHeader(kShortFormat), {keyGroup}));
    std::vector<std::string> reports;
    EXPECT_EQ(NSAkaiParser::CreateAkaiProgram(file, kShortFormat, reports)->GetKeyGroups().size(), 1u);
    EXPECT_EQ(reports.size(), 10u);
}

TEST(AkaiProgram, ThrowsWhenEveryKeyGroupIsDropped)
{
    std::vector<CRecordBuilder> keyGroups = {CRecordBuilder::KeyGroup(kShortFormat), CRecordBuilder::KeyGroup(kShortFormat)};
    DamageKeyGroup(keyGroups[0], 11);
    DamageKeyGroup(keyGroups[1], 12);
    CRecordingFileMedia file(MakeProgram(CRecordBuilder::ProgramHeader(kShortFormat), keyGroups));
    std::vector<std::string> reports;
    EXPECT_THROW(NSAkaiParser::CreateAkaiProgram(file, kShortFormat, reports), NSTramvell::XBadFormat);
    ASSERT_EQ(reports.size(), 25u);
    EXPECT_EQ(reports[11], CorruptKeyGroup(1));
    EXPECT_EQ(reports[24], CorruptKeyGroup(2));
}

TEST(AkaiProgram, OnlyABadFormatDropsAKeyGroup)
{
    CRecordBuilder keyGroup = CRecordBuilder::KeyGroup(kLongFormat);
    keyGroup.Set8(3, 200);
    CRecordingFileMedia file(MakeProgram(CRecordBuilder::ProgramHeader(kLongFormat), {keyGroup}));
    std::vector<std::string> reports;
    std::vector<std::pair<std::uint32_t, std::string>> strings = MakeParserStrings();
    std::erase_if(strings, [](const auto& entry) { return entry.first == NSAkaiParser::kKeyGroupPrefixId; });
    CScopedParserStrings withoutPrefix(strings);
    EXPECT_THROW(NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports), std::range_error);
}

TEST(AkaiProgram, MissingKeyGroupRecordsAreDroppedOneByOne)
{
    CRecordBuilder header = CRecordBuilder::ProgramHeader(kLongFormat);
    header.Set8(42, 3);
    CRecordingFileMedia file(JoinRecords({header.Bytes(), CRecordBuilder::KeyGroup(kLongFormat).Set8(3, 12).Bytes()}));
    std::vector<std::string> reports;
    const auto program = NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports);
    ASSERT_EQ(program->GetKeyGroups().size(), 1u);
    EXPECT_EQ(program->GetKeyGroups()[0]->GetLowKey(), 12);
    EXPECT_EQ(reports, (std::vector<std::string>{CorruptKeyGroup(2), CorruptKeyGroup(3)}));
}

TEST(AkaiProgram, AShortLastRecordPassesTheProbeAndIsThenDropped)
{
    std::vector<std::uint8_t> bytes = MakeProgram(CRecordBuilder::ProgramHeader(kLongFormat),
                                                  {CRecordBuilder::KeyGroup(kLongFormat), CRecordBuilder::KeyGroup(kLongFormat)});
    bytes.resize(192 * 2 + 170);
    CRecordingFileMedia file(bytes);
    std::vector<std::string> reports;
    const auto program = NSAkaiParser::CreateAkaiProgram(file, kLongFormat, reports);
    EXPECT_EQ(program->GetKeyGroups().size(), 1u);
    EXPECT_EQ(reports, std::vector<std::string>{CorruptKeyGroup(2)});
    // The record's own fields up to its cut were read before the read past the file's end.
    EXPECT_TRUE(file.WasAnyByteRead(192 * 2 + 169, 192 * 2 + 169, 150));
}

TEST(AkaiProgram, AHeaderShorterThanItsFieldsFailsTheWholeProgram)
{
    for (const std::int32_t format : {kShortFormat, kLongFormat}) {
        SCOPED_TRACE(format);
        std::vector<std::uint8_t> bytes = CRecordBuilder::ProgramHeader(format).Bytes();
        bytes.resize(60);
        CRecordingFileMedia file(bytes);
        std::vector<std::string> reports;
        EXPECT_THROW(NSAkaiParser::CreateAkaiProgram(file, format, reports), NSTramvell::XBadFormat);
        EXPECT_TRUE(reports.empty());
    }
}
