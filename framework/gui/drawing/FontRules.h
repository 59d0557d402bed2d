#pragma once

// How a font description becomes a platform font and back: the arithmetic, apart from the calls.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// The font that dialog templates are laid out for: 8 points on a 96-dpi screen, whose dialog base units
// are 6 x 13 pixels. Templates with a font convert their units with these, whatever font later draws them.
inline constexpr std::uint16_t kDialogFontSize = 11;
inline constexpr std::int32_t kDialogFontBaseWidth = 6;
inline constexpr std::int32_t kDialogFontCellHeight = 13;

// The horizontal dialog base unit of a font whose 52 letters (A-Z, a-z) measure `alphabetWidth`, rounded
// as the platform rounds it.
constexpr std::int32_t DialogBaseWidth(std::int32_t alphabetWidth) noexcept
{
    return (alphabetWidth / 26 + 1) / 2;
}

// A font, as the platform draws it, that takes no more room than the dialog font: texts laid out in its
// units then show whole.
constexpr bool FitsDialogFont(std::int32_t cellHeight, std::int32_t alphabetWidth) noexcept
{
    return cellHeight <= kDialogFontCellHeight && DialogBaseWidth(alphabetWidth) <= kDialogFontBaseWidth;
}

// One installed face drawn at one size.
struct CMeasuredFace
{
    std::string mFace;
    std::uint16_t mSize = 0;
    std::int32_t mCellHeight = 0;
    std::int32_t mAlphabetWidth = 0;
    bool mSansSerif = false;
};

// The face that stands in for a missing dialog font: among the measurements that fit, the largest size,
// then a sans-serif face (as the dialog font is), then the widest alphabet, so that texts look as close to
// the dialog font as the installed faces allow; the first in the list of equals. None when none fits.
std::optional<CMeasuredFace> PickDialogFontStandIn(const std::vector<CMeasuredFace>& measured);

} // namespace NSTramvell
