#include "libs/samplefile/FrameReader.h"

#include "libs/samplefile/SondrelImpl.h"
#include "libs/samplefile/tests/FakeByteStreams.h"
#include "libs/samplefile/tests/WaveTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

namespace {

using namespace NSSondrel;
using NSSondrelTest::Bytes;
using NSSondrelTest::CMemoryByteReader;
using NSSondrelTest::CWaveBuilder;
using NSSondrelTest::MakeFmt;
using NSSondrelTest::MakeSmpl;

TEST(CFrameReaderImpl, FileWithoutDataHasNoFrames)
{
    CMemoryByteReader source(CWaveBuilder().Add("fmt ", MakeFmt(2, 16)).Build());
    NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(source);
    ASSERT_EQ(opened.status, kSondrelSuccess);
    EXPECT_EQ(opened.info.channels, 2u);
    EXPECT_EQ(opened.info.bitsPerSample, 16);
    EXPECT_EQ(opened.info.sampleRate, 44100);
    EXPECT_EQ(opened.info.frameCount, 0);
    EXPECT_EQ(opened.info.loopMode, kLoopNone);
    EXPECT_EQ(opened.info.hasRoot, 0);
    EXPECT_EQ(opened.info.rootKey, 253u);
    EXPECT_EQ(opened.info.fineTune, 123);
    EXPECT_EQ(opened.info.lowValue, 253u);
    EXPECT_EQ(opened.info.highValue, 253u);
    float sample = 0.0f;
    EXPECT_EQ(opened.reader->ReadFrames(0, &sample, 0), kSondrelSuccess);
    EXPECT_EQ(opened.reader->ReadFrames(0, &sample, 1), kSondrelInvalidArgument);
    EXPECT_EQ(opened.reader->IsValid(), 1);
}

TEST(CFrameReaderImpl, EightBitBytesReadOnTheTwentyFourBitScale)
{
    CMemoryByteReader source(CWaveBuilder().Add("fmt ", MakeFmt(1, 8)).Add("data", {0, 255, 128}).Build());
    NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(source);
    ASSERT_EQ(opened.status, kSondrelSuccess);
    EXPECT_EQ(opened.info.frameCount, 3);
    EXPECT_EQ(NSSondrelTest::ReadAllFrames(opened), (std::vector<float>{-8388608.0f, 8323072.0f, 0.0f}));
}

TEST(CFrameReaderImpl, ReadsFromAnyPositionAndCountsWholeFramesOnly)
{
    // Stereo 16 bits: 3 whole frames and one stray byte.
    Bytes data;
    for (std::uint32_t value : {1u, 2u, 3u, 4u, 5u, 0xFFFFu}) {
        NSSondrelTest::AppendLittleEndian(data, value, 2);
    }
    data.push_back(0x7F);
    CMemoryByteReader source(CWaveBuilder().Add("fmt ", MakeFmt(2, 16)).Add("data", data).Build());
    NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(source);
    ASSERT_EQ(opened.status, kSondrelSuccess);
    ASSERT_EQ(opened.info.frameCount, 3);
    float frame[2] = {};
    EXPECT_EQ(opened.reader->ReadFrames(2, frame, 1), kSondrelSuccess);
    EXPECT_EQ(frame[0], 5.0f * 256);
    EXPECT_EQ(frame[1], -256.0f);
    EXPECT_EQ(opened.reader->ReadFrames(1, frame, 1), kSondrelSuccess);
    EXPECT_EQ(frame[0], 3.0f * 256);
    EXPECT_EQ(opened.reader->ReadFrames(2, frame, 2), kSondrelInvalidArgument);
    EXPECT_EQ(opened.reader->ReadFrames(-1, frame, 1), kSondrelInvalidArgument);
    EXPECT_EQ(opened.reader->ReadFrames(0, frame, -1), kSondrelInvalidArgument);
    EXPECT_EQ(opened.reader->ReadFrames(0, nullptr, 1), kSondrelInvalidArgument);
    // first + count overflows 32 bits.
    EXPECT_EQ(opened.reader->ReadFrames(2, frame, std::numeric_limits<std::int32_t>::max()), kSondrelInvalidArgument);
    EXPECT_FALSE(source.WasAskedOutside());
}

TEST(CFrameReaderImpl, SamplerChunkGivesLoopAndRoot)
{
    const struct
    {
        const char* name;
        Bytes smpl;
        std::int32_t loopMode;
        std::int32_t alternate;
        std::uint32_t loopStart;
        std::uint32_t loopEnd;
        std::int32_t hasRoot;
        std::uint32_t rootKey;
        std::int32_t fineTune;
    } kCases[] = {
        {"end 99 is exclusive 100", MakeSmpl(60, 0x80000000u, {{0, 10, 99}}), kLoopForward, kAlternateNo, 10, 100, 1, 60, 50},
        {"alternating", MakeSmpl(60, 0xC0000000u, {{1, 10, 99}}), kLoopForward, kAlternateYes, 10, 100, 1, 61, -25},
        {"backward", MakeSmpl(127, 0x90000000u, {{2, 0, 499}}), kLoopBackward, kAlternateNo, 0, 500, 1, 127, 50},
        {"clipped to the frame count", MakeSmpl(60, 0, {{0, 300, 999}}), kLoopForward, kAlternateNo, 300, 500, 1, 60, 0},
        {"wholly past the frames", MakeSmpl(60, 0, {{0, 600, 999}}), kLoopNone, kAlternateNo, 0, 0, 1, 60, 0},
        {"header alone", MakeSmpl(59, 0xC0000000u, {}), kLoopNone, kAlternateNo, 0, 0, 1, 60, -25},
        {"SMPTE 31", MakeSmpl(60, 0, {{0, 10, 99}}, 31), kLoopNone, kAlternateNo, 0, 0, 0, 253, 123},
        {"unity note 200", MakeSmpl(200, 0, {{0, 10, 99}}), kLoopNone, kAlternateNo, 0, 0, 0, 253, 123},
        {"loop count that wraps in 32 bits", MakeSmpl(60, 0, {}, 0, 0x0AAAAAABu, 0xFFFFFFF8u), kLoopNone,
         kAlternateNo, 0, 0, 0, 253, 123},
        {"loop record missing", MakeSmpl(60, 0, {}, 0, 1), kLoopNone, kAlternateNo, 0, 0, 0, 253, 123},
        {"header cut short", Bytes(30, 0), kLoopNone, kAlternateNo, 0, 0, 0, 253, 123},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CMemoryByteReader source(
            CWaveBuilder().Add("fmt ", MakeFmt(1, 16)).Add("smpl", c.smpl).Add("data", Bytes(1000, 0)).Build());
        NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(source);
        ASSERT_EQ(opened.status, kSondrelSuccess);
        EXPECT_EQ(opened.info.frameCount, 500);
        EXPECT_EQ(opened.info.loopMode, c.loopMode);
        EXPECT_EQ(opened.info.alternate, c.alternate);
        EXPECT_EQ(opened.info.loopStart, c.loopStart);
        EXPECT_EQ(opened.info.loopEnd, c.loopEnd);
        EXPECT_EQ(opened.info.hasRoot, c.hasRoot);
        EXPECT_EQ(opened.info.rootKey, c.rootKey);
        EXPECT_EQ(opened.info.fineTune, c.fineTune);
        EXPECT_EQ(opened.info.lowValue, c.hasRoot != 0 ? 0u : 253u);
        EXPECT_EQ(opened.info.highValue, c.hasRoot != 0 ? 127u : 253u);
        EXPECT_FALSE(source.WasAskedOutside());
    }
}

TEST(CFrameReaderImpl, ByteReaderFailuresBecomeStatusCodes)
{
    const Bytes file = CWaveBuilder().Add("fmt ", MakeFmt(1, 16)).Add("data", Bytes(20, 0)).Build();
    for (const auto& [code, status] : {std::pair{5001, kSondrelOutOfMemory}, std::pair{5002, kSondrelReadFailure}}) {
        SCOPED_TRACE(code);
        CMemoryByteReader failingAtOnce(file);
        failingAtOnce.FailFromCall(1, code);
        EXPECT_EQ(NSSondrelTest::OpenWave(failingAtOnce).status, status);

        CMemoryByteReader failingLater(file);
        NSSondrelTest::OpenedWave opened = NSSondrelTest::OpenWave(failingLater);
        ASSERT_EQ(opened.status, kSondrelSuccess);
        failingLater.FailFromCall(failingLater.GetCallCount() + 1, code);
        float samples[10] = {};
        EXPECT_EQ(opened.reader->ReadFrames(0, samples, 10), status);
    }
}

TEST(CFrameReaderImpl, CreationRefusesBadArguments)
{
    CSondrelImpl library;
    CMemoryByteReader source(CWaveBuilder().Add("fmt ", MakeFmt(1, 16)).Build());
    FormatInfo info{};
    std::int32_t status = 0;
    EXPECT_EQ(library.CreateFrameReader(&source, -1, &info, &status), nullptr);
    EXPECT_EQ(status, kSondrelInvalidArgument);
    status = 0;
    EXPECT_EQ(library.CreateFrameReader(nullptr, source.GetSize(), &info, &status), nullptr);
    EXPECT_EQ(status, kSondrelInvalidArgument);
    status = 0;
    EXPECT_EQ(library.CreateFrameReader(&source, source.GetSize(), nullptr, &status), nullptr);
    EXPECT_EQ(status, kSondrelInvalidArgument);
    EXPECT_EQ(library.CreateFrameReader(&source, source.GetSize(), &info, nullptr), nullptr);
    // The media family counts in signed 32 bits; a larger stream is refused, not wrapped.
    status = 0;
    EXPECT_EQ(library.CreateFrameReader(&source, std::int64_t{1} << 32 | 44, &info, &status), nullptr);
    EXPECT_EQ(status, kSondrelUnsupportedFormat);
    EXPECT_EQ(source.GetCallCount(), 0);
}

} // namespace
