#include "framework/foundation/music/MIDIFileWriter.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/modules/FrameworkConstants.h"
#include "framework/foundation/music/MIDIFileHeader.h"
#include "framework/foundation/music/TimeSignature.h"

namespace NSTramvell {

using namespace NSMIDIEncoding;

namespace {

constexpr std::uint8_t kClocksPerClick = 24;
constexpr std::uint8_t kThirtySecondsPerQuarter = 8;
constexpr std::uint32_t kLargestTempo = 0xFFFFFF;

} // namespace

CMIDIFileWriter::CMIDIFileWriter(CMedia& media) : CMIDIFileWriter(media, true)
{
}

CMIDIFileWriter::CMIDIFileWriter(CMedia& media, bool runningStatus)
    : CIFFWriter(media), mLastTime(0), mRunningStatus(0), mRunningStatusEnabled(runningStatus),
      mEndOfTrackWritten(false)
{
    DisablePadding();
}

CMIDIFileWriter::~CMIDIFileWriter() = default;

void CMIDIFileWriter::WriteHeader(const CMIDIFileHeader& header)
{
    if (!header.IsValid())
        throw XBase();
    std::uint8_t stored[CMIDIFileHeader::kStoredSizeInBytes];
    header.Encode(stored);
    WriteChunk(GetMIDIHeaderChunkCode(), stored, sizeof stored);
}

void CMIDIFileWriter::BeginTrack()
{
    BeginChunk(GetMIDITrackChunkCode());
    mLastTime = 0;
    mRunningStatus = 0;
    mEndOfTrackWritten = false;
}

void CMIDIFileWriter::EndTrack()
{
    if (!mEndOfTrackWritten)
        WriteEndOfTrack(mLastTime);
    EndChunk();
}

CMIDIFileWriter::CEventBytes CMIDIFileWriter::BeginEvent(std::uint32_t time) const
{
    if (time < mLastTime)
        throw XBase();
    CEventBytes event;
    AppendQuantity(event, time - mLastTime);
    return event;
}

void CMIDIFileWriter::AppendQuantity(CEventBytes& event, std::uint32_t value) const
{
    std::uint8_t bytes[kLargestQuantityLength];
    const std::int32_t count = EncodeQuantity(value, bytes);
    event.insert(event.end(), bytes, bytes + count);
}

void CMIDIFileWriter::FinishEvent(std::uint32_t time, const CEventBytes& event)
{
    Write(static_cast<std::int32_t>(event.size()), event.data());
    mLastTime = time;
}

void CMIDIFileWriter::WriteChannelMessage(std::uint32_t time, std::uint8_t status, const std::uint8_t* data,
                                          std::int32_t count)
{
    if (GetChannelDataLength(status) != count)
        throw XBase();
    for (std::int32_t i = 0; i < count; ++i) {
        if (data[i] >= 0x80)
            throw XBase();
    }
    CEventBytes event = BeginEvent(time);
    if (!mRunningStatusEnabled || status != mRunningStatus)
        event.push_back(status);
    event.insert(event.end(), data, data + count);
    FinishEvent(time, event);
    mRunningStatus = status;
}

void CMIDIFileWriter::WriteMessage(std::uint32_t time, std::uint8_t status, std::uint8_t data1)
{
    WriteChannelMessage(time, status, &data1, 1);
}

void CMIDIFileWriter::WriteMessage(std::uint32_t time, std::uint8_t status, std::uint8_t data1, std::uint8_t data2)
{
    const std::uint8_t data[] = {data1, data2};
    WriteChannelMessage(time, status, data, 2);
}

void CMIDIFileWriter::WriteSysEx(std::uint32_t time, const std::uint8_t* message, std::int32_t length)
{
    if (length < 1 || message[0] != kSystemExclusive)
        throw XBase();
    CEventBytes event = BeginEvent(time);
    event.push_back(kSystemExclusive);
    AppendQuantity(event, static_cast<std::uint32_t>(length - 1));
    event.insert(event.end(), message + 1, message + length);
    FinishEvent(time, event);
    mRunningStatus = 0;
}

void CMIDIFileWriter::WriteMetaEvent(std::uint32_t time, std::uint8_t type, const std::uint8_t* data,
                                     std::int32_t length)
{
    if (length < 0)
        throw XBase();
    CEventBytes event = BeginEvent(time);
    event.push_back(kMetaEvent);
    event.push_back(type);
    AppendQuantity(event, static_cast<std::uint32_t>(length));
    if (length > 0)
        event.insert(event.end(), data, data + length);
    FinishEvent(time, event);
    mRunningStatus = 0;
}

void CMIDIFileWriter::WriteTempo(std::uint32_t time, std::uint32_t microsecondsPerQuarter)
{
    if (microsecondsPerQuarter > kLargestTempo)
        throw XBase();
    const std::uint8_t data[] = {static_cast<std::uint8_t>(microsecondsPerQuarter >> 16),
                                 static_cast<std::uint8_t>(microsecondsPerQuarter >> 8),
                                 static_cast<std::uint8_t>(microsecondsPerQuarter)};
    WriteMetaEvent(time, kTempoMeta, data, sizeof data);
}

void CMIDIFileWriter::WriteTimeSignature(std::uint32_t time, const CTimeSignature& signature)
{
    const std::uint8_t data[] = {signature.GetNumerator(), signature.GetExponent(), kClocksPerClick,
                                 kThirtySecondsPerQuarter};
    WriteMetaEvent(time, kTimeSignatureMeta, data, sizeof data);
}

void CMIDIFileWriter::WriteTextMeta(std::uint32_t time, std::uint8_t type, const std::string& text)
{
    if (text.size() > kLargestQuantity)
        throw XBadFormat();
    WriteMetaEvent(time, type, reinterpret_cast<const std::uint8_t*>(text.data()),
                   static_cast<std::int32_t>(text.size()));
}

void CMIDIFileWriter::WriteEndOfTrack(std::uint32_t time)
{
    WriteMetaEvent(time, kEndOfTrackMeta, nullptr, 0);
    mEndOfTrackWritten = true;
}

} // namespace NSTramvell
