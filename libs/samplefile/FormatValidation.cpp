#include "libs/samplefile/FormatValidation.h"

namespace NSSondrel {

namespace {

constexpr std::uint32_t kHighestKey = 127;
constexpr std::int32_t kLowestFineTune = -50;
constexpr std::int32_t kHighestFineTune = 50;

bool IsValidLoop(const FormatInfo& info, EValidation validation)
{
    if (info.loopMode != kLoopBackward && info.loopMode != kLoopForward) {
        return false;
    }
    if (info.alternate != kAlternateNo && info.alternate != kAlternateYes) {
        return false;
    }
    if (info.loopStart >= info.loopEnd) {
        return false;
    }
    if (validation == EValidation::kStrict) {
        const auto frameCount = static_cast<std::uint32_t>(info.frameCount);
        return frameCount >= info.loopStart && frameCount >= info.loopEnd;
    }
    return true;
}

bool IsValidRoot(const FormatInfo& info)
{
    return info.rootKey <= kHighestKey && info.fineTune >= kLowestFineTune && info.fineTune <= kHighestFineTune &&
           info.lowValue <= kHighestKey && info.highValue <= kHighestKey;
}

} // namespace

bool IsSupportedBitDepth(std::int32_t bitsPerSample)
{
    return bitsPerSample == 8 || bitsPerSample == 16 || bitsPerSample == 20 || bitsPerSample == 22 ||
           bitsPerSample == 24;
}

std::int32_t GetBytesPerSample(std::int32_t bitsPerSample)
{
    if (bitsPerSample == 8) {
        return 1;
    }
    return bitsPerSample == 16 ? 2 : 3;
}

bool ValidateFormatInfo(const FormatInfo& info, EValidation validation)
{
    if (info.channels == 0 || !IsSupportedBitDepth(info.bitsPerSample)) {
        return false;
    }
    if (info.channels > 2 || info.sampleRate == 0) {
        return false;
    }
    if (info.loopMode != kLoopNone && !IsValidLoop(info, validation)) {
        return false;
    }
    return info.hasRoot == 0 || IsValidRoot(info);
}

} // namespace NSSondrel
