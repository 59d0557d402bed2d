#pragma once

// The body of the MIDI-file fuzz target, shared by the fuzzer and the regression replay.

#include <cstddef>
#include <cstdint>

namespace NSFuzzTargets {

// Tests the bytes with IsMIDIMedia, reads the header and walks every track's events as a consumer
// does: meta events through their typed readers, system-exclusive and channel data read. Returns 0.
int FuzzMIDIFiles(const std::uint8_t* data, std::size_t size);

} // namespace NSFuzzTargets
