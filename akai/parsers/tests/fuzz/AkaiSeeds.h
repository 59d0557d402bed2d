#pragma once

// Seed inputs of the Akai fuzz targets.

#include <filesystem>

namespace NSFuzzTargets {

// Small discs of every volume kind, with the sampler's own program and sample files on them, and the
// same discs with one field damaged. sampleFolder holds the real .a3p and .a3s files.
void WriteDiscImageSeeds(const std::filesystem::path& folder, const std::filesystem::path& sampleFolder);
// The real program and sample files, each as one Akai file.
void WriteAkaiFileSeeds(const std::filesystem::path& folder, const std::filesystem::path& sampleFolder);

} // namespace NSFuzzTargets
