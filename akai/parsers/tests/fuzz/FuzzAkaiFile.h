#pragma once

// The body of the Akai-file fuzz target, shared by the fuzzer and the regression replay.

#include <cstddef>
#include <cstdint>

namespace NSFuzzTargets {

// Takes the bytes as one opened Akai file and parses it as a program, as a keygroup record and as a
// sample, each in both record sizes, collecting the validators' reports. Returns 0.
int FuzzAkaiFile(const std::uint8_t* data, std::size_t size);

} // namespace NSFuzzTargets
