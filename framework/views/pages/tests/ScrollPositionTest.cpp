#include "framework/views/pages/ScrollPosition.h"

#include <gtest/gtest.h>

using NSTramvell::CScrollPosition;

TEST(CScrollPosition, KeepsThePositionWhereTheVisiblePartFits)
{
    EXPECT_EQ(CScrollPosition(-5, 100, 1000).GetPosition(), 0);
    EXPECT_EQ(CScrollPosition(950, 100, 1000).GetPosition(), 900);
    EXPECT_EQ(CScrollPosition(300, 100, 1000).GetPosition(), 300);
    EXPECT_EQ(CScrollPosition(300, 2000, 1000).GetPosition(), 0);

    CScrollPosition position(800, 100, 1000);
    position.SetTotalSize(500);
    EXPECT_EQ(position.GetPosition(), 400);
    position.SetVisibleSize(300);
    EXPECT_EQ(position.GetPosition(), 200);
    position.SetVisibleSize(600);
    EXPECT_EQ(position.GetPosition(), 0);
    position.SetPosition(INT32_MAX);
    EXPECT_EQ(position.GetPosition(), 0);
    EXPECT_EQ(position, CScrollPosition(0, 600, 500));
}

TEST(CScrollPosition, StepsByPagesAndLines)
{
    const struct
    {
        std::int32_t direction;
        std::int32_t count;
        std::int32_t start;
        std::int32_t position;
    } kCases[] = {
        // Visible 95: a line is 9, a page 86.
        {CScrollPosition::kPageForward, 1, 100, 186}, {CScrollPosition::kPageBack, 1, 100, 14},
        {CScrollPosition::kLineForward, 3, 100, 127}, {CScrollPosition::kLineBack, 2, 100, 82},
        {CScrollPosition::kPageBack, 2, 100, 0},      {CScrollPosition::kPageForward, 20, 100, 905},
        {CScrollPosition::kLineForward, INT32_MAX, 100, 905}, {7, 1, 100, 100},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.direction << " x" << c.count);
        CScrollPosition position(c.start, 95, 1000);
        position.Step(c.direction, c.count);
        EXPECT_EQ(position.GetPosition(), c.position);
    }
}

TEST(CScrollPosition, ShowsASpanWithTheLeastMove)
{
    const struct
    {
        std::int32_t start;
        std::int32_t end;
        std::int32_t position;
    } kCases[] = {
        {320, 380, 300},   // already visible
        {250, 280, 250},   // above: its start comes to the top
        {390, 450, 350},   // below: its end comes to the bottom
        {100, 500, 100},   // longer than what shows: its start
        {990, 1200, 900},  // past the end: clamped
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.start << ".." << c.end);
        CScrollPosition position(300, 100, 1000);
        position.ShowSpan(c.start, c.end);
        EXPECT_EQ(position.GetPosition(), c.position);
    }
}
