#include "framework/gui/geometry/Rect.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <type_traits>

namespace NSTramvell {

// Failures print the four coordinates instead of bytes.
void PrintTo(const CRect& rect, std::ostream* out)
{
    *out << "(" << rect.GetLeft() << ", " << rect.GetTop() << ", " << rect.GetRight() << ", " << rect.GetBottom()
         << ")";
}

void PrintTo(const CPoint& point, std::ostream* out)
{
    *out << "(" << point.GetX() << ", " << point.GetY() << ")";
}

} // namespace NSTramvell

namespace {

using NSTramvell::CLocation;
using NSTramvell::CLocationRect;
using NSTramvell::CPoint;
using NSTramvell::CRect;

struct CMoveCase
{
    const char* name;
    std::function<void(CRect&)> operation;
    CRect before;
    CRect after;
};

void RunMoves(const CMoveCase* begin, const CMoveCase* end)
{
    for (const CMoveCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(c->name);
        CRect rect = c->before;
        c->operation(rect);
        EXPECT_EQ(rect, c->after);
    }
}

TEST(CRect, ContainsTakesLeftAndTopButNotRightAndBottom)
{
    const CRect rect(0, 0, 10, 10);
    const struct { std::int32_t x, y; bool inside; } kCases[] = {
        {0, 0, true}, {9, 9, true}, {10, 5, false}, {5, 10, false}, {-1, 5, false}, {5, -1, false}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        EXPECT_EQ(rect.ContainsXY(c.x, c.y), c.inside);
        EXPECT_EQ(rect.Contains(CPoint(c.x, c.y)), c.inside);
    }
}

TEST(CRect, EmptinessAndOrientationCompareSigned)
{
    const struct { CRect rect; bool empty; bool vertical; } kCases[] = {
        {CRect(5, 5, 5, 9), true, true},      // no width
        {CRect(9, 0, 5, 4), true, true},      // inverted: negative width
        {CRect(0, 0, -1, -1), true, false},   // the region code's "no bounds"
        {CRect(0, 0, 1, 1), false, false},
        {CRect(0, 0, 3, 2), false, false},
        {CRect(-5, -5, -3, 0), false, true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c.rect));
        EXPECT_EQ(c.rect.IsEmpty(), c.empty);
        EXPECT_EQ(c.rect.IsVertical(), c.vertical);
    }
}

TEST(CRect, TouchingEdgesNeitherIntersectNorLeaveAnything)
{
    const struct { CRect a; CRect b; bool intersects; CRect common; } kCases[] = {
        {CRect(0, 0, 10, 10), CRect(10, 0, 20, 10), false, CRect()},       // only the horizontal test fails
        {CRect(0, 0, 10, 10), CRect(0, 10, 10, 20), false, CRect()},
        {CRect(0, 0, 10, 10), CRect(20, 2, 30, 8), false, CRect()},
        {CRect(0, 0, 10, 10), CRect(5, -5, 15, 5), true, CRect(5, 0, 10, 5)},
        {CRect(0, 0, 10, 10), CRect(2, 3, 4, 5), true, CRect(2, 3, 4, 5)},
        {CRect(0, 0, 10, 10), CRect(0, 0, 10, 10), true, CRect(0, 0, 10, 10)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c.b));
        EXPECT_EQ(c.a.Intersects(c.b), c.intersects);
        EXPECT_EQ(c.b.Intersects(c.a), c.intersects);
        CRect narrowed = c.a;
        EXPECT_EQ(narrowed.Intersect(c.b), c.intersects);
        EXPECT_EQ(narrowed, c.common);
    }
}

TEST(CRect, IsInsideAllowsSharedEdges)
{
    const CRect bound(0, 0, 10, 10);
    EXPECT_TRUE(CRect(0, 0, 10, 10).IsInside(bound));
    EXPECT_TRUE(CRect(2, 2, 3, 3).IsInside(bound));
    EXPECT_FALSE(CRect(2, 2, 11, 3).IsInside(bound));
    EXPECT_FALSE(CRect(-1, 2, 3, 3).IsInside(bound));
}

TEST(CRect, UnionTakesEmptyRectanglesAsTheyAre)
{
    CRect rect;
    rect.Union(CRect(5, 5, 10, 10));
    EXPECT_EQ(rect, CRect(0, 0, 10, 10));
    rect.Union(CRect(-3, 20, -1, 25));
    EXPECT_EQ(rect, CRect(-3, 0, 10, 25));
}

TEST(CRect, CentreAndAlignmentTruncateTowardZero)
{
    EXPECT_EQ(CRect(-3, -3, 0, 0).GetCenter(), CPoint(-1, -1));
    EXPECT_EQ(CRect(0, 0, 3, 5).GetCenter(), CPoint(1, 2));

    const CMoveCase kCases[] = {
        {"larger: negative offsets", [](CRect& r) { r.AlignIn(CRect(0, 0, 10, 10)); }, CRect(100, 100, 130, 130),
         CRect(-10, -10, 20, 20)},
        {"larger by an odd amount", [](CRect& r) { r.AlignIn(CRect(0, 0, 10, 10)); }, CRect(0, 0, 13, 13),
         CRect(-1, -1, 12, 12)},
        {"smaller", [](CRect& r) { r.AlignIn(CRect(10, 20, 20, 40)); }, CRect(0, 0, 4, 5), CRect(13, 27, 17, 32)},
        {"horizontally", [](CRect& r) { r.CenterHorizontallyIn(CRect(10, 20, 20, 40)); }, CRect(0, 0, 4, 5),
         CRect(13, 0, 17, 5)},
        {"vertically", [](CRect& r) { r.CenterVerticallyIn(CRect(10, 20, 20, 40)); }, CRect(0, 0, 4, 5),
         CRect(0, 27, 4, 32)},
    };
    RunMoves(std::begin(kCases), std::end(kCases));
}

TEST(CRect, PullingAnOversizedRectangleInsideKeepsTheEdgesOfTheLastStep)
{
    const CRect bound(0, 0, 100, 50);
    const CMoveCase kCases[] = {
        {"oversized, pulled from the top left", [&](CRect& r) { r.PullInside(bound); }, CRect(-20, -20, 130, 70),
         CRect(-50, -40, 100, 50)},
        {"oversized, pulled from the bottom right", [&](CRect& r) { r.PullInsideFromBottomRight(bound); },
         CRect(-20, -20, 130, 70), CRect(0, 0, 150, 90)},
        {"fits, left of the bound", [&](CRect& r) { r.PullInside(bound); }, CRect(-5, 10, 15, 20),
         CRect(0, 10, 20, 20)},
        {"fits, below the bound", [&](CRect& r) { r.PullInsideFromBottomRight(bound); }, CRect(10, 45, 20, 60),
         CRect(10, 35, 20, 50)},
        {"already inside", [&](CRect& r) { r.PullInside(bound); }, CRect(1, 2, 3, 4), CRect(1, 2, 3, 4)},
    };
    RunMoves(std::begin(kCases), std::end(kCases));
}

TEST(CRect, KeepOverlappingLeavesOnePixelOverTheOther)
{
    const CRect bound(0, 0, 100, 100);
    const CMoveCase kCases[] = {
        {"left of it", [&](CRect& r) { r.KeepOverlapping(bound); }, CRect(-50, 0, -10, 10), CRect(-39, 0, 1, 10)},
        {"above it", [&](CRect& r) { r.KeepOverlapping(bound); }, CRect(0, -30, 10, 0), CRect(0, -29, 10, 1)},
        {"right of it", [&](CRect& r) { r.KeepOverlapping(bound); }, CRect(100, 5, 120, 15), CRect(99, 5, 119, 15)},
        {"below it", [&](CRect& r) { r.KeepOverlapping(bound); }, CRect(5, 150, 15, 160), CRect(5, 99, 15, 109)},
        {"overlapping already", [&](CRect& r) { r.KeepOverlapping(bound); }, CRect(-5, -5, 1, 1),
         CRect(-5, -5, 1, 1)},
    };
    RunMoves(std::begin(kCases), std::end(kCases));
}

TEST(CRect, StepsMoveByTheRectanglesOwnSize)
{
    const CRect start(10, 20, 13, 27);
    const CMoveCase kCases[] = {
        {"right", [](CRect& r) { r.StepRight(); }, start, CRect(13, 20, 16, 27)},
        {"left", [](CRect& r) { r.StepLeft(); }, start, CRect(7, 20, 10, 27)},
        {"down", [](CRect& r) { r.StepDown(); }, start, CRect(10, 27, 13, 34)},
        {"up", [](CRect& r) { r.StepUp(); }, start, CRect(10, 13, 13, 20)},
        {"move to keeps the size", [](CRect& r) { r.MoveTo(CPoint(-1, -2)); }, start, CRect(-1, -2, 2, 5)},
        {"offset by a point", [](CRect& r) { r.OffsetBy(CPoint(1, -1)); }, start, CRect(11, 19, 14, 26)},
        {"negative twins", [](CRect& r) { r.OffsetXNegative(2); r.OffsetYNegative(3); }, start, CRect(8, 17, 11, 24)},
    };
    RunMoves(std::begin(kCases), std::end(kCases));
}

TEST(CRect, SizeLimitsWorkFromTheTopLeft)
{
    const CMoveCase kCases[] = {
        {"grow", [](CRect& r) { r.Grow(2); }, CRect(10, 10, 20, 20), CRect(8, 8, 22, 22)},
        {"inset", [](CRect& r) { r.Inset(2); }, CRect(10, 10, 20, 20), CRect(12, 12, 18, 18)},
        {"grow vertically", [](CRect& r) { r.GrowVertically(1); }, CRect(10, 10, 20, 20), CRect(10, 9, 20, 21)},
        {"inset horizontally", [](CRect& r) { r.InsetHorizontally(3); }, CRect(10, 10, 20, 20),
         CRect(13, 10, 17, 20)},
        {"minimum widens only the narrow side", [](CRect& r) { r.EnsureMinSize(15, 5); }, CRect(10, 10, 20, 20),
         CRect(10, 10, 25, 20)},
        {"limit", [](CRect& r) { r.LimitSize(CPoint(4, 40)); }, CRect(10, 10, 20, 20), CRect(10, 10, 14, 20)},
        {"clamp up", [](CRect& r) { r.ClampSize(20, 20, 30, 30); }, CRect(5, 5, 10, 10), CRect(5, 5, 25, 25)},
        {"clamp down", [](CRect& r) { r.ClampSize(CPoint(1, 1), CPoint(3, 4)); }, CRect(5, 5, 10, 10),
         CRect(5, 5, 8, 9)},
        {"clamp with the minimum above the maximum: the maximum wins", [](CRect& r) { r.ClampSize(50, 50, 8, 8); },
         CRect(0, 0, 10, 10), CRect(0, 0, 8, 8)},
        {"inverted rectangle under a minimum", [](CRect& r) { r.EnsureMinSize(2, 2); }, CRect(10, 10, 5, 5),
         CRect(10, 10, 12, 12)},
        {"size", [](CRect& r) { r.SetSize(CPoint(7, 8)); }, CRect(1, 2, 3, 4), CRect(1, 2, 8, 10)},
    };
    RunMoves(std::begin(kCases), std::end(kCases));
}

TEST(CRect, StoredFormsKeepTheirByteOrders)
{
    const std::uint8_t stored[] = {0x00, 0x01, 0x00, 0x02, 0xFF, 0xFF, 0x80, 0x04};
    CRect rect;
    rect.ReadFromBytes(stored);
    EXPECT_EQ(rect, CRect(1, 2, 65535, 32772)); // unsigned: no negative coordinates
    rect.ReadFromBytesMacOrder(stored);
    EXPECT_EQ(rect, CRect(2, 1, 32772, 65535));

    std::uint8_t written[CRect::kStoredSizeInBytes] = {};
    CRect(-2, 1, 0x01020304, 0).WriteToBytes(written);
    const std::uint8_t expected[] = {0xFF, 0xFF, 0xFF, 0xFE, 0, 0, 0, 1, 1, 2, 3, 4, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(written), std::end(written), std::begin(expected)));
}

TEST(CLocationRect, AnswersLocationsWithTheSameRules)
{
    static_assert(std::is_same_v<decltype(CLocationRect().GetCenter()), CLocation>);
    static_assert(std::is_same_v<decltype(CLocationRect().GetSize()), CLocation>);
    CLocationRect rect(CLocation(-50, 0), CLocation(-10, 10));
    rect.KeepOverlapping(CLocationRect(0, 0, 100, 100));
    EXPECT_TRUE(rect == CLocationRect(-39, 0, 1, 10));
    EXPECT_TRUE(rect.GetBottomRight() == CLocation(1, 10));
    EXPECT_TRUE(rect.GetSize() == CLocation(40, 10));
    EXPECT_FALSE(rect.Intersect(CLocationRect(1, 0, 5, 5)));
    EXPECT_TRUE(rect == CLocationRect());
}

TEST(CPoint, CopiesAndComparesBothCoordinates)
{
    CPoint point(3, 4);
    point.Offset(-5, 1);
    EXPECT_EQ(point, CPoint(-2, 5));
    EXPECT_NE(point, CPoint(-2, 4));
    EXPECT_NE(point, CPoint(3, 5));
    CLocation location(-32768, -32768);
    location.CopyFrom(CLocation(7, 8));
    EXPECT_TRUE(location == CLocation(7, 8));
    location.Clear();
    EXPECT_TRUE(location == CLocation());
}

} // namespace
