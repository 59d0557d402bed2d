// The conversion's text table and the report of one failed file: the sentence, the cause pair chosen by
// the failure's type, the log entry and the user's answer.

#include "conversion/log/ConversionStrings.h"
#include "conversion/log/ItemErrorReport.h"
#include "conversion/disc/tests/support/ConversionFakes.h"
#include "conversion/disc/tests/support/ConversionTexts.h"
#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <stdexcept>

using namespace NSConversionTestSupport;

namespace {

class ConversionItemError : public testing::Test
{
protected:
    void SetUp() override { InstallConversionTexts(); }
};

NSConverter::CFailedItem Item(bool isSample, bool converting)
{
    return {"GRAND PNO", "Partition A", "PIANOS", isSample, converting};
}

} // namespace

TEST(ConversionStrings, FirstEntryOfAnIdWinsAndAMissingIdIsARangeError)
{
    NSAkaiConversion::SetUIStrings({{7, "first"}, {8, "other"}, {7, "second"}});
    EXPECT_EQ(NSConverter::GetConversionString(7), "first");
    try {
        NSConverter::GetConversionString(401281210);
        FAIL() << "no range error";
    } catch (const std::range_error& e) {
        EXPECT_STREQ(e.what(), "UI string not found");
    }
}

TEST_F(ConversionItemError, FailureTypeChoosesTheCausePair)
{
    struct CCase
    {
        const char* what;
        std::shared_ptr<std::exception> failure;   // null: a failure outside the standard family
        std::uint32_t longEntry;
    };
    const CCase kCases[] = {
        {"bad_alloc", std::make_shared<std::bad_alloc>(), 1250},
        {"XBadFormat", std::make_shared<NSTramvell::XBadFormat>(), 1252},
        {"XUnsupportedFormat", std::make_shared<NSTramvell::XUnsupportedFormat>(), 1252},
        {"XDiskFull before XFile", std::make_shared<XDiskFull>(), 1254},
        {"XRead", std::make_shared<NSTramvell::XRead>(), 1256},
        {"XMedia", std::make_shared<NSTramvell::XMedia>(), 1256},
        {"XFileLocked", std::make_shared<XFileLocked>(), 1256},
        {"XBase", std::make_shared<NSTramvell::XBase>(), 1258},
        {"logic_error", std::make_shared<std::logic_error>("x"), 1258},
        {"no object", nullptr, 1258},
    };
    for (const CCase& c : kCases) {
        SCOPED_TRACE(c.what);
        CRecordingErrorListener listener;
        CRecordingLog log;
        bool ignoreAll = false;
        EXPECT_EQ(NSConverter::ReportItemError(c.failure.get(), Item(true, true), listener, log, ignoreAll),
                  NSConverter::EStepOutcome::kGoOn);
        ASSERT_EQ(listener.messages.size(), 1u);
        EXPECT_EQ(listener.messages[0],
                  "The sample GRAND PNO cannot be converted, because " + ConversionText(c.longEntry) + ".");
        ASSERT_EQ(log.skippedSamples.size(), 1u);
        EXPECT_TRUE(log.skippedPrograms.empty());
        EXPECT_EQ(log.skippedSamples[0].cause, ConversionText(c.longEntry + 1));
        EXPECT_EQ(log.skippedSamples[0].fileName, "GRAND PNO");
        EXPECT_EQ(log.skippedSamples[0].partitionName, "Partition A");
        EXPECT_EQ(log.skippedSamples[0].volumeName, "PIANOS");
    }
}

TEST_F(ConversionItemError, SentenceByKindAndStageAndProgramsGoToTheFirstList)
{
    const struct
    {
        bool isSample;
        bool converting;
        const char* sentence;
    } kCases[] = {
        {false, false, "The program GRAND PNO cannot be read, because it has a bad format."},
        {false, true, "The program GRAND PNO cannot be converted, because it has a bad format."},
        {true, false, "The sample GRAND PNO cannot be read, because it has a bad format."},
        {true, true, "The sample GRAND PNO cannot be converted, because it has a bad format."},
    };
    const NSTramvell::XBadFormat failure;
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.sentence);
        CRecordingErrorListener listener;
        CRecordingLog log;
        bool ignoreAll = false;
        static_cast<void>(
            NSConverter::ReportItemError(&failure, Item(c.isSample, c.converting), listener, log, ignoreAll));
        ASSERT_EQ(listener.messages.size(), 1u);
        EXPECT_EQ(listener.messages[0], c.sentence);
        EXPECT_EQ(log.skippedSamples.size(), c.isSample ? 1u : 0u);
        EXPECT_EQ(log.skippedPrograms.size(), c.isSample ? 0u : 1u);
    }
}

TEST_F(ConversionItemError, AnswersBecomeResults)
{
    const struct
    {
        std::uint32_t answer;
        NSConverter::EStepOutcome result;
        bool ignoreAllAfter;
    } kCases[] = {
        {NSErrorListener::kIgnoreError, NSConverter::EStepOutcome::kGoOn, false},
        {NSErrorListener::kIgnoreAllErrors, NSConverter::EStepOutcome::kGoOn, true},
        {NSErrorListener::kAbortKeepOutput, NSConverter::EStepOutcome::kStopKeepOutput, false},
        {NSErrorListener::kAbortDeleteOutput, NSConverter::EStepOutcome::kStopDeleteOutput, false},
        {77, NSConverter::EStepOutcome::kGoOn, false},
    };
    const XDiskFull failure;
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.answer);
        CRecordingErrorListener listener;
        listener.answers = {c.answer};
        CRecordingLog log;
        bool ignoreAll = false;
        EXPECT_EQ(NSConverter::ReportItemError(&failure, Item(false, true), listener, log, ignoreAll), c.result);
        EXPECT_EQ(ignoreAll, c.ignoreAllAfter);
        EXPECT_EQ(log.skippedPrograms.size(), 1u);
    }
}

TEST_F(ConversionItemError, AfterIgnoreAllFailuresAreOnlyLogged)
{
    CRecordingErrorListener listener;
    listener.answers = {NSErrorListener::kIgnoreAllErrors, NSErrorListener::kAbortDeleteOutput};
    CRecordingLog log;
    bool ignoreAll = false;
    const NSTramvell::XBadFormat failure;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(NSConverter::ReportItemError(&failure, Item(true, false), listener, log, ignoreAll),
                  NSConverter::EStepOutcome::kGoOn);
    EXPECT_EQ(listener.messages.size(), 1u);
    EXPECT_EQ(log.skippedSamples.size(), 3u);
}
