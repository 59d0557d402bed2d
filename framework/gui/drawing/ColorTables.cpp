#include "framework/gui/drawing/ColorTables.h"

#include "framework/foundation/core/Media.h"

#include <stdexcept>

namespace NSTramvell {

namespace {

std::vector<CColor> MakeTableAround(const CColor* middle)
{
    std::vector<CColor> table(kPaletteSize);
    for (std::size_t i = 0; i < kStaticColorsPerEnd; ++i) {
        table[i] = kDefaultPaletteColors[i];
        table[kPaletteSize - kStaticColorsPerEnd + i] = kDefaultPaletteColors[kStaticColorsPerEnd + i];
    }
    if (middle != nullptr) {
        for (std::size_t i = 0; i < kFreeColorCount; ++i)
            table[kStaticColorsPerEnd + i] = middle[i];
    }
    return table;
}

} // namespace

std::vector<CColor> Make256ColorTable(const std::vector<CColor>& freeColors)
{
    if (freeColors.size() < kFreeColorCount)
        throw std::invalid_argument("a palette needs 236 free colours");
    return MakeTableAround(freeColors.data());
}

std::vector<CColor> MakeStaticColorTable() { return MakeTableAround(nullptr); }

std::vector<CColor> ExtractFreeColors(const std::vector<CColor>& table)
{
    if (table.size() < kPaletteSize)
        throw std::invalid_argument("a colour table has 256 entries");
    const auto first = table.begin() + kStaticColorsPerEnd;
    return std::vector<CColor>(first, first + kFreeColorCount);
}

std::vector<CColor> MakeColorVector(const CColor* colors, std::size_t count)
{
    return std::vector<CColor>(colors, colors + count);
}

std::vector<CColor> ReadFreeColors(CMedia& media)
{
    std::uint8_t stored[kFreeColorCount * 3];
    media.Read(static_cast<std::int32_t>(sizeof stored), stored);
    std::vector<CColor> colors;
    colors.reserve(kFreeColorCount);
    for (std::size_t i = 0; i < kFreeColorCount; ++i)
        colors.emplace_back(stored[3 * i], stored[3 * i + 1], stored[3 * i + 2]);
    return colors;
}

} // namespace NSTramvell
