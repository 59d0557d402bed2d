#pragma once

// Reads a standard MIDI file by walking its media directly: ReadHeader, then for each track
// FindNextTrack and its events one by one until the end-of-track meta event. Every read inside a track
// is bounded by the track's stored length: a length, event or text that runs past it, or a track that
// runs past the media, throws XBadFormat before anything is read or allocated.

#include "framework/foundation/chunks/IFFChunk.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CMedia;
class CTimeSignature;
struct CMIDIFileHeader;

class CMIDIFileReader : public CIFFReader
{
public:
    explicit CMIDIFileReader(CMedia& media);
    ~CMIDIFileReader() override;

    // XBadFormat unless the media starts with "MThd" of at least 6 bytes; leaves the media after it.
    CMIDIFileHeader ReadHeader();
    // Skips chunks other than "MTrk" (and the rest of the track being read), then stands at the first
    // event of the next track with time and running status reset; false at the media's end.
    bool FindNextTrack();

    // Adds the event's delta to the absolute time. A data byte in place of a status repeats the
    // running status and stays to be read as data; XBadFormat when there is none.
    void ReadEventStart(std::uint32_t& time, std::uint8_t& status);
    // After a meta status: the type and the length of the data.
    void ReadMetaStart(std::uint8_t& type, std::int32_t& length);
    // After a system-exclusive or escape status: the length of the data.
    std::int32_t ReadSysExLength();
    // An event's data, length as the status table, ReadMetaStart or ReadSysExLength gave it.
    void ReadEventData(std::int32_t length, void* buffer);
    void SkipEvent(std::int32_t length);
    // Thousandths of a beat per minute; XBadFormat outside 1 to 10000000 (below 6000 microseconds).
    std::int32_t ReadTempo();
    // XBadFormat unless numerator and denominator lie in 1 to 32.
    CTimeSignature ReadTimeSignature();
    std::string ReadText(std::int32_t length);

    std::uint32_t GetTime() const noexcept { return mTime; }

    // Reads 14 bytes at position 0: true for "MThd" with a valid header. Never throws for short or
    // foreign media; the position is put back.
    static bool IsMIDIMedia(CMedia& media);

private:
    void RequireInTrack(std::int64_t length) const;
    std::uint8_t ReadTrackByte();
    std::uint32_t ReadQuantity();

    std::uint8_t mRunningStatus; // 0: none
    std::uint32_t mTime;
    std::int32_t mTrackEnd; // 0 while no track is open
};

} // namespace NSTramvell
