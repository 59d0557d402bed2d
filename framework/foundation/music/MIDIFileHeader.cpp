#include "framework/foundation/music/MIDIFileHeader.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"

#include <cstring>

namespace NSTramvell {

namespace {

constexpr std::uint16_t kSMPTEFlag = 0x8000;
constexpr std::uint8_t kValuePairPrefix[4] = {0xF0, 0x00, 0x00, 0x66};

bool IsSMPTERate(std::uint8_t framesPerSecond) noexcept
{
    return framesPerSecond == 24 || framesPerSecond == 25 || framesPerSecond == 29 || framesPerSecond == 30;
}

} // namespace

bool CMIDIFileHeader::IsValid() const noexcept
{
    if (format > 2 || trackCount == 0)
        return false;
    if (divisionKind == kTicksPerQuarterDivision)
        return ticksPerQuarter != 0 && ticksPerQuarter <= kLargestTicksPerQuarter;
    if (divisionKind == kSMPTEDivision)
        return IsSMPTERate(framesPerSecond) && ticksPerFrame != 0;
    return false;
}

void CMIDIFileHeader::Encode(std::uint8_t* stored) const noexcept
{
    WriteBigEndian16(stored, format);
    WriteBigEndian16(stored + 2, trackCount);
    if (divisionKind == kSMPTEDivision) {
        // The high byte is the rate negated, in two's complement.
        stored[4] = static_cast<std::uint8_t>(-framesPerSecond);
        stored[5] = ticksPerFrame;
    } else {
        WriteBigEndian16(stored + 4, ticksPerQuarter);
    }
}

CMIDIFileHeader CMIDIFileHeader::Decode(const std::uint8_t* stored) noexcept
{
    CMIDIFileHeader header;
    header.format = ReadBigEndian16(stored);
    header.trackCount = ReadBigEndian16(stored + 2);
    const std::uint16_t division = ReadBigEndian16(stored + 4);
    if ((division & kSMPTEFlag) != 0) {
        header.divisionKind = kSMPTEDivision;
        header.framesPerSecond = static_cast<std::uint8_t>(-static_cast<std::int8_t>(stored[4]));
        header.ticksPerFrame = stored[5];
    } else {
        header.divisionKind = kTicksPerQuarterDivision;
        header.ticksPerQuarter = division;
    }
    return header;
}

namespace NSMIDIEncoding {

std::int32_t GetChannelDataLength(std::uint8_t status) noexcept
{
    if (!IsChannelStatus(status))
        return 0;
    const std::uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

std::int32_t EncodeQuantity(std::uint32_t value, std::uint8_t* bytes)
{
    if (value > kLargestQuantity)
        throw XBadFormat();
    std::int32_t count = 1;
    while (count < kLargestQuantityLength && (value >> (7 * count)) != 0)
        ++count;
    for (std::int32_t i = 0; i < count; ++i) {
        const auto group = static_cast<std::uint8_t>((value >> (7 * (count - 1 - i))) & 0x7F);
        bytes[i] = i + 1 < count ? static_cast<std::uint8_t>(group | 0x80) : group;
    }
    return count;
}

void MakeValuePairSysEx(std::uint8_t value1, std::uint8_t value2, std::uint8_t* message) noexcept
{
    std::memcpy(message, kValuePairPrefix, sizeof kValuePairPrefix);
    message[4] = value1;
    message[5] = value2;
}

bool IsValuePairSysEx(const std::uint8_t* message, std::int32_t length) noexcept
{
    return length >= kValuePairLength && std::memcmp(message, kValuePairPrefix, sizeof kValuePairPrefix) == 0;
}

} // namespace NSMIDIEncoding

} // namespace NSTramvell
