#include "framework/foundation/ipc/SyncedFIFO.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/ipc/RingBytes.h"

#include <atomic>

namespace NSTramvell {

namespace {

using NSRingBytes::kLongestRecord;
using NSRingBytes::kPrefixSize;

} // namespace

CABCSyncedFIFO::CABCSyncedFIFO(std::uint32_t* state, std::uint8_t* data)
    : mState(state)
    , mData(data)
    , mSize(std::atomic_ref<std::uint32_t>(state[kFIFOSizeWord]).load(std::memory_order_relaxed))
{
}

CABCSyncedFIFO::~CABCSyncedFIFO()
{
    mData = nullptr;
}

std::uint32_t CABCSyncedFIFO::GetFillCount() const
{
    return LoadFillCount();
}

std::uint32_t CABCSyncedFIFO::GetMaxMessageLength() const
{
    const std::uint32_t size = GetSize();
    if (size < kPrefixSize)
        return 0;
    return size - kPrefixSize < kLongestRecord ? size - kPrefixSize : kLongestRecord;
}

std::uint32_t CABCSyncedFIFO::LoadFillCount() const
{
    return std::atomic_ref<std::uint32_t>(mState[kFIFOFillCountWord]).load(std::memory_order_acquire);
}

void CABCSyncedFIFO::AddToFillCount(std::uint32_t amount)
{
    std::atomic_ref<std::uint32_t>(mState[kFIFOFillCountWord]).fetch_add(amount, std::memory_order_release);
}

void CABCSyncedFIFO::SubtractFromFillCount(std::uint32_t amount)
{
    std::atomic_ref<std::uint32_t>(mState[kFIFOFillCountWord]).fetch_sub(amount, std::memory_order_acq_rel);
}

// The positions and the size belong to one side each, but the other process may scribble on them: read
// each once, as a relaxed atomic, and work on the copy.
std::uint32_t CABCSyncedFIFO::GetWord(std::uint32_t index) const
{
    return std::atomic_ref<std::uint32_t>(mState[index]).load(std::memory_order_relaxed);
}

void CABCSyncedFIFO::SetWord(std::uint32_t index, std::uint32_t value)
{
    std::atomic_ref<std::uint32_t>(mState[index]).store(value, std::memory_order_relaxed);
}

std::uint32_t CABCSyncedFIFO::GetSize() const
{
    return mSize;
}

CSyncedFIFOWriter::~CSyncedFIFOWriter() = default;

bool CSyncedFIFOWriter::HasRoom(std::uint32_t length) const
{
    if (length > kLongestRecord)
        return false;
    const std::int64_t freeBytes = static_cast<std::int64_t>(GetSize()) - LoadFillCount();
    return freeBytes >= static_cast<std::int64_t>(length) + kPrefixSize;
}

void CSyncedFIFOWriter::Write(std::uint32_t length, const void* bytes)
{
    const std::uint32_t size = GetSize();
    const std::uint32_t position = GetWord(kFIFOWritePositionWord);
    // A longer length would wrap its 16-bit prefix and leave the reader parsing message bytes as lengths.
    if (length > kLongestRecord || position >= size || length > size - kPrefixSize || size < kPrefixSize)
        throw XBase();
    std::uint32_t next = NSRingBytes::PutLength(mData, size, position, length);
    next = NSRingBytes::CopyIn(mData, size, next, static_cast<const std::uint8_t*>(bytes), length);
    SetWord(kFIFOWritePositionWord, next);
    AddToFillCount(length + kPrefixSize);
}

CSyncedFIFOReader::~CSyncedFIFOReader() = default;

std::uint32_t CSyncedFIFOReader::PeekRecord(std::uint32_t fillCount, std::uint32_t* bytesPosition) const
{
    const std::uint32_t size = GetSize();
    const std::uint32_t position = GetWord(kFIFOReadPositionWord);
    if (size < kPrefixSize || position >= size || fillCount > size || fillCount < kPrefixSize)
        throw XBase();
    std::uint32_t length = 0;
    *bytesPosition = NSRingBytes::GetLength(mData, size, position, &length);
    if (length > fillCount - kPrefixSize)
        throw XBase();
    return length;
}

std::uint32_t CSyncedFIFOReader::Read(void* buffer, std::uint32_t capacity)
{
    const std::uint32_t fillCount = LoadFillCount();
    if (fillCount == 0)
        return 0;
    std::uint32_t position = 0;
    const std::uint32_t length = PeekRecord(fillCount, &position);
    if (length > capacity)
        throw XBase();
    position = NSRingBytes::CopyOut(mData, GetSize(), position, static_cast<std::uint8_t*>(buffer), length);
    SetWord(kFIFOReadPositionWord, position);
    SubtractFromFillCount(length + kPrefixSize);
    return length;
}

void CSyncedFIFOReader::DropAll()
{
    try {
        for (std::uint32_t fillCount = LoadFillCount(); fillCount != 0; fillCount = LoadFillCount()) {
            std::uint32_t position = 0;
            const std::uint32_t length = PeekRecord(fillCount, &position);
            SetWord(kFIFOReadPositionWord, NSRingBytes::CopyOut(mData, GetSize(), position, nullptr, length));
            SubtractFromFillCount(length + kPrefixSize);
        }
    } catch (const XBase&) {
        // What the records say cannot be trusted: start over where the writer goes on.
        const std::uint32_t size = GetSize();
        const std::uint32_t writePosition = GetWord(kFIFOWritePositionWord);
        SetWord(kFIFOReadPositionWord, writePosition < size ? writePosition : 0);
        SubtractFromFillCount(LoadFillCount());
    }
}

} // namespace NSTramvell
