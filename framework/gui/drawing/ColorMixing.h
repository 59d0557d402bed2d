#pragma once

// Colour arithmetic for drawing: weighted mixes, a floating-point colour and a 256-entry tone curve.

#include "framework/gui/regions/Color.h"

#include <array>
#include <cstdint>

namespace NSTramvell {

// Per channel a + (b − a) × weight / 256, truncated towards zero: weight 0 gives a, 256 would give b.
CColor MixColors(const CColor& a, const CColor& b, std::uint16_t weight) noexcept;
// The mix with weight 127, a shade short of the middle.
CColor MixColorsHalf(const CColor& a, const CColor& b) noexcept;

// A colour with float channels on the 0..1 scale, for computations that would lose precision in bytes.
class CFloatColor
{
public:
    constexpr CFloatColor() noexcept = default;
    constexpr CFloatColor(float red, float green, float blue) noexcept : mRed(red), mGreen(green), mBlue(blue) {}
    static CFloatColor FromColor(const CColor& color) noexcept;

    void Clear() noexcept { *this = CFloatColor(); }
    void Set(float red, float green, float blue) noexcept { *this = CFloatColor(red, green, blue); }
    void Scale(float factor) noexcept;
    // Channels outside 0..1 are limited, so the result is always a valid colour.
    CColor ToColor() const noexcept;

    float GetRed() const noexcept { return mRed; }
    float GetGreen() const noexcept { return mGreen; }
    float GetBlue() const noexcept { return mBlue; }

private:
    float mRed = 0.0f;
    float mGreen = 0.0f;
    float mBlue = 0.0f;
};

using CToneCurve = std::array<std::uint8_t, 256>;

// Linear from 0 at 0 through (x1, level1), (x2, level2), (x3, level3) to 255 at 255; break points
// must rise (x1 < x2 < x3, all within 0..255), otherwise std::invalid_argument. Every entry is
// limited to 0..255.
CToneCurve MakeToneCurve(std::uint16_t x1, std::int32_t level1, std::uint16_t x2, std::int32_t level2,
                         std::uint16_t x3, std::int32_t level3);

} // namespace NSTramvell
