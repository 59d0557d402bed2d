#pragma once

// A ring of length-prefixed records whose state and bytes lie in memory shared by two processes: one side
// writes, the other reads. The only word both change is the fill count, and only by atomic additions, so
// neither needs a lock. A record is a 16-bit big-endian length L and L bytes, taking L + 2 bytes; it may wrap
// at any byte. The objects own neither the state nor the bytes.
//
// The state comes from another process, so every operation checks it before using it: a position outside
// the ring or a record longer than the fill count is a broken FIFO (XBase, nothing consumed).

#include <cstdint>

namespace NSTramvell {

// Word indices of the four 32-bit state words, in native byte order.
inline constexpr std::uint32_t kFIFOReadPositionWord = 0;
inline constexpr std::uint32_t kFIFOFillCountWord = 1;
inline constexpr std::uint32_t kFIFOWritePositionWord = 2;
inline constexpr std::uint32_t kFIFOSizeWord = 3;
inline constexpr std::uint32_t kFIFOStateSizeInBytes = 16;

class CABCSyncedFIFO
{
public:
    // state: four 32-bit words, aligned to 4 bytes; data: the ring of the state's size in bytes. The size is
    // read here, once: it is set before either side exists, and a later change by the other process must
    // not take us past the data area the caller checked.
    CABCSyncedFIFO(std::uint32_t* state, std::uint8_t* data);
    virtual ~CABCSyncedFIFO();
    CABCSyncedFIFO(const CABCSyncedFIFO&) = delete;
    CABCSyncedFIFO& operator=(const CABCSyncedFIFO&) = delete;

    std::uint32_t GetFillCount() const;
    // size − 2, and never more than a 16-bit length can say.
    std::uint32_t GetMaxMessageLength() const;

protected:
    std::uint32_t LoadFillCount() const;      // acquire: what it counts is in place
    void AddToFillCount(std::uint32_t amount);     // release: the bytes are stored before it
    void SubtractFromFillCount(std::uint32_t amount);
    std::uint32_t GetSize() const;
    std::uint32_t GetWord(std::uint32_t index) const;
    void SetWord(std::uint32_t index, std::uint32_t value);

    std::uint32_t* mState;   // borrowed: shared memory that outlives the object
    std::uint8_t* mData;     // borrowed, as the state
    std::uint32_t mSize;
};

class CSyncedFIFOWriter : public CABCSyncedFIFO
{
public:
    using CABCSyncedFIFO::CABCSyncedFIFO;
    ~CSyncedFIFOWriter() override;

    // Whether a record of length bytes fits the free room now; never for more than 65535 bytes.
    bool HasRoom(std::uint32_t length) const;
    // Stores one record without looking at the room (call HasRoom first: the reader may only free more).
    // A length over 65535 throws XBase, and so does a broken state; nothing is written then.
    void Write(std::uint32_t length, const void* bytes);
};

class CSyncedFIFOReader : public CABCSyncedFIFO
{
public:
    using CABCSyncedFIFO::CABCSyncedFIFO;
    ~CSyncedFIFOReader() override;

    // Takes the next record into the buffer and returns its length; 0 when the FIFO is empty (a record of
    // length 0 reads the same). A record longer than capacity throws XBase and stays for a larger buffer.
    std::uint32_t Read(void* buffer, std::uint32_t capacity);
    // Drops every record there is now. A broken FIFO is reset instead: read position to the write
    // position, nothing counted.
    void DropAll();

private:
    // Checks the state and the next record; returns the record's length and where its bytes start.
    std::uint32_t PeekRecord(std::uint32_t fillCount, std::uint32_t* bytesPosition) const;
};

} // namespace NSTramvell
