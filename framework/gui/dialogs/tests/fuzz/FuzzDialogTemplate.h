#pragma once

#include <cstddef>
#include <cstdint>

namespace NSFuzzTargets {

// Reads the bytes as a dialog template with two sets of base units; only the reader's own exceptions
// may leave it, and every item must lie within the frames the units can give.
int FuzzDialogTemplate(const std::uint8_t* data, std::size_t size);

} // namespace NSFuzzTargets
