#include "framework/foundation/audio/SampleFormat.h"

#include "framework/foundation/audio/tests/AudioTestSupport.h"
#include "framework/foundation/chunks/tests/ChunkTestSupport.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using namespace NSTramvell;
using NSAudioTests::TSamples;
using NSChunkTests::ContentsOf;
using NSChunkTests::MediaWith;
using NSChunkTests::TBytes;

constexpr std::int32_t kBig = kBigEndianSamples;
constexpr std::int32_t kLittle = kLittleEndianSamples;
constexpr std::int32_t kUnsigned = kUnsigned8BitSamples;
constexpr std::int32_t kSigned = kSigned8BitSamples;

// One stored value: read as 16 bits and as a 24-bit-scale float, and written back from that float.
TEST(StoredSamples, ReadAndWriteEachLayout)
{
    const struct
    {
        const char* name;
        std::int32_t bits;
        std::int32_t byteOrder;
        std::int32_t encoding;
        TBytes stored;
        std::int16_t native;
        float scaled;
    } kCases[] = {
        {"8 unsigned silence", 8, kLittle, kUnsigned, {0x80}, 0, 0.0f},
        {"8 unsigned top", 8, kLittle, kUnsigned, {0xFF}, 0x7F00, 127 * 65536.0f},
        {"8 unsigned bottom", 8, kBig, kUnsigned, {0x00}, -32768, -128 * 65536.0f},
        {"8 signed FF", 8, kBig, kSigned, {0xFF}, static_cast<std::int16_t>(0xFF00), -65536.0f},
        {"8 signed top", 8, kLittle, kSigned, {0x7F}, 0x7F00, 127 * 65536.0f},
        {"16 little", 16, kLittle, kUnsigned, {0x34, 0x12}, 0x1234, 0x1234 * 256.0f},
        {"16 big", 16, kBig, kUnsigned, {0x12, 0x34}, 0x1234, 0x1234 * 256.0f},
        {"16 little bottom", 16, kLittle, kSigned, {0x00, 0x80}, -32768, -32768 * 256.0f},
        {"20 little", 20, kLittle, kSigned, {0x56, 0x34, 0x12}, 0x1234, 0x123456},
        {"22 big", 22, kBig, kSigned, {0x12, 0x34, 0x56}, 0x1234, 0x123456},
        {"24 little bottom", 24, kLittle, kSigned, {0x00, 0x00, 0x80}, -32768, -8388608.0f},
        {"24 big minus one", 24, kBig, kUnsigned, {0xFF, 0xFF, 0xFF}, -1, -1.0f},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        COwnedMemoryMedia stored = MediaWith(c.stored);
        std::int16_t native = 0x5555;
        ReadNative16Bit(stored, c.byteOrder, c.encoding, c.bits, 1, 1, &native);
        EXPECT_EQ(native, c.native);
        stored.SetPosition(0);
        float scaled = 12345.0f;
        ConvertToNative16Bit(stored, c.byteOrder, c.encoding, c.bits, 1, 1, &scaled);
        EXPECT_EQ(scaled, c.scaled);

        COwnedMemoryMedia written;
        ConvertFromNative16Bit(written, c.byteOrder, c.encoding, c.bits, 1, 1, &c.scaled);
        EXPECT_EQ(ContentsOf(written), c.stored);
    }
}

TEST(StoredSamples, WritingRoundsTiesToEvenAndKeepsOnlyTheStoredBits)
{
    const struct
    {
        const char* name;
        std::int32_t bits;
        float value;
        TBytes stored; // little-endian
    } kCases[] = {
        {"2.5 to 2", 24, 2.5f, {0x02, 0x00, 0x00}},
        {"3.5 to 4", 24, 3.5f, {0x04, 0x00, 0x00}},
        {"-2.5 to -2", 24, -2.5f, {0xFE, 0xFF, 0xFF}},
        {"24 bits wrap", 24, 16777218.0f, {0x02, 0x00, 0x00}},
        {"16 bits take bits 8 to 23", 16, 0x01234500, {0x45, 0x23}},
        {"16 bits round first", 16, 255.5f, {0x01, 0x00}},
        {"8 bits take bits 16 to 23", 8, 0x7F3FFF, {0x7F ^ 0x80}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        COwnedMemoryMedia written;
        ConvertFromNative16Bit(written, kLittle, kUnsigned, c.bits, 1, 1, &c.value);
        EXPECT_EQ(ContentsOf(written), c.stored);
    }
}

TEST(StoredSamples, ManyChunksRoundTripInOrder)
{
    const std::int32_t frameCount = 2600; // two channels: 5200 values, three chunks
    std::vector<float> values(2 * frameCount);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<float>(static_cast<std::int32_t>(i * 3217) % 8388608 - 4194304);
    COwnedMemoryMedia stored;
    ConvertFromNative16Bit(stored, kBig, kSigned, 24, 2, frameCount, values.data());
    ASSERT_EQ(stored.GetSize(), 3 * 2 * frameCount);
    stored.SetPosition(0);
    std::vector<float> read(values.size());
    ConvertToNative16Bit(stored, kBig, kSigned, 24, 2, frameCount, read.data());
    EXPECT_EQ(read, values);
}

// A layout that cannot be converted moves no byte, so a caller never finds half a block.
TEST(StoredSamples, RefusedLayoutsMoveNothing)
{
    const struct
    {
        const char* name;
        std::int32_t bits;
        std::int32_t encoding;
        std::int32_t frameCount;
    } kCases[] = {
        {"12 bits", 12, kSigned, 4},
        {"32 bits", 32, kSigned, 4},
        {"8 bits, unknown encoding", 8, 0, 4},
        {"negative count", 16, kSigned, -1},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        COwnedMemoryMedia stored = MediaWith(TBytes(16, 0x11));
        std::int16_t native[4] = {};
        float scaled[4] = {};
        EXPECT_THROW(ReadNative16Bit(stored, kLittle, c.encoding, c.bits, 1, c.frameCount, native), XBadFormat);
        EXPECT_THROW(ConvertToNative16Bit(stored, kLittle, c.encoding, c.bits, 1, c.frameCount, scaled), XBadFormat);
        EXPECT_EQ(stored.GetPosition(), 0);
        EXPECT_EQ(native[0], 0);
        EXPECT_EQ(scaled[0], 0.0f);
        COwnedMemoryMedia written;
        EXPECT_THROW(ConvertFromNative16Bit(written, kLittle, c.encoding, c.bits, 1, c.frameCount, scaled),
                     XBadFormat);
        EXPECT_EQ(written.GetSize(), 0);
    }
}

TEST(StoredSamples, BytesPerFrame)
{
    EXPECT_EQ(GetBytesPerFrame(CWaveSampleParams(2, 8, 44100, 0)), 2);
    EXPECT_EQ(GetBytesPerFrame(CWaveSampleParams(2, 16, 44100, 0)), 4);
    EXPECT_EQ(GetBytesPerFrame(CWaveSampleParams(2, 20, 44100, 0)), 6);
    EXPECT_EQ(GetBytesPerFrame(CWaveSampleParams(1, 24, 44100, 0)), 3);
    EXPECT_THROW(GetBytesPerFrame(CWaveSampleParams(1, 12, 44100, 0)), XBadFormat);
}

TEST(StoredSamples, AccessorDataIsWrittenInterleavedInTheByteOrder)
{
    const TSamples values = NSAudioTests::SamplePattern(2 * 1500); // past the 512-frame blocks
    auto stereo = NSAudioTests::MakeSample(2, 44100, 16, values);
    COwnedMemoryMedia big;
    WriteAccessorData(big, kBig, *stereo);
    TBytes expected;
    for (const std::int16_t value : values) {
        expected.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) >> 8));
        expected.push_back(static_cast<std::uint8_t>(value));
    }
    EXPECT_EQ(ContentsOf(big), expected);

    const TSamples monoValues = NSAudioTests::SamplePattern(1100, 3);
    auto mono = NSAudioTests::MakeSample(1, 44100, 16, monoValues);
    COwnedMemoryMedia little;
    WriteAccessorData(little, kLittle, *mono);
    ASSERT_EQ(little.GetSize(), 2 * 1100);
    TSamples read(1100);
    little.SetPosition(0);
    ReadNative16Bit(little, kLittle, kSigned, 16, 1, 1100, read.data());
    EXPECT_EQ(read, monoValues);
}

} // namespace
