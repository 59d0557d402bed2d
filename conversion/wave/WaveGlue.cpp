#include "conversion/wave/WaveGlue.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <limits>
#include <new>
#include <stdexcept>

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

} // namespace NSWAVEGlue
