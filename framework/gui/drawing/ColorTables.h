#pragma once

// The colour tables of 256-colour palettes: the twenty fixed colours (kDefaultPaletteColors) at both
// ends, ten low and ten high, and 236 free colours between them, as the platform keeps its own.

#include "framework/gui/regions/Color.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace NSTramvell {

class CMedia;

inline constexpr std::size_t kPaletteSize = 256;
inline constexpr std::size_t kFreeColorCount = 236;
inline constexpr std::size_t kStaticColorsPerEnd = 10;

// The low static colours, the first 236 free colours (std::invalid_argument when fewer), the high ones.
std::vector<CColor> Make256ColorTable(const std::vector<CColor>& freeColors);
// The static colours at both ends, black between.
std::vector<CColor> MakeStaticColorTable();
// Entries 10..245 of a 256-colour table (std::invalid_argument when shorter).
std::vector<CColor> ExtractFreeColors(const std::vector<CColor>& table);
std::vector<CColor> MakeColorVector(const CColor* colors, std::size_t count);
// 236 colours stored as red, green, blue bytes from the media's position; read failures pass on.
std::vector<CColor> ReadFreeColors(CMedia& media);

} // namespace NSTramvell
