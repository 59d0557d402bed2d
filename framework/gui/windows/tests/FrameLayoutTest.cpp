// The frame client's layout: the client between the two bars, each bar fitted to its new size.

#include "framework/gui/windows/FrameLayout.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CMove
{
    HWND window;
    int x, y, width, height;
    friend bool operator==(const CMove&, const CMove&) = default;
};

std::vector<CMove> gMoves;

} // namespace

TEST(FrameLayout, PutsTheClientBetweenTheBars)
{
    NSTramvell::CScopedTableEntry move(NSTramvell::GetWindowTable().MoveWindow,
                                       [](HWND window, int x, int y, int width, int height, BOOL) -> BOOL {
                                           gMoves.push_back({window, x, y, width, height});
                                           return TRUE;
                                       });
    NSGuiTest::CTestWindow toolBar;
    NSGuiTest::CTestWindow statusBar;
    const HWND client = reinterpret_cast<HWND>(0x1234);
    // Without a frame window a new height is only kept.
    NSTramvell::SetFrameToolbarHeight(20);
    NSTramvell::SetFrameStatusBarHeight(16);
    EXPECT_TRUE(gMoves.empty());
    EXPECT_EQ(NSTramvell::GetFrameToolbarHeight(), 20);
    EXPECT_EQ(NSTramvell::GetFrameStatusBarHeight(), 16);

    const int fitsBefore = toolBar.mRootFrameChanges + statusBar.mRootFrameChanges;
    NSTramvell::LayOutFrameClient({client, &toolBar, &statusBar}, 300, 200);
    const std::vector<CMove> expected = {{client, 0, 20, 300, 164},
                                         {toolBar.GetWindowHandle(), 0, 0, 300, 20},
                                         {statusBar.GetWindowHandle(), 0, 184, 300, 16}};
    EXPECT_EQ(gMoves, expected);
    EXPECT_EQ(toolBar.mRootFrameChanges + statusBar.mRootFrameChanges, fitsBefore + 2);

    // Without bars the client takes what the bars leave.
    gMoves.clear();
    NSTramvell::LayOutFrameClient({client, nullptr, nullptr}, 100, 50);
    EXPECT_EQ(gMoves, (std::vector<CMove>{{client, 0, 20, 100, 14}}));

    NSTramvell::SetFrameToolbarHeight(0);
    NSTramvell::SetFrameStatusBarHeight(0);
    gMoves.clear();
}

TEST(FrameLayout, TheApplicationsBarsReserveTheirHeightAndAreShownAtTheirBounds)
{
    NSGuiTest::CTestApplication application;
    auto* toolBar = new NSGuiTest::CTestWindow(NSTramvell::CABCWindow::kKindFloater, false);
    NSGuiTest::CTestWindow statusBar(NSTramvell::CABCWindow::kKindFloater, false);
    toolBar->SetBoundsField(NSTramvell::CRect(10, 10, 310, 38));
    statusBar.SetBoundsField(NSTramvell::CRect(10, 300, 310, 318));

    application.SetToolbarWindow(toolBar);
    application.SetStatusBarWindow(&statusBar);
    EXPECT_EQ(application.GetToolbarWindow(), toolBar);
    EXPECT_EQ(application.GetStatusBarWindow(), &statusBar);
    EXPECT_EQ(NSTramvell::GetFrameToolbarHeight(), 28);
    EXPECT_EQ(NSTramvell::GetFrameStatusBarHeight(), 18);
    EXPECT_TRUE(toolBar->IsNativeStateSet());
    EXPECT_EQ(toolBar->GetBounds(), NSTramvell::CRect(10, 10, 310, 38));

    {
        NSTramvell::CScopedTableEntry move(NSTramvell::GetWindowTable().MoveWindow,
                                           [](HWND window, int x, int y, int width, int height, BOOL) -> BOOL {
                                               gMoves.push_back({window, x, y, width, height});
                                               return TRUE;
                                           });
        gMoves.clear();
        NSTramvell::LayOutFrameClient(400, 200);
        EXPECT_EQ(gMoves, (std::vector<CMove>{{toolBar->GetWindowHandle(), 0, 0, 400, 28},
                                              {statusBar.GetWindowHandle(), 0, 182, 400, 18}}));
        gMoves.clear();
    }

    // A bar that goes away gives its room back; so does setting none.
    toolBar->CloseNow();
    EXPECT_EQ(application.GetToolbarWindow(), nullptr);
    EXPECT_EQ(NSTramvell::GetFrameToolbarHeight(), 0);
    application.SetStatusBarWindow(nullptr);
    EXPECT_EQ(NSTramvell::GetFrameStatusBarHeight(), 0);
}
