#include "framework/foundation/music/tests/fuzz/FuzzMIDIFiles.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/music/MIDIFileHeader.h"
#include "framework/foundation/music/MIDIFileReader.h"
#include "framework/foundation/music/TimeSignature.h"

#include <limits>
#include <string>
#include <vector>

namespace NSFuzzTargets {

namespace {

using namespace NSTramvell::NSMIDIEncoding;

// False after the end-of-track event, and after a status whose length no reader knows (a consumer
// gives up on the track there).
bool ReadEvent(NSTramvell::CMIDIFileReader& reader)
{
    std::uint32_t time = 0;
    std::uint8_t status = 0;
    reader.ReadEventStart(time, status);
    std::int32_t length = 0;
    if (status == kMetaEvent) {
        std::uint8_t type = 0;
        reader.ReadMetaStart(type, length);
        if (type == kTempoMeta && length == 3)
            static_cast<void>(reader.ReadTempo());
        else if (type == kTimeSignatureMeta && length == 4)
            static_cast<void>(reader.ReadTimeSignature().GetDenominator());
        else
            static_cast<void>(reader.ReadText(length));
        return type != kEndOfTrackMeta;
    }
    if (status == kSystemExclusive || status == kEscape) {
        length = reader.ReadSysExLength();
        std::vector<std::uint8_t> message(static_cast<std::size_t>(length));
        reader.ReadEventData(length, message.data());
        static_cast<void>(IsValuePairSysEx(message.data(), length));
        return true;
    }
    if (!IsChannelStatus(status))
        return false;
    std::uint8_t data[2];
    reader.ReadEventData(GetChannelDataLength(status), data);
    return true;
}

} // namespace

int FuzzMIDIFiles(const std::uint8_t* data, std::size_t size)
{
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return 0;
    NSTramvell::COwnedMemoryMedia media(static_cast<std::int32_t>(size), data);
    static_cast<void>(NSTramvell::CMIDIFileReader::IsMIDIMedia(media));
    try {
        NSTramvell::CMIDIFileReader reader(media);
        static_cast<void>(reader.ReadHeader().IsValid());
        while (reader.FindNextTrack()) {
            try {
                while (ReadEvent(reader)) {
                }
            } catch (const NSTramvell::XBadFormat&) {
                // A damaged track costs that track: the walk goes on with the next one.
            }
        }
    } catch (const NSTramvell::XBase&) {
    }
    return 0;
}

} // namespace NSFuzzTargets
