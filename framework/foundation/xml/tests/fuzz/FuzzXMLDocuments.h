#pragma once

// The body of the XML-document fuzz target, shared by the fuzzer and the regression replay.

#include <cstddef>
#include <cstdint>

namespace NSFuzzTargets {

// Reads the bytes as an XML document. A refusal is an XBase; anything else escapes. Returns 0.
int FuzzXMLDocuments(const std::uint8_t* data, std::size_t size);

} // namespace NSFuzzTargets
