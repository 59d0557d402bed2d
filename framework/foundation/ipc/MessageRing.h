#pragma once

// Length-prefixed records, as in the synced FIFO, in a buffer the ring owns, for use inside one thread.
// Operations answer with status codes; only a record longer than the caller accepts throws.

#include <cstdint>
#include <memory>

namespace NSTramvell {

enum EMessageRingStatus : int
{
    kMessageRingEmpty = 10,
    kMessageRingFull = 11,
    kMessageRingDone = 12,
};

class CMessageRing
{
public:
    explicit CMessageRing(std::uint32_t capacity);
    ~CMessageRing();
    CMessageRing(const CMessageRing&) = delete;
    CMessageRing& operator=(const CMessageRing&) = delete;

    // kMessageRingFull when the record does not fit (nor ever one over 65535 bytes).
    EMessageRingStatus Put(const void* bytes, std::uint32_t length);
    bool HasRoom(std::uint32_t length) const;
    EMessageRingStatus PeekLength(std::uint32_t* length) const;
    // *length is 0 unless a record was taken. A record longer than largestLength throws XBase and stays.
    EMessageRingStatus Get(void* buffer, std::uint32_t largestLength, std::uint32_t* length);
    int GetCount() const;
    // Copies every byte in use, prefixes included, as it stands (GetCount bytes) and empties the ring.
    void TakeAll(void* buffer);
    void Clear();
    // Puts count raw bytes at the start, as records laid out by another ring's TakeAll. More than the
    // capacity throws XBase and leaves the ring as it was.
    void Fill(const void* bytes, std::uint32_t count);

private:
    std::uint32_t mCapacity;
    std::uint32_t mReadPosition = 0;
    std::uint32_t mWritePosition = 0;
    std::uint32_t mFillCount = 0;
    std::unique_ptr<std::uint8_t[]> mBuffer;
};

} // namespace NSTramvell
