#include "framework/foundation/audio/SampleFormat.h"

#include "framework/foundation/audio/AudioAccessor.h"
#include "framework/foundation/audio/SampleConversion.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <algorithm>
#include <vector>

namespace NSTramvell {

namespace {

// One stream call serves this many values.
constexpr std::int64_t kValuesPerChunk = 2048;
constexpr std::int32_t kAccessorBlockValues = 1024;

std::int32_t GetBytesPerValue(std::int32_t bits)
{
    switch (bits) {
    case 8:
        return 1;
    case 16:
        return 2;
    case 20:
    case 22:
    case 24:
        return 3;
    default:
        throw XBadFormat();
    }
}

struct CStoredLayout
{
    std::int32_t bytesPerValue;
    bool bigEndian;
    bool unsigned8Bit;
    std::int64_t valueCount;
};

// Refuses everything it cannot convert before the caller moves a byte.
CStoredLayout CheckLayout(std::int32_t byteOrder, std::int32_t encoding8Bit, std::int32_t bits,
                          std::int16_t channelCount, std::int32_t frameCount)
{
    const std::int32_t bytesPerValue = GetBytesPerValue(bits);
    if (bits == 8 && encoding8Bit != kUnsigned8BitSamples && encoding8Bit != kSigned8BitSamples)
        throw XBadFormat();
    const std::int64_t valueCount = std::int64_t{frameCount} * channelCount;
    if (valueCount < 0)
        throw XBadFormat();
    return {bytesPerValue, byteOrder == kBigEndianSamples, encoding8Bit == kUnsigned8BitSamples, valueCount};
}

// The stored value in 24-bit scale.
std::int32_t DecodeValue(const CStoredLayout& layout, const std::uint8_t* stored)
{
    switch (layout.bytesPerValue) {
    case 1: {
        const std::uint8_t byte = layout.unsigned8Bit ? static_cast<std::uint8_t>(stored[0] ^ 0x80) : stored[0];
        return static_cast<std::int8_t>(byte) * 65536;
    }
    case 2: {
        const std::uint16_t word = layout.bigEndian ? ReadBigEndian16(stored) : ReadLittleEndian16(stored);
        return static_cast<std::int16_t>(word) * 256;
    }
    default:
        return layout.bigEndian ? ReadBigEndian24Signed(stored) : ReadLittleEndian24Signed(stored);
    }
}

void EncodeValue(const CStoredLayout& layout, float value, std::uint8_t* stored)
{
    const auto rounded = static_cast<std::uint32_t>(RoundToInt32(value));
    switch (layout.bytesPerValue) {
    case 1:
        stored[0] = static_cast<std::uint8_t>((rounded >> 16) ^ (layout.unsigned8Bit ? 0x80u : 0u));
        break;
    case 2: {
        const auto word = static_cast<std::uint16_t>(rounded >> 8);
        if (layout.bigEndian)
            WriteBigEndian16(stored, word);
        else
            WriteLittleEndian16(stored, word);
        break;
    }
    default:
        if (layout.bigEndian)
            WriteBigEndian24(stored, rounded & 0xFFFFFFu);
        else
            WriteLittleEndian24(stored, rounded & 0xFFFFFFu);
        break;
    }
}

// Calls body(first value, value count, bytes) for each chunk; the bytes hold the chunk's stored form.
template <typename Body>
void ForEachChunk(const CStoredLayout& layout, Body body)
{
    std::vector<std::uint8_t> bytes(
        static_cast<std::size_t>(std::min(layout.valueCount, kValuesPerChunk) * layout.bytesPerValue));
    for (std::int64_t first = 0; first < layout.valueCount; first += kValuesPerChunk) {
        const auto count = static_cast<std::int32_t>(std::min(layout.valueCount - first, kValuesPerChunk));
        body(first, count, bytes.data());
    }
}

template <typename Value, typename Convert>
void ReadValues(CMedia& stream, const CStoredLayout& layout, Value* values, Convert convert)
{
    ForEachChunk(layout, [&](std::int64_t first, std::int32_t count, std::uint8_t* bytes) {
        stream.Read(count * layout.bytesPerValue, bytes);
        for (std::int32_t i = 0; i < count; ++i)
            values[first + i] = convert(DecodeValue(layout, bytes + i * layout.bytesPerValue));
    });
}

} // namespace

std::int32_t GetBytesPerFrame(const CWaveSampleParams& params)
{
    return GetBytesPerValue(params.mBitsPerSample) * params.mChannelCount;
}

void ReadNative16Bit(CMedia& stream, std::int32_t byteOrder, std::int32_t encoding8Bit, std::int32_t bits,
                     std::int16_t channelCount, std::int32_t frameCount, std::int16_t* values)
{
    const CStoredLayout layout = CheckLayout(byteOrder, encoding8Bit, bits, channelCount, frameCount);
    ReadValues(stream, layout, values, [](std::int32_t value) { return static_cast<std::int16_t>(value >> 8); });
}

void ConvertToNative16Bit(CMedia& stream, std::int32_t byteOrder, std::int32_t encoding8Bit, std::int32_t bits,
                          std::int16_t channelCount, std::int32_t frameCount, float* values)
{
    const CStoredLayout layout = CheckLayout(byteOrder, encoding8Bit, bits, channelCount, frameCount);
    ReadValues(stream, layout, values, [](std::int32_t value) { return static_cast<float>(value); });
}

void ConvertFromNative16Bit(CMedia& stream, std::int32_t byteOrder, std::int32_t encoding8Bit, std::int32_t bits,
                            std::int16_t channelCount, std::int32_t frameCount, const float* values)
{
    const CStoredLayout layout = CheckLayout(byteOrder, encoding8Bit, bits, channelCount, frameCount);
    ForEachChunk(layout, [&](std::int64_t first, std::int32_t count, std::uint8_t* bytes) {
        for (std::int32_t i = 0; i < count; ++i)
            EncodeValue(layout, values[first + i], bytes + i * layout.bytesPerValue);
        stream.Write(count * layout.bytesPerValue, bytes);
    });
}

void WriteAccessorData(CMedia& stream, std::int32_t byteOrder, CABCAudioAccessor& accessor)
{
    const std::int16_t channelCount = accessor.GetChannelCount();
    if (channelCount != 1 && channelCount != 2)
        throw XBadFormat();
    const std::int32_t framesPerBlock = kAccessorBlockValues / channelCount;
    std::vector<std::int16_t> values(kAccessorBlockValues);
    std::vector<std::uint8_t> bytes(kAccessorBlockValues * 2);
    const std::int32_t frameCount = accessor.GetFrameCount();
    for (std::int32_t first = 0; first < frameCount; first += framesPerBlock) {
        const std::int32_t count = std::min(frameCount - first, framesPerBlock);
        if (channelCount == 1)
            accessor.Read16BitFrames(first, count, values.data(), CABCAudioAccessor::kLeftChannel);
        else
            accessor.Read16BitStereoFrames(first, count, values.data());
        const std::int32_t valueCount = count * channelCount;
        for (std::int32_t i = 0; i < valueCount; ++i) {
            const auto word = static_cast<std::uint16_t>(values[i]);
            if (byteOrder == kBigEndianSamples)
                WriteBigEndian16(bytes.data() + 2 * i, word);
            else
                WriteLittleEndian16(bytes.data() + 2 * i, word);
        }
        stream.Write(valueCount * 2, bytes.data());
    }
}

} // namespace NSTramvell
