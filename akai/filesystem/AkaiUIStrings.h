#pragma once

// The Akai file system's own user-interface texts, filled once by the application at start-up.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSAkaiFileSystem {

using CUIStringTable = std::vector<std::pair<std::uint32_t, std::string>>;

// "Partition ^0": ^0 becomes the partition's letter and, past Z, its round.
constexpr std::uint32_t kPartitionNameStringId = 401280500;

// Replaces the table with a copy of the given one.
void SetUIStrings(const CUIStringTable& table);
// The text of the first pair with the identifier; throws std::range_error "UI string not found".
std::string GetUIString(std::uint32_t identifier);

} // namespace NSAkaiFileSystem
