// The progress page's texts: remaining time, byte counts and the page bodies, from the built string table.

#include "app/coordinator/ProgressTexts.h"

#include "app/coordinator/tests/CoordinatorTestSupport.h"
#include "conversion/packer/PackerProgressListener.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using namespace NSConversionCoordinator;
using NSCoordinatorTests::CScopedProgramStrings;

class ProgressTexts : public testing::Test
{
protected:
    CScopedProgramStrings strings;
};

TEST_F(ProgressTexts, MinutesRoundToTheNearestMinuteAndSayWhichSideTheRestIs)
{
    const struct { std::int32_t seconds; const char* text; } kCases[] = {
        {0, "less than one minute"},       {29, "less than one minute"},    {30, "less than one minute"},
        {64, "about one minute"},          {54, "less than one minute"},    {65, "less than two minutes"},
        {89, "less than two minutes"},     {114, "less than two minutes"},  {115, "about two minutes"},
        {125, "less than three minutes"},  {150, "less than three minutes"}, {174, "less than three minutes"},
        {175, "about three minutes"},      {209, "about three minutes"},    {210, "about four minutes"},
        {629, "about ten minutes"},        {630, "about 11 minutes"},       {6000, "about 100 minutes"},
        {-31, "about 4294967295 minutes"}, {INT_MAX, "about 35791394 minutes"}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(MinutesText(c.seconds), c.text);
    }
}

TEST_F(ProgressTexts, SizesSwitchToMegabytesAboveOneMegabyte)
{
    const struct { std::uint64_t bytes; const char* text; } kCases[] = {
        {0, "0.0 kB"}, {1536, "1.5 kB"}, {1048576, "1024.0 kB"}, {1048577, "1.0 MB"}, {5u << 20, "5.0 MB"}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(SizeText(c.bytes), c.text);
    }
}

TEST_F(ProgressTexts, RemainingTimeWaitsForTwoPercentThenEstimates)
{
    const struct { std::uint32_t done; std::uint32_t total; std::uint32_t elapsedMs; const char* text; } kCases[] = {
        {0, 100, 5000, "calculating"},
        {0, 0, 5000, "calculating"},
        {1, 51, 5000, "calculating"},
        // 1 of 50 is 0.02 in double precision, above the single-precision constant: 2 s a step, 49 left.
        {1, 50, 2000, "less than two minutes"},
        {50, 50, 2000, "finished"},
        {10, 40, 20000, "about one minute"}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.done << " of " << c.total);
        EXPECT_EQ(RemainingTimeText(c.done, c.total, c.elapsedMs), c.text);
    }
}

TEST_F(ProgressTexts, BodiesFillTheirTemplates)
{
    EXPECT_EQ(ConvertingBody("Conv", 2048, "Partition A", "DRUMS", "Writing sample KICK", "calculating"),
              "Destination: Conv\rBytes written: 2.0 kB\r\rPartition: Partition A\rVolume: DRUMS\r\r"
              "Writing sample KICK\r\rEstimated time remaining: calculating");
    EXPECT_EQ(FinishingBody("Conv", 3 << 20, kWritingLogText),
              "Destination: Conv\rBytes written: 3.0 MB\r\rWriting log...");
    EXPECT_EQ(PackingBody("Drums", 1024, NSKapletPackerInterface::kPackerStartingOrWaiting),
              "Destination: Drums\rUncompressed size: 1.0 kB\r\rStarting Kaplet Packer...");
    EXPECT_EQ(PackingBody("Drums", 1024, NSKapletPackerInterface::kPackerFinishing),
              "Destination: Drums\rUncompressed size: 1.0 kB\r\rWaiting for Kaplet Packer to finish...\r\r\r"
              "If you want to stop, use the Stop button in the Kaplet Packer.");
    EXPECT_EQ(PackingBody("Drums", 1024, 7), "Destination: Drums\rUncompressed size: 1.0 kB\r\r");
}

} // namespace
