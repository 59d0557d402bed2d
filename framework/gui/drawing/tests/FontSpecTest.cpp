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

TEST(FontRules, AFontFitsTheDialogUnitsWithinSixByThirteen)
{
    // 52 letters of 286 to 337 pixels round to a base width of 6, as the platform rounds it.
    const struct { std::int32_t cell; std::int32_t alphabet; bool fits; } kCases[] = {
        {13, 311, true}, {13, 337, true}, {13, 338, false}, {14, 300, false}, {11, 285, true}, {13, 359, false}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.cell << " x " << c.alphabet);
        EXPECT_EQ(NSTramvell::FitsDialogFont(c.cell, c.alphabet), c.fits);
    }
}

TEST(FontRules, TheStandInIsTheLargestFittingSizeThenSansSerifThenTheWidest)
{
    using NSTramvell::CMeasuredFace;
    const CMeasuredFace wide{"Wide", 11, 13, 359, true};
    const CMeasuredFace tall{"Tall", 11, 15, 300, true};
    const CMeasuredFace serif{"Serif", 11, 13, 330, false};
    const CMeasuredFace narrow{"Narrow", 11, 13, 300, true};
    const CMeasuredFace condensed{"Condensed", 11, 13, 318, true};
    const CMeasuredFace smaller{"Smaller", 10, 11, 322, true};
    const struct { const char* what; std::vector<CMeasuredFace> measured; const char* picked; } kCases[] = {
        {"nothing fits", {wide, tall}, nullptr},
        {"nothing measured", {}, nullptr},
        {"the only fit", {wide, smaller, tall}, "Smaller"},
        {"full size before smaller", {smaller, narrow}, "Narrow"},
        {"sans-serif before a wider serif", {serif, narrow}, "Narrow"},
        {"the widest sans-serif", {narrow, condensed, serif}, "Condensed"},
        {"the first of equals", {narrow, CMeasuredFace{"Twin", 11, 12, 300, true}}, "Narrow"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        const auto picked = NSTramvell::PickDialogFontStandIn(c.measured);
        ASSERT_EQ(picked.has_value(), c.picked != nullptr);
        if (picked) {
            EXPECT_EQ(picked->mFace, c.picked);
        }
    }
}
