#include "framework/gui/dialogs/AlertLayout.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {

// The alert template's three button slots as push-button frames.
const std::array<CRect, 3> kSlots = {CRect(15, 95, 96, 121), CRect(102, 95, 183, 121), CRect(189, 95, 270, 121)};

TEST(PlaceAlertButtons, OneTakesTheMiddleTwoAreCentredThreeKeepTheirSlots)
{
    EXPECT_EQ(PlaceAlertButtons(kSlots, 1)[0], CPoint(102, 95));
    const std::array<CPoint, 3> two = PlaceAlertButtons(kSlots, 2);
    EXPECT_EQ(two[0], CPoint(58, 95));
    EXPECT_EQ(two[1], CPoint(145, 95));
    const std::array<CPoint, 3> three = PlaceAlertButtons(kSlots, 3);
    EXPECT_EQ(three[0], CPoint(15, 95));
    EXPECT_EQ(three[1], CPoint(102, 95));
    EXPECT_EQ(three[2], CPoint(189, 95));
    // Half the distance truncates toward zero, also for slots that run right to left.
    const std::array<CRect, 3> reversed = {CRect(101, 0, 150, 10), CRect(0, 0, 50, 10), CRect()};
    EXPECT_EQ(PlaceAlertButtons(reversed, 2)[0], CPoint(101 - 50, 0));
}

TEST(AlertButtonArrows, MoveAlongTheButtonsThatExist)
{
    const struct
    {
        int current;
        std::uint16_t count;
        int left;
        int right;
    } kCases[] = {
        {1, 3, 3, 2}, {2, 3, 1, 3}, {3, 3, 2, 1}, {0, 3, 3, 1},
        {1, 2, 2, 2}, {2, 2, 1, 1}, {0, 2, 2, 1},
        {1, 1, 0, 0}, {0, 1, 0, 1},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.current << " of " << c.count);
        EXPECT_EQ(GetAlertButtonLeftOf(c.current, c.count), c.left);
        EXPECT_EQ(GetAlertButtonRightOf(c.current, c.count), c.right);
    }
}

} // namespace
