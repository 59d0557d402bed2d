#pragma once

// Seed inputs of the dialog-template fuzz target.

#include <filesystem>

namespace NSFuzzTargets {

// The framework's templates as the resource compiler writes them, and one item of every kind.
void WriteDialogTemplateSeeds(const std::filesystem::path& folder);

} // namespace NSFuzzTargets
