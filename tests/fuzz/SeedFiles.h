#pragma once

// What the seed writers of the fuzz targets share: writing one seed and reading a source file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace NSFuzzTargets {

// Writes the bytes as folder/name, making the folder when needed; throws std::runtime_error on failure.
void WriteSeedFile(const std::filesystem::path& folder, const std::string& name, const std::vector<std::uint8_t>& bytes);
// The whole file; throws std::runtime_error when it cannot be read.
std::vector<std::uint8_t> ReadSourceFile(const std::filesystem::path& path);

} // namespace NSFuzzTargets
