#pragma once

// The body of the sample-file fuzz target, shared by the fuzzer and the regression replay.

#include <cstddef>
#include <cstdint>

namespace NSFuzzTargets {

// Reads the bytes as a WAVE file, an AIFF file, a sliced loop and a loop-slicer document; a sample that
// reads is written back as WAVE and AIFF. Returns 0.
int FuzzAudioFiles(const std::uint8_t* data, std::size_t size);

} // namespace NSFuzzTargets
