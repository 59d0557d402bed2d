#pragma once

// The body of the whole-disc fuzz target, shared by the fuzzer and the regression replay.

#include <cstddef>
#include <cstdint>

namespace NSFuzzTargets {

// Takes the bytes as a whole disc: when it is an Akai disc, walks every partition and volume, opens
// every file and reads it whole. Returns 0; a fault in the reader shows as a crash, a sanitizer report
// or an exception other than the framework's own escaping.
int FuzzDiscImage(const std::uint8_t* data, std::size_t size);

} // namespace NSFuzzTargets
