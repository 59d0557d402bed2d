#pragma once

// Seed inputs of the music area's fuzz target.

#include <filesystem>

namespace NSFuzzTargets {

// MIDI files written by the framework's writer: tracks with running status, sysex, tempo, time
// signature and text events, a SMPTE division and a foreign chunk between the tracks.
void WriteMIDIFileSeeds(const std::filesystem::path& folder);

} // namespace NSFuzzTargets
