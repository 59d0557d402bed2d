#include "framework/views/scrolling/StaticBitmapView.h"

#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/ClassWindow.h"

#include <gtest/gtest.h>

using namespace NSTramvell;
using NSGuiTest::CClientPixels;

namespace {

// The page views' test pictures (ViewPictures.rc).
constexpr std::uint16_t kBlue20x10 = 100;
constexpr std::uint16_t kRed60x50 = 101;

const CColor kBlue(20, 20, 220);
const CColor kRed(220, 20, 20);
const CColor kBackground(250, 240, 100);

} // namespace

TEST(StaticBitmapView, DrawsAtTheFramesTopLeftAndCutsWhatLiesOutside)
{
    NSGuiTest::CWatchdog watchdog;
    NSGuiTest::CTestApplication application;
    NSGuiTest::CClassWindow window;
    window.SetBackgroundColor(kBackground);
    // A frame larger than the bitmap: not centred, the rest left alone.
    CStaticBitmapView blue(window.GetRootView(), CBitmapKey(kBlue20x10));
    blue.SetFrame(CRect(20, 20, 80, 60));
    // A frame smaller than the bitmap: cut at the frame's right and bottom.
    CStaticBitmapView red(window.GetRootView(), CBitmapKey(kRed60x50));
    red.SetFrame(CRect(120, 20, 150, 40));
    EXPECT_EQ(*red.GetFrame(), CRect(120, 20, 150, 40));
    NSGuiTest::ShowAndPaint(window, CRect(30, 30, 330, 260));

    const CClientPixels pixels(window);
    const struct
    {
        int x;
        int y;
        CColor color;
    } kProbes[] = {
        {20, 20, kBlue},       {39, 29, kBlue},       {40, 20, kBackground}, {20, 30, kBackground},
        {19, 20, kBackground}, {79, 59, kBackground}, {120, 20, kRed},       {149, 39, kRed},
        {150, 20, kBackground}, {120, 40, kBackground}, {170, 60, kBackground},
    };
    for (const auto& probe : kProbes) {
        SCOPED_TRACE(testing::Message() << probe.x << ", " << probe.y);
        EXPECT_EQ(pixels.At(probe.x, probe.y), probe.color);
    }
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("StaticBitmapView").empty());
}
