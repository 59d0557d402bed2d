#include "framework/foundation/music/tests/fuzz/MusicSeeds.h"

#include "framework/foundation/core/Media.h"
#include "framework/foundation/music/MIDIFileHeader.h"
#include "framework/foundation/music/MIDIFileWriter.h"
#include "framework/foundation/music/TimeSignature.h"
#include "tests/fuzz/SeedFiles.h"

#include <vector>

namespace NSFuzzTargets {

namespace {

void WriteTracks(NSTramvell::CMIDIFileWriter& writer, int trackCount)
{
    for (int track = 0; track < trackCount; ++track) {
        writer.BeginTrack();
        writer.WriteTimeSignature(0, NSTramvell::CTimeSignature(6, 8));
        writer.WriteTempo(0, 500000);
        writer.WriteTextMeta(0, 0x03, "track");
        writer.WriteMessage(0, 0x90, 60, 100);
        writer.WriteMessage(0, 0x90, 64, 100);
        writer.WriteMessage(240, 0xC3, 12);
        std::uint8_t pair[NSTramvell::NSMIDIEncoding::kValuePairLength];
        NSTramvell::NSMIDIEncoding::MakeValuePairSysEx(3, 4, pair);
        writer.WriteSysEx(480, pair, sizeof pair);
        writer.WriteMessage(0x4000, 0xE0, 0, 64);
        writer.EndTrack();
    }
}

std::vector<std::uint8_t> WriteSong(bool smpte, bool runningStatus, int trackCount)
{
    NSTramvell::COwnedMemoryMedia media;
    NSTramvell::CMIDIFileWriter writer(media, runningStatus);
    NSTramvell::CMIDIFileHeader header;
    header.format = trackCount > 1 ? 1 : 0;
    header.trackCount = static_cast<std::uint16_t>(trackCount);
    if (smpte) {
        header.divisionKind = NSTramvell::CMIDIFileHeader::kSMPTEDivision;
        header.framesPerSecond = 25;
        header.ticksPerFrame = 40;
    } else {
        header.ticksPerQuarter = 96;
    }
    writer.WriteHeader(header);
    if (trackCount > 1)
        writer.WriteChunk("XFIH", "foreign", 7);
    WriteTracks(writer, trackCount);
    return std::vector<std::uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetSize());
}

} // namespace

void WriteMIDIFileSeeds(const std::filesystem::path& folder)
{
    WriteSeedFile(folder, "one-track.mid", WriteSong(false, true, 1));
    WriteSeedFile(folder, "two-tracks-without-running-status.mid", WriteSong(false, false, 2));
    WriteSeedFile(folder, "smpte-three-tracks.mid", WriteSong(true, true, 3));
}

} // namespace NSFuzzTargets
