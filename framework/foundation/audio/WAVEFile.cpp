#include "framework/foundation/audio/WAVEFile.h"

#include "framework/foundation/audio/SampleFrameBlocks.h"
#include "framework/foundation/audio/WaveSample.h"
#include "framework/foundation/chunks/RIFF.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/FrameworkConstants.h"

#include <algorithm>

namespace NSTramvell {

namespace {

constexpr std::uint16_t kPCMFormatTag = 1;
constexpr std::int32_t kFormatSizeInBytes = 16;
constexpr std::int32_t kSamplerHeaderSizeInBytes = 36;
constexpr std::int32_t kSamplerLoopSizeInBytes = 24;
// A pitch fraction of 0x800000 (after dropping its low byte) is half a semitone: 50 cents.
constexpr std::int64_t kHalfSemitoneFraction = 0x800000;

// "fmt " fields.
constexpr int kFormatTagOffset = 0;
constexpr int kChannelsOffset = 2;
constexpr int kRateOffset = 4;
constexpr int kByteRateOffset = 8;
constexpr int kBlockAlignOffset = 12;
constexpr int kBitsOffset = 14;

// "smpl" header and loop fields.
constexpr int kPeriodOffset = 8;
constexpr int kUnityNoteOffset = 12;
constexpr int kPitchFractionOffset = 16;
constexpr int kSMPTEFormatOffset = 20;
constexpr int kLoopCountOffset = 28;
constexpr int kSamplerDataOffset = 32;
constexpr int kLoopTypeOffset = 4;
constexpr int kLoopStartOffset = 8;
constexpr int kLoopEndOffset = 12;

bool IsSMPTEFormat(std::uint32_t format)
{
    return format == 0 || format == 24 || format == 25 || format == 29 || format == 30;
}

// a * b / c rounded to nearest: what the writer's truncated encoding stands for, read back to the cent.
std::int32_t ScaleRounded(std::int64_t a, std::int64_t b, std::int64_t c)
{
    return static_cast<std::int32_t>((a * b + c / 2) / c);
}

void ReadFineTune(std::uint32_t pitchFraction, CSampleInfo& info)
{
    const std::int64_t fraction = pitchFraction >> 8;
    if (fraction <= kHalfSemitoneFraction) {
        info.mFineTuneInCents = static_cast<std::int8_t>(ScaleRounded(fraction, 50, kHalfSemitoneFraction));
    } else if (info.mRootKey < 127) {
        // More than half a semitone above the note: the next note, tuned down.
        ++info.mRootKey;
        info.mFineTuneInCents =
            static_cast<std::int8_t>(ScaleRounded(fraction - kHalfSemitoneFraction, 50, 0x7FFFFF) - 50);
    } else {
        info.mFineTuneInCents = 50;
    }
}

void ReadFirstLoop(const std::uint8_t* loop, CSampleInfo& info)
{
    switch (ReadLittleEndian32(loop + kLoopTypeOffset)) {
    case 0:
        info.mLoopMode = kLoopModeLooping;
        info.mAlternating = 0;
        break;
    case 1:
        info.mLoopMode = kLoopModeLooping;
        info.mAlternating = 1;
        break;
    case 2:
        info.mLoopMode = kLoopModeKeptNotLooping;
        break;
    default:
        info.mLoopMode = kLoopModeNone;
        break;
    }
    const auto start = static_cast<std::int32_t>(ReadLittleEndian32(loop + kLoopStartOffset));
    // The stored end is inclusive; ours is one past it, which may not fit 32 bits.
    const std::int64_t end = std::int64_t{ReadLittleEndian32(loop + kLoopEndOffset)} + 1;
    info.mLoopStart = start;
    info.mLoopEnd = static_cast<std::int32_t>(std::min<std::int64_t>(end, INT32_MAX));
    if (start < 0) {
        info.mLoopMode = kLoopModeNone;
        info.mLoopStart = 0;
    }
    if (info.mLoopStart >= end) {
        info.mLoopMode = kLoopModeNone;
        info.mLoopStart = 0;
        info.mLoopEnd = 0;
    }
}

// The fine tune as the pitch fraction above a unity note one below the root when it is negative.
void EncodeTuning(const CSampleInfo& info, std::uint32_t& unityNote, std::uint32_t& pitchFraction)
{
    unityNote = 60;
    pitchFraction = 0;
    if (info.mTuningPresent == 0)
        return;
    unityNote = info.mRootKey;
    const std::int64_t cents = std::clamp<std::int64_t>(info.mFineTuneInCents, -50, 50);
    if (cents >= 0) {
        pitchFraction = static_cast<std::uint32_t>(cents * kHalfSemitoneFraction / 50) << 8;
    } else if (info.mRootKey > 0) {
        unityNote = info.mRootKey - 1u;
        pitchFraction = static_cast<std::uint32_t>((cents + 50) * 0x7FFFFE / 50 + 0x800001) << 8;
    }
}

void WriteFormatChunk(RIFF_WRITER& writer, const CWaveSample& sample, std::int32_t bits)
{
    const auto channelCount = static_cast<std::uint32_t>(sample.GetChannelCount());
    std::uint8_t format[kFormatSizeInBytes];
    WriteLittleEndian16(format + kFormatTagOffset, kPCMFormatTag);
    WriteLittleEndian16(format + kChannelsOffset, static_cast<std::uint16_t>(channelCount));
    WriteLittleEndian32(format + kRateOffset, sample.GetSampleRate());
    WriteLittleEndian32(format + kByteRateOffset,
                        static_cast<std::uint32_t>(std::uint64_t{sample.GetSampleRate()} * bits * channelCount / 8));
    WriteLittleEndian16(format + kBlockAlignOffset, static_cast<std::uint16_t>(bits * channelCount / 8));
    WriteLittleEndian16(format + kBitsOffset, static_cast<std::uint16_t>(bits));
    writer.WriteChunk(GetWaveFormatChunkCode(), format, kFormatSizeInBytes);
}

void WriteSamplerChunk(RIFF_WRITER& writer, const CSampleInfo& info, std::uint32_t sampleRate)
{
    const bool looping = info.mLoopMode == kLoopModeLooping;
    std::uint8_t sampler[kSamplerHeaderSizeInBytes + kSamplerLoopSizeInBytes] = {};
    std::uint32_t unityNote = 0;
    std::uint32_t pitchFraction = 0;
    EncodeTuning(info, unityNote, pitchFraction);
    WriteLittleEndian32(sampler + kPeriodOffset, 1000000000u / sampleRate);
    WriteLittleEndian32(sampler + kUnityNoteOffset, unityNote);
    WriteLittleEndian32(sampler + kPitchFractionOffset, pitchFraction);
    WriteLittleEndian32(sampler + kLoopCountOffset, looping ? 1 : 0);
    if (looping) {
        std::uint8_t* loop = sampler + kSamplerHeaderSizeInBytes;
        WriteLittleEndian32(loop + kLoopTypeOffset, info.mAlternating != 0 ? 1 : 0);
        WriteLittleEndian32(loop + kLoopStartOffset, static_cast<std::uint32_t>(info.mLoopStart));
        WriteLittleEndian32(loop + kLoopEndOffset, static_cast<std::uint32_t>(info.mLoopEnd) - 1u);
    }
    writer.WriteChunk(GetWaveSamplerChunkCode(), sampler,
                      looping ? kSamplerHeaderSizeInBytes + kSamplerLoopSizeInBytes : kSamplerHeaderSizeInBytes);
}

} // namespace

void ReadSamplerChunk(RIFF_READER& reader, CSampleInfo& info)
{
    std::uint8_t header[kSamplerHeaderSizeInBytes];
    std::int32_t size = 0;
    if (!reader.FindChunk(GetWaveSamplerChunkCode(), size))
        return;
    if (!reader.ReadChunk(GetWaveSamplerChunkCode(), header, kSamplerHeaderSizeInBytes))
        throw XBadFormat();
    const std::uint32_t unityNote = ReadLittleEndian32(header + kUnityNoteOffset);
    const std::uint32_t loopCount = ReadLittleEndian32(header + kLoopCountOffset);
    const std::int64_t neededSize = std::int64_t{kSamplerHeaderSizeInBytes} +
                                    std::int64_t{kSamplerLoopSizeInBytes} * loopCount +
                                    ReadLittleEndian32(header + kSamplerDataOffset);
    if (unityNote >= 128 || size < neededSize || !IsSMPTEFormat(ReadLittleEndian32(header + kSMPTEFormatOffset)))
        throw XBadFormat();

    info.mTuningPresent = 1;
    info.mRootKey = static_cast<std::uint8_t>(unityNote);
    ReadFineTune(ReadLittleEndian32(header + kPitchFractionOffset), info);
    if (loopCount > 0) {
        std::uint8_t loop[kSamplerLoopSizeInBytes];
        if (!reader.ReadChunk(GetWaveSamplerChunkCode(), loop, kSamplerHeaderSizeInBytes, kSamplerLoopSizeInBytes))
            throw XBadFormat();
        ReadFirstLoop(loop, info);
    }
}

CWaveSampleDescription ReadWAVEParams(CMedia& media)
{
    media.SetPosition(0);
    RIFF_READER reader(media);
    std::uint8_t format[kFormatSizeInBytes];
    if (!reader.ReadChunk(GetWaveFormatChunkCode(), format, kFormatSizeInBytes))
        throw XBadFormat();
    const std::uint16_t channelCount = ReadLittleEndian16(format + kChannelsOffset);
    const std::uint32_t rate = ReadLittleEndian32(format + kRateOffset);
    if (channelCount == 0 || rate == 0 || ReadLittleEndian32(format + kByteRateOffset) == 0)
        throw XBadFormat();
    const std::uint16_t storedBits = ReadLittleEndian16(format + kBitsOffset);
    const bool pcm = ReadLittleEndian16(format + kFormatTagOffset) == kPCMFormatTag;
    if ((channelCount != 1 && channelCount != 2) || !pcm || !IsReadableDepth(storedBits))
        throw XUnsupportedFormat();

    CWaveSampleDescription description(static_cast<std::int16_t>(channelCount), storedBits, rate, 0);
    std::int32_t dataSize = 0;
    if (reader.FindChunk(GetWaveDataChunkCode(), dataSize))
        description.mFrameCount = dataSize / GetBytesPerFrame(description);

    // A damaged "smpl" costs the loop and tuning, not the sample.
    CSampleInfo info;
    try {
        ReadSamplerChunk(reader, info);
        description.mInfo = info;
    } catch (const XBadFormat&) {
    }
    ClampLoopToFrames(description.mInfo, description.mFrameCount);
    return description;
}

std::unique_ptr<CWaveSample> ReadWAVESample(CMedia& media)
{
    const CWaveSampleDescription description = ReadWAVEParams(media);
    // Without "data" the parameters count no frames, but a sample file without its sound is damaged.
    RIFF_READER reader(media);
    FindDataChunk(reader);
    auto sample = std::make_unique<CWaveSample>(description);
    ReadFramesIntoSample(media, kWAVELayout, description.mBitsPerSample, *sample);
    return sample;
}

void WriteWAVE(CMedia& media, CWaveSample& sample, const CSampleInfo* info, std::int32_t bits)
{
    RequireWritableSample(sample, bits);
    RIFF_WRITER writer(media);
    writer.BeginFORM(GetWaveRIFFChunkCode(), GetWaveTypeCode());
    WriteFormatChunk(writer, sample, bits);
    BeginDataChunk(writer);
    WriteFramesFromSample(media, kWAVELayout, bits, sample);
    EndDataChunk(writer);
    if (info != nullptr)
        WriteSamplerChunk(writer, *info, sample.GetSampleRate());
    writer.EndFORM();
}

void ReadWAVEFrames(RIFF_READER& reader, float* values, std::int32_t frameCount, const CWaveSampleParams& params)
{
    ConvertToNative16Bit(reader.GetMedia(), kWAVELayout.byteOrder, kWAVELayout.encoding8Bit, params.mBitsPerSample,
                         params.mChannelCount, frameCount, values);
}

void WriteWAVEFrames(RIFF_WRITER& writer, const float* values, std::int32_t frameCount, std::int16_t channelCount,
                     std::int32_t bits)
{
    ConvertFromNative16Bit(writer.GetMedia(), kWAVELayout.byteOrder, kWAVELayout.encoding8Bit, bits, channelCount,
                           frameCount, values);
}

void BeginDataChunk(RIFF_WRITER& writer)
{
    writer.BeginChunk(GetWaveDataChunkCode());
}

void EndDataChunk(RIFF_WRITER& writer)
{
    writer.EndChunk();
}

std::int32_t FindDataChunk(RIFF_READER& reader)
{
    std::int32_t size = 0;
    if (!reader.FindChunk(GetWaveDataChunkCode(), size))
        throw XBadFormat();
    return size;
}

} // namespace NSTramvell
