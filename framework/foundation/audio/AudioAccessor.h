#pragma once

// Uniform frame access to audio data of one or two channels: frames of one channel or interleaved pairs,
// as floats (full scale ±1.0), as 24-bit values in 32-bit words or as 16-bit values. A channel selector of
// kLeftChannel picks the first channel, any other the second; one channel ignores it. Frames count from 0.

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CMedia;

class CABCAudioAccessor
{
public:
    static constexpr std::int16_t kLeftChannel = 99;

    CABCAudioAccessor(const CABCAudioAccessor&) = delete;
    CABCAudioAccessor& operator=(const CABCAudioAccessor&) = delete;
    virtual ~CABCAudioAccessor();

    virtual std::int32_t ReadFloatFrames(std::int32_t first, std::int32_t count, float* out, std::int16_t channel) = 0;
    virtual std::int32_t WriteFloatFrames(std::int32_t first, std::int32_t count, const float* in,
                                          std::int16_t channel) = 0;
    virtual std::int32_t ReadFloatStereoFrames(std::int32_t first, std::int32_t count, float* out) = 0;
    virtual std::int32_t WriteFloatStereoFrames(std::int32_t first, std::int32_t count, const float* in) = 0;
    virtual std::int32_t Read24BitFrames(std::int32_t first, std::int32_t count, std::int32_t* out,
                                         std::int16_t channel) = 0;
    virtual std::int32_t Write24BitFrames(std::int32_t first, std::int32_t count, const std::int32_t* in,
                                          std::int16_t channel) = 0;
    virtual std::int32_t Read24BitStereoFrames(std::int32_t first, std::int32_t count, std::int32_t* out) = 0;
    virtual std::int32_t Write24BitStereoFrames(std::int32_t first, std::int32_t count, const std::int32_t* in) = 0;
    virtual std::int32_t Read16BitFrames(std::int32_t first, std::int32_t count, std::int16_t* out,
                                         std::int16_t channel) = 0;
    virtual std::int32_t Write16BitFrames(std::int32_t first, std::int32_t count, const std::int16_t* in,
                                          std::int16_t channel) = 0;
    virtual std::int32_t Read16BitStereoFrames(std::int32_t first, std::int32_t count, std::int16_t* out) = 0;
    virtual std::int32_t Write16BitStereoFrames(std::int32_t first, std::int32_t count, const std::int16_t* in) = 0;

    std::int16_t GetChannelCount() const { return mChannelCount; }
    std::int32_t GetFrameCount() const { return mFrameCount; }

protected:
    // data is borrowed and may be null.
    CABCAudioAccessor(CMedia* data, std::int32_t frameCount, std::int16_t channelCount);

    CMedia* mData;
    std::int32_t mFrameCount;
    std::int16_t mChannelCount;
};

// 16-bit little-endian interleaved PCM in a stream it borrows. The float writers expect [-1, 1): they keep
// the low 16 bits of x * 32768, so 1.0 itself comes out as -32768. The 24-bit writers keep bits 8 to 23.
// Frames past the stream's end are refused by the stream. Reads return the end frame, first + count; the
// 24-bit reads the frame count of their last block; writes what their last block write returned.
class CNative16BitAccessor : public CABCAudioAccessor
{
public:
    CNative16BitAccessor(CMedia& data, std::int32_t frameCount, std::int16_t channelCount);
    ~CNative16BitAccessor() override;

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

private:
    std::int32_t GetFrameOffset(std::int32_t frame) const;
    std::int32_t GetByteCount(std::int32_t frameCount) const;
    // In the interleaved frame: 0 for the first channel or a one-channel stream, 1 for the second.
    std::int32_t GetChannelIndex(std::int16_t channel) const;

    template <typename Value, typename Convert>
    std::int32_t ReadConverted(std::int32_t first, std::int32_t count, Value* out, std::int16_t channel,
                               bool stereo, std::int32_t framesPerBlock, Convert convert);
    template <typename Value, typename Convert>
    std::int32_t WriteConverted(std::int32_t first, std::int32_t count, const Value* in, std::int16_t channel,
                                bool stereo, std::int32_t framesPerBlock, Convert convert);

    std::int32_t mFrameSizeInBytes;
};

// A new CNative16BitAccessor over the borrowed stream for 16 bits; null for any other depth.
std::unique_ptr<CABCAudioAccessor> MakeAudioAccessor(CMedia& data, std::int32_t bits, std::int16_t channelCount,
                                                     std::int32_t frameCount);

} // namespace NSTramvell
