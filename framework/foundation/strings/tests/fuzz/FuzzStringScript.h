#pragma once

// The body of the string-script fuzz target, shared by the fuzzer and the regression replay.

#include <cstddef>
#include <cstdint>

namespace NSFuzzTargets {

// Parses the bytes as a string script, both as they are and as the string manager reads a script
// resource (up to its first zero byte). Returns 0.
int FuzzStringScript(const std::uint8_t* data, std::size_t size);

} // namespace NSFuzzTargets
