#pragma once

// The patch converter's own table of user-interface texts. The application fills it once at start-up,
// so the converter never reaches the program's resources itself.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSConverter {

// Texts are named by their full reference number in string table 128.
constexpr std::uint32_t kSampleFileExtensionStringId = 401280050; // ".wav"
constexpr std::uint32_t kStereoSampleNameStringId = 401280052;    // "^0 (S)"

// Replaces the whole table by a copy of strings.
void SetUIStrings(const std::vector<std::pair<std::uint32_t, std::string>>& strings);

// The text of the first pair with this id; std::range_error("UI string not found") when none has it.
std::string GetConverterString(std::uint32_t id);

} // namespace NSConverter
