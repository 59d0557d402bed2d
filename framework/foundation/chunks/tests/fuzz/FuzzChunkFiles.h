#pragma once

// The body of the chunk-file fuzz target, shared by the fuzzer and the regression replay.

#include <cstddef>
#include <cstdint>

namespace NSFuzzTargets {

// Walks the bytes as an IFF and as a RIFF file with the chunk readers of both generations and the
// stacked file reader: every chunk and group found, every plain chunk's data read, and the dump. Returns 0.
int FuzzChunkFiles(const std::uint8_t* data, std::size_t size);

} // namespace NSFuzzTargets
