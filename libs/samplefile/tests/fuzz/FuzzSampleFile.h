#pragma once

// The body of the sample-file fuzz target, shared by the fuzzer and the regression replay.

#include <cstddef>
#include <cstdint>

namespace NSFuzzTargets {

// Offers the bytes to the sample-file library as a WAVE file, in process through Sondrel_Create, and
// reads every frame the reader reports. Returns 0.
int FuzzSampleFile(const std::uint8_t* data, std::size_t size);

} // namespace NSFuzzTargets
