#pragma once

// Seed inputs of the sample-file fuzz target.

#include <filesystem>

namespace NSFuzzTargets {

// WAVE files written by the library's own frame writer: every bit depth, mono and stereo, with and
// without loops and root, and one without frames.
void WriteSampleFileSeeds(const std::filesystem::path& folder);

} // namespace NSFuzzTargets
