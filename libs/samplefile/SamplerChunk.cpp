#include "libs/samplefile/SamplerChunk.h"

#include "framework/foundation/core/ByteOrder.h"

namespace NSSondrel {

namespace {

// Header field offsets.
constexpr std::int32_t kSamplePeriodOffset = 8;
constexpr std::int32_t kUnityNoteOffset = 12;
constexpr std::int32_t kPitchFractionOffset = 16;
constexpr std::int32_t kSmpteFormatOffset = 20;
constexpr std::int32_t kLoopCountOffset = 28;
constexpr std::int32_t kSamplerDataSizeOffset = 32;
// Loop record field offsets.
constexpr std::int32_t kLoopTypeOffset = 4;
constexpr std::int32_t kLoopStartOffset = 8;
constexpr std::int32_t kLoopEndOffset = 12;

constexpr std::uint32_t kLoopTypeForward = 0;
constexpr std::uint32_t kLoopTypeAlternating = 1;
constexpr std::uint32_t kLoopTypeBackward = 2;

constexpr std::uint32_t kNoRootUnityNote = 60;
constexpr std::uint32_t kNoteCount = 128;
// Half a semitone is 0x80000000: a fraction of 2^32 in steps of 256 (the low byte is never used).
constexpr std::int32_t kHalfSemitoneInSteps = 8388608;
constexpr std::uint32_t kHighestPositiveFraction = 0x800000FF;

bool IsKnownSmpteFormat(std::uint32_t format)
{
    return format == 0 || format == 24 || format == 25 || format == 29 || format == 30;
}

void ApplyFirstLoop(const std::uint8_t* loop, SamplerSettings& settings)
{
    switch (NSTramvell::ReadLittleEndian32(loop + kLoopTypeOffset)) {
    case kLoopTypeForward:
        settings.loopMode = kLoopForward;
        break;
    case kLoopTypeAlternating:
        settings.loopMode = kLoopForward;
        settings.alternate = kAlternateYes;
        break;
    case kLoopTypeBackward:
        settings.loopMode = kLoopBackward;
        break;
    default:
        break;
    }
    settings.loopStart = NSTramvell::ReadLittleEndian32(loop + kLoopStartOffset);
    // The record's end is the last frame of the loop; ours is one past it.
    settings.loopEnd = NSTramvell::ReadLittleEndian32(loop + kLoopEndOffset) + 1u;
    if (static_cast<std::int32_t>(settings.loopStart) < 0) {
        settings.loopMode = kLoopNone;
        settings.loopStart = 0;
    } else if (settings.loopStart >= settings.loopEnd) {
        settings.loopMode = kLoopNone;
        settings.loopStart = 0;
        settings.loopEnd = 0;
    }
    if (settings.loopMode == kLoopNone) {
        settings.alternate = kAlternateNo;
    }
}

} // namespace

UnityPitch EncodeUnityPitch(std::uint32_t rootKey, std::int32_t fineTune)
{
    const std::int32_t tune = NSTramvell::Clamp(fineTune, -50, 50);
    if (tune >= 0) {
        // 50 cents give 0x80000000, which a signed product could not hold.
        const auto steps = static_cast<std::uint32_t>(NSTramvell::MulDivRoundUp(tune, kHalfSemitoneInSteps, 50));
        return {rootKey, steps * 256u};
    }
    if (rootKey == 0) {
        return {0, 0};
    }
    const auto steps = static_cast<std::uint32_t>(NSTramvell::MulDivRoundUp(tune + 50, 8388606, 50)) + 8388609u;
    return {rootKey - 1, steps * 256u};
}

RootPitch DecodeUnityPitch(const UnityPitch& stored)
{
    const auto steps = static_cast<std::int32_t>(stored.pitchFraction >> 8);
    if (stored.pitchFraction <= kHighestPositiveFraction) {
        return {stored.unityNote, NSTramvell::MulDivRoundUp(steps - 255, 50, kHalfSemitoneInSteps)};
    }
    if (stored.unityNote > 126) {
        return {stored.unityNote, 50};
    }
    return {stored.unityNote + 1, NSTramvell::MulDivRoundUp(steps - 8388863, 50, kHalfSemitoneInSteps) - 50};
}

std::vector<std::uint8_t> BuildSamplerChunk(const FormatInfo& info)
{
    const bool hasLoopRecord = info.loopMode == kLoopForward;
    std::vector<std::uint8_t> chunk(kSamplerHeaderSizeInBytes + (hasLoopRecord ? kSampleLoopSizeInBytes : 0), 0);
    std::uint8_t* header = chunk.data();

    const UnityPitch pitch =
        info.hasRoot != 0 ? EncodeUnityPitch(info.rootKey, info.fineTune) : UnityPitch{kNoRootUnityNote, 0};
    const std::int32_t nanosecondsPerFrame = NSTramvell::MulDiv(1000000000, 1, info.sampleRate);
    NSTramvell::WriteLittleEndian32(header + kSamplePeriodOffset, static_cast<std::uint32_t>(nanosecondsPerFrame));
    NSTramvell::WriteLittleEndian32(header + kUnityNoteOffset, pitch.unityNote);
    NSTramvell::WriteLittleEndian32(header + kPitchFractionOffset, pitch.pitchFraction);
    NSTramvell::WriteLittleEndian32(header + kLoopCountOffset, hasLoopRecord ? 1u : 0u);
    if (hasLoopRecord) {
        std::uint8_t* loop = header + kSamplerHeaderSizeInBytes;
        const std::uint32_t type = info.alternate == kAlternateYes ? kLoopTypeAlternating : kLoopTypeForward;
        NSTramvell::WriteLittleEndian32(loop + kLoopTypeOffset, type);
        NSTramvell::WriteLittleEndian32(loop + kLoopStartOffset, info.loopStart);
        NSTramvell::WriteLittleEndian32(loop + kLoopEndOffset, info.loopEnd - 1u);
    }
    return chunk;
}

std::uint32_t GetSampleLoopCount(const std::uint8_t* header)
{
    return NSTramvell::ReadLittleEndian32(header + kLoopCountOffset);
}

std::optional<SamplerSettings> ParseSamplerChunk(const std::uint8_t* header, std::int64_t chunkSizeInBytes,
                                                 const std::uint8_t* firstLoop)
{
    const std::uint32_t loopCount = GetSampleLoopCount(header);
    const std::int64_t neededSizeInBytes = kSamplerHeaderSizeInBytes +
                                           std::int64_t{kSampleLoopSizeInBytes} * loopCount +
                                           NSTramvell::ReadLittleEndian32(header + kSamplerDataSizeOffset);
    const std::uint32_t unityNote = NSTramvell::ReadLittleEndian32(header + kUnityNoteOffset);
    if (!IsKnownSmpteFormat(NSTramvell::ReadLittleEndian32(header + kSmpteFormatOffset)) ||
        chunkSizeInBytes < neededSizeInBytes || unityNote >= kNoteCount) {
        return std::nullopt;
    }
    if (loopCount != 0 && firstLoop == nullptr) {
        return std::nullopt;
    }

    SamplerSettings settings;
    settings.hasRoot = true;
    settings.root = DecodeUnityPitch({unityNote, NSTramvell::ReadLittleEndian32(header + kPitchFractionOffset)});
    if (loopCount != 0) {
        ApplyFirstLoop(firstLoop, settings);
    }
    return settings;
}

} // namespace NSSondrel
