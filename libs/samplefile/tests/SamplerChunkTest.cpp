#include "libs/samplefile/SamplerChunk.h"

#include "libs/samplefile/tests/FakeByteStreams.h"
#include "libs/samplefile/tests/WaveTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace NSSondrel;
using NSSondrelTest::MakeSmpl;
using NSSondrelTest::ReadLittleEndianAt;

TEST(UnityPitch, EncodesRootAndFineTune)
{
    const struct
    {
        std::uint32_t rootKey;
        std::int32_t fineTune;
        std::uint32_t unityNote;
        std::uint32_t pitchFraction;
    } kCases[] = {
        {60, 0, 60, 0},
        {60, 50, 60, 0x80000000u},
        {60, 75, 60, 0x80000000u}, // clamped to 50
        {60, -25, 59, 0xC0000000u},
        {60, -50, 59, 0x80000100u},
        {127, 50, 127, 0x80000000u},
        {0, -1, 0, 0},
        {0, 1, 0, (8388608u / 50 + 1) * 256u},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.rootKey << " " << c.fineTune);
        const UnityPitch pitch = EncodeUnityPitch(c.rootKey, c.fineTune);
        EXPECT_EQ(pitch.unityNote, c.unityNote);
        EXPECT_EQ(pitch.pitchFraction, c.pitchFraction);
    }
}

TEST(UnityPitch, DecodesNoteAndFraction)
{
    const struct
    {
        std::uint32_t unityNote;
        std::uint32_t pitchFraction;
        std::uint32_t rootKey;
        std::int32_t fineTune;
    } kCases[] = {
        {60, 0, 60, 0},
        {60, 0x80000000u, 60, 50},
        {60, 0x800000FFu, 60, 50},
        {60, 0xC0000000u, 61, -25},
        {127, 0x90000000u, 127, 50},
        {126, 0x90000000u, 127, -43},
        {60, 0xFFFFFFFFu, 61, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.unityNote << " " << std::hex << c.pitchFraction);
        const RootPitch root = DecodeUnityPitch({c.unityNote, c.pitchFraction});
        EXPECT_EQ(root.rootKey, c.rootKey);
        EXPECT_EQ(root.fineTune, c.fineTune);
    }
}

// Root 0 has no note below it for a negative fine tune.
TEST(UnityPitch, EveryRootAndFineTuneSurvive)
{
    for (std::uint32_t rootKey = 0; rootKey <= 127; ++rootKey) {
        for (std::int32_t fineTune = -50; fineTune <= 50; ++fineTune) {
            SCOPED_TRACE(testing::Message() << rootKey << " " << fineTune);
            const RootPitch root = DecodeUnityPitch(EncodeUnityPitch(rootKey, fineTune));
            const bool storedAsZero = rootKey == 0 && fineTune < 0;
            EXPECT_EQ(root.rootKey, rootKey);
            EXPECT_EQ(root.fineTune, storedAsZero ? 0 : fineTune);
        }
    }
}

TEST(BuildSamplerChunk, ForwardLoopHasOneRecordWithAnInclusiveEnd)
{
    const FormatInfo info = NSSondrelTest::WithLoop(NSSondrelTest::MakeFormat(1, 16, 44100), kLoopForward, 100, 200);
    const std::vector<std::uint8_t> chunk = BuildSamplerChunk(info);
    ASSERT_EQ(chunk.size(), 60u);
    const std::uint32_t kExpected[] = {0, 0, 22675, 60, 0, 0, 0, 1, 0, 0, 0, 100, 199, 0, 0};
    for (std::size_t i = 0; i < std::size(kExpected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ReadLittleEndianAt(chunk, 4 * i, 4), kExpected[i]);
    }
}

TEST(BuildSamplerChunk, AlternatingLoopHasTypeOneAndBackwardLoopNoRecord)
{
    const FormatInfo base = NSSondrelTest::WithRoot(NSSondrelTest::MakeFormat(2, 24, 48000), 60, -25);
    const std::vector<std::uint8_t> alternating =
        BuildSamplerChunk(NSSondrelTest::WithLoop(base, kLoopForward, 0, 10, kAlternateYes));
    ASSERT_EQ(alternating.size(), 60u);
    EXPECT_EQ(ReadLittleEndianAt(alternating, 36 + 4, 4), 1u);
    const std::vector<std::uint8_t> backward = BuildSamplerChunk(NSSondrelTest::WithLoop(base, kLoopBackward, 0, 10));
    ASSERT_EQ(backward.size(), 36u);
    EXPECT_EQ(ReadLittleEndianAt(backward, 8, 4), 20833u);
    EXPECT_EQ(ReadLittleEndianAt(backward, 12, 4), 59u);
    EXPECT_EQ(ReadLittleEndianAt(backward, 16, 4), 0xC0000000u);
    EXPECT_EQ(ReadLittleEndianAt(backward, 28, 4), 0u);
}

struct ParseCase
{
    const char* name;
    std::vector<std::uint8_t> chunk;
    bool valid;
    std::int32_t loopMode;
    std::int32_t alternate;
    std::uint32_t loopStart;
    std::uint32_t loopEnd;
};

TEST(ParseSamplerChunk, ReadsTheFirstLoopOrRefusesAMalformedChunk)
{
    using NSSondrelTest::SampleLoop;
    const ParseCase kCases[] = {
        {"no loops", MakeSmpl(60, 0, {}), true, kLoopNone, kAlternateNo, 0, 0},
        {"forward", MakeSmpl(60, 0, {{0, 10, 99}}), true, kLoopForward, kAlternateNo, 10, 100},
        {"alternating", MakeSmpl(60, 0, {{1, 10, 99}}), true, kLoopForward, kAlternateYes, 10, 100},
        {"backward", MakeSmpl(60, 0, {{2, 10, 99}, {0, 1, 2}}), true, kLoopBackward, kAlternateNo, 10, 100},
        {"unknown type", MakeSmpl(60, 0, {{3, 10, 99}}), true, kLoopNone, kAlternateNo, 10, 100},
        {"negative start", MakeSmpl(60, 0, {{0, 0x80000000u, 99}}), true, kLoopNone, kAlternateNo, 0, 100},
        {"start after end", MakeSmpl(60, 0, {{0, 100, 98}}), true, kLoopNone, kAlternateNo, 0, 0},
        {"end wraps to 0", MakeSmpl(60, 0, {{0, 0, 0xFFFFFFFFu}}), true, kLoopNone, kAlternateNo, 0, 0},
        {"SMPTE 25", MakeSmpl(60, 0, {}, 25), true, kLoopNone, kAlternateNo, 0, 0},
        {"SMPTE 31", MakeSmpl(60, 0, {}, 31), false, 0, 0, 0, 0},
        {"unity note 128", MakeSmpl(128, 0, {}), false, 0, 0, 0, 0},
        {"sampler data beyond the chunk", MakeSmpl(60, 0, {}, 0, UINT32_MAX, 1), false, 0, 0, 0, 0},
        // 36 + 24 * 0x0AAAAAAB + 0xFFFFFFF8 is 36 in 32 bits.
        {"loop count that wraps", MakeSmpl(60, 0, {{0, 1, 2}}, 0, 0x0AAAAAABu, 0xFFFFFFF8u), false, 0, 0, 0, 0},
    };
    for (const ParseCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::uint8_t* firstLoop = c.chunk.size() >= 60 ? c.chunk.data() + 36 : nullptr;
        const std::optional<SamplerSettings> settings =
            ParseSamplerChunk(c.chunk.data(), static_cast<std::int64_t>(c.chunk.size()), firstLoop);
        ASSERT_EQ(settings.has_value(), c.valid);
        if (!settings) {
            continue;
        }
        EXPECT_TRUE(settings->hasRoot);
        EXPECT_EQ(settings->loopMode, c.loopMode);
        EXPECT_EQ(settings->alternate, c.alternate);
        EXPECT_EQ(settings->loopStart, c.loopStart);
        EXPECT_EQ(settings->loopEnd, c.loopEnd);
    }
}

} // namespace
