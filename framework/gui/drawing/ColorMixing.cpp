#include "framework/gui/drawing/ColorMixing.h"

#include <algorithm>
#include <stdexcept>

namespace NSTramvell {

namespace {

std::uint8_t MixChannel(std::uint8_t a, std::uint8_t b, std::uint16_t weight) noexcept
{
    const std::int32_t mixed = a + (static_cast<std::int32_t>(b) - a) * weight / 256;
    return static_cast<std::uint8_t>(std::clamp(mixed, 0, 255));
}

std::uint8_t FloatToChannel(float value) noexcept
{
    const float scaled = value * 255.0f;
    if (!(scaled > 0.0f))   // NaN too
        return 0;
    return scaled >= 255.0f ? 255 : static_cast<std::uint8_t>(scaled);
}

// One straight piece of the curve, from (x0, y0) up to but not including x1.
void FillSegment(CToneCurve& curve, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1)
{
    for (std::int32_t x = x0; x < x1; ++x) {
        const std::int32_t y = y0 + (y1 - y0) * (x - x0) / (x1 - x0);
        curve[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(std::clamp(y, 0, 255));
    }
}

} // namespace

CColor MixColors(const CColor& a, const CColor& b, std::uint16_t weight) noexcept
{
    return CColor(MixChannel(a.GetRed(), b.GetRed(), weight), MixChannel(a.GetGreen(), b.GetGreen(), weight),
                  MixChannel(a.GetBlue(), b.GetBlue(), weight));
}

CColor MixColorsHalf(const CColor& a, const CColor& b) noexcept { return MixColors(a, b, 127); }

CFloatColor CFloatColor::FromColor(const CColor& color) noexcept
{
    constexpr float kScale = 1.0f / 255.0f;
    return CFloatColor(color.GetRed() * kScale, color.GetGreen() * kScale, color.GetBlue() * kScale);
}

void CFloatColor::Scale(float factor) noexcept
{
    mRed *= factor;
    mGreen *= factor;
    mBlue *= factor;
}

CColor CFloatColor::ToColor() const noexcept
{
    return CColor(FloatToChannel(mRed), FloatToChannel(mGreen), FloatToChannel(mBlue));
}

CToneCurve MakeToneCurve(std::uint16_t x1, std::int32_t level1, std::uint16_t x2, std::int32_t level2,
                         std::uint16_t x3, std::int32_t level3)
{
    // Equal or falling break points would divide by zero or leave entries unset.
    if (!(0 < x1 && x1 < x2 && x2 < x3 && x3 < 255))
        throw std::invalid_argument("tone curve break points must rise strictly within 1..254");
    CToneCurve curve{};
    FillSegment(curve, 0, 0, x1, level1);
    FillSegment(curve, x1, level1, x2, level2);
    FillSegment(curve, x2, level2, x3, level3);
    FillSegment(curve, x3, level3, 255, 255);
    curve[255] = 255;
    return curve;
}

} // namespace NSTramvell
