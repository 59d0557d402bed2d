#pragma once

// How a font description becomes a platform font and back: the arithmetic, apart from the calls.

#include <cstdint>

namespace NSTramvell {

inline constexpr std::int32_t kNormalFontWeight = 400;
inline constexpr std::int32_t kBoldFontWeight = 700;

// The platform's character height (negative: the cell without its leading) for a size given in pixels
// of a 96-dpi screen, on a screen of verticalDotsPerInch. The program is not DPI-aware, so the size is
// scaled down on finer screens, truncated as the platform's integers are.
std::int32_t NativeFontHeight(std::uint16_t size, std::int32_t verticalDotsPerInch);

constexpr std::int32_t NativeFontWeight(std::uint8_t bold) noexcept
{
    return bold != 0 ? kBoldFontWeight : kNormalFontWeight;
}

// A platform font reads back as bold from semi-bold up.
constexpr bool IsBoldWeight(std::int32_t weight) noexcept { return weight > 699; }

} // namespace NSTramvell
