// The inline kinds, which never reach the platform: in the host build the platform seam refuses every
// region, so a test here that made one would fail.

#include "framework/gui/regions/Region.h"

#include <gtest/gtest.h>

using NSTramvell::CRect;
using NSTramvell::CRegion;

TEST(CRegion, ConstructorClipsAndSortsRectanglesIntoKinds)
{
    const struct {
        CRect rect;
        std::int32_t kind;
        CRect bounds;
    } kCases[] = {
        {CRect(0, 0, 0, 10), CRegion::kEmpty, NSTramvell::kNoBoundsRect},
        {CRect(9, 0, 5, 4), CRegion::kEmpty, NSTramvell::kNoBoundsRect},
        {CRect(-32767, -32767, 32767, 32767), CRegion::kEverything, NSTramvell::kEverythingRect},
        {CRect(-32767, -32767, 40000, 40000), CRegion::kEverything, NSTramvell::kEverythingRect},
        {CRect(-40000, -40000, 40000, 40000), CRegion::kRectangle, CRect(-32768, -32768, 32767, 32767)},
        {CRect(1, 2, 3, 4), CRegion::kRectangle, CRect(1, 2, 3, 4)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.rect.GetLeft() << "," << c.rect.GetRight());
        const CRegion region(c.rect);
        EXPECT_EQ(region.GetKind(), c.kind);
        EXPECT_EQ(region.GetBounds(), c.bounds);
        EXPECT_EQ(region.IsEmpty(), c.kind == CRegion::kEmpty);
    }
}

TEST(CRegion, IntersectingWithAnEmptyRectangleLeavesNothing)
{
    CRegion everything(NSTramvell::kEverythingRect);
    everything.IntersectRect(CRect(5, 5, 1, 1));
    EXPECT_EQ(everything.GetKind(), CRegion::kEmpty);

    CRegion rect(CRect(0, 0, 10, 10));
    rect.IntersectRect(CRect(10, 0, 20, 10));
    EXPECT_EQ(rect.GetKind(), CRegion::kEmpty);

    CRegion narrowed(NSTramvell::kEverythingRect);
    narrowed.IntersectRect(CRect(2, 3, 4, 5));
    EXPECT_EQ(narrowed.GetKind(), CRegion::kRectangle);
    EXPECT_EQ(narrowed.GetBounds(), CRect(2, 3, 4, 5));
}

TEST(CRegion, InlineCombinationsStayInline)
{
    CRegion unite(CRect(0, 0, 10, 10));
    unite.Unite(CRegion(CRect(2, 2, 5, 5)));
    EXPECT_EQ(unite.GetKind(), CRegion::kRectangle);
    EXPECT_EQ(unite.GetBounds(), CRect(0, 0, 10, 10));

    CRegion grown(CRect(2, 2, 5, 5));
    grown.AddRect(CRect(0, 0, 10, 10));
    EXPECT_EQ(grown.GetBounds(), CRect(0, 0, 10, 10));

    CRegion fromNothing;
    fromNothing.AddRect(CRect(1, 1, 2, 2));
    EXPECT_EQ(fromNothing.GetKind(), CRegion::kRectangle);

    CRegion all;
    all.Unite(CRegion(NSTramvell::kEverythingRect));
    EXPECT_EQ(all.GetKind(), CRegion::kEverything);

    CRegion intersected(NSTramvell::kEverythingRect);
    intersected.IntersectRegion(CRegion(CRect(1, 1, 3, 3)));
    intersected.IntersectRegion(CRegion(CRect(2, 2, 9, 9)));
    EXPECT_EQ(intersected.GetBounds(), CRect(2, 2, 3, 3));
    intersected.IntersectRegion(CRegion());
    EXPECT_EQ(intersected.GetKind(), CRegion::kEmpty);

    CRegion moved(CRect(0, 0, 4, 4));
    moved.Offset(3, -2);
    EXPECT_EQ(moved.GetBounds(), CRect(3, -2, 7, 2));

    CRegion untouched(CRect(0, 0, 4, 4));
    untouched.SubtractRect(CRect(4, 0, 8, 4));
    EXPECT_EQ(untouched.GetKind(), CRegion::kRectangle);
}

TEST(CRegion, QueriesOfTheInlineKinds)
{
    const CRegion nothing;
    const CRegion all(NSTramvell::kEverythingRect);
    const CRegion rect(CRect(0, 0, 10, 10));
    EXPECT_FALSE(nothing.ContainsPoint(NSTramvell::CPoint(0, 0)));
    EXPECT_TRUE(all.ContainsPoint(NSTramvell::CPoint(-30000, 30000)));
    EXPECT_TRUE(rect.ContainsPoint(NSTramvell::CPoint(9, 9)));
    EXPECT_FALSE(rect.ContainsPoint(NSTramvell::CPoint(10, 5)));
    EXPECT_FALSE(rect.IntersectsRect(CRect(10, 0, 20, 10)));
    EXPECT_FALSE(nothing.IntersectsRegion(all));
    EXPECT_TRUE(all.IntersectsRegion(rect));
    EXPECT_FALSE(rect.IntersectsRegion(CRegion(CRect(0, 10, 10, 20))));

    CRegion emptyRect;
    emptyRect.SetRect(CRect(5, 5, 5, 9));
    EXPECT_EQ(emptyRect.GetKind(), CRegion::kRectangle);
    EXPECT_TRUE(emptyRect.IsEmpty());
}

TEST(CRegion, CopiesAndAssignmentKeepTheKind)
{
    CRegion a(CRect(1, 2, 3, 4));
    CRegion b;
    b = a;
    a.Offset(10, 10);
    EXPECT_EQ(b.GetBounds(), CRect(1, 2, 3, 4));
    const CRegion& alias = b;
    b = alias;
    EXPECT_EQ(b.GetBounds(), CRect(1, 2, 3, 4));
    const CRegion c(b);
    EXPECT_EQ(c.GetKind(), CRegion::kRectangle);
}
