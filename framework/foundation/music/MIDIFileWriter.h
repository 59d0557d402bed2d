#pragma once

// Writes a standard MIDI file over a caller's media, which it borrows: the "MThd" chunk, then each
// "MTrk" chunk between BeginTrack and EndTrack. Events take absolute times in ticks and are stored
// with the delta from the event before; an event that would go back in time, or that a file cannot
// hold, throws before any byte of it is written.

#include "framework/foundation/chunks/IFFChunk.h"

#include <cstdint>
#include <string>
#include <vector>

namespace NSTramvell {

class CMedia;
class CTimeSignature;
struct CMIDIFileHeader;

class CMIDIFileWriter : public CIFFWriter
{
public:
    explicit CMIDIFileWriter(CMedia& media);
    // runningStatus: leave out a channel status equal to the one before (on by default).
    CMIDIFileWriter(CMedia& media, bool runningStatus);
    ~CMIDIFileWriter() override;

    // XBase for a header that IsValid refuses.
    void WriteHeader(const CMIDIFileHeader& header);
    void BeginTrack();
    // Writes the end of the track at the last event's time unless WriteEndOfTrack did.
    void EndTrack();

    // Channel messages (status 0x80 to 0xEF) with as many data bytes as the status takes, each below
    // 0x80; anything else throws XBase.
    void WriteMessage(std::uint32_t time, std::uint8_t status, std::uint8_t data1);
    void WriteMessage(std::uint32_t time, std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    // message: the whole system-exclusive message from its leading 0xF0 (XBase without it).
    void WriteSysEx(std::uint32_t time, const std::uint8_t* message, std::int32_t length);
    void WriteMetaEvent(std::uint32_t time, std::uint8_t type, const std::uint8_t* data, std::int32_t length);
    // XBase above 0xFFFFFF: the event holds three bytes.
    void WriteTempo(std::uint32_t time, std::uint32_t microsecondsPerQuarter);
    void WriteTimeSignature(std::uint32_t time, const CTimeSignature& signature);
    void WriteTextMeta(std::uint32_t time, std::uint8_t type, const std::string& text);
    void WriteEndOfTrack(std::uint32_t time);

private:
    using CEventBytes = std::vector<std::uint8_t>;

    // The delta from the last event, encoded; checks the time before anything is written.
    CEventBytes BeginEvent(std::uint32_t time) const;
    void AppendQuantity(CEventBytes& event, std::uint32_t value) const;
    void WriteChannelMessage(std::uint32_t time, std::uint8_t status, const std::uint8_t* data, std::int32_t count);
    void FinishEvent(std::uint32_t time, const CEventBytes& event);

    std::uint32_t mLastTime;
    std::uint8_t mRunningStatus; // 0: none
    bool mRunningStatusEnabled;
    bool mEndOfTrackWritten;
};

} // namespace NSTramvell
