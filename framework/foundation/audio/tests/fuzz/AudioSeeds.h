#pragma once

// Seed inputs of the sample-file fuzz target.

#include <filesystem>

namespace NSFuzzTargets {

// WAVE and AIFF files of each depth and channel count with loops and tuning, and AIFF files that carry
// a sliced loop and a loop-slicer document, all from the framework's own writers.
void WriteAudioFileSeeds(const std::filesystem::path& folder);

} // namespace NSFuzzTargets
