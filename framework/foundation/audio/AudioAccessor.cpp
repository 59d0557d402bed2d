#include "framework/foundation/audio/AudioAccessor.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

namespace NSTramvell {

namespace {

// The stream holds little-endian values, which every build target reads straight into its words.
static_assert(std::endian::native == std::endian::little);

constexpr std::int32_t kChannelBlockFrames = 1024;
constexpr std::int32_t kPairBlockFrames = 512;
constexpr float kFromSixteenBit = 3.0517578125e-05f; // 2^-15

std::int16_t FloatToSample(float value)
{
    const double scaled = std::trunc(static_cast<double>(value) * 32768.0);
    // Values beyond the 64-bit range are multiples of 2^48: their low 16 bits are 0, as for NaN.
    if (!(std::fabs(scaled) < 9223372036854775808.0))
        return 0;
    const auto wrapped = static_cast<std::uint64_t>(static_cast<std::int64_t>(scaled));
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(wrapped));
}

std::int16_t TwentyFourBitToSample(std::int32_t value)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(value >> 8)));
}

} // namespace

CABCAudioAccessor::CABCAudioAccessor(CMedia* data, std::int32_t frameCount, std::int16_t channelCount)
    : mData(data), mFrameCount(frameCount), mChannelCount(channelCount)
{
}

CABCAudioAccessor::~CABCAudioAccessor() = default;

CNative16BitAccessor::CNative16BitAccessor(CMedia& data, std::int32_t frameCount, std::int16_t channelCount)
    : CABCAudioAccessor(&data, frameCount, channelCount), mFrameSizeInBytes(channelCount * 2)
{
}

CNative16BitAccessor::~CNative16BitAccessor() = default;

std::int32_t CNative16BitAccessor::GetFrameOffset(std::int32_t frame) const
{
    const std::int64_t offset = std::int64_t{frame} * mFrameSizeInBytes;
    if (offset < 0 || offset > INT32_MAX)
        throw XPosition();
    return static_cast<std::int32_t>(offset);
}

std::int32_t CNative16BitAccessor::GetByteCount(std::int32_t frameCount) const
{
    return GetFrameOffset(frameCount);
}

std::int32_t CNative16BitAccessor::GetChannelIndex(std::int16_t channel) const
{
    return mChannelCount == 2 && channel != kLeftChannel ? 1 : 0;
}

std::int32_t CNative16BitAccessor::Read16BitFrames(std::int32_t first, std::int32_t count, std::int16_t* out,
                                                   std::int16_t channel)
{
    if (count <= 0)
        return first;
    if (mChannelCount != 2) {
        mData->ReadAt(GetFrameOffset(first), GetByteCount(count), out);
        return first + count;
    }
    const std::int32_t index = GetChannelIndex(channel);
    std::vector<std::int16_t> frames(2 * std::min(count, kPairBlockFrames));
    for (std::int32_t done = 0; done < count; done += kPairBlockFrames) {
        const std::int32_t blockFrames = std::min(count - done, kPairBlockFrames);
        mData->ReadAt(GetFrameOffset(first + done), GetByteCount(blockFrames), frames.data());
        for (std::int32_t i = 0; i < blockFrames; ++i)
            out[done + i] = frames[2 * i + index];
    }
    return first + count;
}

std::int32_t CNative16BitAccessor::Write16BitFrames(std::int32_t first, std::int32_t count, const std::int16_t* in,
                                                    std::int16_t channel)
{
    if (count <= 0)
        return first;
    if (mChannelCount != 2) {
        mData->WriteAt(GetFrameOffset(first), GetByteCount(count), in);
        return first + count;
    }
    const std::int32_t index = GetChannelIndex(channel);
    std::vector<std::int16_t> frames(2 * std::min(count, kPairBlockFrames));
    for (std::int32_t done = 0; done < count; done += kPairBlockFrames) {
        const std::int32_t blockFrames = std::min(count - done, kPairBlockFrames);
        const std::int32_t offset = GetFrameOffset(first + done);
        mData->ReadAt(offset, GetByteCount(blockFrames), frames.data());
        for (std::int32_t i = 0; i < blockFrames; ++i)
            frames[2 * i + index] = in[done + i];
        mData->WriteAt(offset, GetByteCount(blockFrames), frames.data());
    }
    return first + count;
}

std::int32_t CNative16BitAccessor::Read16BitStereoFrames(std::int32_t first, std::int32_t count, std::int16_t* out)
{
    if (count > 0)
        mData->ReadAt(GetFrameOffset(first), GetByteCount(count), out);
    return first + std::max(count, 0);
}

std::int32_t CNative16BitAccessor::Write16BitStereoFrames(std::int32_t first, std::int32_t count,
                                                          const std::int16_t* in)
{
    if (count > 0)
        mData->WriteAt(GetFrameOffset(first), GetByteCount(count), in);
    return first + std::max(count, 0);
}

// Fetches blocks of 16-bit values (one channel, or whole frames when stereo) and converts each; returns
// the frame count of the last block, or first when there is none.
template <typename Value, typename Convert>
std::int32_t CNative16BitAccessor::ReadConverted(std::int32_t first, std::int32_t count, Value* out,
                                                 std::int16_t channel, bool stereo, std::int32_t framesPerBlock,
                                                 Convert convert)
{
    const std::int32_t valuesPerFrame = stereo ? mChannelCount : 1;
    std::vector<std::int16_t> block(static_cast<std::size_t>(std::max(0, std::min(count, framesPerBlock))) *
                                    valuesPerFrame);
    std::int32_t lastBlockFrames = first;
    for (std::int32_t done = 0; done < count; done += framesPerBlock) {
        lastBlockFrames = std::min(count - done, framesPerBlock);
        if (stereo)
            Read16BitStereoFrames(first + done, lastBlockFrames, block.data());
        else
            Read16BitFrames(first + done, lastBlockFrames, block.data(), channel);
        Value* target = out + static_cast<std::int64_t>(done) * valuesPerFrame;
        for (std::int32_t i = 0; i < lastBlockFrames * valuesPerFrame; ++i)
            target[i] = convert(block[i]);
    }
    return lastBlockFrames;
}

template <typename Value, typename Convert>
std::int32_t CNative16BitAccessor::WriteConverted(std::int32_t first, std::int32_t count, const Value* in,
                                                  std::int16_t channel, bool stereo, std::int32_t framesPerBlock,
                                                  Convert convert)
{
    const std::int32_t valuesPerFrame = stereo ? mChannelCount : 1;
    std::vector<std::int16_t> block(static_cast<std::size_t>(std::max(0, std::min(count, framesPerBlock))) *
                                    valuesPerFrame);
    std::int32_t written = first;
    for (std::int32_t done = 0; done < count; done += framesPerBlock) {
        const std::int32_t blockFrames = std::min(count - done, framesPerBlock);
        const Value* source = in + static_cast<std::int64_t>(done) * valuesPerFrame;
        for (std::int32_t i = 0; i < blockFrames * valuesPerFrame; ++i)
            block[i] = convert(source[i]);
        written = stereo ? Write16BitStereoFrames(first + done, blockFrames, block.data())
                         : Write16BitFrames(first + done, blockFrames, block.data(), channel);
    }
    return written;
}

std::int32_t CNative16BitAccessor::ReadFloatFrames(std::int32_t first, std::int32_t count, float* out,
                                                   std::int16_t channel)
{
    ReadConverted(first, count, out, channel, false, kChannelBlockFrames,
                  [](std::int16_t value) { return value * kFromSixteenBit; });
    return first + std::max(count, 0);
}

std::int32_t CNative16BitAccessor::ReadFloatStereoFrames(std::int32_t first, std::int32_t count, float* out)
{
    ReadConverted(first, count, out, kLeftChannel, true, kPairBlockFrames,
                  [](std::int16_t value) { return value * kFromSixteenBit; });
    return first + std::max(count, 0);
}

std::int32_t CNative16BitAccessor::WriteFloatFrames(std::int32_t first, std::int32_t count, const float* in,
                                                    std::int16_t channel)
{
    return WriteConverted(first, count, in, channel, false, kChannelBlockFrames, FloatToSample);
}

std::int32_t CNative16BitAccessor::WriteFloatStereoFrames(std::int32_t first, std::int32_t count, const float* in)
{
    return WriteConverted(first, count, in, kLeftChannel, true, kPairBlockFrames, FloatToSample);
}

std::int32_t CNative16BitAccessor::Read24BitFrames(std::int32_t first, std::int32_t count, std::int32_t* out,
                                                   std::int16_t channel)
{
    return ReadConverted(first, count, out, channel, false, kChannelBlockFrames,
                         [](std::int16_t value) { return std::int32_t{value} * 256; });
}

std::int32_t CNative16BitAccessor::Read24BitStereoFrames(std::int32_t first, std::int32_t count, std::int32_t* out)
{
    return ReadConverted(first, count, out, kLeftChannel, true, kPairBlockFrames,
                         [](std::int16_t value) { return std::int32_t{value} * 256; });
}

std::int32_t CNative16BitAccessor::Write24BitFrames(std::int32_t first, std::int32_t count, const std::int32_t* in,
                                                    std::int16_t channel)
{
    return WriteConverted(first, count, in, channel, false, kChannelBlockFrames, TwentyFourBitToSample);
}

std::int32_t CNative16BitAccessor::Write24BitStereoFrames(std::int32_t first, std::int32_t count,
                                                          const std::int32_t* in)
{
    return WriteConverted(first, count, in, kLeftChannel, true, kPairBlockFrames, TwentyFourBitToSample);
}

std::unique_ptr<CABCAudioAccessor> MakeAudioAccessor(CMedia& data, std::int32_t bits, std::int16_t channelCount,
                                                     std::int32_t frameCount)
{
    if (bits != 16)
        return nullptr;
    return std::make_unique<CNative16BitAccessor>(data, frameCount, channelCount);
}

} // namespace NSTramvell
