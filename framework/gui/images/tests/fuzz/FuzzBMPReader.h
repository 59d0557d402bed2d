#pragma once

// The body of the BMP-reader fuzz target, shared by the fuzzer and the regression replay.

#include <cstddef>
#include <cstdint>

namespace NSFuzzTargets {

// Reads the bytes as a BMP picture into 32-bit pixels. A refusal is an XBase; a row outside the picture,
// a row handed on twice or a picture left half made aborts. Returns 0.
int FuzzBMPReader(const std::uint8_t* data, std::size_t size);

} // namespace NSFuzzTargets
