#include "libs/samplefile/SondrelImpl.h"
#include "libs/samplefile/tests/FakeByteStreams.h"
#include "libs/samplefile/tests/WaveTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace NSSondrel;
using NSSondrelTest::Bytes;
using NSSondrelTest::CMemoryByteReader;
using NSSondrelTest::MakeFormat;
using NSSondrelTest::WithLoop;
using NSSondrelTest::WithRoot;

// Samples on the grid of the stored width, spread over the whole range and including both ends.
std::vector<float> GridSamples(std::int32_t bits, std::uint32_t channels, std::int32_t frameCount)
{
    const std::int64_t step = std::int64_t{1} << (24 - bits);
    const std::int64_t gridPoints = (std::int64_t{1} << 24) / step;
    std::vector<float> samples;
    for (std::int64_t i = 0; i < std::int64_t{frameCount} * channels; ++i) {
        const std::int64_t point = (i * 2654435761LL) % gridPoints;
        samples.push_back(static_cast<float>(point * step - 8388608));
    }
    samples.front() = -8388608.0f;
    samples.back() = static_cast<float>(8388608 - step);
    return samples;
}

void ExpectSameInfo(const FormatInfo& read, const FormatInfo& expected)
{
    EXPECT_EQ(read.channels, expected.channels);
    EXPECT_EQ(read.bitsPerSample, expected.bitsPerSample);
    EXPECT_EQ(read.sampleRate, expected.sampleRate);
    EXPECT_EQ(read.frameCount, expected.frameCount);
    EXPECT_EQ(read.loopMode, expected.loopMode);
    EXPECT_EQ(read.alternate, expected.alternate);
    EXPECT_EQ(read.loopStart, expected.loopStart);
    EXPECT_EQ(read.loopEnd, expected.loopEnd);
    EXPECT_EQ(read.hasRoot, expected.hasRoot);
    EXPECT_EQ(read.rootKey, expected.rootKey);
    EXPECT_EQ(read.fineTune, expected.fineTune);
    EXPECT_EQ(read.lowValue, expected.lowValue);
    EXPECT_EQ(read.highValue, expected.highValue);
}

FormatInfo AsRead(FormatInfo info, std::int32_t frameCount)
{
    info.frameCount = frameCount;
    if (info.hasRoot != 0) {
        info.lowValue = 0;
        info.highValue = 127;
    } else {
        info.rootKey = kNoRootKey;
        info.fineTune = kNoFineTune;
        info.lowValue = kNoKeyValue;
        info.highValue = kNoKeyValue;
    }
    return info;
}

TEST(RoundTrip, GridSamplesAndFormatComeBackUnchanged)
{
    for (std::int32_t bits : {8, 16, 20, 22, 24}) {
        for (std::uint32_t channels : {1u, 2u}) {
            SCOPED_TRACE(testing::Message() << channels << " x " << bits);
            const std::int32_t frameCount = 1001;
            const FormatInfo info = WithRoot(WithLoop(MakeFormat(channels, bits, 32000), kLoopForward, 17, 1001), 72, 33);
            const std::vector<float> samples = GridSamples(bits, channels, frameCount);
            CMemoryByteReader source(NSSondrelTest::WriteWave(info, samples));
            NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(source);
            ASSERT_EQ(opened.status, kSondrelSuccess);
            ExpectSameInfo(opened.info, AsRead(info, frameCount));
            EXPECT_EQ(NSSondrelTest::ReadAllFrames(opened), samples);
        }
    }
}

TEST(RoundTrip, LoopForms)
{
    const FormatInfo base = MakeFormat(2, 16);
    const struct
    {
        const char* name;
        FormatInfo written;
        FormatInfo read;
    } kCases[] = {
        {"no loop, no root", base, AsRead(base, 300)},
        {"no loop keeps no root", WithRoot(base, 60, 10), AsRead(base, 300)},
        {"forward", WithLoop(base, kLoopForward, 0, 300), AsRead(WithRoot(WithLoop(base, kLoopForward, 0, 300), 60, 0), 300)},
        {"alternating", WithRoot(WithLoop(base, kLoopForward, 100, 200, kAlternateYes), 127, 50),
         AsRead(WithRoot(WithLoop(base, kLoopForward, 100, 200, kAlternateYes), 127, 50), 300)},
        // A backward loop is stored without a loop record: what comes back is no loop, with the root.
        {"backward", WithRoot(WithLoop(base, kLoopBackward, 100, 200), 60, -25),
         AsRead(WithRoot(base, 60, -25), 300)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CMemoryByteReader source(NSSondrelTest::WriteWave(c.written, std::vector<float>(600, 0.0f)));
        NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(source);
        ASSERT_EQ(opened.status, kSondrelSuccess);
        ExpectSameInfo(opened.info, c.read);
    }
}

TEST(RoundTrip, EveryRootKeyAndFineTuneThroughAFile)
{
    const std::vector<float> samples(4, 0.0f);
    for (std::uint32_t rootKey = 0; rootKey <= 127; ++rootKey) {
        for (std::int32_t fineTune = -50; fineTune <= 50; ++fineTune) {
            SCOPED_TRACE(testing::Message() << rootKey << " " << fineTune);
            const FormatInfo info = WithRoot(WithLoop(MakeFormat(1, 8), kLoopForward, 0, 4), rootKey, fineTune);
            CMemoryByteReader source(NSSondrelTest::WriteWave(info, samples));
            NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(source);
            ASSERT_EQ(opened.status, kSondrelSuccess);
            // Root 0 has no note below it: a negative fine tune is stored as note 0, fraction 0.
            const bool storedAsZero = rootKey == 0 && fineTune < 0;
            ASSERT_EQ(opened.info.rootKey, rootKey);
            ASSERT_EQ(opened.info.fineTune, storedAsZero ? 0 : fineTune);
        }
    }
}

} // namespace
