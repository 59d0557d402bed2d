#pragma once

// A sample held in memory: 16-bit interleaved data of one or two channels in a stream the sample owns,
// reached through an accessor it owns as well. Every frame operation forwards to the accessor. The bit
// depth is the one the sample was made with, whatever the data holds.

#include "framework/foundation/audio/AudioAccessor.h"
#include "framework/foundation/audio/SampleFormat.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CWaveSample : public CABCAudioAccessor
{
public:
    // An owned, zero-filled memory stream of channels * frames * 2 bytes. Channel counts other than 1
    // and 2, a negative frame count or data beyond 2 GB throw XBadFormat.
    explicit CWaveSample(const CWaveSampleParams& params);
    // Takes over the ready stream and the accessor over it.
    CWaveSample(const CWaveSampleParams& params, std::unique_ptr<CMedia> data,
                std::unique_ptr<CABCAudioAccessor> accessor);
    ~CWaveSample() override;

    std::int32_t ReadFloatFrames(std::int32_t first, std::int32_t count, float* out, std::int16_t channel) override;
    std::int32_t WriteFloatFrames(std::int32_t first, std::int32_t count, const float* in,
                                  std::int16_t channel) override;
    std::int32_t ReadFloatStereoFrames(std::int32_t first, std::int32_t count, float* out) override;
    std::int32_t WriteFloatStereoFrames(std::int32_t first, std::int32_t count, const float* in) override;
    std::int32_t Read24BitFrames(std::int32_t first, std::int32_t count, std::int32_t* out,
                                 std::int16_t channel) override;
    std::int32_t Write24BitFrames(std::int32_t first, std::int32_t count, const std::int32_t* in,
                                  std::int16_t channel) override;
    std::int32_t Read24BitStereoFrames(std::int32_t first, std::int32_t count, std::int32_t* out) override;
    std::int32_t Write24BitStereoFrames(std::int32_t first, std::int32_t count, const std::int32_t* in) override;
    std::int32_t Read16BitFrames(std::int32_t first, std::int32_t count, std::int16_t* out,
                                 std::int16_t channel) override;
    std::int32_t Write16BitFrames(std::int32_t first, std::int32_t count, const std::int16_t* in,
                                  std::int16_t channel) override;
    std::int32_t Read16BitStereoFrames(std::int32_t first, std::int32_t count, std::int16_t* out) override;
    std::int32_t Write16BitStereoFrames(std::int32_t first, std::int32_t count, const std::int16_t* in) override;

    std::uint32_t GetSampleRate() const { return mSampleRate; }
    std::int32_t GetBitsPerSample() const { return mBitsPerSample; }
    // The data's memory block when the stream is an owned memory stream, otherwise null.
    std::uint8_t* GetSampleData();
    // Same header and the same value in every frame.
    bool IsSameAs(CWaveSample& other);

private:
    std::uint32_t mSampleRate;
    std::int32_t mBitsPerSample;
    // Declared in this order so that the accessor goes before the stream it reads.
    std::unique_ptr<CMedia> mDataStream;
    std::unique_ptr<CABCAudioAccessor> mAccessor;
};

} // namespace NSTramvell
