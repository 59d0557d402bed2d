#include "conversion/wave/WaveGlue.h"

#include "framework/foundation/audio/WaveSample.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>
#include <vector>

namespace NSWAVEGlue {
namespace {

constexpr std::int64_t kLargestMediaPosition = std::numeric_limits<std::int32_t>::max();

bool FitsMedia(std::int64_t position, std::int64_t length)
{
    return position <= kLargestMediaPosition && length <= kLargestMediaPosition - position;
}

} // namespace

std::int32_t CCMediaByteWriter::Write(std::int64_t position, std::int64_t length, const void* source) noexcept
{
    if (mHighWaterInBytes < 0)
        return kByteWriterInvalidObject;
    if (position > mHighWaterInBytes || position < 0 || length < 0 || source == nullptr)
        return kByteWriterInvalidArgument;
    if (length == 0)
        return NSSondrel::kByteWriterSuccess;
    if (!FitsMedia(position, length))
        return kByteWriterFailure;
    try {
        mMedia.SetPosition(static_cast<std::int32_t>(position));
        mMedia.Write(static_cast<std::int32_t>(length), source);
    } catch (const std::bad_alloc&) {
        return NSSondrel::kByteWriterOutOfMemory;
    } catch (const XDiskFull&) {
        return NSSondrel::kByteWriterDiskFull;
    } catch (...) {
        return kByteWriterFailure;
    }
    if (position + length > mHighWaterInBytes)
        mHighWaterInBytes = position + length;
    return NSSondrel::kByteWriterSuccess;
}

std::int32_t CCMediaByteWriter::GetSize(std::int64_t* sizeInBytes) noexcept
{
    if (mHighWaterInBytes < 0)
        return kByteWriterInvalidObject;
    if (sizeInBytes == nullptr)
        return kByteWriterInvalidArgument;
    try {
        *sizeInBytes = mMedia.GetSize();
    } catch (const std::bad_alloc&) {
        return NSSondrel::kByteWriterOutOfMemory;
    } catch (const XDiskFull&) {
        return NSSondrel::kByteWriterDiskFull;
    } catch (...) {
        return kByteWriterFailure;
    }
    return NSSondrel::kByteWriterSuccess;
}

std::int32_t CCMediaByteReader::Read(std::int64_t position, std::int64_t length, void* destination) noexcept
{
    if (mMedia == nullptr)
        return kByteReaderInvalidObject;
    if (position < 0 || length < 0 || destination == nullptr)
        return kByteReaderInvalidArgument;
    if (length == 0)
        return NSSondrel::kByteReaderSuccess;
    if (!FitsMedia(position, length))
        return kByteReaderFailure;
    try {
        mMedia->SetPosition(static_cast<std::int32_t>(position));
        mMedia->Read(static_cast<std::int32_t>(length), destination);
    } catch (const std::bad_alloc&) {
        return NSSondrel::kByteReaderOutOfMemory;
    } catch (...) {
        return kByteReaderFailure;
    }
    return NSSondrel::kByteReaderSuccess;
}

std::int32_t CCMediaByteReader::GetSize(std::int64_t* sizeInBytes) noexcept
{
    if (mMedia == nullptr)
        return kByteReaderInvalidObject;
    if (sizeInBytes == nullptr)
        return kByteReaderInvalidArgument;
    try {
        *sizeInBytes = mMedia->GetSize();
    } catch (const std::bad_alloc&) {
        return NSSondrel::kByteReaderOutOfMemory;
    } catch (...) {
        return kByteReaderFailure;
    }
    return NSSondrel::kByteReaderSuccess;
}

void ThrowForStatus(std::int32_t status)
{
    switch (status) {
    case NSSondrel::kSondrelSuccess:
        return;
    case NSSondrel::kSondrelOutOfMemory:
        throw std::bad_alloc();
    case NSSondrel::kSondrelInvalidArgument:
        throw std::invalid_argument("");
    case NSSondrel::kSondrelInvariantCorrupt:
    case NSSondrel::kSondrelSequenceError:
    case NSSondrel::kSondrelLogicError:
        throw std::logic_error("");
    case NSSondrel::kSondrelReadFailure:
        throw NSTramvell::XRead();
    case NSSondrel::kSondrelWriteFailure:
        throw NSTramvell::XWrite();
    case NSSondrel::kSondrelBadFormat:
        throw NSTramvell::XBadFormat();
    case NSSondrel::kSondrelDiskFull:
        throw XDiskFull();
    case NSSondrel::kSondrelUnsupportedFormat:
        throw NSTramvell::XUnsupportedFormat();
    case NSSondrel::kSondrelOtherFailure:
        throw std::exception();
    default:
        throw std::logic_error("");
    }
}

namespace {

// Frames pass from the reader to the sample a piece at a time.
constexpr std::int32_t kFramesPerPiece = 4096;

} // namespace

std::unique_ptr<NSTramvell::CWaveSample> ReadWaveSample(NSTramvell::CMedia& media)
{
    std::int32_t status = NSSondrel::kSondrelSuccess;
    const std::unique_ptr<NSSondrel::ISondrel, CLibraryDeleter> library(Sondrel_Create("ISondrel", &status));
    ThrowForStatus(status);
    if (library == nullptr)
        throw std::exception();
    CCMediaByteReader byteReader(&media);
    NSSondrel::FormatInfo info{};
    const std::unique_ptr<NSSondrel::IFrameReader, CLibraryDeleter> reader(
        library->CreateFrameReader(&byteReader, media.GetSize(), &info, &status));
    ThrowForStatus(status);
    if (reader == nullptr)
        throw std::exception();
    if (info.channels != 1 && info.channels != 2)
        throw NSTramvell::XBadFormat();

    const auto channels = static_cast<std::int16_t>(info.channels);
    auto sample = std::make_unique<NSTramvell::CWaveSample>(NSTramvell::CWaveSampleParams(
        channels, info.bitsPerSample, static_cast<std::uint32_t>(info.sampleRate), info.frameCount));
    const std::size_t pieceValues = static_cast<std::size_t>(std::min(info.frameCount, kFramesPerPiece)) * channels;
    std::vector<float> floats(pieceValues);
    std::vector<std::int32_t> values(pieceValues);
    for (std::int32_t first = 0; first < info.frameCount; first += kFramesPerPiece) {
        const std::int32_t count = std::min(kFramesPerPiece, info.frameCount - first);
        ThrowForStatus(reader->ReadFrames(first, floats.data(), count));
        // The library's floats are on the 24-bit scale the sample takes as whole numbers.
        const std::size_t valueCount = static_cast<std::size_t>(count) * channels;
        for (std::size_t i = 0; i < valueCount; ++i)
            values[i] = static_cast<std::int32_t>(std::lround(std::clamp(floats[i], -8388608.0f, 8388607.0f)));
        sample->Write24BitStereoFrames(first, count, values.data());
    }
    return sample;
}

} // namespace NSWAVEGlue
