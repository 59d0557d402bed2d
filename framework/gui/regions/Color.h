#pragma once

// The framework's colour: red, green and blue bytes, black by default. The platform's form of a colour
// is a 32-bit value with red in the low byte and the palette-relative flag 0x02 in the top byte.

#include <array>
#include <cstdint>

namespace NSTramvell {

class CColor
{
public:
    constexpr CColor() noexcept : mRed(0), mGreen(0), mBlue(0) {}
    constexpr CColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) noexcept
        : mRed(red), mGreen(green), mBlue(blue)
    {
    }

    constexpr std::uint8_t GetRed() const noexcept { return mRed; }
    constexpr std::uint8_t GetGreen() const noexcept { return mGreen; }
    constexpr std::uint8_t GetBlue() const noexcept { return mBlue; }

    // Only the low three bytes count; the flag byte of a platform value is ignored.
    static constexpr CColor FromNative(std::uint32_t value) noexcept
    {
        return CColor(static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                      static_cast<std::uint8_t>(value >> 16));
    }
    constexpr std::uint32_t ToNative() const noexcept
    {
        return 0x02000000u + (std::uint32_t{mBlue} << 16) + (std::uint32_t{mGreen} << 8) + mRed;
    }

    // Each component plus amount, kept within 0..255; a negative amount darkens.
    static CColor Lighten(const CColor& source, std::int32_t amount) noexcept;
    void Lighten(std::int32_t amount) noexcept { *this = Lighten(*this, amount); }

    friend constexpr bool operator==(const CColor& a, const CColor& b) noexcept
    {
        return a.mRed == b.mRed && a.mGreen == b.mGreen && a.mBlue == b.mBlue;
    }

private:
    std::uint8_t mRed;
    std::uint8_t mGreen;
    std::uint8_t mBlue;
};

static_assert(sizeof(CColor) == 3);

inline constexpr CColor kColorWhite(255, 255, 255);
inline constexpr CColor kColorBlack(0, 0, 0);
inline constexpr CColor kColorGray204(204, 204, 204);
inline constexpr CColor kColorGray238(238, 238, 238);
inline constexpr CColor kColorGray119(119, 119, 119);
inline constexpr CColor kColorGray162(162, 162, 162);
inline constexpr CColor kColorGray59(59, 59, 59);
inline constexpr CColor kColorRed(255, 0, 0);
inline constexpr CColor kColorGreen(0, 204, 0);
inline constexpr CColor kColorDarkGreen(0, 119, 0);
inline constexpr CColor kColorLightGreen(174, 255, 185);
inline constexpr CColor kColorBlue(0, 0, 255);
inline constexpr CColor kColorYellow(255, 255, 0);
inline constexpr CColor kColorBrown(154, 112, 62);
inline constexpr CColor kColorGray224(224, 224, 224);
inline constexpr CColor kColorGray192(192, 192, 192);
inline constexpr CColor kColorGray127(127, 127, 127);

// The fixed colours of an 8-bit palette, in the order the palette routines place them.
inline constexpr std::array<CColor, 20> kDefaultPaletteColors = {
    CColor(0, 0, 0),       CColor(128, 0, 0),     CColor(0, 128, 0),     CColor(128, 128, 0),
    CColor(0, 0, 128),     CColor(128, 0, 128),   CColor(0, 128, 128),   CColor(192, 192, 192),
    CColor(192, 220, 192), CColor(166, 202, 240), CColor(255, 251, 240), CColor(160, 160, 164),
    CColor(128, 128, 128), CColor(255, 0, 0),     CColor(0, 255, 0),     CColor(255, 255, 0),
    CColor(0, 0, 255),     CColor(255, 0, 255),   CColor(0, 255, 255),   CColor(255, 255, 255),
};

} // namespace NSTramvell
