#include "framework/foundation/music/MIDIFileReader.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/music/MIDIFileHeader.h"
#include "framework/foundation/music/TimeSignature.h"

#include <cstring>

namespace NSTramvell {

using namespace NSMIDIEncoding;

namespace {

constexpr std::int32_t kChunkHeaderLength = 8;
constexpr std::int32_t kHeaderChunkLength = kChunkHeaderLength + CMIDIFileHeader::kStoredSizeInBytes;
constexpr char kHeaderId[4] = {'M', 'T', 'h', 'd'};
constexpr char kTrackId[4] = {'M', 'T', 'r', 'k'};
constexpr std::int32_t kTempoLength = 3;
constexpr std::int32_t kTimeSignatureLength = 4;
constexpr std::int32_t kLargestSignatureValue = 32;
constexpr double kMicrosecondsToSeconds = 1e-6;
constexpr double kThousandthsPerMinute = 60000;
constexpr double kFastestTempo = 10000000;

} // namespace

CMIDIFileReader::CMIDIFileReader(CMedia& media)
    // "dumy" is never the name of a group: the group searches of the base find nothing here.
    : CIFFReader(media, "dumy"), mRunningStatus(0), mTime(0), mTrackEnd(0)
{
    DisablePadding();
}

CMIDIFileReader::~CMIDIFileReader() = default;

CMIDIFileHeader CMIDIFileReader::ReadHeader()
{
    CMedia& media = GetMedia();
    if (media.GetSize() < kHeaderChunkLength)
        throw XBadFormat();
    std::uint8_t chunk[kHeaderChunkLength];
    media.ReadAt(0, sizeof chunk, chunk);
    const std::uint32_t length = ReadBigEndian32(chunk + 4);
    if (std::memcmp(chunk, kHeaderId, 4) != 0 || length < CMIDIFileHeader::kStoredSizeInBytes ||
        length > static_cast<std::uint32_t>(media.GetSize() - kChunkHeaderLength))
        throw XBadFormat();
    media.SetPosition(kChunkHeaderLength + static_cast<std::int32_t>(length));
    mTrackEnd = 0;
    return CMIDIFileHeader::Decode(chunk + kChunkHeaderLength);
}

bool CMIDIFileReader::FindNextTrack()
{
    CMedia& media = GetMedia();
    std::int64_t position = media.GetPosition();
    if (mTrackEnd != 0 && position < mTrackEnd)
        position = mTrackEnd;
    const std::int64_t size = media.GetSize();
    while (position < size) {
        if (size - position < kChunkHeaderLength)
            throw XBadFormat();
        std::uint8_t header[kChunkHeaderLength];
        media.ReadAt(static_cast<std::int32_t>(position), kChunkHeaderLength, header);
        const std::uint32_t length = ReadBigEndian32(header + 4);
        const std::int64_t dataStart = position + kChunkHeaderLength;
        if (length > size - dataStart)
            throw XBadFormat();
        if (std::memcmp(header, kTrackId, 4) == 0) {
            mTrackEnd = static_cast<std::int32_t>(dataStart + length);
            mTime = 0;
            mRunningStatus = 0;
            media.SetPosition(static_cast<std::int32_t>(dataStart));
            return true;
        }
        position = dataStart + length;
    }
    media.SetPosition(static_cast<std::int32_t>(size));
    mTrackEnd = 0;
    return false;
}

void CMIDIFileReader::RequireInTrack(std::int64_t length) const
{
    if (length < 0 || length > std::int64_t{mTrackEnd} - GetMedia().GetPosition())
        throw XBadFormat();
}

std::uint8_t CMIDIFileReader::ReadTrackByte()
{
    RequireInTrack(1);
    return GetMedia().ReadByte();
}

std::uint32_t CMIDIFileReader::ReadQuantity()
{
    std::uint32_t value = 0;
    for (std::int32_t count = 0; count < kLargestQuantityLength; ++count) {
        const std::uint8_t byte = ReadTrackByte();
        value = (value << 7) | (byte & 0x7Fu);
        if ((byte & 0x80) == 0)
            return value;
    }
    throw XBadFormat();
}

void CMIDIFileReader::ReadEventStart(std::uint32_t& time, std::uint8_t& status)
{
    mTime += ReadQuantity();
    RequireInTrack(1);
    const std::uint8_t next = GetMedia().PeekByte();
    if (next < 0x80) {
        if (mRunningStatus == 0)
            throw XBadFormat();
        status = mRunningStatus;
    } else {
        GetMedia().Skip(1);
        status = next;
        if (IsChannelStatus(next))
            mRunningStatus = next;
    }
    time = mTime;
}

void CMIDIFileReader::ReadMetaStart(std::uint8_t& type, std::int32_t& length)
{
    type = ReadTrackByte();
    length = static_cast<std::int32_t>(ReadQuantity());
    RequireInTrack(length);
}

std::int32_t CMIDIFileReader::ReadSysExLength()
{
    const auto length = static_cast<std::int32_t>(ReadQuantity());
    RequireInTrack(length);
    return length;
}

void CMIDIFileReader::ReadEventData(std::int32_t length, void* buffer)
{
    RequireInTrack(length);
    if (length > 0)
        GetMedia().Read(length, buffer);
}

void CMIDIFileReader::SkipEvent(std::int32_t length)
{
    RequireInTrack(length);
    GetMedia().Skip(length);
}

std::int32_t CMIDIFileReader::ReadTempo()
{
    std::uint8_t stored[kTempoLength];
    ReadEventData(kTempoLength, stored);
    const double microseconds = ReadBigEndian24(stored);
    // Checked as a double: 0 microseconds is an infinite tempo, which no integer holds.
    const double tempo = kThousandthsPerMinute / (microseconds * kMicrosecondsToSeconds);
    if (!(tempo >= 1 && tempo <= kFastestTempo))
        throw XBadFormat();
    return static_cast<std::int32_t>(tempo);
}

CTimeSignature CMIDIFileReader::ReadTimeSignature()
{
    std::uint8_t stored[kTimeSignatureLength];
    ReadEventData(kTimeSignatureLength, stored);
    const std::uint8_t numerator = stored[0];
    const std::uint8_t exponent = stored[1];
    // The exponent is refused before it is used as a shift.
    if (numerator < 1 || numerator > kLargestSignatureValue || exponent > CTimeSignature::kLargestExponent)
        throw XBadFormat();
    CTimeSignature signature;
    signature.SetNumerator(numerator);
    signature.SetExponent(exponent);
    return signature;
}

std::string CMIDIFileReader::ReadText(std::int32_t length)
{
    RequireInTrack(length);
    std::string text(static_cast<std::size_t>(length), '\0');
    ReadEventData(length, text.data());
    return text;
}

bool CMIDIFileReader::IsMIDIMedia(CMedia& media)
{
    if (media.GetSize() < kHeaderChunkLength)
        return false;
    const std::int32_t position = media.GetPosition();
    std::uint8_t chunk[kHeaderChunkLength];
    media.ReadAt(0, sizeof chunk, chunk);
    media.SetPosition(position);
    return std::memcmp(chunk, kHeaderId, 4) == 0 && CMIDIFileHeader::Decode(chunk + kChunkHeaderLength).IsValid();
}

} // namespace NSTramvell
