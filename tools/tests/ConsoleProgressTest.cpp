#include "tools/ConsoleProgress.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using NSToolProgress::CConsoleProgress;
using NSToolProgress::EProgressOutput;
using NSToolProgress::kShowIntervalMs;

struct CCapture
{
    std::string text;
    int writes = 0;
    CConsoleProgress::CWrite Writer()
    {
        return [this](std::string_view written) {
            text += written;
            ++writes;
        };
    }
};

constexpr std::uint64_t kTwoMegabytes = 2u << 20;

TEST(CConsoleProgress, ShowsAtMostOneStatePerInterval)
{
    for (const EProgressOutput output : {EProgressOutput::kConsole, EProgressOutput::kFile}) {
        SCOPED_TRACE(output == EProgressOutput::kConsole ? "console" : "file");
        CCapture capture;
        CConsoleProgress progress(capture.Writer(), output, 0);
        progress.Update(0, 0, 4, 0, "first");
        for (int ms = 1; ms < kShowIntervalMs; ++ms)
            progress.Update(ms, 1, 4, 0, "hidden");
        progress.Update(kShowIntervalMs, 2, 4, 0, "second");
        EXPECT_EQ(capture.writes, 2);
        EXPECT_EQ(capture.text.find("hidden"), std::string::npos);
        EXPECT_NE(capture.text.find(" 50%"), std::string::npos) << capture.text;
    }
}

TEST(CConsoleProgress, FileGetsFullLinesWithPercentAndSpeed)
{
    CCapture capture;
    CConsoleProgress progress(capture.Writer(), EProgressOutput::kFile, 1000);
    progress.Update(2000, 1, 4, kTwoMegabytes, "A / DRUMS: Writing sample KICK.wav");
    progress.Update(2000 + kShowIntervalMs, 4, 4, 2 * kTwoMegabytes, "A / DRUMS: Writing program KIT");
    EXPECT_EQ(capture.text, " 25%     2.0 MB/s  A / DRUMS: Writing sample KICK.wav\n"
                            "100%     3.2 MB/s  A / DRUMS: Writing program KIT\n");
}

TEST(CConsoleProgress, ConsoleRewritesOneLineAndCoversALongerOne)
{
    CCapture capture;
    CConsoleProgress progress(capture.Writer(), EProgressOutput::kConsole, 0);
    progress.Update(0, 0, 1, 0, std::string(200, 'x'));
    const std::string first = capture.text;
    EXPECT_EQ(first.find('\n'), std::string::npos);
    EXPECT_EQ(first.size(), 1 + NSToolProgress::kConsoleLineWidth) << "a wrapped line is not rewritten";

    capture.text.clear();
    progress.Update(kShowIntervalMs, 1, 1, 0, "short");
    EXPECT_EQ(capture.text.front(), '\r');
    EXPECT_EQ(capture.text.size(), first.size());
    EXPECT_EQ(capture.text.find_last_not_of(' '), capture.text.find("short") + 4);
}

TEST(CConsoleProgress, ErrorsGetLinesOfTheirOwnAndTheStateComesBack)
{
    CCapture console;
    CConsoleProgress onConsole(console.Writer(), EProgressOutput::kConsole, 0);
    onConsole.Update(0, 1, 2, 0, "item");
    const std::string shown = console.text.substr(1);
    console.text.clear();
    onConsole.PrintLine("Error: broken");
    EXPECT_EQ(console.text, "\r" + std::string(shown.size(), ' ') + "\rError: broken\n" + shown);

    CCapture file;
    CConsoleProgress toFile(file.Writer(), EProgressOutput::kFile, 0);
    toFile.Update(0, 1, 2, 0, "item");
    toFile.PrintLine("Error: broken");
    EXPECT_EQ(file.text.substr(file.text.find('\n') + 1), "Error: broken\n");
}

TEST(CConsoleProgress, FinishEndsTheLineAndSumsUp)
{
    CCapture capture;
    CConsoleProgress progress(capture.Writer(), EProgressOutput::kConsole, 0);
    progress.Update(0, 1, 2, 0, "item");
    capture.text.clear();
    progress.Finish(2000, 3 * kTwoMegabytes);
    EXPECT_EQ(capture.text, "\nWrote 6.0 MB in 2.0 s (3.0 MB/s).\n");
}

} // namespace
