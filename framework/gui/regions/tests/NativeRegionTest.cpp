// Platform regions, on the platform's own region functions, with creations counted at the table.

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/regions/Region.h"

#include <gtest/gtest.h>

using NSTramvell::CRect;
using NSTramvell::CRegion;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;

namespace {

int gCreations = 0;
decltype(NSTramvell::CWindowTable::CreateRectRgn) gRealCreateRectRgn = nullptr;

// Counts every platform region the region type makes, and makes it.
class CCountedCreations
{
public:
    CCountedCreations()
        : mSaved(gRealCreateRectRgn = GetWindowTable().CreateRectRgn)
        , mEntry(GetWindowTable().CreateRectRgn, [](int l, int t, int r, int b) {
            ++gCreations;
            return gRealCreateRectRgn(l, t, r, b);
        })
    {
        gCreations = 0;
    }

private:
    decltype(gRealCreateRectRgn) mSaved;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::CreateRectRgn)> mEntry;
};

// An irregular shape: two squares touching at a corner.
CRegion MakeTwoSquares()
{
    CRegion region(CRect(0, 0, 10, 10));
    region.Unite(CRegion(CRect(20, 20, 30, 30)));
    return region;
}

} // namespace

TEST(NativeRegion, InlineKindsMakeNoPlatformRegion)
{
    const CCountedCreations counted;
    CRegion region(CRect(0, 0, 10, 10));
    region.Unite(CRegion(CRect(2, 2, 5, 5)));
    region.IntersectRect(CRect(1, 1, 20, 20));
    region.Offset(4, 4);
    CRegion all(NSTramvell::kEverythingRect);
    all.IntersectRegion(region);
    CRegion copy(all);
    copy.AddRect(CRect(6, 6, 7, 7));
    EXPECT_TRUE(region.IntersectsRegion(all));
    EXPECT_EQ(gCreations, 0);

    CRegion irregular = MakeTwoSquares();
    EXPECT_EQ(irregular.GetKind(), CRegion::kNative);
    EXPECT_GT(gCreations, 0);
}

TEST(NativeRegion, CopiesShareUntilOneChanges)
{
    CRegion first = MakeTwoSquares();
    const CRegion second = first;
    const CCountedCreations counted;
    first.Offset(100, 0);
    EXPECT_EQ(first.GetBounds(), CRect(100, 0, 130, 30));
    EXPECT_EQ(second.GetBounds(), CRect(0, 0, 30, 30));
    EXPECT_TRUE(second.ContainsPoint(NSTramvell::CPoint(25, 25)));
    EXPECT_FALSE(second.ContainsPoint(NSTramvell::CPoint(15, 15)));
    EXPECT_EQ(gCreations, 1);
}

TEST(NativeRegion, EmptyShapesStayEmptyOnThePlatform)
{
    CRegion nothing;
    nothing.MakeNative();
    ASSERT_EQ(nothing.GetKind(), CRegion::kNative);
    EXPECT_TRUE(nothing.IsEmpty());
    EXPECT_EQ(nothing.GetBounds(), NSTramvell::kNoBoundsRect);
    const HRGN handle = nothing.GetNative()->GetHandle();
    EXPECT_FALSE(GetWindowTable().PtInRegion(handle, -1, -1));
    EXPECT_FALSE(GetWindowTable().PtInRegion(handle, 0, 0));

    const HRGN emptyHandle = GetWindowTable().CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CRegion::FromNative(emptyHandle).GetKind(), CRegion::kEmpty);

    CRegion inverted;
    inverted.SetRect(CRect(5, 5, 1, 1));
    inverted.MakeNative();
    EXPECT_FALSE(GetWindowTable().PtInRegion(inverted.GetNative()->GetHandle(), 2, 2));
}

TEST(NativeRegion, FromNativeGivesBackAPlainRectangleInline)
{
    CRegion plain = CRegion::FromNative(GetWindowTable().CreateRectRgn(3, 4, 13, 14));
    EXPECT_EQ(plain.GetKind(), CRegion::kRectangle);
    EXPECT_EQ(plain.GetBounds(), CRect(3, 4, 13, 14));

    CRegion shape = MakeTwoSquares();
    const HRGN copy = GetWindowTable().CreateRectRgn(0, 0, 0, 0);
    GetWindowTable().CombineRgn(copy, shape.GetNative()->GetHandle(), nullptr, RGN_COPY);
    EXPECT_EQ(CRegion::FromNative(copy).GetKind(), CRegion::kNative);
}

TEST(NativeRegion, DifferencesAndExclusiveOr)
{
    CRegion rect(CRect(0, 0, 10, 10));
    rect.Subtract(CRegion(NSTramvell::kEverythingRect));
    EXPECT_EQ(rect.GetKind(), CRegion::kEmpty);

    CRegion removed(CRect(0, 0, 10, 10));
    removed.SubtractRect(CRect(-5, -5, 20, 20));
    EXPECT_EQ(removed.GetKind(), CRegion::kNative);
    EXPECT_TRUE(removed.IsEmpty());

    CRegion ring(CRect(0, 0, 10, 10));
    ring.XorRect(CRect(2, 2, 8, 8));
    EXPECT_TRUE(ring.ContainsPoint(NSTramvell::CPoint(1, 1)));
    EXPECT_FALSE(ring.ContainsPoint(NSTramvell::CPoint(5, 5)));
    EXPECT_TRUE(ring.IntersectsRect(CRect(0, 0, 3, 3)));
    EXPECT_FALSE(ring.IntersectsRect(CRect(3, 3, 7, 7)));
    EXPECT_FALSE(ring.IntersectsRegion(CRegion(CRect(3, 3, 7, 7))));

    CRegion same(CRect(0, 0, 10, 10));
    same.Xor(CRegion(CRect(0, 0, 10, 10)));
    EXPECT_EQ(same.GetKind(), CRegion::kEmpty);

    CRegion narrowed = MakeTwoSquares();
    narrowed.IntersectRect(CRect(12, 12, 18, 18));
    EXPECT_EQ(narrowed.GetKind(), CRegion::kEmpty);
}

TEST(NativeRegion, PlatformFailuresBecomeExceptions)
{
    {
        CScopedTableEntry noRegions(GetWindowTable().CreateRectRgn,
                                    [](int, int, int, int) -> HRGN { return nullptr; });
        CRegion region(CRect(0, 0, 10, 10));
        EXPECT_THROW(region.Unite(CRegion(CRect(20, 20, 30, 30))), NSTramvell::XOutOfMemory);
        EXPECT_EQ(region.GetKind(), CRegion::kRectangle);
        EXPECT_EQ(region.GetBounds(), CRect(0, 0, 10, 10));
    }
    CRegion shape = MakeTwoSquares();
    const CRegion sharer = shape;
    CScopedTableEntry noCombine(GetWindowTable().CombineRgn, [](HRGN, HRGN, HRGN, int) { return 0; });
    EXPECT_THROW(shape.Unite(CRegion(CRect(40, 40, 50, 50))), NSTramvell::XBase);
    EXPECT_THROW(shape.AddRect(CRect(40, 40, 50, 50)), NSTramvell::XBase);
    EXPECT_EQ(sharer.GetBounds(), CRect(0, 0, 30, 30));
}
