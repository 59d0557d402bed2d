#include "framework/foundation/core/Media.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/KeptBlocks.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <memory>
#include <stdexcept>
#include <utility>

namespace NSTramvell {

namespace {

constexpr std::int64_t kLargestPosition = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kSmallestGrowthStepInBytes = 100;

void CheckCapacity(std::int32_t capacityInBytes)
{
    if (capacityInBytes < 0)
        throw std::length_error("negative media capacity");
}

// Memory media keep reads inside [0, size]: a read there is the only safe one for the block.
void CheckMemoryRead(std::int32_t position, std::int32_t length, std::int32_t size)
{
    if (position < 0 || length < 0 || static_cast<std::int64_t>(position) + length > size)
        throw XRead();
}

// The end is formed in 64 bits, so a write whose end no 32-bit position can hold is refused, not wrapped.
std::int64_t CheckedWriteEnd(std::int32_t position, std::int32_t length)
{
    if (position < 0 || length < 0)
        throw XWrite();
    const std::int64_t end = static_cast<std::int64_t>(position) + length;
    if (end > kLargestPosition)
        throw XWrite();
    return end;
}

// A step of at least half the capacity keeps a run of small appends amortised: with steps sized by the
// shortfall alone, every 100 bytes appended would copy the whole block again.
std::int32_t GrownCapacity(std::int32_t capacity, std::int64_t end)
{
    const std::int64_t step =
        std::max({kSmallestGrowthStepInBytes, (end - capacity) * 3 / 2, std::int64_t{capacity} / 2});
    return static_cast<std::int32_t>(std::min(capacity + step, kLargestPosition));
}

// Owned blocks are kept blocks: an output file built in memory takes the pages of the one before.
CKeptBlockPointer NewBlock(std::int32_t capacityInBytes)
{
    CheckCapacity(capacityInBytes);
    return CKeptBlockPointer(TakeBlock(static_cast<std::size_t>(capacityInBytes)));
}

void CopyBytes(void* destination, const void* source, std::int64_t count)
{
    if (count > 0)
        std::memcpy(destination, source, static_cast<std::size_t>(count));
}

// A new block of the grown capacity holding the first size bytes; the caller decides about the old
// block. Returns null when the capacity already reaches end. Allocation failure leaves everything as it was.
CKeptBlockPointer GrowBlock(const std::uint8_t* block, std::int32_t size, std::int32_t& capacity,
                                          std::int64_t end)
{
    if (end <= capacity)
        return nullptr;
    const std::int32_t newCapacity = GrownCapacity(capacity, end);
    CKeptBlockPointer grown = NewBlock(newCapacity);
    CopyBytes(grown.get(), block, size);
    capacity = newCapacity;
    return grown;
}

// Bytes between the old size and a write beyond it are cleared, so the contents never show stale memory.
void ExtendInto(std::uint8_t* block, std::int32_t& size, std::int64_t from, std::int64_t end)
{
    if (from > size)
        std::memset(block + size, 0, static_cast<std::size_t>(from - size));
    if (end > size)
        size = static_cast<std::int32_t>(end);
}

} // namespace

// ---------------------------------------------------------------------------------------------------
// CMedia

CMedia::~CMedia() = default;

void CMedia::Read(std::int32_t length, void* destination)
{
    ReadAt(GetPosition(), length, destination);
}

void CMedia::Write(std::int32_t length, const void* source)
{
    WriteAt(GetPosition(), length, source);
}

void CMedia::PeekAt(std::int32_t position, std::int32_t length, void* destination)
{
    const std::int32_t savedPosition = GetPosition();
    ReadAt(position, length, destination);
    SetPosition(savedPosition);
}

void CMedia::Skip(std::int32_t count)
{
    if (count == 0)
        return;
    const std::int64_t target = static_cast<std::int64_t>(GetPosition()) + count;
    if (target < std::numeric_limits<std::int32_t>::min() || target > kLargestPosition)
        throw XPosition();
    SetPosition(static_cast<std::int32_t>(target));
}

std::uint8_t CMedia::ReadByte()
{
    std::uint8_t value = 0;
    ReadAt(GetPosition(), 1, &value);
    return value;
}

void CMedia::WriteByte(std::uint8_t value)
{
    WriteAt(GetPosition(), 1, &value);
}

std::uint8_t CMedia::PeekByte()
{
    std::uint8_t value = 0;
    PeekAt(GetPosition(), 1, &value);
    return value;
}

std::uint16_t CMedia::ReadBigEndian16()
{
    std::uint8_t bytes[2] = {};
    Read(sizeof bytes, bytes);
    return NSTramvell::ReadBigEndian16(bytes);
}

std::uint32_t CMedia::ReadBigEndian32()
{
    std::uint8_t bytes[4] = {};
    Read(sizeof bytes, bytes);
    return NSTramvell::ReadBigEndian32(bytes);
}

void CMedia::WriteBigEndian16(std::uint16_t value)
{
    std::uint8_t bytes[2];
    NSTramvell::WriteBigEndian16(bytes, value);
    Write(sizeof bytes, bytes);
}

void CMedia::WriteBigEndian32(std::uint32_t value)
{
    std::uint8_t bytes[4];
    NSTramvell::WriteBigEndian32(bytes, value);
    Write(sizeof bytes, bytes);
}

void CMedia::CopyFrom(std::int32_t count, CMedia& source)
{
    std::array<std::uint8_t, kCopyPieceSizeInBytes> buffer;
    while (count > 0) {
        const std::int32_t piece = std::min(count, kCopyPieceSizeInBytes);
        source.ReadAt(source.GetPosition(), piece, buffer.data());
        WriteAt(GetPosition(), piece, buffer.data());
        count -= piece;
    }
}

// ---------------------------------------------------------------------------------------------------
// CABCMemoryMedia

CABCMemoryMedia::CABCMemoryMedia() = default;

CABCMemoryMedia::CABCMemoryMedia(std::int32_t capacityInBytes)
    : mBlock(NewBlock(capacityInBytes).release()), mCapacity(capacityInBytes)
{
}

CABCMemoryMedia::CABCMemoryMedia(std::int32_t sizeInBytes, void* block)
    : mOwnsBlock(false), mBlock(static_cast<std::uint8_t*>(block)), mCapacity(sizeInBytes), mSize(sizeInBytes)
{
    CheckCapacity(sizeInBytes);
}

CABCMemoryMedia::CABCMemoryMedia(CMedia& source)
{
    const std::int32_t size = source.GetSize();
    if (size < 0)
        throw XRead();
    CKeptBlockPointer block = NewBlock(size);
    const std::int32_t savedPosition = source.GetPosition();
    source.ReadAt(0, size, block.get());
    source.SetPosition(savedPosition);
    mBlock = block.release();
    mCapacity = size;
    mSize = size;
}

CABCMemoryMedia::CABCMemoryMedia(const CABCMemoryMedia& other)
    : CMedia(other), mBlock(NewBlock(other.mCapacity).release()), mPosition(other.mPosition),
      mCapacity(other.mCapacity), mSize(other.mSize)
{
    CopyBytes(mBlock, other.mBlock, other.mSize);
}

CABCMemoryMedia& CABCMemoryMedia::operator=(const CABCMemoryMedia& other)
{
    if (this == &other)
        return *this;
    // Allocate before freeing, so a failed allocation leaves this media as it was.
    CKeptBlockPointer block = NewBlock(other.mCapacity);
    CopyBytes(block.get(), other.mBlock, other.mSize);
    GiveUpBlock();
    mOwnsBlock = true;
    mBlock = block.release();
    mPosition = other.mPosition;
    mCapacity = other.mCapacity;
    mSize = other.mSize;
    return *this;
}

CABCMemoryMedia::CABCMemoryMedia(CABCMemoryMedia&& other) noexcept
    : CMedia(other), mOwnsBlock(std::exchange(other.mOwnsBlock, true)), mBlock(std::exchange(other.mBlock, nullptr)),
      mPosition(std::exchange(other.mPosition, 0)), mCapacity(std::exchange(other.mCapacity, 0)),
      mSize(std::exchange(other.mSize, 0))
{
}

CABCMemoryMedia& CABCMemoryMedia::operator=(CABCMemoryMedia&& other) noexcept
{
    if (this == &other)
        return *this;
    GiveUpBlock();
    mOwnsBlock = std::exchange(other.mOwnsBlock, true);
    mBlock = std::exchange(other.mBlock, nullptr);
    mPosition = std::exchange(other.mPosition, 0);
    mCapacity = std::exchange(other.mCapacity, 0);
    mSize = std::exchange(other.mSize, 0);
    return *this;
}

CABCMemoryMedia::~CABCMemoryMedia()
{
    GiveUpBlock();
}

std::int32_t CABCMemoryMedia::GetSize() const { return mSize; }
std::int32_t CABCMemoryMedia::GetPosition() const { return mPosition; }
void CABCMemoryMedia::SetPosition(std::int32_t position) { mPosition = position; }

void CABCMemoryMedia::ReadAt(std::int32_t position, std::int32_t length, void* destination)
{
    CheckMemoryRead(position, length, mSize);
    CopyBytes(destination, mBlock + position, length);
    mPosition = position + length;
}

void CABCMemoryMedia::WriteAt(std::int32_t position, std::int32_t length, const void* source)
{
    const std::int64_t end = CheckedWriteEnd(position, length);
    GrowFor(end);
    ExtendInto(mBlock, mSize, position, end);
    CopyBytes(mBlock + position, source, length);
    mPosition = static_cast<std::int32_t>(end);
}

std::uint8_t* CABCMemoryMedia::GetBuffer() { return mBlock; }
const std::uint8_t* CABCMemoryMedia::GetBuffer() const { return mBlock; }
std::int32_t CABCMemoryMedia::GetCapacity() const { return mCapacity; }

std::uint8_t* CABCMemoryMedia::Reserve(std::int32_t count)
{
    const std::int64_t end = CheckedWriteEnd(mPosition, count);
    GrowFor(end);
    ExtendInto(mBlock, mSize, end, end);
    return mBlock;
}

void CABCMemoryMedia::GrowFor(std::int64_t end)
{
    CKeptBlockPointer grown = GrowBlock(mBlock, mSize, mCapacity, end);
    if (!grown)
        return;
    // A lent block is the caller's to free and may not even come from the heap. Growing moves the
    // contents into a block of our own, so a writer never sees a refusal and the caller's block stays
    // untouched past this point; refusing would make a lent block unusable for any output of unknown length.
    GiveUpBlock();
    mBlock = grown.release();
    mOwnsBlock = true;
}

// A lent block stays with the caller.
void CABCMemoryMedia::GiveUpBlock() noexcept
{
    if (mOwnsBlock)
        KeepBlock(mBlock);
}

// ---------------------------------------------------------------------------------------------------
// CMemoryMedia

CMemoryMedia::CMemoryMedia(CMedia& source) : CABCMemoryMedia(source) {}

CMemoryMedia::CMemoryMedia(CMemoryMedia& source) : CABCMemoryMedia(static_cast<CMedia&>(source)) {}

CMemoryMedia::CMemoryMedia(std::int32_t capacityInBytes) : CABCMemoryMedia(capacityInBytes) {}

CMemoryMedia::CMemoryMedia(std::int32_t sizeInBytes, void* block) : CABCMemoryMedia(sizeInBytes, block) {}

CMemoryMedia::~CMemoryMedia() = default;

// ---------------------------------------------------------------------------------------------------
// COwnedMemoryMedia

COwnedMemoryMedia::COwnedMemoryMedia() = default;

COwnedMemoryMedia::COwnedMemoryMedia(std::int32_t capacityInBytes) : CABCMemoryMedia(capacityInBytes) {}

COwnedMemoryMedia::COwnedMemoryMedia(std::int32_t sizeInBytes, const void* bytes) : CABCMemoryMedia(sizeInBytes)
{
    CopyBytes(Reserve(sizeInBytes), bytes, sizeInBytes);
}

// Unlike CMemoryMedia's copy, this one starts where the source stands.
COwnedMemoryMedia::COwnedMemoryMedia(CMedia& source) : CABCMemoryMedia(source)
{
    SetPosition(source.GetPosition());
}

COwnedMemoryMedia::COwnedMemoryMedia(const COwnedMemoryMedia& other) = default;
COwnedMemoryMedia& COwnedMemoryMedia::operator=(const COwnedMemoryMedia& other) = default;
COwnedMemoryMedia::COwnedMemoryMedia(COwnedMemoryMedia&& other) noexcept = default;
COwnedMemoryMedia& COwnedMemoryMedia::operator=(COwnedMemoryMedia&& other) noexcept = default;
COwnedMemoryMedia::~COwnedMemoryMedia() = default;

// ---------------------------------------------------------------------------------------------------
// CPartialMedia

CPartialMedia::CPartialMedia(CMedia& parent, std::int32_t offset)
    : CPartialMedia(parent, offset, kNoEnd)
{
}

CPartialMedia::CPartialMedia(CMedia& parent, std::int32_t offset, std::int32_t length)
    : mParent(parent), mOffset(offset), mLength(length), mPosition(0)
{
    if (offset < 0 || length < kNoEnd || static_cast<std::int64_t>(offset) + std::max(length, 0) > kLargestPosition)
        throw XPosition();
    FollowParentPosition();
}

CPartialMedia::~CPartialMedia() = default;

std::int32_t CPartialMedia::GetSize() const
{
    return mLength == kNoEnd ? mParent.GetSize() - mOffset : mLength;
}

std::int32_t CPartialMedia::GetPosition() const { return mPosition; }

void CPartialMedia::SetPosition(std::int32_t position)
{
    if (position < 0 || (mLength != kNoEnd && position > mLength)
        || static_cast<std::int64_t>(mOffset) + position > kLargestPosition)
        throw XPosition();
    mParent.SetPosition(mOffset + position);
    FollowParentPosition();
}

void CPartialMedia::ReadAt(std::int32_t position, std::int32_t length, void* destination)
{
    // Without an end the window cannot tell where its contents stop, so it gives nothing.
    if (mLength == kNoEnd || position < 0 || length < 0
        || static_cast<std::int64_t>(position) + length > mLength)
        throw XRead();
    mParent.ReadAt(mOffset + position, length, destination);
    FollowParentPosition();
}

void CPartialMedia::WriteAt(std::int32_t position, std::int32_t length, const void* source)
{
    const std::int64_t end = static_cast<std::int64_t>(position) + length;
    if (position < 0 || length < 0 || (mLength != kNoEnd && end > mLength) || mOffset + end > kLargestPosition)
        throw XWrite();
    mParent.WriteAt(mOffset + position, length, source);
    FollowParentPosition();
}

void CPartialMedia::FollowParentPosition()
{
    mPosition = static_cast<std::int32_t>(static_cast<std::int64_t>(mParent.GetPosition()) - mOffset);
}

// ---------------------------------------------------------------------------------------------------
// Strings

void WriteStdString(CMedia& media, const std::string& text)
{
    if (text.size() > static_cast<std::size_t>(kLargestPosition))
        throw XWrite();
    const std::int32_t length = static_cast<std::int32_t>(text.size());
    media.WriteBigEndian32(static_cast<std::uint32_t>(length));
    if (length != 0)
        media.Write(length, text.data());
}

std::string ReadStdString(CMedia& media)
{
    const std::uint32_t length = media.ReadBigEndian32();
    // A damaged count must fail here, before it sizes an allocation.
    const std::int64_t remaining = static_cast<std::int64_t>(media.GetSize()) - media.GetPosition();
    if (static_cast<std::int64_t>(length) > remaining)
        throw XRead();
    std::string text(length, '\0');
    if (length != 0)
        media.Read(static_cast<std::int32_t>(length), text.data());
    return text;
}

} // namespace NSTramvell
