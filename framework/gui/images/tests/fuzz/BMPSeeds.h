#pragma once

// Seed inputs of the BMP-reader fuzz target.

#include <filesystem>

namespace NSFuzzTargets {

// Pictures from the BMP writer, one with an odd width (padded rows), and one with a 124-byte info header.
void WriteBMPSeeds(const std::filesystem::path& folder);

} // namespace NSFuzzTargets
