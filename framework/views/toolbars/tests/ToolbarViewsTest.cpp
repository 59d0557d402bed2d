// The toolbar view, its separators and the strip windows in real windows.

#include "framework/views/toolbars/StripWindows.h"
#include "framework/views/toolbars/ToolbarAppearance.h"
#include "framework/views/toolbars/ToolbarView.h"
#include "framework/views/toolbars/win32/StripNativeWindow.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/drawing/tests/TestCanvas.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <climits>

using namespace NSTramvell;
using NSGuiTest::CClassWindow;
using NSGuiTest::CClientPixels;
using NSGuiTest::CColorView;
using NSTramvellTest::CBitmapTestCanvas;

namespace {

const CRect kBounds(30, 30, 330, 250);
const CColor kBackground(210, 150, 90);
const CColor kChild(40, 40, 200);

class CTestStatusBar : public CApplicationStatusBar
{
public:
    CTestStatusBar(CABCWindow& parent, const CRect& frame) : CApplicationStatusBar(parent, frame) {}
};

class CTestToolbar : public CApplicationToolbar
{
public:
    CTestToolbar(CABCWindow& parent, const CRect& frame) : CApplicationToolbar(parent, frame) {}
};

void PaintNow(CABCWindow& window)
{
    ::InvalidateRect(window.GetWindowHandle(), nullptr, FALSE);
    ::UpdateWindow(window.GetWindowHandle());
}

} // namespace

TEST(CToolbarView, LinesItsChildrenUpFromEitherEdge)
{
    NSGuiTest::CTestWindow window;
    for (const std::int32_t alignment : {kToolbarAlignLeft, kToolbarAlignRight}) {
        SCOPED_TRACE(alignment);
        CToolbarView toolbar(window.GetRootView(), alignment, CRect());
        NSGuiTest::CTestView button(&toolbar, CRect(-23, -22, 0, 0));
        CToolbarSeparatorView separator(&toolbar);
        CToolbarSpaceView space(&toolbar, 12);
        toolbar.SetFrame(CToolbarView::MakeToolbarFrame(CRect(10, 40, 210, 45)));
        EXPECT_EQ(*toolbar.GetFrame(), CRect(10, 40, 210, 68));
        if (alignment == kToolbarAlignLeft) {
            EXPECT_EQ(*button.GetFrame(), CRect(16, 43, 39, 65));
            EXPECT_EQ(*separator.GetFrame(), CRect(39, 40, 47, 68));
            EXPECT_EQ(*space.GetFrame(), CRect(47, 40, 59, 68));
        } else {
            EXPECT_EQ(*space.GetFrame(), CRect(192, 40, 204, 68));   // the last child 6 inside the right edge
            EXPECT_EQ(*separator.GetFrame(), CRect(184, 40, 192, 68));
            EXPECT_EQ(*button.GetFrame(), CRect(161, 43, 184, 65));
        }
    }
}

TEST(CToolbarView, DescriptionTakesATemplateItemAtTheToolbarsHeight)
{
    const CDialogTemplate layout(CPoint(300, 200), "Layout",
                                 {CDialogItem(5, kDialogItemCustom, CRect(0, 4, 300, 20), "")});
    const CToolbarView::CDescription description = CToolbarView::MakeDescription(layout, 5, kToolbarAlignRight);
    EXPECT_EQ(description.frame, CRect(0, 4, 300, 32));
    EXPECT_EQ(description.alignment, kToolbarAlignRight);
    EXPECT_THROW(CToolbarView::MakeDescription(layout, 6, kToolbarAlignLeft), XNotFound);
}

TEST(CToolbarSeparatorView, AnEtchedUprightInsideItsFrame)
{
    NSGuiTest::CTestWindow window;
    window.SetBackgroundColor(kBackground);
    CToolbarSeparatorView separator(window.GetRootView());
    separator.SetFrame(CRect(10, 0, 18, 28));
    EXPECT_EQ(separator.GetDrawRegion().GetBounds(), CRect(14, 3, 16, 26));
    CBitmapTestCanvas canvas(30, 30, kColorGreen);
    CPrimitiveOffscreenDrawSpec spec(&canvas);
    separator.Draw(spec);
    const CColor dark = GetToolbarDarkColor(kBackground);
    EXPECT_EQ(dark, CColor(140, 100, 60));
    EXPECT_EQ(canvas.RowsInColumn(14, dark), NSTramvellTest::Range(3, 25));
    EXPECT_EQ(canvas.RowsInColumn(15, kColorWhite), NSTramvellTest::Range(3, 25));
    EXPECT_EQ(canvas.PixelAt(13, 10), kColorGreen);
    EXPECT_EQ(canvas.PixelAt(16, 10), kColorGreen);

    CToolbarSeparatorView2 centred(window.GetRootView());
    centred.SetFrame(CRect(0, 0, 12, 28));
    EXPECT_EQ(centred.GetDrawRegion().GetBounds(), CRect(5, 3, 7, 26));
    CToolbarSpaceView space(window.GetRootView(), 9);
    EXPECT_EQ(*space.GetFrame(), CRect(-9, -28, 0, 0));
    EXPECT_TRUE(space.GetDrawRegion().IsEmpty());
}

TEST(StripWindows, StatusBarDrawsItsTopLinesAndClipsItsChildren)
{
    NSGuiTest::CWatchdog watchdog;
    CClassWindow parent;
    NSGuiTest::ShowAndPaint(parent, kBounds);
    CTestStatusBar bar(parent, CRect(0, 100, 180, 124));
    bar.SetBackgroundColor(kBackground);
    CColorView child(bar.GetToolRootView(), *bar.GetToolRootView()->GetFrame(), kChild);
    EXPECT_EQ(*bar.GetToolRootView()->GetFrame(), CRect(0, 0, 180, 24));
    PaintNow(bar);
    const CClientPixels pixels(bar);
    for (const int x : {0, 90, 179}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(pixels.At(x, 0), GetSystemShadowColor());
        EXPECT_EQ(pixels.At(x, 1), kColorWhite);
        EXPECT_EQ(pixels.At(x, 2), kChild);
        EXPECT_EQ(pixels.At(x, 23), kChild);
    }
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("StatusBar").empty());

    bar.RootFrameChanged(CRect(), CRect(0, 0, 77, 33));
    EXPECT_EQ(*bar.GetToolRootView()->GetFrame(), CRect(0, 0, 77, 33));
}

TEST(StripWindows, ToolbarAlsoDrawsItsBottomLines)
{
    NSGuiTest::CWatchdog watchdog;
    CClassWindow parent;
    NSGuiTest::ShowAndPaint(parent, kBounds);
    CTestToolbar bar(parent, CRect(10, 10, 190, 40));
    CColorView child(bar.GetToolRootView(), *bar.GetToolRootView()->GetFrame(), kChild);
    PaintNow(bar);
    const CClientPixels pixels(bar);
    for (const int x : {0, 179}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(pixels.At(x, 0), GetSystemShadowColor());
        EXPECT_EQ(pixels.At(x, 1), kColorWhite);
        EXPECT_EQ(pixels.At(x, 2), kChild);
        EXPECT_EQ(pixels.At(x, 27), kChild);
        EXPECT_EQ(pixels.At(x, 28), GetSystemShadowColor());
        EXPECT_EQ(pixels.At(x, 29), kColorBlack);
    }
}

TEST(StripWindows, BordersAreTheFixedFrameMetrics)
{
    CClassWindow parent;
    CTestStatusBar status(parent, CRect(0, 0, 50, 20));
    CTestToolbar toolbar(parent, CRect(0, 20, 50, 48));
    CScopedTableEntry metrics(GetWindowTable().GetSystemMetrics, [](int index) { return 1000 + index; });
    for (const CStripWindow* strip : {static_cast<CStripWindow*>(&status), static_cast<CStripWindow*>(&toolbar)}) {
        EXPECT_EQ(strip->GetFrameBorderWidth(), 1007);
        EXPECT_EQ(strip->GetFrameBorderHeight(), 1008);
    }
}

TEST(StripWindows, GraphicsForwardersReachThePlatform)
{
    const HDC source = ::CreateCompatibleDC(nullptr);
    const HDC target = ::CreateCompatibleDC(nullptr);
    const HBITMAP sourceBits = ::CreateBitmap(4, 4, 1, 32, nullptr);
    const HBITMAP targetBits = ::CreateBitmap(4, 4, 1, 32, nullptr);
    const HGDIOBJ sourceDefault = SelectGraphicsObject(source, sourceBits);
    const HGDIOBJ targetDefault = SelectGraphicsObject(target, targetBits);
    ASSERT_NE(sourceDefault, nullptr);
    ::SetPixel(source, 2, 1, RGB(200, 10, 30));
    EXPECT_TRUE(CopyGraphicsBits(target, 1, 1, 3, 3, source, 1, 0, SRCCOPY));
    EXPECT_TRUE(FlushGraphics());
    EXPECT_EQ(::GetPixel(target, 2, 2), RGB(200, 10, 30));
    EXPECT_NE(::GetPixel(target, 2, 1), RGB(200, 10, 30));

    const auto stock = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    SelectGraphicsPalette(target, stock, false);
    EXPECT_EQ(SelectGraphicsPalette(target, stock, true), stock);

    EXPECT_EQ(SelectGraphicsObject(source, sourceDefault), sourceBits);
    EXPECT_EQ(SelectGraphicsObject(target, targetDefault), targetBits);
    ::DeleteDC(source);
    ::DeleteDC(target);
    ::DeleteObject(sourceBits);
    ::DeleteObject(targetBits);
}

TEST(StripWindows, AbsoluteValueOfTheMostNegativeIsTheMostPositive)
{
    const struct {
        std::int32_t value, absolute;
    } kCases[] = {{INT32_MIN, INT32_MAX}, {INT32_MIN + 1, INT32_MAX}, {-5, 5}, {0, 0}, {7, 7}};
    for (const auto& c : kCases)
        EXPECT_EQ(AbsoluteValue(c.value), c.absolute) << c.value;
}
