#pragma once

// Seed inputs of the foundation's fuzz targets.

#include <filesystem>
#include <vector>

namespace NSFuzzTargets {

// IFF and RIFF files written by the chunk writers of both generations: groups nested in groups,
// odd-sized chunks with their pad bytes, and the same without padding.
void WriteChunkFileSeeds(const std::filesystem::path& folder);
// Hand-written scripts showing every form the parser knows, and the scripts found in scriptFiles.
void WriteStringScriptSeeds(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& scriptFiles);

} // namespace NSFuzzTargets
