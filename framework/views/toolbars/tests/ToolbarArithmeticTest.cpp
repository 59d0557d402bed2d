#include "framework/views/toolbars/ToolbarAppearance.h"
#include "framework/views/toolbars/ToolbarLayout.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

TEST(ToolbarAppearance, AllThirtyTwoStates)
{
    // Enabled rows by (down, hot, checked): the appearance without and with feedback.
    const std::int32_t kEnabled[8][2] = {{45, 45}, {47, 47}, {45, 46}, {47, 47},
                                         {45, 46}, {47, 46}, {45, 47}, {47, 47}};
    for (int index = 0; index < 32; ++index) {
        const bool enabled = (index & 16) != 0;
        const bool down = (index & 8) != 0;
        const bool hot = (index & 4) != 0;
        const bool checked = (index & 2) != 0;
        const bool feedback = (index & 1) != 0;
        SCOPED_TRACE(index);
        const std::int32_t expected = enabled ? kEnabled[(index >> 1) & 7][feedback] : (checked ? 44 : 43);
        EXPECT_EQ(GetToolbarAppearance(enabled, down, hot, checked, feedback), expected);
    }
}

TEST(ToolbarLayout, LinesChildrenUpFromEitherEdge)
{
    const CRect frame(10, 100, 300, 128);
    const std::vector<CPoint> sizes = {CPoint(23, 22), CPoint(8, 28), CPoint(38, 22), CPoint(5, 3)};
    EXPECT_EQ(LayOutToolbar(frame, kToolbarAlignLeft, sizes),
              (std::vector<CRect>{CRect(16, 103, 39, 125), CRect(39, 100, 47, 128), CRect(47, 103, 85, 125),
                                  CRect(85, 112, 90, 115)}));
    EXPECT_EQ(LayOutToolbar(frame, kToolbarAlignRight, sizes),
              (std::vector<CRect>{CRect(220, 103, 243, 125), CRect(243, 100, 251, 128), CRect(251, 103, 289, 125),
                                  CRect(289, 112, 294, 115)}));
    EXPECT_TRUE(LayOutToolbar(frame, kToolbarAlignRight, {}).empty());
}
