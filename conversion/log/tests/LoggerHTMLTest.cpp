// The HTML page of a conversion log, byte for byte against pages written by hand.

#include "conversion/log/HTMLLog.h"
#include "conversion/log/Logger.h"
#include "conversion/disc/tests/support/ConversionTexts.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace NSConversionTestSupport;

namespace {

std::string ExpectedPage(const std::string& name)
{
    return ReadWholeFile(HostPath(std::string(DRAVIM_CONVERSION_TEST_DATA_DIR) + "/" + name));
}

class LoggerHTML : public testing::Test
{
protected:
    void SetUp() override { InstallConversionTexts(); }
};

} // namespace

TEST_F(LoggerHTML, EmptyTreeShowsNoSectionsAndTheEndNote)
{
    const NSLogger::CLogTree empty;
    EXPECT_EQ(NSLogger::ComposeHTMLLog(empty, "Drums", NSLogger::kLogAbortedByUser),
              ExpectedPage("LoggerEmptyTreeEndState2.htm"));
    EXPECT_EQ(NSLogger::ComposeHTMLLog(empty, "Drums", NSLogger::kLogFailed),
              ExpectedPage("LoggerEmptyTreeEndState1.htm"));

    std::string withoutEndNote = ExpectedPage("LoggerEmptyTreeEndState2.htm");
    const std::string endNote = "<h2><i>Conversion aborted by user.</i></h2>";
    withoutEndNote.erase(withoutEndNote.find(endNote), endNote.size());
    EXPECT_EQ(NSLogger::ComposeHTMLLog(empty, "Drums", 7), withoutEndNote);
}

TEST_F(LoggerHTML, VolumesPatchesSamplesNotesAndSkippedFiles)
{
    NSLoggerImplementation::CLogger logger;
    logger.AddSample({"Partition A", "PIANOS", "GRAND L.wav", "GRAND L.wav", 1024, {}});
    logger.AddSkippedProgram({"Partition A", "PIANOS", "BAD PROG", "bad format"});
    logger.AddSample({"Partition A", "PIANOS", "GRAND R.wav", "GRAND R.wav", 1024, {}});
    logger.AddPatch({"Partition A", "PIANOS", "GRAND.mqp", "GRAND", 2048, {"GRAND L.wav", "GRAND R.wav"},
                     {"LOST.wav"}, {"KeyGroup 1: The parameter 'Filter' was out of range."}});
    logger.AddSkippedSample({"Partition A", "DRUMS", "BAD SMP", "disk error"});
    logger.AddSample({"Partition A", "DRUMS", "KICK.wav", "KICK.wav", 1572864,
                      {"Loop 1: The parameter 'Loop At' was out of range."}});
    EXPECT_EQ(NSLogger::ComposeHTMLLog(logger.GetTree(), "Disc 1", NSLogger::kLogCompleted),
              ExpectedPage("LoggerTwoVolumes.htm"));
}

TEST_F(LoggerHTML, MissingTemplateOrTextIsARangeError)
{
    NSLogger::CLogTextTable templates = LoadLogTemplates();
    templates.erase(templates.begin() + (NSLogger::kEndNoteTemplate - NSLogger::kFirstTemplate));
    NSLogger::SetHTMLTemplates(templates);
    EXPECT_NO_THROW(NSLogger::ComposeHTMLLog(NSLogger::CLogTree(), "x", 9));
    try {
        NSLogger::ComposeHTMLLog(NSLogger::CLogTree(), "x", NSLogger::kLogCompleted);
        FAIL() << "no range error";
    } catch (const std::range_error& e) {
        EXPECT_STREQ(e.what(), "UI string not found");
    }
    InstallConversionTexts();
    NSLogger::SetUIStrings({});
    EXPECT_THROW(NSLogger::ComposeHTMLLog(NSLogger::CLogTree(), "x", NSLogger::kLogFailed), std::range_error);
}
