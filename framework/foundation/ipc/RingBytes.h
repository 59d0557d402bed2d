#pragma once

// Byte copies into and out of a ring buffer, shared by the synced FIFO and the message ring. A record may
// wrap at any byte, its length prefix included. Callers have checked that the position lies below the size
// and that the count fits the ring.

#include <cstdint>
#include <cstring>

namespace NSTramvell::NSRingBytes {

// Stores the bytes from position on, going back to 0 at size; returns the position after them.
inline std::uint32_t CopyIn(std::uint8_t* ring, std::uint32_t size, std::uint32_t position, const std::uint8_t* bytes,
                            std::uint32_t count)
{
    const std::uint32_t untilEnd = size - position;
    const std::uint32_t first = count < untilEnd ? count : untilEnd;
    if (first != 0)
        std::memcpy(ring + position, bytes, first);
    if (count > first)
        std::memcpy(ring, bytes + first, count - first);
    return count < untilEnd ? position + count : count - untilEnd;
}

// Copies count bytes from position on into the buffer (may be null to skip them); returns the position
// after them.
inline std::uint32_t CopyOut(const std::uint8_t* ring, std::uint32_t size, std::uint32_t position,
                             std::uint8_t* buffer, std::uint32_t count)
{
    const std::uint32_t untilEnd = size - position;
    const std::uint32_t first = count < untilEnd ? count : untilEnd;
    if (buffer != nullptr) {
        if (first != 0)
            std::memcpy(buffer, ring + position, first);
        if (count > first)
            std::memcpy(buffer + first, ring, count - first);
    }
    return count < untilEnd ? position + count : count - untilEnd;
}

// The 16-bit big-endian length prefix of a record.
inline std::uint32_t PutLength(std::uint8_t* ring, std::uint32_t size, std::uint32_t position, std::uint32_t length)
{
    const std::uint8_t prefix[2] = {static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)};
    return CopyIn(ring, size, position, prefix, 2);
}

inline std::uint32_t GetLength(const std::uint8_t* ring, std::uint32_t size, std::uint32_t position,
                               std::uint32_t* length)
{
    std::uint8_t prefix[2];
    const std::uint32_t next = CopyOut(ring, size, position, prefix, 2);
    *length = static_cast<std::uint32_t>(prefix[0]) << 8 | prefix[1];
    return next;
}

inline constexpr std::uint32_t kLongestRecord = 0xFFFF;
inline constexpr std::uint32_t kPrefixSize = 2;

} // namespace NSTramvell::NSRingBytes
