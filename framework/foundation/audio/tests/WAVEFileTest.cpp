#include "framework/foundation/audio/WAVEFile.h"

#include "framework/foundation/audio/AIFFFile.h"
#include "framework/foundation/audio/WaveSample.h"
#include "framework/foundation/audio/tests/AudioTestSupport.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace NSTramvell;
using namespace NSAudioTests;
using NSChunkTests::ContentsOf;
using NSChunkTests::MediaWith;
using NSChunkTests::Pattern;

CSampleInfo TunedLoop(std::int32_t mode, std::int32_t alternating)
{
    CSampleInfo info;
    info.mLoopMode = mode;
    info.mAlternating = alternating;
    info.mLoopStart = 100;
    info.mLoopEnd = 2400;
    info.mTuningPresent = 1;
    info.mRootKey = 71;
    info.mFineTuneInCents = -23;
    return info;
}

TEST(WAVEFile, RoundTripsEachDepthLayoutAndLoop)
{
    const struct
    {
        const char* name;
        std::int32_t mode;
        std::int32_t alternating;
    } kLoops[] = {
        {"no loop", kLoopModeNone, 0}, {"forward", kLoopModeLooping, 0}, {"alternating", kLoopModeLooping, 1}};
    for (const std::int32_t bits : {8, 16, 24}) {
        for (const std::int16_t channels : {std::int16_t{1}, std::int16_t{2}}) {
            for (const auto& loop : kLoops) {
                SCOPED_TRACE(std::to_string(bits) + " bits, " + std::to_string(channels) + " channels, " + loop.name);
                const TSamples values = SamplePattern(2500 * channels, bits + channels); // past a 2048-frame block
                auto sample = MakeSample(channels, 22050, 16, values);
                const CSampleInfo info = TunedLoop(loop.mode, loop.alternating);
                COwnedMemoryMedia file;
                WriteWAVE(file, *sample, &info, bits);

                const CWaveSampleDescription read = ReadWAVEParams(file);
                EXPECT_EQ(read.mChannelCount, channels);
                EXPECT_EQ(read.mBitsPerSample, bits);
                EXPECT_EQ(read.mSampleRate, 22050u);
                EXPECT_EQ(read.mFrameCount, 2500);
                const bool looping = loop.mode == kLoopModeLooping;
                EXPECT_EQ(read.mInfo.mLoopMode, loop.mode);
                EXPECT_EQ(read.mInfo.mAlternating, loop.alternating);
                EXPECT_EQ(read.mInfo.mLoopStart, looping ? 100 : 0);
                EXPECT_EQ(read.mInfo.mLoopEnd, looping ? 2400 : 0);
                EXPECT_EQ(read.mInfo.mTuningPresent, 1);
                EXPECT_EQ(read.mInfo.mRootKey, 71);
                EXPECT_EQ(int{read.mInfo.mFineTuneInCents}, -23);

                auto back = ReadWAVESample(file);
                EXPECT_EQ(back->GetBitsPerSample(), bits);
                EXPECT_EQ(ValuesOf(*back), KeptAtDepth(values, bits));
            }
        }
    }
}

TEST(WAVEFile, FormatFieldsAndNoSamplerChunkWithoutInfo)
{
    auto sample = MakeSample(2, 44100, 16, SamplePattern(8));
    COwnedMemoryMedia file;
    WriteWAVE(file, *sample, nullptr, 16);
    const TBytes bytes = ContentsOf(file);
    ASSERT_EQ(bytes.size(), 12u + 24 + 8 + 16);
    EXPECT_EQ(TBytes(bytes.begin() + 12, bytes.begin() + 16), NSChunkTests::Text("fmt "));
    EXPECT_EQ(ReadLittleEndian32(bytes.data() + 28), 176400u);
    EXPECT_EQ(ReadLittleEndian16(bytes.data() + 32), 4);
    EXPECT_EQ(ReadWAVEParams(file).mInfo.mTuningPresent, 0);

    // Three 8-bit frames leave an odd "data" chunk, padded; the reader steps over the pad.
    auto odd = MakeSample(1, 8000, 16, {256, -256, 0x7F00});
    COwnedMemoryMedia oddFile;
    CSampleInfo info;
    WriteWAVE(oddFile, *odd, &info, 8);
    EXPECT_EQ(oddFile.GetSize(), 12 + 24 + 8 + 4 + 8 + 36);
    EXPECT_EQ(ReadWAVEParams(oddFile).mInfo.mTuningPresent, 1);
    EXPECT_EQ(ValuesOf(*ReadWAVESample(oddFile)), (TSamples{256, -256, 0x7F00}));
}

// Every fine tune the writer stores reads back to the cent, also next to the ends of the key range.
TEST(WAVEFile, FineTuneRoundTripsToTheCent)
{
    auto sample = MakeSample(1, 44100, 16, SamplePattern(4));
    const struct
    {
        std::uint8_t root;
        std::int32_t lowest;
    } kRoots[] = {{60, -50}, {127, -50}, {0, 0}};
    for (const auto& root : kRoots) {
        for (std::int32_t cents = root.lowest; cents <= 50; ++cents) {
            SCOPED_TRACE(std::to_string(root.root) + " " + std::to_string(cents));
            CSampleInfo info;
            info.mTuningPresent = 1;
            info.mRootKey = root.root;
            info.mFineTuneInCents = static_cast<std::int8_t>(cents);
            COwnedMemoryMedia file;
            WriteWAVE(file, *sample, &info, 16);
            const CSampleInfo read = ReadWAVEParams(file).mInfo;
            EXPECT_EQ(read.mRootKey, root.root);
            EXPECT_EQ(int{read.mFineTuneInCents}, cents);
        }
    }
}

const TBytes kMonoFormat = FormatChunk(1, 1, 44100, 16);
const TBytes kHundredFrames = RIFFChunk("data", Pattern(200));

TEST(WAVEFile, SamplerChunkTuningAndLoops)
{
    const struct
    {
        const char* name;
        TBytes sampler;
        std::uint8_t root;
        std::int32_t fineTune;
        std::int32_t mode;
        std::int32_t start;
        std::int32_t end;
    } kCases[] = {
        {"half a semitone up", SamplerChunk(60, 0x80000000, {}), 60, 50, kLoopModeNone, 0, 0},
        {"three quarters up", SamplerChunk(60, 0xC0000000, {}), 61, -25, kLoopModeNone, 0, 0},
        {"three quarters up from the top key", SamplerChunk(127, 0xC0000000, {}), 127, 50, kLoopModeNone, 0, 0},
        {"backward loop kept", SamplerChunk(60, 0, {{2, 10, 19}}), 60, 0, kLoopModeKeptNotLooping, 10, 20},
        {"unknown loop type", SamplerChunk(60, 0, {{7, 10, 19}}), 60, 0, kLoopModeNone, 10, 20},
        {"start after end", SamplerChunk(60, 0, {{0, 30, 19}}), 60, 0, kLoopModeNone, 0, 0},
        {"start at end", SamplerChunk(60, 0, {{0, 20, 19}}), 60, 0, kLoopModeNone, 0, 0},
        {"end at the 32-bit top", SamplerChunk(60, 0, {{0, 10, 0xFFFFFFFF}}), 60, 0, kLoopModeLooping, 10, 100},
        {"negative start", SamplerChunk(60, 0, {{0, 0xFFFFFFF0, 19}}), 60, 0, kLoopModeNone, 0, 20},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        COwnedMemoryMedia file = MediaWith(WAVEFile(kMonoFormat + kHundredFrames + c.sampler));
        const CSampleInfo info = ReadWAVEParams(file).mInfo;
        EXPECT_EQ(info.mTuningPresent, 1);
        EXPECT_EQ(info.mRootKey, c.root);
        EXPECT_EQ(int{info.mFineTuneInCents}, c.fineTune);
        EXPECT_EQ(info.mLoopMode, c.mode);
        EXPECT_EQ(info.mLoopStart, c.start);
        EXPECT_EQ(info.mLoopEnd, c.end);
    }
}

TEST(WAVEFile, DamagedFilesFailWithTheirClassAndADamagedSamplerChunkIsIgnored)
{
    enum EOutcome
    {
        kBadFormat,
        kUnsupported,
        kDefaultsKept
    };
    const TBytes validLoop = SamplerChunk(70, 0, {{0, 1, 50}});
    TBytes shortSampler(validLoop.begin(), validLoop.begin() + 8 + 20);
    shortSampler[4] = 20;
    const struct
    {
        const char* name;
        TBytes file;
        EOutcome outcome;
    } kCases[] = {
        {"not RIFF", AIFFFile(kMonoFormat + kHundredFrames), kBadFormat},
        {"no fmt", WAVEFile(kHundredFrames), kBadFormat},
        {"short fmt", WAVEFile(RIFFChunk("fmt ", Pattern(14)) + kHundredFrames), kBadFormat},
        {"no channels", WAVEFile(FormatChunk(1, 0, 44100, 16) + kHundredFrames), kBadFormat},
        {"rate 0", WAVEFile(FormatChunk(1, 1, 0, 16) + kHundredFrames), kBadFormat},
        {"three channels", WAVEFile(FormatChunk(1, 3, 44100, 16) + kHundredFrames), kUnsupported},
        {"float format", WAVEFile(FormatChunk(3, 1, 44100, 16) + kHundredFrames), kUnsupported},
        {"extensible format", WAVEFile(FormatChunk(0xFFFE, 1, 44100, 16) + kHundredFrames), kUnsupported},
        {"12 bits", WAVEFile(FormatChunk(1, 1, 44100, 12) + kHundredFrames), kUnsupported},
        {"data past the end",
         WAVEFile(kMonoFormat + NSChunkTests::Text("data") + NSChunkTests::LittleEndian(400) + Pattern(200)),
         kBadFormat},
        {"smpl of 20 bytes", WAVEFile(kMonoFormat + kHundredFrames + shortSampler), kDefaultsKept},
        {"unity note 128", WAVEFile(kMonoFormat + kHundredFrames + SamplerChunk(128, 0, {{0, 1, 50}})), kDefaultsKept},
        {"SMPTE 26", WAVEFile(kMonoFormat + kHundredFrames + SamplerChunk(70, 0, {{0, 1, 50}}, 26)), kDefaultsKept},
        {"loops past the chunk", WAVEFile(kMonoFormat + kHundredFrames + SamplerChunk(70, 0, {{0, 1, 50}}, 0, 2)),
         kDefaultsKept},
        // 24 * 0x0AAAAAAB wraps to 8 in 32 bits, which would let the 60-byte chunk pass.
        {"loop count wrapping 32 bits",
         WAVEFile(kMonoFormat + kHundredFrames + SamplerChunk(70, 0, {{0, 1, 50}}, 0, 0x0AAAAAAB)), kDefaultsKept},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        COwnedMemoryMedia file = MediaWith(c.file);
        switch (c.outcome) {
        case kBadFormat:
            EXPECT_THROW(ReadWAVEParams(file), XBadFormat);
            EXPECT_THROW(ReadWAVESample(file), XBadFormat);
            break;
        case kUnsupported:
            EXPECT_THROW(ReadWAVEParams(file), XUnsupportedFormat);
            EXPECT_THROW(ReadWAVESample(file), XUnsupportedFormat);
            break;
        case kDefaultsKept: {
            const CWaveSampleDescription read = ReadWAVEParams(file);
            EXPECT_EQ(read.mInfo.mTuningPresent, 0);
            EXPECT_EQ(read.mInfo.mRootKey, 60);
            EXPECT_EQ(read.mInfo.mLoopMode, kLoopModeNone);
            EXPECT_EQ(read.mInfo.mLoopEnd, 0);
            EXPECT_EQ(ReadWAVESample(file)->GetFrameCount(), 100);
            break;
        }
        }
    }
}

TEST(WAVEFile, WithoutDataTheParametersCountNoFramesAndTheSampleFails)
{
    COwnedMemoryMedia file = MediaWith(WAVEFile(kMonoFormat + SamplerChunk(60, 0, {})));
    EXPECT_EQ(ReadWAVEParams(file).mFrameCount, 0);
    EXPECT_THROW(ReadWAVESample(file), XBadFormat);
    COwnedMemoryMedia empty = MediaWith(WAVEFile(kMonoFormat + RIFFChunk("data", {})));
    EXPECT_EQ(ReadWAVESample(empty)->GetFrameCount(), 0);
}

TEST(SampleFileWriters, RefuseUnwritableDepthsAndRatesBeforeWriting)
{
    auto sample = MakeSample(1, 44100, 16, SamplePattern(4));
    auto silentRate = MakeSample(1, 0, 16, SamplePattern(4));
    const CSampleInfo info;
    const struct
    {
        const char* name;
        CWaveSample& sample;
        std::int32_t bits;
    } kCases[] = {{"0 bits", *sample, 0}, {"12 bits", *sample, 12}, {"20 bits", *sample, 20},
                  {"32 bits", *sample, 32}, {"rate 0", *silentRate, 16}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        COwnedMemoryMedia wave;
        EXPECT_THROW(WriteWAVE(wave, c.sample, &info, c.bits), XUnsupportedFormat);
        EXPECT_EQ(wave.GetSize(), 0);
        COwnedMemoryMedia aiff;
        EXPECT_THROW(WriteAIFF(aiff, c.sample, &info, c.bits, CFourCharCode("abcd"), "x", 1), XUnsupportedFormat);
        EXPECT_EQ(aiff.GetSize(), 0);
    }
}

} // namespace
