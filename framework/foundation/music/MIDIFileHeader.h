#pragma once

// The "MThd" record of a standard MIDI file and the pieces of the event encoding that the writer and
// the reader share.

#include <cstdint>

namespace NSTramvell {

struct CMIDIFileHeader
{
    enum EDivisionKind : std::int32_t
    {
        kSMPTEDivision = 10,
        kTicksPerQuarterDivision = 11,
    };

    static constexpr std::int32_t kStoredSizeInBytes = 6;
    static constexpr std::uint16_t kLargestTicksPerQuarter = 0x7FFF;

    std::uint16_t format = 0;
    std::uint16_t trackCount = 0;
    EDivisionKind divisionKind = kTicksPerQuarterDivision;
    std::uint16_t ticksPerQuarter = 0;
    std::uint8_t framesPerSecond = 0; // 24, 25, 29 (30 drop-frame) or 30
    std::uint8_t ticksPerFrame = 0;

    // Format 0 to 2 with tracks, and a division a file can hold.
    bool IsValid() const noexcept;
    // Big-endian: format, tracks, division.
    void Encode(std::uint8_t* stored) const noexcept;
    static CMIDIFileHeader Decode(const std::uint8_t* stored) noexcept;
};

namespace NSMIDIEncoding {

constexpr std::uint8_t kSystemExclusive = 0xF0;
constexpr std::uint8_t kEscape = 0xF7;
constexpr std::uint8_t kMetaEvent = 0xFF;
constexpr std::uint8_t kTempoMeta = 0x51;
constexpr std::uint8_t kTimeSignatureMeta = 0x58;
constexpr std::uint8_t kEndOfTrackMeta = 0x2F;
// The largest value four bytes of a variable-length quantity hold, the most a file may use.
constexpr std::uint32_t kLargestQuantity = 0x0FFFFFFF;
constexpr std::int32_t kLargestQuantityLength = 4;

constexpr bool IsChannelStatus(std::uint8_t status) noexcept
{
    return status >= 0x80 && status <= 0xEF;
}

// The data bytes after a channel status: 1 for program change and channel pressure, else 2; 0 for a
// status that is no channel status.
std::int32_t GetChannelDataLength(std::uint8_t status) noexcept;

// Writes value's 1 to 4 bytes and answers their count; XBadFormat above kLargestQuantity.
std::int32_t EncodeQuantity(std::uint32_t value, std::uint8_t* bytes);

// A six-byte system-exclusive record that carries two small values: F0 00 00 66 value1 value2.
constexpr std::int32_t kValuePairLength = 6;
void MakeValuePairSysEx(std::uint8_t value1, std::uint8_t value2, std::uint8_t* message) noexcept;
// Recognised by its first four bytes; it must hold the two values as well.
bool IsValuePairSysEx(const std::uint8_t* message, std::int32_t length) noexcept;

} // namespace NSMIDIEncoding

} // namespace NSTramvell
