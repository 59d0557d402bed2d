// Font descriptions and the rules that turn them into platform fonts and back.

#include "framework/gui/drawing/FontRules.h"
#include "framework/gui/drawing/FontSpec.h"

#include <gtest/gtest.h>

using NSTramvell::CFontSpec;

TEST(CFontSpec, ComparesFaceSizeAndStylesButNotTheCharacterSet)
{
    const CFontSpec base("Tahoma", 11, 1, 0, 1);
    CFontSpec otherCharacterSet = base;
    otherCharacterSet.SetCharacterSet(2);
    EXPECT_TRUE(base == otherCharacterSet);
    EXPECT_FALSE(base.IsSameFont(otherCharacterSet));

    const struct { const char* what; CFontSpec other; } kDifferent[] = {
        {"face case", CFontSpec("tahoma", 11, 1, 0, 1)},
        {"face prefix", CFontSpec("Tahom", 11, 1, 0, 1)},
        {"size", CFontSpec("Tahoma", 12, 1, 0, 1)},
        {"bold", CFontSpec("Tahoma", 11, 0, 0, 1)},
        {"italic", CFontSpec("Tahoma", 11, 1, 1, 1)},
        {"underline", CFontSpec("Tahoma", 11, 1, 0, 0)},
    };
    for (const auto& c : kDifferent) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(base == c.other);
        EXPECT_FALSE(base.IsSameFont(c.other));
    }
}

TEST(CFontSpec, FaceAndSizeAloneLeaveEveryStyleClear)
{
    const CFontSpec spec("Arial", 9);
    EXPECT_EQ(spec.GetBold(), 0);
    EXPECT_EQ(spec.GetItalic(), 0);
    EXPECT_EQ(spec.GetUnderline(), 0);
    EXPECT_EQ(spec.GetCharacterSet(), 0);
}

TEST(FontRules, SizesScaleToTheScreenAndTruncate)
{
    const struct { std::uint16_t size; std::int32_t dotsPerInch; std::int32_t height; } kCases[] = {
        {8, 120, -6}, {8, 96, -8}, {11, 144, -7}, {13, 72, -17}, {0, 96, 0}, {8, 0, -8}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.size << " at " << c.dotsPerInch);
        EXPECT_EQ(NSTramvell::NativeFontHeight(c.size, c.dotsPerInch), c.height);
    }
}

TEST(FontRules, BoldIsWeight700AndReadsBackFromSemiBold)
{
    EXPECT_EQ(NSTramvell::NativeFontWeight(1), 700);
    EXPECT_EQ(NSTramvell::NativeFontWeight(0), 400);
    EXPECT_FALSE(NSTramvell::IsBoldWeight(699));
    EXPECT_TRUE(NSTramvell::IsBoldWeight(700));
    EXPECT_FALSE(NSTramvell::IsBoldWeight(400));
}
