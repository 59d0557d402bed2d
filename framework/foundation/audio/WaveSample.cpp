#include "framework/foundation/audio/WaveSample.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <algorithm>
#include <vector>

namespace NSTramvell {

namespace {

constexpr std::int32_t kCompareChannelFrames = 512;
constexpr std::int32_t kComparePairFrames = 256;

std::unique_ptr<CMedia> MakeSampleData(const CWaveSampleParams& params)
{
    if (params.mChannelCount != 1 && params.mChannelCount != 2)
        throw XBadFormat();
    const std::int64_t sizeInBytes = std::int64_t{params.mFrameCount} * params.mChannelCount * 2;
    if (params.mFrameCount < 0 || sizeInBytes > INT32_MAX)
        throw XBadFormat();
    auto data = std::make_unique<COwnedMemoryMedia>(static_cast<std::int32_t>(sizeInBytes));
    data->Reserve(static_cast<std::int32_t>(sizeInBytes));
    return data;
}

} // namespace

CWaveSample::CWaveSample(const CWaveSampleParams& params)
    : CWaveSample(params, MakeSampleData(params), nullptr)
{
}

CWaveSample::CWaveSample(const CWaveSampleParams& params, std::unique_ptr<CMedia> data,
                         std::unique_ptr<CABCAudioAccessor> accessor)
    : CABCAudioAccessor(data.get(), params.mFrameCount, params.mChannelCount), mSampleRate(params.mSampleRate),
      mBitsPerSample(params.mBitsPerSample), mDataStream(std::move(data)), mAccessor(std::move(accessor))
{
    if (mAccessor)
        return;
    if (!mDataStream)
        throw XBase();
    mAccessor = std::make_unique<CNative16BitAccessor>(*mDataStream, mFrameCount, mChannelCount);
}

CWaveSample::~CWaveSample() = default;

std::int32_t CWaveSample::ReadFloatFrames(std::int32_t first, std::int32_t count, float* out, std::int16_t channel)
{
    return mAccessor->ReadFloatFrames(first, count, out, channel);
}

std::int32_t CWaveSample::WriteFloatFrames(std::int32_t first, std::int32_t count, const float* in,
                                           std::int16_t channel)
{
    return mAccessor->WriteFloatFrames(first, count, in, channel);
}

std::int32_t CWaveSample::ReadFloatStereoFrames(std::int32_t first, std::int32_t count, float* out)
{
    return mAccessor->ReadFloatStereoFrames(first, count, out);
}

std::int32_t CWaveSample::WriteFloatStereoFrames(std::int32_t first, std::int32_t count, const float* in)
{
    return mAccessor->WriteFloatStereoFrames(first, count, in);
}

std::int32_t CWaveSample::Read24BitFrames(std::int32_t first, std::int32_t count, std::int32_t* out,
                                          std::int16_t channel)
{
    return mAccessor->Read24BitFrames(first, count, out, channel);
}

std::int32_t CWaveSample::Write24BitFrames(std::int32_t first, std::int32_t count, const std::int32_t* in,
                                           std::int16_t channel)
{
    return mAccessor->Write24BitFrames(first, count, in, channel);
}

std::int32_t CWaveSample::Read24BitStereoFrames(std::int32_t first, std::int32_t count, std::int32_t* out)
{
    return mAccessor->Read24BitStereoFrames(first, count, out);
}

std::int32_t CWaveSample::Write24BitStereoFrames(std::int32_t first, std::int32_t count, const std::int32_t* in)
{
    return mAccessor->Write24BitStereoFrames(first, count, in);
}

std::int32_t CWaveSample::Read16BitFrames(std::int32_t first, std::int32_t count, std::int16_t* out,
                                          std::int16_t channel)
{
    return mAccessor->Read16BitFrames(first, count, out, channel);
}

std::int32_t CWaveSample::Write16BitFrames(std::int32_t first, std::int32_t count, const std::int16_t* in,
                                           std::int16_t channel)
{
    return mAccessor->Write16BitFrames(first, count, in, channel);
}

std::int32_t CWaveSample::Read16BitStereoFrames(std::int32_t first, std::int32_t count, std::int16_t* out)
{
    return mAccessor->Read16BitStereoFrames(first, count, out);
}

std::int32_t CWaveSample::Write16BitStereoFrames(std::int32_t first, std::int32_t count, const std::int16_t* in)
{
    return mAccessor->Write16BitStereoFrames(first, count, in);
}

std::uint8_t* CWaveSample::GetSampleData()
{
    auto* owned = dynamic_cast<COwnedMemoryMedia*>(mDataStream.get());
    return owned != nullptr ? owned->GetBuffer() : nullptr;
}

bool CWaveSample::IsSameAs(CWaveSample& other)
{
    if (mChannelCount != other.mChannelCount || mFrameCount != other.mFrameCount ||
        mSampleRate != other.mSampleRate || mBitsPerSample != other.mBitsPerSample)
        return false;
    const bool stereo = mChannelCount == 2;
    const std::int32_t framesPerBlock = stereo ? kComparePairFrames : kCompareChannelFrames;
    const std::int32_t valuesPerFrame = stereo ? 2 : 1;
    std::vector<float> ours(static_cast<std::size_t>(framesPerBlock * valuesPerFrame));
    std::vector<float> theirs(ours.size());
    for (std::int32_t first = 0; first < mFrameCount; first += framesPerBlock) {
        const std::int32_t count = std::min(mFrameCount - first, framesPerBlock);
        if (stereo) {
            ReadFloatStereoFrames(first, count, ours.data());
            other.ReadFloatStereoFrames(first, count, theirs.data());
        } else {
            ReadFloatFrames(first, count, ours.data(), kLeftChannel);
            other.ReadFloatFrames(first, count, theirs.data(), kLeftChannel);
        }
        if (!std::equal(ours.begin(), ours.begin() + count * valuesPerFrame, theirs.begin()))
            return false;
    }
    return true;
}

} // namespace NSTramvell
