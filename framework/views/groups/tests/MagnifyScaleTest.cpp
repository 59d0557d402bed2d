#include "framework/views/groups/MagnifyScale.h"

#include <gtest/gtest.h>

#include <vector>

using namespace NSTramvell;

TEST(CMagnifyScale, MapsTheTrackToValuesAndBack)
{
    const CMagnifyScale scale(CRect(100, 20, 312, 40));   // track 106 .. 306, 200 pixels
    const struct {
        std::int32_t x, value;
    } kCases[] = {{0, 0}, {106, 0}, {107, 5}, {206, 500}, {305, 994}, {306, 999}, {5000, 999}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(scale.XToValue(c.x), c.value);
    }
    EXPECT_EQ(scale.ValueToX(0), 106);
    EXPECT_EQ(scale.ValueToX(500), 206);
    EXPECT_EQ(scale.ValueToX(999), 306);
    EXPECT_EQ(scale.GetThumbRect(0), CRect(101, 26, 110, 34));      // left at frame left + 1
    EXPECT_EQ(scale.GetThumbRect(999), CRect(301, 26, 310, 34));    // left at frame right - 11
}

TEST(CMagnifyScale, ATrackOfNoWidthGivesZeroAtItsStart)
{
    for (const std::int32_t width : {12, 11, 0, -5}) {
        SCOPED_TRACE(width);
        const CMagnifyScale scale(CRect(40, 0, 40 + width, 20));
        EXPECT_EQ(scale.XToValue(47), 0);
        EXPECT_EQ(scale.XToValue(-1000), 0);
        EXPECT_EQ(scale.ValueToX(999), 46);
    }
}

TEST(CMagnifyScale, TicksWidenLeftwardsInsideTheTrack)
{
    std::vector<std::int32_t> ticks;
    CMagnifyScale(CRect(0, 0, 40, 20)).ForEachTick([&](std::int32_t x) { ticks.push_back(x); });
    EXPECT_EQ(ticks, (std::vector<std::int32_t>{34, 32, 29, 25, 20, 14, 7}));
}
