#include "framework/gui/regions/Color.h"

#include <gtest/gtest.h>

using NSTramvell::CColor;

TEST(CColor, PlatformValueCarriesRedLowAndTheFlagHigh)
{
    EXPECT_EQ(CColor(0x12, 0x34, 0x56).ToNative(), 0x02563412u);
    EXPECT_EQ(CColor::FromNative(0xFF563412u), CColor(0x12, 0x34, 0x56));
    EXPECT_EQ(CColor(), CColor(0, 0, 0));
}

TEST(CColor, LightenClampsEachComponent)
{
    const struct {
        CColor source;
        int amount;
        CColor expected;
    } kCases[] = {
        {CColor(250, 10, 128), 10, CColor(255, 20, 138)},
        {CColor(5, 10, 128), -10, CColor(0, 0, 118)},
        {CColor(1, 2, 3), 1000, CColor(255, 255, 255)},
        {CColor(200, 100, 0), -2147483647 - 1, CColor(0, 0, 0)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(CColor::Lighten(c.source, c.amount), c.expected);
        CColor member = c.source;
        member.Lighten(c.amount);
        EXPECT_EQ(member, c.expected);
    }
}
