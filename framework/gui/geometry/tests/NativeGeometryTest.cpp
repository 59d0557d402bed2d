#include "framework/gui/geometry/win32/NativeGeometry.h"

#include <gtest/gtest.h>

namespace {

using NSTramvell::CLocation;
using NSTramvell::CLocationRect;
using NSTramvell::CPoint;
using NSTramvell::CRect;

TEST(NativeGeometry, RectanglesRoundTripFieldByField)
{
    const RECT native = {-7, 3, 2, -1}; // inverted on purpose: nothing is normalised
    EXPECT_EQ(NSTramvell::ToRect(native), CRect(-7, 3, 2, -1));
    EXPECT_TRUE(NSTramvell::ToLocationRect(native) == CLocationRect(-7, 3, 2, -1));
    const RECT back = NSTramvell::ToNative(CLocationRect(-7, 3, 2, -1));
    EXPECT_EQ(back.left, -7);
    EXPECT_EQ(back.top, 3);
    EXPECT_EQ(back.right, 2);
    EXPECT_EQ(back.bottom, -1);
}

TEST(NativeGeometry, PointsKeepTheirSigns)
{
    const POINT native = {-32768, 40000};
    EXPECT_EQ(NSTramvell::ToPoint(native), CPoint(-32768, 40000));
    EXPECT_TRUE(NSTramvell::ToLocation(native) == CLocation(-32768, 40000));
    // x in the low half: the layout of a POINT read as one 64-bit value.
    EXPECT_EQ(NSTramvell::ToPoint(std::uint64_t{0xFFFFFFFE00000005}), CPoint(5, -2));
}

} // namespace
