// The sample parser: header, play range and loops, the rate correction of the tune, the error
// threshold, and files too short for what their header claims.

#include "akai/parsers/AkaiSample.h"
#include "akai/parsers/ParserStrings.h"
#include "akai/parsers/tests/support/ParserTestStrings.h"
#include "akai/parsers/tests/support/RecordBuilder.h"
#include "akai/parsers/tests/support/RecordingFileMedia.h"
#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <optional>

using namespace NSAkaiTestSupport;

namespace {

const std::string kName = "TEST SAMPLE";

std::string LoopReport(int slot, const std::string& name)
{
    return "Loop " + std::to_string(slot + 1) + ": " + OutOfRange(name);
}

const std::string kResampledRate =
    "Resampled sample rate differs too much from original sample rate. Pitch will be affected.";

// A header with a play range over length frames of silence.
CRecordBuilder SampleWithFrames(std::int32_t format, std::uint32_t length, std::uint32_t start, std::uint32_t end)
{
    CRecordBuilder header = CRecordBuilder::SampleHeader(format);
    header.Set32(26, length).Set32(30, start).Set32(34, end);
    header.AppendFrames(std::vector<std::int16_t>(length, 0));
    return header;
}

std::unique_ptr<NSAkaiParser::IAkaiSample> Parse(CRecordingFileMedia& file, std::int32_t format,
                                                 std::vector<std::string>& reports, const std::string& name = kName)
{
    return NSAkaiParser::CreateAkaiSample(file, format, reports, name);
}

} // namespace

TEST(AkaiSample, ReadsTheHeaderAndTheData)
{
    for (const std::int32_t format : {kShortFormat, kLongFormat}) {
        SCOPED_TRACE(format);
        CRecordBuilder header = CRecordBuilder::SampleHeader(format);
        header.Set8(2, 61).Set8(19, 2).Set8(20, 128).Set8(21, 1).Set32(26, 4).Set32(30, 1).Set32(34, 3).Set8(140, -3);
        header.SetLoop(1, 3, 2, 50, 1234).AppendFrames({1, -2, 32767, -32768});
        CRecordingFileMedia file(header.Bytes());
        std::vector<std::string> reports;
        const auto sample = Parse(file, format, reports);
        EXPECT_TRUE(reports.empty());
        EXPECT_EQ(sample->GetName(), kName);
        EXPECT_EQ(sample->GetMIDIRootNote(), 61);
        EXPECT_EQ(sample->GetLoopMode(), 2);
        EXPECT_EQ(sample->GetTuneCents(), 150);
        EXPECT_EQ(sample->GetSampleLength(), 4u);
        EXPECT_EQ(sample->GetSampleStart(), 1u);
        EXPECT_EQ(sample->GetSampleEnd(), 3u);
        EXPECT_EQ(sample->GetSampleRate(), 44100);
        EXPECT_EQ(sample->GetLoopTuneOffset(), -3);
        EXPECT_EQ(sample->GetLoops(), std::vector<NSAkaiParser::CAkaiLoop>{NSAkaiParser::CAkaiLoop(3, 1234, 2, 50)});
        EXPECT_EQ(*sample->GetSampleData(), (NSAkaiParser::CSampleData{1, -2, 32767, -32768}));
    }
}

TEST(AkaiSample, LoopsAreCheckedAgainstThePlayRange)
{
    struct CLoopCase
    {
        const char* what;
        std::uint32_t start;
        std::uint32_t end;
        std::uint32_t loopAt;
        std::uint32_t length;
        std::uint16_t dwellTime;
        std::optional<NSAkaiParser::CAkaiLoop> loop;
        std::vector<std::string> reports;
    };
    const CLoopCase kCases[] = {
        {"empty slot", 0, 5000, 100, 50, 0, std::nullopt, {}},
        {"plain", 0, 5000, 100, 50, 20, NSAkaiParser::CAkaiLoop(100, 0, 50, 20), {}},
        {"hold", 0, 5000, 100, 50, 9999, NSAkaiParser::CAkaiLoop(100, 0, 50, 9999), {}},
        {"dwell too long", 0, 5000, 100, 50, 12000, NSAkaiParser::CAkaiLoop(100, 0, 50, 9999),
         {OutOfRange("Loop Dwell Time")}},
        {"longer than its loop point", 0, 5000, 100, 300, 1, NSAkaiParser::CAkaiLoop(100, 0, 100, 1),
         {LoopReport(2, "Loop Length")}},
        {"loop point 0", 0, 5000, 0, 10, 1, NSAkaiParser::CAkaiLoop(5000, 0, 5000, 1), {LoopReport(2, "Loop Length")}},
        {"past the end", 0, 5000, 6000, 10, 1, NSAkaiParser::CAkaiLoop(5000, 0, 10, 1), {LoopReport(2, "Loop At")}},
        {"before the start", 200, 5000, 100, 10, 1, NSAkaiParser::CAkaiLoop(5000, 0, 10, 1), {LoopReport(2, "Loop At")}},
        {"past a short end", 0, 50, 60, 100, 1, NSAkaiParser::CAkaiLoop(50, 0, 50, 1),
         {LoopReport(2, "Loop At"), LoopReport(2, "Loop Length")}},
    };
    for (const CLoopCase& c : kCases) {
        SCOPED_TRACE(c.what);
        CRecordBuilder header = SampleWithFrames(kLongFormat, 6000, c.start, c.end);
        header.SetLoop(2, c.loopAt, c.length, c.dwellTime);
        CRecordingFileMedia file(header.Bytes());
        std::vector<std::string> reports;
        const auto sample = Parse(file, kLongFormat, reports);
        EXPECT_EQ(sample->GetLoops(), c.loop ? std::vector<NSAkaiParser::CAkaiLoop>{*c.loop}
                                             : std::vector<NSAkaiParser::CAkaiLoop>{});
        EXPECT_EQ(reports, c.reports);
    }
}

TEST(AkaiSample, LoopsKeepTheirSlotOrderAndCountOneErrorTogether)
{
    for (const int otherErrors : {3, 4}) {
        SCOPED_TRACE(otherErrors);
        CRecordBuilder header = SampleWithFrames(kShortFormat, 100, 0, 100);
        header.SetLoop(0, 500, 1, 1).SetLoop(3, 50, 10, 9999).SetLoop(5, 500, 1, 1).SetLoop(7, 0, 1, 1);
        const std::size_t kFields[] = {2, 19, 140, 1};
        const std::int32_t kValues[] = {200, 9, 99, 5};
        for (int i = 0; i < otherErrors; ++i)
            header.Set8(kFields[i], kValues[i]);
        CRecordingFileMedia file(header.Bytes());
        std::vector<std::string> reports;
        if (otherErrors == 3) {
            const auto loops = Parse(file, kShortFormat, reports)->GetLoops();
            ASSERT_EQ(loops.size(), 4u);
            EXPECT_EQ(loops[0], NSAkaiParser::CAkaiLoop(100, 0, 1, 1));
            EXPECT_EQ(loops[1], NSAkaiParser::CAkaiLoop(50, 0, 10, 9999));
            EXPECT_EQ(loops[3], NSAkaiParser::CAkaiLoop(100, 0, 100, 1));
        } else {
            EXPECT_THROW(Parse(file, kShortFormat, reports), NSTramvell::XBadFormat);
        }
        EXPECT_EQ(reports.size(), static_cast<std::size_t>(3 + otherErrors));
    }
}

TEST(AkaiSample, ThePlayRangeIsHeldInsideTheData)
{
    const struct
    {
        std::uint32_t start;
        std::uint32_t end;
        std::uint32_t expectedStart;
        std::uint32_t expectedEnd;
        std::vector<std::string> reports;
    } kCases[] = {
        {0, 200, 0, 200, {}},
        {100, 50, 100, 200, {OutOfRange("Sample End")}},
        {0, 201, 0, 200, {OutOfRange("Sample End")}},
        {201, 150, 0, 150, {OutOfRange("Sample Start")}},
        {300, 20, 0, 20, {OutOfRange("Sample Start")}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.start << "-" << c.end);
        CRecordingFileMedia file(SampleWithFrames(kLongFormat, 200, c.start, c.end).Bytes());
        std::vector<std::string> reports;
        const auto sample = Parse(file, kLongFormat, reports);
        EXPECT_EQ(sample->GetSampleStart(), c.expectedStart);
        EXPECT_EQ(sample->GetSampleEnd(), c.expectedEnd);
        EXPECT_EQ(reports, c.reports);
    }
}

TEST(AkaiSample, TheTuneMakesUpForARateOtherThanTheBandwidthImplies)
{
    const struct
    {
        std::uint16_t storedRate;
        std::uint8_t bandwidth;
        std::uint8_t rootNote;
        std::int8_t semitones;
        std::uint16_t rate;
        std::int32_t tune;
        std::vector<std::string> reports;
    } kCases[] = {
        {44100, 1, 60, 0, 44100, 0, {}},
        {22050, 0, 60, 3, 22050, 300, {}},
        {500, 1, 60, 0, 1000, 5000, {OutOfRange("Sample Rate"), OutOfRange("Tune Cents")}},
        {999, 1, 60, 0, 1000, 5000, {OutOfRange("Sample Rate"), OutOfRange("Tune Cents")}},
        {65535, 1, 60, 0, 65535, -686, {}},
        {44100, 0, 60, 0, 44100, -1200, {}},
        {44100, 0, 120, 0, 44100, -1200, {kResampledRate}},
        {22050, 1, 5, 0, 22050, 1200, {kResampledRate}},
        {44100, 0, 60, -40, 44100, -5000, {OutOfRange("Tune Cents")}},
        {0, 0, 60, 0, 22050, 0, {}},
        {0, 1, 60, 2, 44100, 200, {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.storedRate << " Hz, bandwidth " << int(c.bandwidth) << ", root "
                                        << int(c.rootNote));
        CRecordBuilder header = CRecordBuilder::SampleHeader(kLongFormat);
        header.Set16(138, c.storedRate).Set8(1, c.bandwidth).Set8(2, c.rootNote).Set8(21, c.semitones);
        CRecordingFileMedia file(header.Bytes());
        std::vector<std::string> reports;
        const auto sample = Parse(file, kLongFormat, reports);
        EXPECT_EQ(sample->GetSampleRate(), c.rate);
        EXPECT_EQ(sample->GetTuneCents(), c.tune);
        EXPECT_EQ(reports, c.reports);
    }
}

TEST(AkaiSample, AHalfwayTuneCountsTowardZeroForTheRootCheck)
{
    // Rates 1.5 semitones off: the tune becomes +150 or -150 cents, whose whole semitones are 1 and -1,
    // so roots 1 and 126 still give a note.
    const struct
    {
        std::uint16_t rate;
        std::uint8_t rootNote;
        std::int32_t tune;
    } kCases[] = {{40441, 1, 150}, {48092, 126, -150}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.rate);
        CRecordBuilder header = CRecordBuilder::SampleHeader(kLongFormat);
        header.Set16(138, c.rate).Set8(2, c.rootNote);
        CRecordingFileMedia file(header.Bytes());
        std::vector<std::string> reports;
        EXPECT_EQ(Parse(file, kLongFormat, reports)->GetTuneCents(), c.tune);
        EXPECT_TRUE(reports.empty());
    }
}

TEST(AkaiSample, FourErrorsPassAndFiveThrowBeforeTheData)
{
    for (const int errors : {4, 5}) {
        SCOPED_TRACE(errors);
        CRecordBuilder header = SampleWithFrames(kShortFormat, 10, 0, 10);
        // A header name other than the directory's, and not an Akai name: two silent errors.
        header.SetNameBytes(3, {20, 60});
        const std::size_t kFields[] = {2, 19, 140};
        for (int i = 0; i < errors - 2; ++i)
            header.Set8(kFields[i], 200);
        CRecordingFileMedia file(header.Bytes());
        std::vector<std::string> reports;
        if (errors == 4) {
            EXPECT_EQ(Parse(file, kShortFormat, reports)->GetSampleData()->size(), 10u);
        } else {
            EXPECT_THROW(Parse(file, kShortFormat, reports), NSTramvell::XBadFormat);
            EXPECT_FALSE(file.WasAnyByteRead(150, file.GetSize() - 1));
        }
        EXPECT_EQ(reports.size(), static_cast<std::size_t>(errors - 2));
    }
}

TEST(AkaiSample, ALengthOfZeroReadsNothingAfterTheHeader)
{
    CRecordBuilder header = CRecordBuilder::SampleHeader(kLongFormat);
    header.AppendFrames({5, 6, 7});
    CRecordingFileMedia file(header.Bytes());
    std::vector<std::string> reports;
    const auto sample = Parse(file, kLongFormat, reports);
    EXPECT_TRUE(sample->GetSampleData()->empty());
    EXPECT_FALSE(file.WasAnyByteRead(192, file.GetSize() - 1));
    EXPECT_TRUE(reports.empty());
}

TEST(AkaiSample, AFileTooShortForItsHeaderFails)
{
    for (const std::int32_t format : {kShortFormat, kLongFormat}) {
        std::vector<std::uint8_t> bytes = CRecordBuilder::SampleHeader(format).Bytes();
        bytes.resize(140);
        CRecordingFileMedia file(bytes);
        std::vector<std::string> reports;
        EXPECT_THROW(Parse(file, format, reports), NSTramvell::XBadFormat) << format;
    }
}

TEST(AkaiSample, AFileWithTheFieldsButNotTheWholeHeaderHoldsNoData)
{
    for (const std::int32_t format : {kShortFormat, kLongFormat}) {
        for (const std::size_t size : {std::size_t{141}, RecordSizeOf(format) - 1}) {
            SCOPED_TRACE(testing::Message() << format << ", " << size << " bytes");
            CRecordBuilder header = CRecordBuilder::SampleHeader(format);
            header.Set32(26, 3).Set32(34, 3);
            std::vector<std::uint8_t> bytes = header.Bytes();
            bytes.resize(size);
            CRecordingFileMedia file(bytes);
            std::vector<std::string> reports;
            const auto sample = Parse(file, format, reports);
            EXPECT_EQ(sample->GetSampleLength(), 0u);
            EXPECT_EQ(sample->GetSampleEnd(), 0u);
            EXPECT_TRUE(sample->GetSampleData()->empty());
            EXPECT_EQ(reports, (std::vector<std::string>{OutOfRange("Sample Length"), OutOfRange("Sample End")}));
        }
    }
}

TEST(AkaiSample, AHugeStoredLengthIsCutToTheDataTheFileHolds)
{
    for (const std::int32_t format : {kShortFormat, kLongFormat}) {
        SCOPED_TRACE(format);
        CRecordBuilder header = CRecordBuilder::SampleHeader(format);
        header.Set32(26, 0xFFFFFFFF).Set32(34, 10);
        header.AppendFrames(std::vector<std::int16_t>((1000 - RecordSizeOf(format)) / 2, 3));
        std::vector<std::uint8_t> bytes = header.Bytes();
        bytes.resize(1000, 0);
        CRecordingFileMedia file(bytes);
        std::vector<std::string> reports;
        const auto sample = Parse(file, format, reports);
        const std::uint32_t expected = static_cast<std::uint32_t>((1000 - RecordSizeOf(format)) / 2);
        EXPECT_EQ(sample->GetSampleLength(), expected);
        EXPECT_EQ(sample->GetSampleData()->size(), expected);
        EXPECT_EQ(file.GetReads().back().length, 2u * expected);
        EXPECT_EQ(reports, std::vector<std::string>{OutOfRange("Sample Length")});
    }
}

TEST(MakeLoopMessage, NamesTheSlotFromOne)
{
    EXPECT_EQ(NSAkaiParser::MakeLoopMessage(NSAkaiParser::kLoopAtNameId, 2),
              "Loop 3: The parameter 'Loop At' was out of range.");
}
