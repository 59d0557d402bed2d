#pragma once

// The framework's random-access byte stream and the kinds of it that live in memory or window
// another media. Positions, lengths and sizes are signed 32-bit byte counts. After ReadAt or WriteAt
// the position is position + length (for files: + the count transferred), so the relative helpers advance.

#include <cstdint>
#include <string>

namespace NSTramvell {

class CMedia
{
public:
    virtual ~CMedia();

    virtual std::int32_t GetSize() const = 0;
    virtual std::int32_t GetPosition() const = 0;
    virtual void SetPosition(std::int32_t position) = 0;
    virtual void ReadAt(std::int32_t position, std::int32_t length, void* destination) = 0;
    virtual void WriteAt(std::int32_t position, std::int32_t length, const void* source) = 0;

    // Helpers at the current position, all through the virtual operations above.
    void Read(std::int32_t length, void* destination);
    void Write(std::int32_t length, const void* source);
    // Reads at position and puts the current position back.
    void PeekAt(std::int32_t position, std::int32_t length, void* destination);
    // count may be negative; 0 leaves the position untouched.
    void Skip(std::int32_t count);
    std::uint8_t ReadByte();
    void WriteByte(std::uint8_t value);
    std::uint8_t PeekByte();
    std::uint16_t ReadBigEndian16();
    std::uint32_t ReadBigEndian32();
    void WriteBigEndian16(std::uint16_t value);
    void WriteBigEndian32(std::uint32_t value);
    // Copies count bytes from the source's current position to this media's, in pieces of at most
    // kCopyPieceSizeInBytes; count <= 0 copies nothing.
    void CopyFrom(std::int32_t count, CMedia& source);

    static constexpr std::int32_t kCopyPieceSizeInBytes = 8192;

protected:
    CMedia() = default;
    CMedia(const CMedia&) = default;
    CMedia& operator=(const CMedia&) = default;
};

// What the two memory media share: a block, its capacity, the size in use and the position. Reads
// outside [0, size] throw XRead; a write past the capacity grows the block, taking the contents into a
// block of the media's own. Only the kinds below are made.
class CABCMemoryMedia : public CMedia
{
public:
    ~CABCMemoryMedia() override;

    std::int32_t GetSize() const override;
    std::int32_t GetPosition() const override;
    void SetPosition(std::int32_t position) override;
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override;
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override;

    std::uint8_t* GetBuffer();
    const std::uint8_t* GetBuffer() const;
    std::int32_t GetCapacity() const;
    // Makes room for count bytes at the position, raises the size to cover them and returns the
    // block; the caller writes them at GetBuffer() + GetPosition().
    std::uint8_t* Reserve(std::int32_t count);

protected:
    // Owned, empty and without a block.
    CABCMemoryMedia();
    // Owned and empty, with a block of capacityInBytes.
    explicit CABCMemoryMedia(std::int32_t capacityInBytes);
    // Over the caller's block, which must outlive this media and is never freed by it.
    CABCMemoryMedia(std::int32_t sizeInBytes, void* block);
    // An owned copy of the whole source, positioned at 0; the source's position is put back.
    explicit CABCMemoryMedia(CMedia& source);
    // Copies own a block of the other's capacity and take its contents and position; a failed
    // allocation leaves the assigned media as it was.
    CABCMemoryMedia(const CABCMemoryMedia& other);
    CABCMemoryMedia& operator=(const CABCMemoryMedia& other);
    // Moving hands the block over; the moved-from media is left empty with capacity 0.
    CABCMemoryMedia(CABCMemoryMedia&& other) noexcept;
    CABCMemoryMedia& operator=(CABCMemoryMedia&& other) noexcept;

private:
    void GrowFor(std::int64_t end);
    void GiveUpBlock() noexcept;

    bool mOwnsBlock = true;
    std::uint8_t* mBlock = nullptr;
    std::int32_t mPosition = 0;
    std::int32_t mCapacity = 0;
    std::int32_t mSize = 0;
};

// Media over a memory block, either its own or one the caller lends. A lent block that a write outgrows
// is left to the caller and the contents continue in a block of the media's own.
class CMemoryMedia : public CABCMemoryMedia
{
public:
    // An owned copy of the whole source, positioned at 0; the source's position is put back.
    explicit CMemoryMedia(CMedia& source);
    // Owned and empty, with a block of capacityInBytes.
    explicit CMemoryMedia(std::int32_t capacityInBytes);
    // Over the caller's block, which must outlive this media and is never freed by it.
    CMemoryMedia(std::int32_t sizeInBytes, void* block);
    // An owned copy, as from any other source; not const, since reading moves the source's position.
    CMemoryMedia(CMemoryMedia& source);
    CMemoryMedia& operator=(const CMemoryMedia&) = delete;
    ~CMemoryMedia() override;
};

// Growable media that always owns its block; bytes at or past the size are not part of the contents.
class COwnedMemoryMedia : public CABCMemoryMedia
{
public:
    COwnedMemoryMedia();
    explicit COwnedMemoryMedia(std::int32_t capacityInBytes);
    // A copy of the caller's bytes, positioned at 0.
    COwnedMemoryMedia(std::int32_t sizeInBytes, const void* bytes);
    // A copy of the whole source, positioned where the source is; the source's position is put back.
    explicit COwnedMemoryMedia(CMedia& source);
    COwnedMemoryMedia(const COwnedMemoryMedia& other);
    COwnedMemoryMedia& operator=(const COwnedMemoryMedia& other);
    COwnedMemoryMedia(COwnedMemoryMedia&& other) noexcept;
    COwnedMemoryMedia& operator=(COwnedMemoryMedia&& other) noexcept;
    ~COwnedMemoryMedia() override;
};

// A window onto another media, from offset for length bytes or, with kNoEnd, to the parent's end.
// A window without an end refuses every read and accepts writes anywhere past its offset.
class CPartialMedia : public CMedia
{
public:
    static constexpr std::int32_t kNoEnd = -1;

    // parent is borrowed and must outlive the window. The window's position follows the parent's.
    CPartialMedia(CMedia& parent, std::int32_t offset);
    CPartialMedia(CMedia& parent, std::int32_t offset, std::int32_t length);
    ~CPartialMedia() override;

    std::int32_t GetSize() const override;
    std::int32_t GetPosition() const override;
    void SetPosition(std::int32_t position) override;
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override;
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override;

private:
    void FollowParentPosition();

    CMedia& mParent;
    std::int32_t mOffset;
    std::int32_t mLength;
    std::int32_t mPosition;
};

// The stored form of a string: a big-endian 32-bit byte count, then the bytes, no terminator.
void WriteStdString(CMedia& media, const std::string& text);
// Throws XRead when the stored count is more than the media has left.
std::string ReadStdString(CMedia& media);

} // namespace NSTramvell
