// A real window on the Xvfb screen: shown centred for a client size, it has exactly that client area.

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/TestWindow.h"
#include "framework/gui/tests/support/Driver.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

TEST(WindowSmoke, ShownCentredForAClientSizeItHasThatClientArea)
{
    const NSGuiTest::CWatchdog watchdog;
    NSGuiTest::CTestWindow window;
    window.SetTitle("Centred client");
    window.ShowCenteredForClientSize(CPoint(300, 200));
    ASSERT_TRUE(NSGuiTest::WaitUntil([&] { return window.IsNativeStateSet(); }, 5000));

    EXPECT_EQ(window.GetClientBounds(), CRect(0, 0, 300, 200));
    EXPECT_EQ(*window.GetRootView()->GetFrame(), CRect(0, 0, 300, 200));
    RECT area{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
    const CRect frame = window.GetBounds();
    EXPECT_EQ(frame, window.GetCenteredBounds(frame.GetSize()));
    EXPECT_LE(std::abs((frame.GetLeft() - area.left) - (area.right - frame.GetRight())), 1);
    EXPECT_LE(std::abs((frame.GetTop() - area.top) - (area.bottom - frame.GetBottom())), 1);
    EXPECT_EQ(window.GetTitle(), "Centred client");

    window.UpdateNow();
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("window-centred-client").empty());
}
