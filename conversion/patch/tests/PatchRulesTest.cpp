// Loops, loop modes, stereo names and pairs, and sample file names.

#include "conversion/patch/LoopAndStereoRules.h"
#include "conversion/patch/ConverterStrings.h"
#include "conversion/patch/tests/PatchTestFakes.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace NSAkaiConversion;
using NSAkaiParser::CAkaiLoop;
using NSPatchTests::CFakeAkaiSample;
using NSPatchTests::MakeSample;

namespace {

CAkaiLoop Loop(std::uint32_t at, std::uint32_t length, std::uint16_t dwell)
{
    return CAkaiLoop(at, 0, length, dwell);
}

} // namespace

TEST(LoopRules, TheFirstHoldLoopIsTheOneUsed)
{
    EXPECT_EQ(FindHoldLoop({Loop(10, 5, 100), Loop(20, 5, 9999), Loop(30, 5, 9999)}), 1);
    EXPECT_EQ(FindHoldLoop({Loop(10, 5, 100), Loop(20, 5, 9998)}), -1);
    EXPECT_EQ(FindHoldLoop({}), -1);
}

TEST(LoopRules, LoopPointsEndAtTheLoopPoint)
{
    const struct
    {
        std::uint32_t at;
        std::uint32_t length;
        std::uint32_t start;
    } kCases[] = {{1000, 1200, 0}, {1000, 1000, 0}, {1000, 400, 600}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.length);
        std::uint32_t start = 77;
        std::uint32_t end = 77;
        EXPECT_EQ(GetLoopPoints(Loop(c.at, c.length, 9999), start, end), 1000u);
        EXPECT_EQ(start, c.start);
        EXPECT_EQ(end, 1000u);
    }
}

TEST(LoopRules, ZoneLoopModeFollowsTheZoneThenTheSample)
{
    CFakeAkaiSample looped = MakeSample("LOOPED");
    looped.loops = {Loop(50, 10, 100)};
    const CFakeAkaiSample plain = MakeSample("PLAIN");
    const struct
    {
        std::int32_t zoneMode;
        std::int32_t sampleMode;
        std::int32_t withLoops;
        std::int32_t withoutLoops;
    } kCases[] = {{0, 0, 1, 0}, {0, 1, 3, 0}, {0, 2, 0, 0}, {0, 3, 0, 0}, {1, 2, 1, 1},
                  {2, 0, 3, 3}, {3, 0, 0, 0}, {4, 1, 0, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.zoneMode << "/" << c.sampleMode);
        CFakeAkaiSample withLoops = looped;
        withLoops.loopMode = c.sampleMode;
        CFakeAkaiSample withoutLoops = plain;
        withoutLoops.loopMode = c.sampleMode;
        EXPECT_EQ(GetZoneLoopMode(c.zoneMode, withLoops), c.withLoops);
        EXPECT_EQ(GetZoneLoopMode(c.zoneMode, withoutLoops), c.withoutLoops);
    }
}

TEST(LoopRules, LoopWindowFollowsTheHoldLoopWithinTheFrames)
{
    CFakeAkaiSample sample = MakeSample("S", 1000);
    sample.sampleStart = 20;
    sample.sampleEnd = 900;
    sample.loops = {Loop(600, 100, 100)};
    // Without a hold loop, the play range.
    CLoopWindow window = GetZoneLoopWindow(sample);
    EXPECT_EQ(window.start, 20);
    EXPECT_EQ(window.end, 900);

    sample.loops.push_back(Loop(800, 300, 9999));
    window = GetZoneLoopWindow(sample);
    EXPECT_EQ(window.start, 500);
    EXPECT_EQ(window.end, 800);

    // A hold loop that ends before it starts is looped over the whole sample.
    sample.loops = {Loop(0, 0, 9999)};
    window = GetZoneLoopWindow(sample);
    EXPECT_EQ(window.start, 0);
    EXPECT_EQ(window.end, 1000);

    // A loop beyond the data ends at the last frame.
    sample.loops = {Loop(5000, 100, 9999)};
    window = GetZoneLoopWindow(sample);
    EXPECT_EQ(window.start, 1000);
    EXPECT_EQ(window.end, 1000);
}

TEST(StereoRules, NamesOfExactlyTwelveCharacters)
{
    EXPECT_TRUE(IsLeftName("ABCDEFGHIJKL"));
    EXPECT_TRUE(IsRightName("ABCDEFGHIJKR"));
    EXPECT_FALSE(IsLeftName("ABCDEFGHIJL"));
    EXPECT_FALSE(IsStereoName("ABCDEFGHIJR"));
    EXPECT_FALSE(IsStereoName("ABCDEFGHIJKLL"));
    EXPECT_FALSE(IsLeftName("ABCDEFGHIJKl"));
    EXPECT_TRUE(IsStereoNamePair("ABCDEFGHIJKL", "ABCDEFGHIJKR"));
    EXPECT_TRUE(IsStereoNamePair("ABCDEFGHIJKR", "ABCDEFGHIJKL"));
    EXPECT_FALSE(IsStereoNamePair("ABCDEFGHIJKL", "ABCDEFGHIJXR"));
    EXPECT_FALSE(IsStereoNamePair("ABCDEFGHIJKL", "ABCDEFGHIJKL"));
    EXPECT_FALSE(IsStereoNamePair("ABCDEFGHIJL", "ABCDEFGHIJR"));
}

TEST(StereoRules, HalvesPairOnlyWhenEveryPlayParameterAgrees)
{
    CFakeAkaiSample left = MakeSample("GRAND PNO  L");
    left.loops = {Loop(50, 10, 9999)};
    CFakeAkaiSample right = left;
    right.name = "GRAND PNO  R";
    EXPECT_TRUE(IsStereoPair(left, right));
    EXPECT_TRUE(IsStereoPair(right, left));

    const struct
    {
        const char* what;
        void (*spoil)(CFakeAkaiSample&);
    } kSpoilers[] = {
        {"name", [](CFakeAkaiSample& s) { s.name = "GRAND PNX  R"; }},
        {"root", [](CFakeAkaiSample& s) { s.midiRootNote = 61; }},
        {"loop mode", [](CFakeAkaiSample& s) { s.loopMode = 1; }},
        {"tune", [](CFakeAkaiSample& s) { s.tuneCents = 1; }},
        {"length", [](CFakeAkaiSample& s) { s.sampleLength = 99; }},
        {"start", [](CFakeAkaiSample& s) { s.sampleStart = 1; }},
        {"end", [](CFakeAkaiSample& s) { s.sampleEnd = 99; }},
        {"rate", [](CFakeAkaiSample& s) { s.sampleRate = 22050; }},
        {"loop tune", [](CFakeAkaiSample& s) { s.loopTuneOffset = 1; }},
        {"loop point", [](CFakeAkaiSample& s) { s.loops = {Loop(51, 10, 9999)}; }},
        {"loop fraction", [](CFakeAkaiSample& s) { s.loops = {CAkaiLoop(50, 1, 10, 9999)}; }},
        {"no hold loop", [](CFakeAkaiSample& s) { s.loops = {Loop(50, 10, 100)}; }},
    };
    for (const auto& spoiler : kSpoilers) {
        SCOPED_TRACE(spoiler.what);
        CFakeAkaiSample spoilt = right;
        spoiler.spoil(spoilt);
        EXPECT_FALSE(IsStereoPair(left, spoilt));
    }

    // Neither with a hold loop agrees too.
    left.loops.clear();
    right.loops = {Loop(50, 10, 100)};
    EXPECT_TRUE(IsStereoPair(left, right));
}

TEST(SampleFileNames, StereoNamesCutTheStemAndUseTheConverterTexts)
{
    NSPatchTests::UseConverterTestStrings();
    EXPECT_EQ(MakeSampleFileName("PIANO"), "PIANO.wav");
    EXPECT_EQ(MakeStereoSampleFileName("GRAND PNO  L"), "GRAND PNO (S).wav");
    EXPECT_EQ(MakeStereoSampleFileName("STRINGS ABCR"), "STRINGS AB (S).wav");

    NSConverter::SetUIStrings({{401280050, ".wav"}});
    try {
        MakeStereoSampleFileName("GRAND PNO  L");
        ADD_FAILURE() << "a missing text must throw";
    } catch (const std::range_error& e) {
        EXPECT_STREQ(e.what(), "UI string not found");
    }
    NSPatchTests::UseConverterTestStrings();
}
