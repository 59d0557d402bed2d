// One Akai sample or stereo pair as a WAVE file in memory: the format chosen, and the file the library
// writes from it, read back chunk by chunk.

#include "conversion/wave/SampleWriter.h"
#include "conversion/disc/tests/support/ConversionFakeSample.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <span>
#include <string>
#include <vector>

using namespace NSConversionTestSupport;
using NSConverterImplementation::MakeSampleFormatInfo;
using NSConverterImplementation::WriteSampleFile;

namespace {

constexpr std::uint16_t kHoldDwellTime = 9999;

std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}

std::uint16_t Le16(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

// The chunks of a RIFF WAVE file by id.
std::map<std::string, std::vector<std::uint8_t>> ReadChunks(NSConverterImplementation::COutputFileMemoryMedia& media)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(media.AsOutputFile().GetSize()));
    media.AsOutputFile().Read(0, static_cast<std::int64_t>(bytes.size()), bytes.data());
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
    EXPECT_EQ(Le32(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "WAVE");
    std::map<std::string, std::vector<std::uint8_t>> chunks;
    std::size_t offset = 12;
    while (offset + 8 <= bytes.size()) {
        const std::string id(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                             bytes.begin() + static_cast<std::ptrdiff_t>(offset + 4));
        const std::uint32_t size = Le32(bytes, offset + 4);
        EXPECT_LE(size, bytes.size() - offset - 8);
        chunks[id] = std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(offset + 8),
                                               bytes.begin() + static_cast<std::ptrdiff_t>(offset + 8 + size));
        offset += 8 + size + (size & 1);
    }
    EXPECT_EQ(offset, bytes.size());
    return chunks;
}

std::vector<std::uint8_t> LittleEndianData(std::span<const std::int16_t> values)
{
    std::vector<std::uint8_t> bytes;
    for (const std::int16_t value : values) {
        bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    }
    return bytes;
}

} // namespace

TEST(ConversionSampleWriter, MonoWithoutHoldLoopHasNoSamplerChunk)
{
    CFakeSample sample;
    sample.rate = 22050;
    sample.data = {0, 1, -1, 32767, -32768, 1234};
    sample.loops = {NSAkaiParser::CAkaiLoop(4, 0, 2, 50)};
    auto media = WriteSampleFile(sample, nullptr);
    auto chunks = ReadChunks(*media);
    EXPECT_EQ(chunks.count("smpl"), 0u);
    const std::vector<std::uint8_t>& format = chunks["fmt "];
    ASSERT_EQ(format.size(), 16u);
    EXPECT_EQ(Le16(format, 0), 1);
    EXPECT_EQ(Le16(format, 2), 1);
    EXPECT_EQ(Le32(format, 4), 22050u);
    EXPECT_EQ(Le32(format, 8), 44100u);
    EXPECT_EQ(Le16(format, 12), 2);
    EXPECT_EQ(Le16(format, 14), 16);
    EXPECT_EQ(chunks["data"], LittleEndianData(sample.data));
}

TEST(ConversionSampleWriter, StereoPairIsInterleavedLeftFirst)
{
    CFakeSample left;
    CFakeSample right;
    for (int i = 0; i < 1000; ++i) {
        left.data.push_back(static_cast<std::int16_t>(i));
        right.data.push_back(static_cast<std::int16_t>(-i - 1));
    }
    auto media = WriteSampleFile(left, &right);
    auto chunks = ReadChunks(*media);
    EXPECT_EQ(Le16(chunks["fmt "], 2), 2);
    EXPECT_EQ(Le16(chunks["fmt "], 12), 4);
    ASSERT_EQ(chunks["data"].size(), 4000u);
    std::vector<std::int16_t> interleaved;
    for (int i = 0; i < 1000; ++i) {
        interleaved.push_back(left.data[static_cast<std::size_t>(i)]);
        interleaved.push_back(right.data[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(chunks["data"], LittleEndianData(interleaved));
}

// Frames go to the library in pieces and are converted in groups: lengths that end inside a group and a
// piece, and a right half that runs out early (padded with silence), must still give every frame.
TEST(ConversionSampleWriter, LongSamplesAndShortRightHalvesKeepEveryFrame)
{
    constexpr std::size_t kFrames = 2 * 16383 + 5;
    CFakeSample left;
    for (std::size_t i = 0; i < kFrames; ++i)
        left.data.push_back(static_cast<std::int16_t>(static_cast<std::int32_t>(i * 7919 % 65536) - 32768));
    {
        auto media = WriteSampleFile(left, nullptr);
        EXPECT_EQ(ReadChunks(*media)["data"], LittleEndianData(left.data));
    }
    for (const std::size_t rightFrames : {kFrames, kFrames - 3, std::size_t{16383 + 9}, std::size_t{0}}) {
        SCOPED_TRACE(rightFrames);
        CFakeSample right;
        for (std::size_t i = 0; i < rightFrames; ++i)
            right.data.push_back(static_cast<std::int16_t>(-1 - left.data[i]));
        std::vector<std::int16_t> interleaved;
        for (std::size_t i = 0; i < kFrames; ++i) {
            interleaved.push_back(left.data[i]);
            interleaved.push_back(i < rightFrames ? right.data[i] : std::int16_t{0});
        }
        auto media = WriteSampleFile(left, &right);
        EXPECT_EQ(ReadChunks(*media)["data"], LittleEndianData(interleaved));
    }
}

TEST(ConversionSampleWriter, HoldLoopGivesAForwardLoopWithTheRoot)
{
    CFakeSample sample;
    sample.data.assign(300, 7);
    sample.loops = {NSAkaiParser::CAkaiLoop(100, 0, 10, 20), NSAkaiParser::CAkaiLoop(250, 0, 50, kHoldDwellTime)};
    sample.rootNote = 62;
    sample.tuneCents = -25;
    auto media = WriteSampleFile(sample, nullptr);
    auto chunks = ReadChunks(*media);
    const std::vector<std::uint8_t>& sampler = chunks["smpl"];
    ASSERT_EQ(sampler.size(), 60u);
    EXPECT_EQ(Le32(sampler, 12), 62u);           // unity note: the root, fine +25 cents
    EXPECT_NE(Le32(sampler, 16), 0u);
    EXPECT_EQ(Le32(sampler, 28), 1u);            // one loop
    EXPECT_EQ(Le32(sampler, 36 + 4), 0u);        // forward
    EXPECT_EQ(Le32(sampler, 36 + 8), 200u);      // start
    EXPECT_EQ(Le32(sampler, 36 + 12), 249u);     // end, inclusive
    EXPECT_EQ(chunks["data"].size(), 600u);
}

TEST(ConversionSampleWriter, LoopChoiceByAkaiLoopModeAndDegenerateLoops)
{
    const struct
    {
        const char* what;
        std::int32_t akaiLoopMode;
        std::vector<NSAkaiParser::CAkaiLoop> loops;
        std::int32_t loopMode;
        std::uint32_t start;
        std::uint32_t end;
    } kCases[] = {
        {"no loops", 0, {}, NSSondrel::kLoopNone, 0, 100},
        {"loop in release", 0, {NSAkaiParser::CAkaiLoop(80, 0, 30, kHoldDwellTime)}, NSSondrel::kLoopForward, 50, 80},
        {"loop until release", 1, {NSAkaiParser::CAkaiLoop(80, 0, 30, kHoldDwellTime)}, NSSondrel::kLoopForward, 50,
         80},
        {"no looping", 2, {NSAkaiParser::CAkaiLoop(80, 0, 30, kHoldDwellTime)}, NSSondrel::kLoopNone, 0, 100},
        {"play to end", 3, {NSAkaiParser::CAkaiLoop(80, 0, 30, kHoldDwellTime)}, NSSondrel::kLoopNone, 0, 100},
        {"empty loop", 0, {NSAkaiParser::CAkaiLoop(40, 0, 0, kHoldDwellTime)}, NSSondrel::kLoopForward, 40, 41},
        {"empty loop at the end", 0, {NSAkaiParser::CAkaiLoop(100, 0, 0, kHoldDwellTime)}, NSSondrel::kLoopForward,
         99, 100},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CFakeSample sample;
        sample.data.assign(100, 1);
        sample.loopMode = c.akaiLoopMode;
        sample.loops = c.loops;
        const NSSondrel::FormatInfo info = MakeSampleFormatInfo(sample, false);
        EXPECT_EQ(info.loopMode, c.loopMode);
        EXPECT_EQ(info.alternate, NSSondrel::kAlternateNo);
        EXPECT_EQ(info.loopStart, c.start);
        EXPECT_EQ(info.loopEnd, c.end);
        EXPECT_NO_THROW(WriteSampleFile(sample, nullptr));
    }
}

TEST(ConversionSampleWriter, TuneSplitsIntoRootKeyAndNegatedCents)
{
    const struct
    {
        std::uint8_t rootNote;
        std::int32_t tuneCents;
        std::uint32_t rootKey;
        std::int32_t fineTune;
    } kCases[] = {
        {60, 130, 59, -30}, {60, -150, 61, 50}, {60, 150, 59, -50}, {60, 50, 60, -50},
        {60, -49, 60, 49},  {0, 130, 0, -30},   {127, -150, 127, 50}, {60, 0, 60, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::to_string(c.rootNote) + " " + std::to_string(c.tuneCents));
        CFakeSample sample;
        sample.data = {1};
        sample.rootNote = c.rootNote;
        sample.tuneCents = c.tuneCents;
        const NSSondrel::FormatInfo info = MakeSampleFormatInfo(sample, false);
        EXPECT_EQ(info.hasRoot, 1);
        EXPECT_EQ(info.rootKey, c.rootKey);
        EXPECT_EQ(info.fineTune, c.fineTune);
    }
}

TEST(ConversionSampleWriter, EmptySampleWritesAnEmptyDataChunk)
{
    CFakeSample sample;
    sample.loops = {NSAkaiParser::CAkaiLoop(0, 0, 0, kHoldDwellTime)};
    auto media = WriteSampleFile(sample, nullptr);
    auto chunks = ReadChunks(*media);
    EXPECT_EQ(chunks.count("data"), 1u);
    EXPECT_TRUE(chunks["data"].empty());
    EXPECT_EQ(chunks.count("smpl"), 0u);
}

TEST(ConversionSampleWriter, ALibraryRefusalIsAPlainException)
{
    CFakeSample sample;
    sample.rate = 0;    // no valid WAVE format has rate 0
    sample.data = {1, 2};
    EXPECT_THROW(WriteSampleFile(sample, nullptr), std::exception);
}
