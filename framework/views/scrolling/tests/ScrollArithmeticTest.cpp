#include "framework/views/scrolling/RepeatTiming.h"
#include "framework/views/scrolling/ScrollAxis.h"
#include "framework/views/scrolling/ScrollPositions.h"
#include "framework/views/scrolling/SingleLineKeys.h"

#include "framework/gui/input/KeyEvent.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

TEST(CScrollAxis, StepsByPagesAndLinesWithinTheExtent)
{
    // 20 items of 10 pixels: extent 200; with 95 visible the position runs 0 .. 105.
    const struct {
        std::int32_t start, direction, count, expected;
    } kCases[] = {
        {0, CScrollAxis::kPageForward, 1, 86},  {0, CScrollAxis::kLineForward, 1, 9},
        {50, CScrollAxis::kLineBack, 2, 32},    {90, CScrollAxis::kPageForward, 1, 105},
        {30, CScrollAxis::kPageBack, 1, 0},     {0, CScrollAxis::kPageForward, 1000000000, 105},
        {40, 7, 3, 40},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.start << " dir " << c.direction << " x" << c.count);
        CScrollAxis axis(20, c.start, 10);
        axis.ScrollBy(95, c.direction, c.count);
        EXPECT_EQ(axis, CScrollAxis(20, c.expected, 10));
    }
}

TEST(CScrollAxis, ClampsAndShowsItems)
{
    const CScrollAxis axis(20, 50, 10);
    EXPECT_EQ(axis.ClampPosition(95, 150), 105);
    EXPECT_EQ(axis.ClampPosition(95, -4), 0);
    EXPECT_EQ(axis.ClampPosition(300, 40), 0);   // more visible than there is

    const struct {
        std::int32_t first, last, expected;
    } kShow[] = {{2, 4, 20}, {6, 10, 50}, {12, 16, 65}, {18, 25, 105}};
    for (const auto& c : kShow) {
        SCOPED_TRACE(c.first);
        CScrollAxis moved = axis;
        moved.ScrollToShow(95, c.first, c.last);
        EXPECT_EQ(moved.GetPosition(), c.expected);
    }
}

TEST(CScrollAxis, IndicesAndVisibleItems)
{
    const CScrollAxis axis(20, 25, 10);
    EXPECT_EQ(axis.GetExtent(), 200);
    EXPECT_EQ(axis.GetFirstVisibleIndex(), 2);
    EXPECT_EQ(axis.IndexAt(14), 3);
    EXPECT_EQ(axis.ToContent(14), 39);
    EXPECT_EQ(axis.IndexAtFloor(100, 106), 3);
    EXPECT_EQ(axis.IndexAtCeil(100, 106), 4);
    EXPECT_EQ(axis.IndexAtCeil(100, 105), 3);

    std::int32_t first = -1;
    std::int32_t last = -1;
    // The view starts at y 100; the clip shows y 110 .. 150 of it: content 35 .. 75.
    ASSERT_TRUE(axis.GetVisibleItems(CRect(0, 100, 50, 300), CRect(0, 110, 50, 150), first, last));
    EXPECT_EQ(first, 3);
    EXPECT_EQ(last, 8);
    // The whole view, scrolled near the end: the last index stops at the count.
    const CScrollAxis nearEnd(20, 180, 10);
    ASSERT_TRUE(nearEnd.GetVisibleItems(CRect(0, 0, 50, 95), CRect(-10, -10, 60, 200), first, last));
    EXPECT_EQ(first, 18);
    EXPECT_EQ(last, 20);
    EXPECT_FALSE(axis.GetVisibleItems(CRect(0, 100, 50, 300), CRect(0, 0, 50, 100), first, last));
}

TEST(CScrollAxis, WithoutAUnitNamesNoItem)
{
    const CScrollAxis axis;   // unit 0
    const CScrollAxis negative(5, 30, -10);
    for (const CScrollAxis& a : {axis, negative}) {
        EXPECT_EQ(a.GetFirstVisibleIndex(), 0);
        EXPECT_EQ(a.IndexAt(17), 0);
        EXPECT_EQ(a.IndexAtFloor(3, 40), 0);
        EXPECT_EQ(a.IndexAtCeil(3, 40), 0);
        std::int32_t first = 7;
        std::int32_t last = 7;
        EXPECT_FALSE(a.GetVisibleItems(CRect(0, 0, 10, 10), CRect(0, 0, 10, 10), first, last));
        EXPECT_EQ(first, 7);
    }
}

TEST(CScrollAxis, RangesRunFromZeroToTheExtentWithThePositionVisible)
{
    const struct
    {
        std::int32_t visible;
        std::int32_t visibleEnd;
    } kCases[] = {{40, 70}, {0, 30}, {-5, 30}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.visible);
        const CScrollBarRange range = CScrollAxis(12, 30, 7).GetRanges(c.visible);
        EXPECT_EQ(range.GetMinimum(), 0);
        EXPECT_EQ(range.GetMaximum(), 84);
        EXPECT_EQ(range.GetVisibleStart(), 30);
        EXPECT_EQ(range.GetVisibleEnd(), c.visibleEnd);
    }
}

TEST(CScrollAxis, TripleIsExtentPositionAndVisible)
{
    EXPECT_EQ(CScrollAxis(12, 30, 7).GetScrollTriple(40), CScrollTriple(84, 30, 40));
    EXPECT_EQ(CScrollPositions(30, 40, 84).ToTriple(), CScrollTriple(84, 30, 40));
}

TEST(CScrollPositions, KeepThePositionInsideWhateverChanges)
{
    EXPECT_EQ(CScrollPositions(500, 40, 100).GetPosition(), 60);
    EXPECT_EQ(CScrollPositions(-3, 40, 100).GetPosition(), 0);

    CScrollPositions positions(50, 40, 100);
    positions.SetVisible(70);
    EXPECT_EQ(positions.GetPosition(), 30);
    positions.SetTotal(50);   // visible beyond the total
    EXPECT_EQ(positions.GetPosition(), 0);

    CScrollPositions stepping(0, 95, 200);
    stepping.Step(CScrollPositions::kPageForward, 1);
    EXPECT_EQ(stepping.GetPosition(), 86);
    stepping.Step(CScrollPositions::kLineBack, 3);
    EXPECT_EQ(stepping.GetPosition(), 59);
    stepping.Step(CScrollPositions::kPageForward, 5);
    EXPECT_EQ(stepping.GetPosition(), 105);
    stepping.Step(CScrollPositions::kPageBack, 9);
    EXPECT_EQ(stepping.GetPosition(), 0);

    CScrollPositions showing(50, 40, 200);
    showing.ShowSpan(100, 110);
    EXPECT_EQ(showing.GetPosition(), 70);
    showing.ShowSpan(20, 30);
    EXPECT_EQ(showing.GetPosition(), 20);
    showing.ShowSpan(30, 55);
    EXPECT_EQ(showing.GetPosition(), 20);
    showing.ShowSpan(190, 260);   // beyond the end: clamped
    EXPECT_EQ(showing.GetPosition(), 160);
}

TEST(RepeatTiming, SlowStepsThenFastOnes)
{
    const struct {
        std::uint32_t elapsedMs;
        std::int32_t steps;
    } kCases[] = {{0, 0},    {399, 0},   {400, 0},   {499, 0},   {500, 1},  {2399, 19},
                  {2400, 20}, {2419, 20}, {2420, 21}, {2799, 42}, {2800, 43}, {4800, 143}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.elapsedMs);
        EXPECT_EQ(GetRepeatStepsDue(c.elapsedMs), c.steps);
    }
}

TEST(SingleLineKeys, BackspaceAlwaysOtherEditingKeysNotOnRelease)
{
    const struct {
        std::uint32_t keyCode, kind;
        std::uint8_t character;
        bool native;
    } kCases[] = {
        {32, kKeyUp, 8, true},       {0, kKeyDown, 8, true},      {32, kKeyDown, 0, true},
        {32, kKeyUp, 0, false},      {89, kKeyRepeat, 0, true},   {93, kKeyDown, 0, true},
        {86, kKeyUp, 0, false},      {85, kKeyDown, 0, false},    {88, kKeyDown, 0, false},
        {33, kKeyDown, 9, false},    {46, kKeyDown, 13, false},   {0, kKeyDown, 'a', false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.keyCode << " kind " << c.kind << " char " << int(c.character));
        const CKeyEvent event(CModifierKeys(), c.keyCode, c.kind, 0, c.character);
        EXPECT_EQ(IsKeyForSingleLineControl(event), c.native);
    }
}
