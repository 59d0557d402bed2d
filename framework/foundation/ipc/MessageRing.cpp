#include "framework/foundation/ipc/MessageRing.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/ipc/RingBytes.h"

#include <cstring>

namespace NSTramvell {

using NSRingBytes::kLongestRecord;
using NSRingBytes::kPrefixSize;

CMessageRing::CMessageRing(std::uint32_t capacity)
    : mCapacity(capacity)
    , mBuffer(std::make_unique<std::uint8_t[]>(capacity))
{
}

CMessageRing::~CMessageRing() = default;

bool CMessageRing::HasRoom(std::uint32_t length) const
{
    return length <= kLongestRecord
           && static_cast<std::int64_t>(mCapacity) - mFillCount >= static_cast<std::int64_t>(length) + kPrefixSize;
}

EMessageRingStatus CMessageRing::Put(const void* bytes, std::uint32_t length)
{
    if (!HasRoom(length))
        return kMessageRingFull;
    const std::uint32_t next = NSRingBytes::PutLength(mBuffer.get(), mCapacity, mWritePosition, length);
    mWritePosition =
        NSRingBytes::CopyIn(mBuffer.get(), mCapacity, next, static_cast<const std::uint8_t*>(bytes), length);
    mFillCount += length + kPrefixSize;
    return kMessageRingDone;
}

EMessageRingStatus CMessageRing::PeekLength(std::uint32_t* length) const
{
    if (mFillCount == 0)
        return kMessageRingEmpty;
    NSRingBytes::GetLength(mBuffer.get(), mCapacity, mReadPosition, length);
    return kMessageRingDone;
}

EMessageRingStatus CMessageRing::Get(void* buffer, std::uint32_t largestLength, std::uint32_t* length)
{
    *length = 0;
    if (mFillCount == 0)
        return kMessageRingEmpty;
    std::uint32_t recordLength = 0;
    const std::uint32_t start = NSRingBytes::GetLength(mBuffer.get(), mCapacity, mReadPosition, &recordLength);
    // Bytes laid in by Fill are not ours: a length the ring does not hold is as wrong as one too long.
    if (recordLength > largestLength || mFillCount < kPrefixSize || recordLength > mFillCount - kPrefixSize)
        throw XBase();
    mReadPosition = NSRingBytes::CopyOut(mBuffer.get(), mCapacity, start, static_cast<std::uint8_t*>(buffer),
                                         recordLength);
    mFillCount -= recordLength + kPrefixSize;
    *length = recordLength;
    return kMessageRingDone;
}

int CMessageRing::GetCount() const
{
    return static_cast<int>(mFillCount);
}

void CMessageRing::TakeAll(void* buffer)
{
    if (mFillCount == 0)
        return;
    mReadPosition = NSRingBytes::CopyOut(mBuffer.get(), mCapacity, mReadPosition, static_cast<std::uint8_t*>(buffer),
                                         mFillCount);
    mFillCount = 0;
}

void CMessageRing::Clear()
{
    mReadPosition = 0;
    mWritePosition = 0;
    mFillCount = 0;
}

void CMessageRing::Fill(const void* bytes, std::uint32_t count)
{
    if (count > mCapacity)
        throw XBase();
    if (count != 0)
        std::memcpy(mBuffer.get(), bytes, count);
    mReadPosition = 0;
    mWritePosition = count == mCapacity ? 0 : count;
    mFillCount = count;
}

} // namespace NSTramvell
