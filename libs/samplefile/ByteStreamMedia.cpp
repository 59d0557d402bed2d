#include "libs/samplefile/ByteStreamMedia.h"

#include "framework/foundation/core/Exceptions.h"
#include "libs/samplefile/SondrelExceptions.h"

#include <limits>

namespace NSSondrel {

namespace {

constexpr std::int64_t kLargestMediaSize = std::numeric_limits<std::int32_t>::max();

} // namespace

CMyReadMedia::CMyReadMedia(IByteReader& source, std::int32_t sizeInBytes) : mSource(source), mSizeInBytes(sizeInBytes)
{
}

CMyReadMedia::~CMyReadMedia() = default;

std::int32_t CMyReadMedia::GetSize() const
{
    return mSizeInBytes;
}

std::int32_t CMyReadMedia::GetPosition() const
{
    return mPosition;
}

void CMyReadMedia::SetPosition(std::int32_t position)
{
    mPosition = position;
}

void CMyReadMedia::ReadAt(std::int32_t position, std::int32_t length, void* destination)
{
    if (position < 0 || length < 0 || position > mSizeInBytes || length > mSizeInBytes - position) {
        throw NSTramvell::XPosition();
    }
    const std::int32_t result = mSource.Read(position, length, destination);
    if (result == kByteReaderOutOfMemory) {
        throw NSSondrelUtils::XOutOfMemory();
    }
    if (result != kByteReaderSuccess) {
        throw NSTramvell::XRead();
    }
    mPosition = position + length;
}

void CMyReadMedia::WriteAt(std::int32_t, std::int32_t, const void*)
{
    throw NSTramvell::XBase();
}

CMyWriteMedia::CMyWriteMedia(IByteWriter& sink) : mSink(sink)
{
}

CMyWriteMedia::~CMyWriteMedia() = default;

std::int32_t CMyWriteMedia::GetSize() const
{
    std::int64_t sizeInBytes = 0;
    const std::int32_t result = mSink.GetSize(&sizeInBytes);
    if (result == kByteWriterOutOfMemory) {
        throw NSSondrelUtils::XOutOfMemory();
    }
    if (result != kByteWriterSuccess || sizeInBytes < 0) {
        throw NSTramvell::XWrite();
    }
    if (sizeInBytes > kLargestMediaSize) {
        throw NSTramvell::XUnsupportedFormat();
    }
    return static_cast<std::int32_t>(sizeInBytes);
}

std::int32_t CMyWriteMedia::GetPosition() const
{
    return mPosition;
}

void CMyWriteMedia::SetPosition(std::int32_t position)
{
    mPosition = position;
}

void CMyWriteMedia::ReadAt(std::int32_t, std::int32_t, void*)
{
    throw NSTramvell::XBase();
}

void CMyWriteMedia::WriteAt(std::int32_t position, std::int32_t length, const void* source)
{
    if (position < 0 || length < 0) {
        throw NSTramvell::XPosition();
    }
    if (std::int64_t{position} + length > kLargestMediaSize) {
        throw NSTramvell::XUnsupportedFormat();
    }
    const std::int32_t result = mSink.Write(position, length, source);
    if (result == kByteWriterOutOfMemory) {
        throw NSSondrelUtils::XOutOfMemory();
    }
    if (result == kByteWriterDiskFull) {
        throw NSSondrelUtils::XDiskFull();
    }
    if (result != kByteWriterSuccess) {
        throw NSTramvell::XWrite();
    }
    mPosition = position + length;
}

} // namespace NSSondrel
