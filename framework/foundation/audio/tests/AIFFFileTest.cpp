#include "framework/foundation/audio/AIFFFile.h"

#include "framework/foundation/audio/WaveSample.h"
#include "framework/foundation/audio/tests/AudioTestSupport.h"
#include "framework/foundation/chunks/IFFChunk.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/FrameworkConstants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace NSTramvell;
using namespace NSAudioTests;
using NSChunkTests::BigEndian;
using NSChunkTests::ContentsOf;
using NSChunkTests::MediaWith;
using NSChunkTests::Pattern;
using NSChunkTests::Text;

TBytes Rate(double rate)
{
    TBytes stored(10);
    WriteExtended80(stored.data(), rate);
    return stored;
}

TBytes CommonChunk(std::uint16_t channels, std::uint32_t frames, std::uint16_t bits, const TBytes& rate,
                   const TBytes& compression = {})
{
    return IFFChunk("COMM", BigEndian16(channels) + BigEndian(frames) + BigEndian16(bits) + rate + compression);
}

TBytes InstrumentChunk(std::uint16_t playMode, std::uint16_t beginId, std::uint16_t endId,
                       std::uint8_t baseNote = 64, std::uint8_t detune = 0xF6 /* -10 */, std::uint16_t releaseMode = 0)
{
    return IFFChunk("INST", TBytes{baseNote, detune, 20, 100, 1, 127} + BigEndian16(0) + BigEndian16(playMode) +
                                BigEndian16(beginId) + BigEndian16(endId) + BigEndian16(releaseMode) +
                                BigEndian16(0) + BigEndian16(0));
}

TBytes Marker(std::uint16_t id, std::uint32_t position, const std::string& name)
{
    TBytes marker = BigEndian16(id) + BigEndian(position) + TBytes{static_cast<std::uint8_t>(name.size())} + Text(name);
    if (marker.size() % 2 != 0)
        marker.push_back(0);
    return marker;
}

TBytes MarkerChunk(const TBytes& markers, std::uint16_t count, std::size_t cut = 0)
{
    const TBytes data = BigEndian16(count) + markers;
    return IFFChunk("MARK", TBytes(data.begin(), data.end() - static_cast<std::ptrdiff_t>(cut)));
}

const TBytes kMonoCommon = CommonChunk(1, 100, 16, Rate(44100));
const TBytes kHundredFrames = IFFChunk("SSND", TBytes(8, 0) + Pattern(200));

TEST(AIFFFile, RoundTripsEachDepthLayoutLoopAndKeyRange)
{
    const struct
    {
        const char* name;
        std::int32_t mode;
        std::int32_t alternating;
    } kLoops[] = {{"no loop", kLoopModeNone, 0},
                  {"kept, not looping", kLoopModeKeptNotLooping, 0},
                  {"forward", kLoopModeLooping, 0},
                  {"alternating", kLoopModeLooping, 1}};
    for (const std::int32_t bits : {8, 16, 24}) {
        for (const std::int16_t channels : {std::int16_t{1}, std::int16_t{2}}) {
            for (const auto& loop : kLoops) {
                SCOPED_TRACE(std::to_string(bits) + " bits, " + std::to_string(channels) + " channels, " + loop.name);
                const TSamples values = SamplePattern(2100 * channels, bits * channels);
                auto sample = MakeSample(channels, 48000, 16, values);
                CSampleInfo info;
                info.mLoopMode = loop.mode;
                info.mAlternating = loop.alternating;
                info.mLoopStart = 7;
                info.mLoopEnd = 2099;
                info.mTuningPresent = 1;
                info.mRootKey = 35;
                info.mFineTuneInCents = 49;
                info.mKeyRangePresent = 1;
                info.mLowKey = 30;
                info.mHighKey = 40;
                COwnedMemoryMedia file;
                WriteAIFF(file, *sample, &info, bits);

                const CWaveSampleDescription read = ReadAIFFParams(file);
                EXPECT_EQ(read.mChannelCount, channels);
                EXPECT_EQ(read.mBitsPerSample, bits);
                EXPECT_EQ(read.mSampleRate, 48000u);
                EXPECT_EQ(read.mFrameCount, 2100);
                const bool hasLoop = loop.mode != kLoopModeNone;
                EXPECT_EQ(read.mInfo.mLoopMode, loop.mode);
                EXPECT_EQ(read.mInfo.mAlternating, loop.alternating);
                EXPECT_EQ(read.mInfo.mLoopStart, hasLoop ? 7 : 0);
                EXPECT_EQ(read.mInfo.mLoopEnd, hasLoop ? 2099 : 0);
                EXPECT_EQ(read.mInfo.mRootKey, 35);
                EXPECT_EQ(int{read.mInfo.mFineTuneInCents}, 49);
                EXPECT_EQ(read.mInfo.mKeyRangePresent, 1);
                EXPECT_EQ(read.mInfo.mLowKey, 30);
                EXPECT_EQ(read.mInfo.mHighKey, 40);

                auto back = ReadAIFFSample(file, 16);
                EXPECT_EQ(back->GetBitsPerSample(), 16);
                EXPECT_EQ(ValuesOf(*back), KeptAtDepth(values, bits));
            }
        }
    }
}

TEST(AIFFFile, NoLoopWritesZeroSustainFieldsAndNoMarkers)
{
    auto sample = MakeSample(1, 44100, 16, SamplePattern(3));
    CSampleInfo info; // no tuning, no key range
    COwnedMemoryMedia file;
    WriteAIFF(file, *sample, &info, 16);
    const TBytes bytes = ContentsOf(file);
    const TBytes instrumentId = Text("INST");
    const auto instrument = std::search(bytes.begin(), bytes.end(), instrumentId.begin(), instrumentId.end());
    ASSERT_NE(instrument, bytes.end());
    EXPECT_EQ(TBytes(instrument + 8, instrument + 28), (TBytes{60, 0, 0, 127, 1, 127, 0, 0} + TBytes(12, 0)));
    const TBytes markerId = Text("MARK");
    EXPECT_EQ(std::search(bytes.begin(), bytes.end(), markerId.begin(), markerId.end()), bytes.end());
}

TEST(AIFFFile, ApplicationChunkRoundTripsAndIsCutToTheBuffer)
{
    auto sample = MakeSample(1, 44100, 16, SamplePattern(3));
    const TBytes data = Pattern(9);
    COwnedMemoryMedia file;
    WriteAIFF(file, *sample, nullptr, 16, CFourCharCode("abcd"), data.data(), 9);
    CIFFReader reader(file, GetAIFFFormCode());
    CFourCharCode signature("");
    TBytes buffer(12, 0xEE);
    EXPECT_TRUE(ReadAPPLChunk(reader, signature, buffer.data(), 5));
    EXPECT_EQ(signature, "abcd");
    EXPECT_EQ(buffer, TBytes(data.begin(), data.begin() + 5) + TBytes(7, 0xEE));
    EXPECT_EQ(ValuesOf(*ReadAIFFSample(file, 16)), ValuesOf(*sample));

    COwnedMemoryMedia plain;
    WriteAIFF(plain, *sample, nullptr, 16);
    CIFFReader plainReader(plain, GetAIFFFormCode());
    EXPECT_FALSE(ReadAPPLChunk(plainReader, signature, buffer.data(), 5));
    COwnedMemoryMedia shortChunk = MediaWith(AIFFFile(kMonoCommon + IFFChunk("APPL", Text("abc"))));
    CIFFReader shortReader(shortChunk, GetAIFFFormCode());
    EXPECT_THROW(ReadAPPLChunk(shortReader, signature, buffer.data(), 5), XBadFormat);
}

TEST(AIFFFile, InstrumentAndMarkers)
{
    const TBytes twoMarkers = Marker(1, 5, "Loop End") + Marker(2, 50, "Loop End"); // 16 bytes each
    const struct
    {
        const char* name;
        TBytes chunks;
        std::int32_t mode;
        std::int32_t start;
        std::int32_t end;
    } kCases[] = {
        {"play mode 0 with markers", InstrumentChunk(0, 1, 2) + MarkerChunk(twoMarkers, 2), kLoopModeKeptNotLooping,
         5, 50},
        {"play mode 0 without markers", InstrumentChunk(0, 1, 2), kLoopModeNone, 0, 0},
        {"forward-backward", InstrumentChunk(2, 1, 2) + MarkerChunk(twoMarkers, 2), kLoopModeLooping, 5, 50},
        {"marker 0 missing leaves the loop off", InstrumentChunk(1, 0, 2) + MarkerChunk(twoMarkers, 2), kLoopModeNone,
         0, 0},
        {"no MARK with marker 0", InstrumentChunk(1, 0, 2), kLoopModeNone, 0, 0},
        {"negative marker ids", InstrumentChunk(1, 0xFFFF, 2) + MarkerChunk(twoMarkers, 2), kLoopModeNone, 0, 0},
        {"start after end", InstrumentChunk(1, 2, 1) + MarkerChunk(twoMarkers, 2), kLoopModeNone, 0, 0},
        {"end past the frames", InstrumentChunk(1, 1, 2) + MarkerChunk(Marker(1, 5, "") + Marker(2, 500, ""), 2),
         kLoopModeLooping, 5, 100},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        COwnedMemoryMedia file = MediaWith(AIFFFile(kMonoCommon + kHundredFrames + c.chunks));
        const CSampleInfo info = ReadAIFFParams(file).mInfo;
        EXPECT_EQ(info.mTuningPresent, 1);
        EXPECT_EQ(info.mRootKey, 64);
        EXPECT_EQ(int{info.mFineTuneInCents}, -10);
        EXPECT_EQ(info.mLowKey, 20);
        EXPECT_EQ(info.mHighKey, 100);
        EXPECT_EQ(info.mLoopMode, c.mode);
        EXPECT_EQ(info.mLoopStart, c.start);
        EXPECT_EQ(info.mLoopEnd, c.end);
    }
    // A detune beyond ±50 counts as ±50.
    COwnedMemoryMedia detuned = MediaWith(AIFFFile(kMonoCommon + kHundredFrames + InstrumentChunk(0, 0, 0, 64, 90)));
    EXPECT_EQ(int{ReadAIFFParams(detuned).mInfo.mFineTuneInCents}, 50);
}

TEST(AIFFFile, CompressedFilesAreReadOnlyWithoutCompression)
{
    const TBytes none = Text("NONE") + TBytes{14} + Text("not compressed") + TBytes{0};
    COwnedMemoryMedia aifc = MediaWith(AIFFFile(CommonChunk(1, 100, 16, Rate(22050), none) + kHundredFrames, "AIFC"));
    EXPECT_EQ(ReadAIFFParams(aifc).mSampleRate, 22050u);
    EXPECT_EQ(ReadAIFFSample(aifc, 16)->GetFrameCount(), 100);
    COwnedMemoryMedia swapped = MediaWith(
        AIFFFile(CommonChunk(1, 100, 16, Rate(22050), Text("sowt") + TBytes{0, 0}) + kHundredFrames, "AIFC"));
    EXPECT_THROW(ReadAIFFParams(swapped), XUnsupportedFormat);
}

TEST(AIFFFile, DamagedFilesFailWithTheirClassAndDamagedLoopsAreIgnored)
{
    enum EOutcome
    {
        kBadFormat,
        kUnsupported,
        kSampleBadFormat,
        kDefaultsKept
    };
    const TBytes twoMarkers = Marker(1, 5, "Loop Start") + Marker(2, 50, "Loop End"); // 18 + 16 bytes
    const TBytes nan = {0x7F, 0xFF, 0xC0, 0, 0, 0, 0, 0, 0, 0};
    const TBytes infinity = {0x7F, 0xFF, 0x80, 0, 0, 0, 0, 0, 0, 0};
    const struct
    {
        const char* name;
        TBytes file;
        EOutcome outcome;
    } kCases[] = {
        {"not FORM", WAVEFile(kMonoCommon + kHundredFrames), kBadFormat},
        {"no COMM", AIFFFile(kHundredFrames), kBadFormat},
        {"short COMM", AIFFFile(IFFChunk("COMM", Pattern(16)) + kHundredFrames), kBadFormat},
        {"no channels", AIFFFile(CommonChunk(0, 100, 16, Rate(44100)) + kHundredFrames), kBadFormat},
        {"negative frames", AIFFFile(CommonChunk(1, 0x80000000, 16, Rate(44100)) + kHundredFrames), kBadFormat},
        {"rate 0", AIFFFile(CommonChunk(1, 100, 16, Rate(0)) + kHundredFrames), kBadFormat},
        {"rate NaN", AIFFFile(CommonChunk(1, 100, 16, nan) + kHundredFrames), kBadFormat},
        {"rate infinite", AIFFFile(CommonChunk(1, 100, 16, infinity) + kHundredFrames), kBadFormat},
        {"rate 2^40", AIFFFile(CommonChunk(1, 100, 16, Rate(1099511627776.0)) + kHundredFrames), kBadFormat},
        {"rate negative", AIFFFile(CommonChunk(1, 100, 16, Rate(-44100)) + kHundredFrames), kBadFormat},
        {"three channels", AIFFFile(CommonChunk(3, 100, 16, Rate(44100)) + kHundredFrames), kUnsupported},
        {"12 bits", AIFFFile(CommonChunk(1, 100, 12, Rate(44100)) + kHundredFrames), kUnsupported},
        {"no SSND", AIFFFile(kMonoCommon), kSampleBadFormat},
        {"SSND without its header", AIFFFile(kMonoCommon + IFFChunk("SSND", Pattern(6))), kSampleBadFormat},
        {"SSND one frame short", AIFFFile(kMonoCommon + IFFChunk("SSND", TBytes(8, 0) + Pattern(198))),
         kSampleBadFormat},
        {"SSND offset past the frames",
         AIFFFile(kMonoCommon + IFFChunk("SSND", BigEndian(4) + BigEndian(0) + Pattern(200))), kSampleBadFormat},
        {"SSND offset wrapping", AIFFFile(kMonoCommon + IFFChunk("SSND", BigEndian(0xFFFFFFF8) + BigEndian(0) +
                                                                        Pattern(200))),
         kSampleBadFormat},
        // Small files that claim gigabytes of frames must fail before the sample is made.
        {"frames 0x7FFFFFFF", AIFFFile(CommonChunk(2, 0x7FFFFFFF, 16, Rate(44100)) + IFFChunk("SSND", TBytes(8, 0))),
         kSampleBadFormat},
        {"frames 0x3FFFFFFF", AIFFFile(CommonChunk(1, 0x3FFFFFFF, 8, Rate(44100)) + IFFChunk("SSND", TBytes(8, 0))),
         kSampleBadFormat},
        {"INST play mode 3",
         AIFFFile(kMonoCommon + kHundredFrames + InstrumentChunk(3, 1, 2) + MarkerChunk(twoMarkers, 2)), kDefaultsKept},
        {"INST release mode 3",
         AIFFFile(kMonoCommon + kHundredFrames + InstrumentChunk(1, 1, 2, 64, 0, 3) + MarkerChunk(twoMarkers, 2)),
         kDefaultsKept},
        {"INST note 128",
         AIFFFile(kMonoCommon + kHundredFrames + InstrumentChunk(1, 1, 2, 128) + MarkerChunk(twoMarkers, 2)),
         kDefaultsKept},
        {"INST short", AIFFFile(kMonoCommon + kHundredFrames + IFFChunk("INST", Pattern(18))), kDefaultsKept},
        {"MARK missing", AIFFFile(kMonoCommon + kHundredFrames + InstrumentChunk(1, 1, 2)), kDefaultsKept},
        {"MARK one byte short",
         AIFFFile(kMonoCommon + kHundredFrames + InstrumentChunk(1, 1, 2) + MarkerChunk(twoMarkers, 2, 1)),
         kDefaultsKept},
        {"MARK count past its markers",
         AIFFFile(kMonoCommon + kHundredFrames + InstrumentChunk(1, 1, 2) + MarkerChunk(twoMarkers, 3)), kDefaultsKept},
        {"marker id missing",
         AIFFFile(kMonoCommon + kHundredFrames + InstrumentChunk(1, 1, 3) + MarkerChunk(twoMarkers, 2)), kDefaultsKept},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        COwnedMemoryMedia file = MediaWith(c.file);
        switch (c.outcome) {
        case kBadFormat:
            EXPECT_THROW(ReadAIFFParams(file), XBadFormat);
            EXPECT_THROW(ReadAIFFSample(file, 16), XBadFormat);
            break;
        case kUnsupported:
            EXPECT_THROW(ReadAIFFParams(file), XUnsupportedFormat);
            EXPECT_THROW(ReadAIFFSample(file, 16), XUnsupportedFormat);
            break;
        case kSampleBadFormat:
            EXPECT_NO_THROW(ReadAIFFParams(file));
            EXPECT_THROW(ReadAIFFSample(file, 16), XBadFormat);
            break;
        case kDefaultsKept: {
            const CSampleInfo info = ReadAIFFParams(file).mInfo;
            EXPECT_EQ(info.mTuningPresent, 0);
            EXPECT_EQ(info.mRootKey, 60);
            EXPECT_EQ(int{info.mFineTuneInCents}, 0);
            EXPECT_EQ(info.mKeyRangePresent, 0);
            EXPECT_EQ(info.mHighKey, 127);
            EXPECT_EQ(info.mLoopMode, kLoopModeNone);
            EXPECT_EQ(ReadAIFFSample(file, 16)->GetFrameCount(), 100);
            break;
        }
        }
    }
    // The exact length of those markers reads.
    COwnedMemoryMedia exact =
        MediaWith(AIFFFile(kMonoCommon + kHundredFrames + InstrumentChunk(1, 1, 2) + MarkerChunk(twoMarkers, 2)));
    EXPECT_EQ(ReadAIFFParams(exact).mInfo.mLoopEnd, 50);
}

} // namespace
