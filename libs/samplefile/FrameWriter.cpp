#include "libs/samplefile/FrameWriter.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "libs/samplefile/FormatValidation.h"
#include "libs/samplefile/SampleCoding.h"
#include "libs/samplefile/SamplerChunk.h"
#include "libs/samplefile/StatusMapping.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace NSSondrel {

namespace {

std::vector<std::uint8_t> BuildFormatChunk(const FormatInfo& info)
{
    const std::uint32_t channels = info.channels;
    const std::uint32_t bits = static_cast<std::uint32_t>(info.bitsPerSample);
    const std::uint32_t rate = static_cast<std::uint32_t>(info.sampleRate);
    // 20 and 22 bits are stored in three bytes; the block sizes say so, the bit count says how many count.
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(GetBytesPerSample(info.bitsPerSample)) * channels;
    const auto averageBytesPerSecond = static_cast<std::uint32_t>(std::uint64_t{rate} * blockAlign);

    std::vector<std::uint8_t> chunk(kFormatChunkSizeInBytes, 0);
    NSTramvell::WriteLittleEndian16(&chunk[0], kFormatTagPcm);
    NSTramvell::WriteLittleEndian16(&chunk[2], static_cast<std::uint16_t>(channels));
    NSTramvell::WriteLittleEndian32(&chunk[4], rate);
    NSTramvell::WriteLittleEndian32(&chunk[8], averageBytesPerSecond);
    NSTramvell::WriteLittleEndian16(&chunk[12], static_cast<std::uint16_t>(blockAlign));
    NSTramvell::WriteLittleEndian16(&chunk[14], static_cast<std::uint16_t>(bits));
    return chunk;
}

} // namespace

CFrameWriterImpl::CFrameWriterImpl(IByteWriter& sink, const FormatInfo& info)
    : mMedia(sink), mRiffWriter(mMedia), mInfo(info), mDataMedia(nullptr)
{
    mInfo.frameCount = 0;
    WriteHeader();
}

CFrameWriterImpl::~CFrameWriterImpl() = default;

void CFrameWriterImpl::WriteHeader()
{
    mRiffWriter.BeginFORM("RIFF", "WAVE");
    const std::vector<std::uint8_t> format = BuildFormatChunk(mInfo);
    mRiffWriter.WriteChunk("fmt ", format.data(), static_cast<std::int32_t>(format.size()));
    if (mInfo.loopMode != kLoopNone) {
        const std::vector<std::uint8_t> sampler = BuildSamplerChunk(mInfo);
        mRiffWriter.WriteChunk("smpl", sampler.data(), static_cast<std::int32_t>(sampler.size()));
    }
    mRiffWriter.BeginChunk("data");
    mDataMedia = &mRiffWriter.GetMedia();
}

std::int32_t CFrameWriterImpl::IsValid() const noexcept
{
    return ValidateFormatInfo(mInfo, EValidation::kLenient) ? 1 : 0;
}

std::int32_t CFrameWriterImpl::WriteFrames(std::int32_t frameCount, const float* samples) noexcept
{
    if (mDataMedia == nullptr) {
        return kSondrelSequenceError;
    }
    if (samples == nullptr || frameCount < 0) {
        return kSondrelInvalidArgument;
    }
    if (frameCount == 0) {
        return kSondrelSuccess;
    }
    return CatchTranslatedToStatus([&] {
        WriteSamples(std::int64_t{frameCount} * mInfo.channels, samples);
        mInfo.frameCount += frameCount;
        return kSondrelSuccess;
    });
}

void CFrameWriterImpl::WriteSamples(std::int64_t sampleCount, const float* samples)
{
    const std::int32_t bytesPerSample = GetBytesPerSample(mInfo.bitsPerSample);
    // Refuse the whole call before writing any of it when the file would outgrow the 32-bit media.
    const std::int64_t endOfData = mDataMedia->GetPosition() + sampleCount * bytesPerSample;
    if (endOfData > std::numeric_limits<std::int32_t>::max()) {
        throw NSTramvell::XUnsupportedFormat();
    }
    const std::int64_t blockInSamples = std::min(kLargestSampleBlock, sampleCount);
    // Callers hand frames over in many small calls: the block grows to the largest and is reused.
    if (mBlock.size() < static_cast<std::size_t>(blockInSamples * bytesPerSample))
        mBlock.resize(static_cast<std::size_t>(blockInSamples * bytesPerSample));
    for (std::int64_t done = 0; done < sampleCount;) {
        const auto count = static_cast<std::int32_t>(std::min(sampleCount - done, blockInSamples));
        EncodeSamples(samples + done, count, mInfo.bitsPerSample, mBlock.data());
        mDataMedia->Write(count * bytesPerSample, mBlock.data());
        done += count;
    }
}

std::int32_t CFrameWriterImpl::Close() noexcept
{
    if (mDataMedia == nullptr || !ValidateFormatInfo(mInfo, EValidation::kStrict)) {
        return kSondrelSequenceError;
    }
    return CatchTranslatedToStatus([&] {
        mRiffWriter.EndChunk();
        mDataMedia = nullptr;
        mRiffWriter.EndFORM();
        return kSondrelSuccess;
    });
}

} // namespace NSSondrel
