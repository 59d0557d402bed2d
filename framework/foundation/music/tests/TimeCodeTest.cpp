#include "framework/foundation/music/MusicalTexts.h"
#include "framework/foundation/music/TimeCode.h"

#include "framework/foundation/core/Exceptions.h"

#include <gtest/gtest.h>

namespace {

using namespace NSTramvell;

constexpr std::int32_t kFormats[] = {0, 1, 2, 3, 4, 5};

TEST(TimeCode, TablesAgreeWithTheFrameRateOfEachFormat)
{
    const std::int32_t kFramesPerSecond[] = {24, 25, 30, 30, 30, 30};
    for (const std::int32_t format : kFormats) {
        SCOPED_TRACE(format);
        const std::int32_t fps = kFramesPerSecond[format];
        EXPECT_EQ(GetFramesPerSecond(format), fps);
        EXPECT_EQ(GetFramesPerMinute(format), 60 * fps);
        EXPECT_EQ(GetFramesPerHour(format), 3600 * fps);
        EXPECT_EQ(GetTicksPerTenthSecond(format), 8 * fps);
        EXPECT_EQ(GetTicksPerSecond(format), 80 * fps);
        EXPECT_EQ(GetTicksPerMinute(format), 60 * 80 * fps);
        EXPECT_EQ(GetTicksPerHour(format), 3600 * 80 * fps);
        EXPECT_EQ(GetTicksPerDay(format), 24 * 3600 * 80 * fps);
        // Formats 2 and 4 run slow; the others count whole seconds.
        EXPECT_EQ(GetTicksIn65536Seconds(format), format == 2 || format == 4 ? 157129110 : 65536 * 80 * fps);
        EXPECT_EQ(IsTimeCodeFormatTwoOrFive(format), format == 2 || format == 5);
    }
}

TEST(TimeCode, InvalidFormatsThrowFromTablesAndGiveNoFrames)
{
    for (const std::int32_t format : {-1, 6, 1000}) {
        SCOPED_TRACE(format);
        EXPECT_FALSE(IsValidTimeCodeFormat(format));
        EXPECT_FALSE(IsTimeCodeFormatTwoOrFive(format));
        EXPECT_THROW(GetTicksPerDay(format), XBase);
        EXPECT_THROW(SplitClockTicks(format, 1000), XBase); // not a division by zero
        EXPECT_EQ(ConvertFramesTo30(format, 300), 0);
        EXPECT_EQ(ConvertFramesFrom30(format, 300), 0);
        EXPECT_EQ(ConvertFrames(0, format, 300), 0);
        EXPECT_EQ(ConvertFrames(format, 3, 300), 0);
    }
}

TEST(TimeCode, FrameCountsPassThroughThe30FrameBase)
{
    const struct { std::int32_t from, to, frames, converted; } kCases[] = {
        {0, 1, 240, 250}, {1, 0, 250, 240}, {0, 2, 24, 30}, {3, 0, 30, 24}, {1, 1, 7, 6}, // 7 -> 8 -> 6
        {0, 0, -5, -4},                                                                  // -6.25 -> -6 -> -4.8
        {2, 5, 1234, 1234}, {0, 1, 0x7FFFFFFF, 1789569705}};                             // saturated, not wrapped
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.frames << " from " << c.from << " to " << c.to);
        EXPECT_EQ(ConvertFrames(c.from, c.to, c.frames), c.converted);
    }
}

TEST(TimeCode, ClockAndFrameFieldsRoundTripInEveryFormat)
{
    for (const std::int32_t format : kFormats) {
        SCOPED_TRACE(format);
        const CClockFields clock{9, 23, 59, 58, 9};
        const CClockFields split = SplitClockTicks(format, ComposeClockTicks(format, clock));
        EXPECT_EQ(split.days, clock.days);
        EXPECT_EQ(split.hours, clock.hours);
        EXPECT_EQ(split.minutes, clock.minutes);
        EXPECT_EQ(split.seconds, clock.seconds);
        EXPECT_EQ(split.tenths, clock.tenths);

        const CFrameFields frames{5, 4, 3, GetFramesPerSecond(format) - 1, 79};
        const CFrameFields back = SplitFrameTicks(format, ComposeFrameTicks(format, frames));
        EXPECT_EQ(back.hours, frames.hours);
        EXPECT_EQ(back.minutes, frames.minutes);
        EXPECT_EQ(back.seconds, frames.seconds);
        EXPECT_EQ(back.frames, frames.frames);
        EXPECT_EQ(back.ticks, frames.ticks);
    }
}

TEST(TimeCode, SplittingAWholeTimeLeavesNoFramesOrTicks)
{
    const CFrameFields split = SplitFrameTicks(1, 1 * 7200000 + 2 * 120000 + 3 * 2000);
    EXPECT_EQ(split.hours, 1);
    EXPECT_EQ(split.minutes, 2);
    EXPECT_EQ(split.seconds, 3);
    EXPECT_EQ(split.frames, 0);
    EXPECT_EQ(split.ticks, 0);

    const CClockFields negative = SplitClockTicks(0, -(2 * 115200 + 5 * 192));
    EXPECT_EQ(negative.minutes, -2);
    EXPECT_EQ(negative.tenths, -5);
}

TEST(MusicalTexts, TempoFromABeatLengthIsTruncated)
{
    const struct { std::int32_t length; std::int32_t tempo; const char* text; } kCases[] = {
        {500000, 119999, " 119999"}, // 60e9 / 500000 lands just below 120000 in double precision
        {600000, 100000, " 100000"},
        {0, 0, "      0"},
        {1, 0x7FFFFFFF, "2147483647"}, // 6e10 saturates
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(TempoFromBeatLength(c.length), c.tempo);
        EXPECT_EQ(FormatTempo(c.length), c.text);
    }
}

TEST(MusicalTexts, FixedWidthTexts)
{
    const struct { std::string text; const char* expected; } kCases[] = {
        {FormatThousandths(5007), "  5.007"},
        {FormatThousandths(120000), "120.000"},
        {FormatThousandths(999), "  0.999"},
        {FormatThousandths(1234567), "1234.567"},
        {FormatTime(1 * 172800000 + 2 * 7200000 + 3 * 120000 + 4 * 2000 + 5 * 200, 1), "s 1. 2: 3: 4.5"},
        {FormatTime(-(1 * 172800000 + 2 * 7200000 + 3 * 120000 + 4 * 2000 + 5 * 200), 1), "s 1. 2: 3: 4.5"},
        {FormatTime(-2147483647 - 1, 0), "s12.22:41:21.0"}, // the magnitude of the most negative count
        {FormatTime(0, 2), "s 0. 0: 0: 0.0"},
        {FormatBars(12, 3), "   0. 0"},
        {FormatNoteNameFromC(60), "C 3"},
        {FormatNoteNameFromC(61), "C#3"},
        {FormatNoteNameFromC(0), "C -2"},
        {FormatNoteNameFromC(255), "D#19"},
        {FormatNoteNameFromA(57), "A 5"},
        {FormatNoteNameFromA(60), "C 5"},
        {FormatNoteNameFromA(200), "G#6"},  // octave 16 less 10
        {FormatNoteNameFromA(253), "A 0"},  // 256 wraps to 0
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.text, c.expected);
}

} // namespace
