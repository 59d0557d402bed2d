#include "libs/samplefile/FrameReader.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/chunks/RIFF.h"
#include "libs/samplefile/FormatValidation.h"
#include "libs/samplefile/SampleCoding.h"
#include "libs/samplefile/SamplerChunk.h"
#include "libs/samplefile/StatusMapping.h"

#include <algorithm>
#include <vector>

namespace NSSondrel {

namespace {

// Where a file without frames says its data lies; never read, since no frame can be asked for.
constexpr std::int64_t kNoDataOffset = 666;

FormatInfo MakeInfoWithoutSampler()
{
    FormatInfo info{};
    info.loopMode = kLoopNone;
    info.alternate = kAlternateNo;
    info.rootKey = kNoRootKey;
    info.fineTune = kNoFineTune;
    info.lowValue = kNoKeyValue;
    info.highValue = kNoKeyValue;
    return info;
}

} // namespace

CFrameReaderImpl::CFrameReaderImpl(IByteReader& source, std::int32_t sizeInBytes)
    : mMedia(source, sizeInBytes), mInfo(MakeInfoWithoutSampler())
{
    ReadHeader();
}

CFrameReaderImpl::~CFrameReaderImpl() = default;

void CFrameReaderImpl::ReadHeader()
{
    NSTramvell::RIFF_READER reader(mMedia);
    std::uint8_t format[kFormatChunkSizeInBytes];
    if (!reader.ReadChunk("fmt ", format, kFormatChunkSizeInBytes)) {
        throw NSTramvell::XBadFormat();
    }
    const std::uint16_t formatTag = NSTramvell::ReadLittleEndian16(&format[0]);
    const std::uint16_t channels = NSTramvell::ReadLittleEndian16(&format[2]);
    const std::uint32_t sampleRate = NSTramvell::ReadLittleEndian32(&format[4]);
    const std::uint32_t averageBytesPerSecond = NSTramvell::ReadLittleEndian32(&format[8]);
    const std::uint16_t bitsPerSample = NSTramvell::ReadLittleEndian16(&format[14]);
    if (channels == 0 || sampleRate == 0 || averageBytesPerSecond == 0) {
        throw NSTramvell::XBadFormat();
    }
    if ((channels != 1 && channels != 2) || formatTag != kFormatTagPcm || !IsSupportedBitDepth(bitsPerSample)) {
        throw NSTramvell::XUnsupportedFormat();
    }
    mInfo.channels = channels;
    mInfo.bitsPerSample = bitsPerSample;
    mInfo.sampleRate = static_cast<std::int32_t>(sampleRate);

    std::int32_t dataSizeInBytes = 0;
    if (reader.FindChunk("data", dataSizeInBytes)) {
        mDataOffset = mMedia.GetPosition();
        // A frame count the stream cannot serve is never reported.
        if (dataSizeInBytes < 0 || dataSizeInBytes > mMedia.GetSize() - mDataOffset) {
            throw NSTramvell::XBadFormat();
        }
        mInfo.frameCount = dataSizeInBytes / (channels * GetBytesPerSample(bitsPerSample));
    }
    if (mInfo.frameCount == 0) {
        mDataOffset = kNoDataOffset;
    }

    ReadSamplerChunk();
}

void CFrameReaderImpl::ReadSamplerChunk()
{
    NSTramvell::RIFF_READER reader(mMedia);
    std::uint8_t header[kSamplerHeaderSizeInBytes];
    std::int32_t chunkSizeInBytes = 0;
    if (!reader.ReadChunk("smpl", header, 0, kSamplerHeaderSizeInBytes, chunkSizeInBytes)) {
        return;
    }
    std::uint8_t firstLoop[kSampleLoopSizeInBytes];
    const bool hasLoop = GetSampleLoopCount(header) != 0;
    // A chunk too short for its first loop record is malformed; ParseSamplerChunk refuses it by size.
    if (hasLoop && !reader.ReadChunk("smpl", firstLoop, kSamplerHeaderSizeInBytes, kSampleLoopSizeInBytes)) {
        return;
    }
    const std::optional<SamplerSettings> settings =
        ParseSamplerChunk(header, chunkSizeInBytes, hasLoop ? firstLoop : nullptr);
    if (!settings) {
        return;
    }

    const auto frameCount = static_cast<std::uint32_t>(mInfo.frameCount);
    mInfo.loopMode = settings->loopMode;
    mInfo.alternate = settings->alternate;
    mInfo.loopStart = std::min(settings->loopStart, frameCount);
    mInfo.loopEnd = std::min(settings->loopEnd, frameCount);
    if (mInfo.loopStart >= mInfo.loopEnd) {
        mInfo.loopMode = kLoopNone;
        mInfo.loopStart = 0;
        mInfo.loopEnd = 0;
    }
    mInfo.hasRoot = 1;
    mInfo.rootKey = settings->root.rootKey;
    mInfo.fineTune = settings->root.fineTune;
    mInfo.lowValue = 0;
    mInfo.highValue = 127;
}

std::int32_t CFrameReaderImpl::IsValid() const noexcept
{
    return 1;
}

std::int32_t CFrameReaderImpl::ReadFrames(std::int32_t firstFrame, float* samples, std::int32_t frameCount) noexcept
{
    if (firstFrame < 0 || frameCount < 0 || std::int64_t{firstFrame} + frameCount > mInfo.frameCount ||
        mMedia.GetSize() <= 0 || !ValidateFormatInfo(mInfo, EValidation::kStrict) || samples == nullptr) {
        return kSondrelInvalidArgument;
    }
    if (frameCount == 0) {
        return kSondrelSuccess;
    }
    if (mDataOffset > mMedia.GetSize() || mDataOffset < 0) {
        return kSondrelInvalidArgument;
    }
    return CatchTranslatedToStatus([&] {
        const std::int64_t frameSizeInBytes = std::int64_t{mInfo.channels} * GetBytesPerSample(mInfo.bitsPerSample);
        ReadSamples(mDataOffset + frameSizeInBytes * firstFrame, std::int64_t{frameCount} * mInfo.channels, samples);
        return kSondrelSuccess;
    });
}

void CFrameReaderImpl::ReadSamples(std::int64_t position, std::int64_t sampleCount, float* samples)
{
    const std::int32_t bytesPerSample = GetBytesPerSample(mInfo.bitsPerSample);
    const std::int64_t blockInSamples = std::min(kLargestSampleBlock, sampleCount);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(blockInSamples * bytesPerSample), 0);
    for (std::int64_t done = 0; done < sampleCount;) {
        const auto count = static_cast<std::int32_t>(std::min(sampleCount - done, blockInSamples));
        // Within the "data" chunk, which lies inside the stream: the media refuses anything else.
        mMedia.ReadAt(static_cast<std::int32_t>(position + done * bytesPerSample), count * bytesPerSample,
                      block.data());
        DecodeSamples(block.data(), count, mInfo.bitsPerSample, samples + done);
        done += count;
    }
}

} // namespace NSSondrel
