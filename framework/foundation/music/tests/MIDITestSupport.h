#pragma once

// Reads a whole standard MIDI file into event lists, through every reader operation a consumer uses,
// so tests compare what a file holds with what they wrote or what another tool wrote.

#include "framework/foundation/chunks/tests/ChunkTestSupport.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/music/MIDIFileHeader.h"
#include "framework/foundation/music/MIDIFileReader.h"
#include "framework/foundation/music/TimeSignature.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace NSMusicTests {

using NSChunkTests::TBytes;

struct CEvent
{
    std::uint32_t time;
    std::uint8_t status;
    std::uint8_t metaType; // meta events only
    TBytes data;           // tempo: none, see value
    std::int32_t value;    // tempo in thousandths of a beat per minute; numerator * 100 + exponent

    friend bool operator==(const CEvent&, const CEvent&) = default;
    friend std::ostream& operator<<(std::ostream& out, const CEvent& e)
    {
        out << "{" << e.time << ", 0x" << std::hex << int{e.status} << ", 0x" << int{e.metaType} << std::dec << ", [";
        for (const std::uint8_t byte : e.data)
            out << " " << int{byte};
        return out << " ], " << e.value << "}";
    }
};

using TTrack = std::vector<CEvent>;

inline CEvent Channel(std::uint32_t time, std::uint8_t status, TBytes data)
{
    return CEvent{time, status, 0, std::move(data), 0};
}

inline CEvent Meta(std::uint32_t time, std::uint8_t type, const std::string& text)
{
    return CEvent{time, 0xFF, type, TBytes(text.begin(), text.end()), 0};
}

inline CEvent Tempo(std::uint32_t time, std::int32_t tempo)
{
    return CEvent{time, 0xFF, 0x51, {}, tempo};
}

inline CEvent Signature(std::uint32_t time, std::uint8_t numerator, std::uint8_t exponent)
{
    return CEvent{time, 0xFF, 0x58, {}, numerator * 100 + exponent};
}

inline CEvent EndOfTrack(std::uint32_t time)
{
    return CEvent{time, 0xFF, 0x2F, {}, 0};
}

inline CEvent SysEx(std::uint32_t time, TBytes data)
{
    return CEvent{time, 0xF0, 0, std::move(data), 0};
}

inline CEvent ReadEvent(NSTramvell::CMIDIFileReader& reader)
{
    CEvent event{0, 0, 0, {}, 0};
    reader.ReadEventStart(event.time, event.status);
    std::int32_t length = 0;
    if (event.status == 0xFF) {
        reader.ReadMetaStart(event.metaType, length);
        if (event.metaType == 0x51) {
            event.value = reader.ReadTempo();
            return event;
        }
        if (event.metaType == 0x58) {
            const NSTramvell::CTimeSignature signature = reader.ReadTimeSignature();
            event.value = signature.GetNumerator() * 100 + signature.GetExponent();
            return event;
        }
        if (event.metaType == 0x7F) { // sequencer-specific: nothing a test looks into
            reader.SkipEvent(length);
            return event;
        }
        const std::string text = reader.ReadText(length);
        event.data.assign(text.begin(), text.end());
        return event;
    }
    if (event.status == 0xF0 || event.status == 0xF7)
        length = reader.ReadSysExLength();
    else
        length = NSTramvell::NSMIDIEncoding::GetChannelDataLength(event.status);
    event.data.resize(static_cast<std::size_t>(length));
    reader.ReadEventData(length, event.data.data());
    return event;
}

// Every track up to its end-of-track event.
inline std::vector<TTrack> ReadTracks(NSTramvell::CMedia& media, NSTramvell::CMIDIFileHeader* header = nullptr)
{
    NSTramvell::CMIDIFileReader reader(media);
    const NSTramvell::CMIDIFileHeader read = reader.ReadHeader();
    if (header != nullptr)
        *header = read;
    std::vector<TTrack> tracks;
    while (reader.FindNextTrack()) {
        tracks.emplace_back();
        do
            tracks.back().push_back(ReadEvent(reader));
        while (!(tracks.back().back().status == 0xFF && tracks.back().back().metaType == 0x2F));
    }
    return tracks;
}

} // namespace NSMusicTests
