// Colour mixing, the floating-point colour and tone curves.

#include "framework/gui/drawing/ColorMixing.h"

#include <gtest/gtest.h>

#include <stdexcept>

using NSTramvell::CColor;

TEST(MixColors, WeightsTheSecondColourIn256thsTruncatingTowardsZero)
{
    const struct { CColor a; CColor b; std::uint16_t weight; CColor mixed; } kCases[] = {
        {{0, 0, 0}, {255, 255, 255}, 127, {126, 126, 126}},
        {{255, 0, 0}, {0, 0, 0}, 127, {129, 0, 0}},     // -127.5 truncates to -127
        {{10, 20, 30}, {200, 100, 0}, 0, {10, 20, 30}},
        {{0, 255, 1}, {255, 0, 0}, 256, {255, 0, 0}},
        {{100, 100, 100}, {101, 99, 100}, 255, {100, 100, 100}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.weight);
        EXPECT_EQ(NSTramvell::MixColors(c.a, c.b, c.weight), c.mixed);
    }
    EXPECT_EQ(NSTramvell::MixColorsHalf(CColor(0, 0, 0), CColor(255, 255, 255)), CColor(126, 126, 126));
}

TEST(CFloatColor, RoundTripsBytesAndLimitsScaledChannels)
{
    const CColor original(0, 128, 255);
    EXPECT_EQ(NSTramvell::CFloatColor::FromColor(original).ToColor(), original);

    NSTramvell::CFloatColor scaled = NSTramvell::CFloatColor::FromColor(CColor(200, 100, 10));
    scaled.Scale(2.0f);
    EXPECT_EQ(scaled.ToColor(), CColor(255, 200, 20));
    scaled.Set(-0.5f, 0.5f, 1.5f);
    EXPECT_EQ(scaled.ToColor(), CColor(0, 127, 255));
    scaled.Clear();
    EXPECT_EQ(scaled.ToColor(), CColor(0, 0, 0));
}

TEST(MakeToneCurve, RunsThroughTheBreakPointsAndEnds)
{
    const NSTramvell::CToneCurve curve = NSTramvell::MakeToneCurve(64, 32, 128, 160, 192, 300);
    EXPECT_EQ(curve[0], 0);
    EXPECT_EQ(curve[32], 16);
    EXPECT_EQ(curve[64], 32);
    EXPECT_EQ(curve[96], 96);
    EXPECT_EQ(curve[128], 160);
    EXPECT_EQ(curve[192], 255);   // level 300 limited
    EXPECT_EQ(curve[254], 255);
    EXPECT_EQ(curve[255], 255);
}

TEST(MakeToneCurve, RefusesBreakPointsThatDoNotRise)
{
    EXPECT_THROW(NSTramvell::MakeToneCurve(64, 0, 64, 0, 192, 0), std::invalid_argument);
    EXPECT_THROW(NSTramvell::MakeToneCurve(0, 0, 64, 0, 192, 0), std::invalid_argument);
    EXPECT_THROW(NSTramvell::MakeToneCurve(10, 0, 64, 0, 255, 0), std::invalid_argument);
}
