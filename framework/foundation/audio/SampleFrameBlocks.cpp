#include "framework/foundation/audio/SampleFrameBlocks.h"

#include "framework/foundation/audio/WaveSample.h"
#include "framework/foundation/core/Exceptions.h"

#include <algorithm>
#include <vector>

namespace NSTramvell {

namespace {

constexpr std::int32_t kFramesPerBlock = 2048;

// Calls body(first frame, frame count, 24-bit values, floats) for each block of the sample's frames,
// with room for the block's values in both buffers.
template <typename Body>
void ForEachFrameBlock(CWaveSample& sample, Body body)
{
    const std::int32_t frameCount = sample.GetFrameCount();
    const std::size_t blockValues =
        static_cast<std::size_t>(std::min(frameCount, kFramesPerBlock)) * sample.GetChannelCount();
    std::vector<std::int32_t> values(blockValues);
    std::vector<float> floats(blockValues);
    for (std::int32_t first = 0; first < frameCount; first += kFramesPerBlock)
        body(first, std::min(frameCount - first, kFramesPerBlock), values.data(), floats.data());
}

} // namespace

// The converter's floats are whole numbers in 24-bit scale, so they travel through the accessor's 24-bit
// slots: its float slots expect full scale 1.0.
void ReadFramesIntoSample(CMedia& media, const CStoredSampleLayout& layout, std::int32_t storedBits,
                          CWaveSample& sample)
{
    const std::int16_t channelCount = sample.GetChannelCount();
    ForEachFrameBlock(sample, [&](std::int32_t first, std::int32_t count, std::int32_t* values, float* floats) {
        ConvertToNative16Bit(media, layout.byteOrder, layout.encoding8Bit, storedBits, channelCount, count, floats);
        std::transform(floats, floats + count * channelCount, values,
                       [](float value) { return static_cast<std::int32_t>(value); });
        if (channelCount == 1)
            sample.Write24BitFrames(first, count, values, CABCAudioAccessor::kLeftChannel);
        else
            sample.Write24BitStereoFrames(first, count, values);
    });
}

void WriteFramesFromSample(CMedia& media, const CStoredSampleLayout& layout, std::int32_t storedBits,
                           CWaveSample& sample)
{
    const std::int16_t channelCount = sample.GetChannelCount();
    ForEachFrameBlock(sample, [&](std::int32_t first, std::int32_t count, std::int32_t* values, float* floats) {
        if (channelCount == 1)
            sample.Read24BitFrames(first, count, values, CABCAudioAccessor::kLeftChannel);
        else
            sample.Read24BitStereoFrames(first, count, values);
        std::transform(values, values + count * channelCount, floats,
                       [](std::int32_t value) { return static_cast<float>(value); });
        ConvertFromNative16Bit(media, layout.byteOrder, layout.encoding8Bit, storedBits, channelCount, count, floats);
    });
}

bool IsReadableDepth(std::int32_t bits)
{
    return bits == 8 || bits == 16 || bits == 20 || bits == 22 || bits == 24;
}

void RequireWritableSample(const CWaveSample& sample, std::int32_t bits)
{
    if ((bits != 8 && bits != 16 && bits != 24) || sample.GetSampleRate() == 0)
        throw XUnsupportedFormat();
}

void ClampLoopToFrames(CSampleInfo& info, std::int32_t frameCount)
{
    info.mLoopStart = std::clamp(info.mLoopStart, 0, std::max(frameCount, 0));
    info.mLoopEnd = std::clamp(info.mLoopEnd, 0, std::max(frameCount, 0));
    if (info.mLoopStart >= info.mLoopEnd) {
        info.mLoopMode = kLoopModeNone;
        info.mLoopStart = 0;
        info.mLoopEnd = 0;
    }
}

} // namespace NSTramvell
