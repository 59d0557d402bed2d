#pragma once

// Stored PCM samples and the records that describe a sample. Stored samples of 8, 16, 20, 22 and 24 bits
// in either byte order are read and written at a media's position, as 16-bit values or as floats in
// 24-bit scale (whole numbers; a 16-bit value v is v * 256). The file readers and writers pass the layout
// of their format: WAVE data is little-endian with unsigned 8-bit samples, AIFF data big-endian and signed.

#include <cstdint>

namespace NSTramvell {

class CABCAudioAccessor;
class CMedia;

// Byte order: kBigEndianSamples means big-endian, any other value little-endian.
constexpr std::int32_t kBigEndianSamples = 74;
constexpr std::int32_t kLittleEndianSamples = 75;
// 8-bit encodings; the stored-sample functions refuse any other.
constexpr std::int32_t kUnsigned8BitSamples = 21;
constexpr std::int32_t kSigned8BitSamples = 22;

// Loop modes of CSampleInfo, as the WAVE and AIFF files give them meaning.
constexpr std::int32_t kLoopModeNone = 13;
constexpr std::int32_t kLoopModeKeptNotLooping = 14;
constexpr std::int32_t kLoopModeLooping = 15;

struct CWaveSampleParams
{
    CWaveSampleParams() = default;
    CWaveSampleParams(std::int16_t channelCount, std::int32_t bitsPerSample, std::uint32_t sampleRate,
                      std::int32_t frameCount)
        : mChannelCount(channelCount), mBitsPerSample(bitsPerSample), mSampleRate(sampleRate),
          mFrameCount(frameCount)
    {
    }

    std::int16_t mChannelCount = 0;
    std::int32_t mBitsPerSample = 0;
    std::uint32_t mSampleRate = 0;
    std::int32_t mFrameCount = 0;
};

// The loop and tuning part of a sample. The loop end is one past the loop's last frame.
struct CSampleInfo
{
    std::int32_t mLoopMode = kLoopModeNone;
    std::int32_t mAlternating = 0;
    std::int32_t mLoopStart = 0;
    std::int32_t mLoopEnd = 0;
    std::uint8_t mTuningPresent = 0;
    std::uint8_t mRootKey = 60;
    std::int8_t mFineTuneInCents = 0;
    std::uint8_t mKeyRangePresent = 0;
    std::uint8_t mLowKey = 0;
    std::uint8_t mHighKey = 127;
};

struct CWaveSampleDescription : CWaveSampleParams
{
    CWaveSampleDescription() = default;
    CWaveSampleDescription(std::int16_t channelCount, std::int32_t bitsPerSample, std::uint32_t sampleRate,
                           std::int32_t frameCount)
        : CWaveSampleParams(channelCount, bitsPerSample, sampleRate, frameCount)
    {
    }

    CSampleInfo mInfo;
};

// Bits other than 8, 16, 20, 22 and 24 throw XBadFormat.
std::int32_t GetBytesPerFrame(const CWaveSampleParams& params);

// Each reads or writes frameCount * channelCount values. Unsupported bits, an 8-bit encoding other than
// the two above and a negative count throw XBadFormat before a byte moves; stream errors pass through.
void ReadNative16Bit(CMedia& stream, std::int32_t byteOrder, std::int32_t encoding8Bit, std::int32_t bits,
                     std::int16_t channelCount, std::int32_t frameCount, std::int16_t* values);
void ConvertToNative16Bit(CMedia& stream, std::int32_t byteOrder, std::int32_t encoding8Bit, std::int32_t bits,
                          std::int16_t channelCount, std::int32_t frameCount, float* values);
// Rounds to nearest, ties to even, and keeps only the bits the stored width holds: no clipping.
void ConvertFromNative16Bit(CMedia& stream, std::int32_t byteOrder, std::int32_t encoding8Bit, std::int32_t bits,
                            std::int16_t channelCount, std::int32_t frameCount, const float* values);

// All frames of the accessor as 16-bit samples, interleaved for two channels. An accessor of other than
// one or two channels throws XBadFormat.
void WriteAccessorData(CMedia& stream, std::int32_t byteOrder, CABCAudioAccessor& accessor);

} // namespace NSTramvell
