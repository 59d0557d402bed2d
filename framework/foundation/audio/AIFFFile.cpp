#include "framework/foundation/audio/AIFFFile.h"

#include "framework/foundation/audio/SampleFrameBlocks.h"
#include "framework/foundation/audio/WaveSample.h"
#include "framework/foundation/chunks/IFFChunk.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/FrameworkConstants.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace NSTramvell {

namespace {

constexpr std::int32_t kCommonSizeInBytes = 18;
constexpr std::int32_t kCompressedCommonSizeInBytes = 22;
constexpr std::int32_t kInstrumentSizeInBytes = 20;
constexpr std::int32_t kSoundHeaderSizeInBytes = 8;
constexpr std::int32_t kSignatureSizeInBytes = 4;

// "COMM" fields.
constexpr int kChannelsOffset = 0;
constexpr int kFramesOffset = 2;
constexpr int kBitsOffset = 6;
constexpr int kRateOffset = 8;
constexpr int kCompressionOffset = 18;

// "INST" fields.
constexpr int kBaseNoteOffset = 0;
constexpr int kDetuneOffset = 1;
constexpr int kLowNoteOffset = 2;
constexpr int kHighNoteOffset = 3;
constexpr int kLowVelocityOffset = 4;
constexpr int kHighVelocityOffset = 5;
constexpr int kSustainPlayModeOffset = 8;
constexpr int kSustainBeginOffset = 10;
constexpr int kSustainEndOffset = 12;
constexpr int kReleasePlayModeOffset = 14;

constexpr std::int16_t kNoLooping = 0;
constexpr std::int16_t kForwardLooping = 1;
constexpr std::int16_t kForwardBackwardLooping = 2;
constexpr std::int16_t kLoopStartMarker = 1;
constexpr std::int16_t kLoopEndMarker = 2;

struct CMarker
{
    std::int16_t id;
    std::int32_t position;
};

bool IsPlayMode(std::int16_t mode)
{
    return mode == kNoLooping || mode == kForwardLooping || mode == kForwardBackwardLooping;
}

std::int16_t ReadSigned16(const std::uint8_t* bytes)
{
    return static_cast<std::int16_t>(ReadBigEndian16(bytes));
}

// Missing "MARK" gives nothing; one shorter than its markers need throws XBadFormat.
std::optional<std::vector<CMarker>> ReadMarkers(CIFFReader& reader)
{
    std::int32_t size = 0;
    if (!reader.FindChunk(GetAIFFMarkerChunkCode(), size))
        return std::nullopt;
    if (size < 2)
        throw XBadFormat();
    // FindChunk has checked the size against the media, so the chunk is really there to be read.
    std::vector<std::uint8_t> chunk(static_cast<std::size_t>(size));
    reader.GetMedia().Read(size, chunk.data());
    const std::uint16_t count = ReadBigEndian16(chunk.data());
    std::vector<CMarker> markers;
    std::int64_t offset = 2;
    for (std::uint16_t i = 0; i < count; ++i) {
        if (offset + 7 > size)
            throw XBadFormat();
        const std::uint8_t* marker = chunk.data() + offset;
        const std::int64_t markerSize = (marker[6] + 7 + 1) & ~1;
        if (offset + markerSize > size)
            throw XBadFormat();
        markers.push_back({ReadSigned16(marker), static_cast<std::int32_t>(ReadBigEndian32(marker + 2))});
        offset += markerSize;
    }
    return markers;
}

const CMarker* FindMarker(const std::vector<CMarker>& markers, std::int16_t id)
{
    const auto found = std::find_if(markers.begin(), markers.end(), [id](const CMarker& m) { return m.id == id; });
    return found != markers.end() ? &*found : nullptr;
}

void ReadSustainLoop(CIFFReader& reader, std::int16_t playMode, std::int16_t beginId, std::int16_t endId,
                     CSampleInfo& info)
{
    const std::optional<std::vector<CMarker>> markers = ReadMarkers(reader);
    if (playMode == kNoLooping) {
        const CMarker* begin = markers ? FindMarker(*markers, beginId) : nullptr;
        const CMarker* end = markers ? FindMarker(*markers, endId) : nullptr;
        if (begin != nullptr && end != nullptr) {
            info.mLoopMode = kLoopModeKeptNotLooping;
            info.mLoopStart = begin->position;
            info.mLoopEnd = end->position;
        }
        return;
    }
    if (!markers) {
        if (beginId >= 1 && endId >= 1)
            throw XBadFormat();
        return;
    }
    const CMarker* begin = FindMarker(*markers, beginId);
    const CMarker* end = FindMarker(*markers, endId);
    if ((begin == nullptr && beginId >= 1) || (end == nullptr && endId >= 1))
        throw XBadFormat();
    if (begin == nullptr || end == nullptr)
        return;
    info.mLoopMode = kLoopModeLooping;
    info.mAlternating = playMode == kForwardBackwardLooping ? 1 : 0;
    info.mLoopStart = begin->position;
    info.mLoopEnd = end->position;
}

void ReadInstrument(CIFFReader& reader, CSampleInfo& info)
{
    std::int32_t size = 0;
    if (!reader.FindChunk(GetAIFFInstrumentChunkCode(), size))
        return;
    std::uint8_t instrument[kInstrumentSizeInBytes];
    if (!reader.ReadChunk(GetAIFFInstrumentChunkCode(), instrument, kInstrumentSizeInBytes))
        throw XBadFormat();
    const std::int32_t detune =
        std::clamp<std::int32_t>(static_cast<std::int8_t>(instrument[kDetuneOffset]), -50, 50);
    const std::int16_t playMode = ReadSigned16(instrument + kSustainPlayModeOffset);
    for (const int offset :
         {kBaseNoteOffset, kLowNoteOffset, kHighNoteOffset, kLowVelocityOffset, kHighVelocityOffset}) {
        if (instrument[offset] >= 128)
            throw XBadFormat();
    }
    if (!IsPlayMode(playMode) || !IsPlayMode(ReadSigned16(instrument + kReleasePlayModeOffset)))
        throw XBadFormat();

    info.mTuningPresent = 1;
    info.mRootKey = instrument[kBaseNoteOffset];
    info.mFineTuneInCents = static_cast<std::int8_t>(detune);
    info.mKeyRangePresent = 1;
    info.mLowKey = instrument[kLowNoteOffset];
    info.mHighKey = instrument[kHighNoteOffset];
    info.mLoopMode = kLoopModeNone;
    const std::int16_t beginId = ReadSigned16(instrument + kSustainBeginOffset);
    const std::int16_t endId = ReadSigned16(instrument + kSustainEndOffset);
    if (beginId >= 0 && endId >= 0)
        ReadSustainLoop(reader, playMode, beginId, endId, info);
    if (info.mLoopStart < 0) {
        info.mLoopMode = kLoopModeNone;
        info.mLoopStart = 0;
    }
    if (info.mLoopStart >= info.mLoopEnd) {
        info.mLoopMode = kLoopModeNone;
        info.mLoopStart = 0;
        info.mLoopEnd = 0;
    }
}

// Truncating a rate that is no 32-bit whole number would be undefined.
std::uint32_t ReadSampleRate(const std::uint8_t* stored)
{
    const double rate = ReadExtended80(stored);
    if (!std::isfinite(rate) || rate < 1.0 || rate >= 4294967296.0)
        throw XBadFormat();
    return static_cast<std::uint32_t>(rate);
}

void WriteCommonChunk(CIFFWriter& writer, const CWaveSample& sample, std::int32_t bits)
{
    std::uint8_t common[kCommonSizeInBytes];
    WriteBigEndian16(common + kChannelsOffset, static_cast<std::uint16_t>(sample.GetChannelCount()));
    WriteBigEndian32(common + kFramesOffset, static_cast<std::uint32_t>(sample.GetFrameCount()));
    WriteBigEndian16(common + kBitsOffset, static_cast<std::uint16_t>(bits));
    WriteExtended80(common + kRateOffset, static_cast<double>(sample.GetSampleRate()));
    writer.WriteChunk(GetAIFFCommonChunkCode(), common, kCommonSizeInBytes);
}

void WriteSoundChunk(CIFFWriter& writer, CWaveSample& sample, std::int32_t bits)
{
    const std::uint8_t header[kSoundHeaderSizeInBytes] = {};
    writer.BeginChunk(GetAIFFSoundDataChunkCode());
    writer.Write(kSoundHeaderSizeInBytes, header);
    WriteFramesFromSample(writer.GetMedia(), kAIFFLayout, bits, sample);
    writer.EndChunk();
}

void WriteMarker(std::vector<std::uint8_t>& chunk, std::int16_t id, std::int32_t position, const std::string& name)
{
    std::uint8_t fields[6];
    WriteBigEndian16(fields, static_cast<std::uint16_t>(id));
    WriteBigEndian32(fields + 2, static_cast<std::uint32_t>(position));
    chunk.insert(chunk.end(), fields, fields + 6);
    chunk.push_back(static_cast<std::uint8_t>(name.size()));
    chunk.insert(chunk.end(), name.begin(), name.end());
    if ((name.size() + 7) % 2 != 0)
        chunk.push_back(0);
}

void WriteInstrumentAndMarkers(CIFFWriter& writer, const CSampleInfo& info)
{
    const bool looping = info.mLoopMode == kLoopModeLooping;
    const bool keptNotLooping = info.mLoopMode == kLoopModeKeptNotLooping;
    std::uint8_t instrument[kInstrumentSizeInBytes] = {};
    instrument[kBaseNoteOffset] = info.mTuningPresent != 0 ? info.mRootKey : 60;
    instrument[kDetuneOffset] = info.mTuningPresent != 0 ? static_cast<std::uint8_t>(info.mFineTuneInCents) : 0;
    instrument[kLowNoteOffset] = info.mKeyRangePresent != 0 ? info.mLowKey : 0;
    instrument[kHighNoteOffset] = info.mKeyRangePresent != 0 ? info.mHighKey : 127;
    instrument[kLowVelocityOffset] = 1;
    instrument[kHighVelocityOffset] = 127;
    if (looping || keptNotLooping) {
        const std::int16_t playMode =
            keptNotLooping ? kNoLooping : info.mAlternating != 0 ? kForwardBackwardLooping : kForwardLooping;
        WriteBigEndian16(instrument + kSustainPlayModeOffset, static_cast<std::uint16_t>(playMode));
        WriteBigEndian16(instrument + kSustainBeginOffset, kLoopStartMarker);
        WriteBigEndian16(instrument + kSustainEndOffset, kLoopEndMarker);
    }
    writer.WriteChunk(GetAIFFInstrumentChunkCode(), instrument, kInstrumentSizeInBytes);
    if (!looping && !keptNotLooping)
        return;
    std::vector<std::uint8_t> markers = {0, 2};
    WriteMarker(markers, kLoopStartMarker, info.mLoopStart, "Loop Start");
    WriteMarker(markers, kLoopEndMarker, info.mLoopEnd, "Loop End");
    writer.WriteChunk(GetAIFFMarkerChunkCode(), markers.data(), static_cast<std::int32_t>(markers.size()));
}

void WriteAIFFGroup(CMedia& media, CWaveSample& sample, const CSampleInfo* info, std::int32_t bits,
                    const CFourCharCode* signature, const void* data, std::int32_t length)
{
    RequireWritableSample(sample, bits);
    CIFFWriter writer(media);
    writer.BeginFORM(GetAIFFFormCode(), GetAIFFTypeCode());
    WriteCommonChunk(writer, sample, bits);
    WriteSoundChunk(writer, sample, bits);
    if (info != nullptr)
        WriteInstrumentAndMarkers(writer, *info);
    if (signature != nullptr) {
        std::uint8_t code[kSignatureSizeInBytes];
        WriteBigEndian32(code, signature->GetFourCharCode());
        writer.BeginChunk(GetAIFFApplicationChunkCode());
        writer.Write(kSignatureSizeInBytes, code);
        writer.Write(length, data);
        writer.EndChunk();
    }
    writer.EndFORM();
}

} // namespace

CWaveSampleDescription ReadAIFFParams(CMedia& media)
{
    CIFFReader reader(media, GetAIFFFormCode());
    std::int32_t size = 0;
    if (!reader.FindChunk(GetAIFFCommonChunkCode(), size) || size < kCommonSizeInBytes)
        throw XBadFormat();
    std::uint8_t common[kCompressedCommonSizeInBytes];
    const bool compressed = size >= kCompressedCommonSizeInBytes;
    reader.GetMedia().Read(compressed ? kCompressedCommonSizeInBytes : kCommonSizeInBytes, common);
    if (compressed &&
        CFourCharCode(std::string(common + kCompressionOffset, common + kCompressionOffset + 4)) !=
            GetAIFCNoCompressionCode())
        throw XUnsupportedFormat();

    const std::int16_t channelCount = ReadSigned16(common + kChannelsOffset);
    const auto frameCount = static_cast<std::int32_t>(ReadBigEndian32(common + kFramesOffset));
    const std::int16_t bits = ReadSigned16(common + kBitsOffset);
    if (channelCount == 0 || frameCount < 0)
        throw XBadFormat();
    const std::uint32_t rate = ReadSampleRate(common + kRateOffset);
    if ((channelCount != 1 && channelCount != 2) || !IsReadableDepth(bits))
        throw XUnsupportedFormat();

    CWaveSampleDescription description(channelCount, bits, rate, frameCount);
    // Read into a copy, so that a damaged "INST" or "MARK" really leaves the defaults.
    CSampleInfo info;
    try {
        ReadInstrument(reader, info);
        description.mInfo = info;
    } catch (const XBadFormat&) {
    }
    ClampLoopToFrames(description.mInfo, frameCount);
    return description;
}

std::unique_ptr<CWaveSample> ReadAIFFSample(CMedia& media, std::int32_t bits)
{
    const CWaveSampleDescription description = ReadAIFFParams(media);
    CIFFReader reader(media, GetAIFFFormCode());
    std::int32_t size = 0;
    if (!reader.FindChunk(GetAIFFSoundDataChunkCode(), size) || size < kSoundHeaderSizeInBytes)
        throw XBadFormat();
    const std::int32_t dataStart = media.GetPosition();
    std::uint8_t header[kSoundHeaderSizeInBytes];
    media.Read(kSoundHeaderSizeInBytes, header);
    const std::uint32_t offset = ReadBigEndian32(header);
    // Checked before the sample is made: a damaged frame count must not size an allocation.
    const std::int64_t available = std::int64_t{size} - kSoundHeaderSizeInBytes - offset;
    if (available < std::int64_t{description.mFrameCount} * GetBytesPerFrame(description))
        throw XBadFormat();
    media.SetPosition(dataStart + kSoundHeaderSizeInBytes + static_cast<std::int32_t>(offset));

    const CWaveSampleParams params(description.mChannelCount, bits, description.mSampleRate, description.mFrameCount);
    auto sample = std::make_unique<CWaveSample>(params);
    ReadFramesIntoSample(media, kAIFFLayout, description.mBitsPerSample, *sample);
    return sample;
}

void WriteAIFF(CMedia& media, CWaveSample& sample, const CSampleInfo* info, std::int32_t bits)
{
    WriteAIFFGroup(media, sample, info, bits, nullptr, nullptr, 0);
}

void WriteAIFF(CMedia& media, CWaveSample& sample, const CSampleInfo* info, std::int32_t bits,
               const CFourCharCode& signature, const void* data, std::int32_t length)
{
    WriteAIFFGroup(media, sample, info, bits, &signature, data, length);
}

bool ReadAPPLChunk(CIFFReader& reader, CFourCharCode& signature, void* buffer, std::int32_t maximum)
{
    std::int32_t size = 0;
    if (!reader.FindChunk(GetAIFFApplicationChunkCode(), size))
        return false;
    if (size < kSignatureSizeInBytes)
        throw XBadFormat();
    std::uint8_t code[kSignatureSizeInBytes];
    reader.GetMedia().Read(kSignatureSizeInBytes, code);
    signature = CFourCharCode(std::string(code, code + kSignatureSizeInBytes));
    const std::int32_t length = std::min(size - kSignatureSizeInBytes, std::max(maximum, 0));
    if (length > 0)
        reader.GetMedia().Read(length, buffer);
    return true;
}

} // namespace NSTramvell
