#include "framework/views/pages/UntitledGroupBoxView.h"

#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/ClassWindow.h"

#include <gtest/gtest.h>

using namespace NSTramvell;
using NSGuiTest::CClassWindow;
using NSGuiTest::CClientPixels;

namespace {

const CColor kGreen(20, 200, 20);

} // namespace

TEST(CUntitledGroupBoxView, DrawsItsEdgeAroundTheFrameHalfALineBelowTheGivenTop)
{
    NSGuiTest::CWatchdog watchdog;
    CClassWindow window;
    window.SetBackgroundColor(kGreen);
    CUntitledGroupBoxView etched(window.GetRootView(), CRect(10, 10, 90, 80), CUntitledGroupBoxView::kEtchedStyle);
    CUntitledGroupBoxView thin(window.GetRootView(), CRect(100, 10, 180, 80), 0);
    const std::int32_t top = etched.GetFrame()->GetTop();
    EXPECT_GT(top, 13);
    EXPECT_LT(top, 22);
    EXPECT_EQ(*thin.GetFrame(), CRect(100, top, 180, 80));
    EXPECT_EQ(etched.GetContentRect(), CRect(12, top + 2, 88, 78));
    NSGuiTest::ShowAndPaint(window, CRect(30, 30, 330, 230));
    const CClientPixels pixels(window);

    // The etched edge is two pixels wide on each side, the thin one one; inside and outside stays green.
    const struct { int x; int y; bool edge; } kProbes[] = {
        {10, 50, true}, {11, 50, true}, {12, 50, false}, {9, 50, false}, {89, 50, true}, {50, top, true},
        {50, top - 1, false}, {50, 79, true}, {50, 80, false},
        {100, 50, true}, {101, 50, false}, {179, 50, true}, {178, 50, false}, {140, 79, true}};
    for (const auto& p : kProbes) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        EXPECT_EQ(pixels.At(p.x, p.y) != kGreen, p.edge);
    }
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("UntitledGroupBox").empty());
}
