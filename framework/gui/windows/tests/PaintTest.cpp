// Painting through the window procedure, read back from the screen.

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/tests/TestCanvas.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/drawing/ScreenResources.h"
#include "framework/gui/images/Bitmap.h"
#include "framework/gui/windows/DrawSpecs.h"
#include "framework/gui/windows/WindowCanvas.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <vector>

using NSGuiTest::CClassWindow;
using NSGuiTest::CClientPixels;
using NSGuiTest::CColorView;
using NSTramvell::CColor;
using NSTramvell::CRect;

namespace {

const CRect kBounds(30, 30, 330, 250);
const CColor kRed(220, 20, 20);
const CColor kBlue(20, 20, 220);
const CColor kGreen(20, 200, 20);

} // namespace

TEST(WindowPainting, FillsAndFramesTouchTheRectangleOnly)
{
    CClassWindow window;
    window.SetBackgroundColor(kGreen);
    CColorView filled(window.GetRootView(), CRect(10, 10, 20, 20), kRed);
    CColorView framed(window.GetRootView(), CRect(40, 10, 50, 20), kBlue, true);
    NSGuiTest::ShowAndPaint(window, kBounds);
    const CClientPixels pixels(window);
    const struct { int x; int y; CColor color; } kProbes[] = {
        {10, 10, kRed}, {19, 19, kRed}, {20, 15, kGreen}, {15, 9, kGreen},
        {40, 10, kBlue}, {49, 19, kBlue}, {50, 15, kGreen}, {45, 20, kGreen}, {100, 100, kGreen}};
    for (const auto& p : kProbes) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        EXPECT_EQ(pixels.At(p.x, p.y), p.color);
    }
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("WindowPainting").empty());
}

TEST(WindowPainting, AClipBackgroundGroupLeavesWhatItsChildrenCover)
{
    CClassWindow window;
    window.SetBackgroundColor(kRed);
    NSGuiTest::ShowAndPaint(window, kBounds);
    NSGuiTest::CTestView cover(window.GetRootView(), CRect(10, 10, 30, 30));   // paints nothing itself
    window.SetBackgroundColor(kGreen);
    ::InvalidateRect(window.GetWindowHandle(), nullptr, FALSE);
    ::UpdateWindow(window.GetWindowHandle());
    const CClientPixels pixels(window);
    EXPECT_EQ(pixels.At(15, 15), kRed);
    EXPECT_EQ(pixels.At(35, 15), kGreen);
}

TEST(WindowPainting, AFailingViewEndsThePaintAndLowMemoryIsNoted)
{
    NSGuiTest::CTestApplication application;
    CClassWindow window;
    {
        NSGuiTest::CThrowingView failing(window.GetRootView(), CRect(0, 0, 10, 10),
                                         [] { throw std::runtime_error("no picture"); });
        NSGuiTest::ShowAndPaint(window, kBounds);
        EXPECT_FALSE(::GetUpdateRect(window.GetWindowHandle(), nullptr, FALSE));
        EXPECT_FALSE(application.IsLowMemory());
    }
    NSGuiTest::CThrowingView starving(window.GetRootView(), CRect(0, 0, 10, 10), [] { throw std::bad_alloc(); });
    ::InvalidateRect(window.GetWindowHandle(), nullptr, FALSE);
    ::UpdateWindow(window.GetWindowHandle());
    EXPECT_FALSE(::GetUpdateRect(window.GetWindowHandle(), nullptr, FALSE));
    EXPECT_EQ(application.GetMemoryState(), 21u);
}

TEST(CClipGuard, NarrowsForItsLifetimeAndRestores)
{
    NSTramvellTest::CBitmapTestCanvas canvas(16, 16);
    canvas.SetClipRegion(NSTramvell::CRegion(CRect(0, 0, 8, 8)));
    {
        NSTramvell::CClipGuard inside(&canvas, CRect(4, 4, 12, 12));
        EXPECT_FALSE(inside.IsEmpty());
        EXPECT_EQ(canvas.GetClipRegion().GetBounds(), CRect(4, 4, 8, 8));
        canvas.FillRect(CRect(0, 0, 16, 16), kRed);
    }
    {
        NSTramvell::CClipGuard outside(&canvas, CRect(10, 10, 12, 12));
        EXPECT_TRUE(outside.IsEmpty());
        canvas.FillRect(CRect(0, 0, 16, 16), kBlue);
    }
    EXPECT_EQ(canvas.GetClipRegion().GetBounds(), CRect(0, 0, 8, 8));
    EXPECT_EQ(canvas.ColumnsInRow(5, kRed), NSTramvellTest::Range(4, 7));
    EXPECT_TRUE(canvas.ColumnsInRow(11, kBlue).empty());
}

TEST(COffscreenDrawSpec, DrawsTheAreaInWindowCoordinatesWithinTheTargetsClip)
{
    NSTramvellTest::CBitmapTestCanvas target(32, 32, kGreen);
    target.SetClipRegion(NSTramvell::CRegion(CRect(0, 0, 12, 32)));
    NSTramvell::CBitmap32 buffer(4, 3);
    const CRect area(10, 10, 14, 13);
    {
        NSTramvell::COffscreenDrawSpec spec(target, buffer, area);
        spec.GetCanvas()->FillRect(CRect(0, 0, 100, 100), kRed);
        // Copied back while the buffer still answers in window coordinates, as a buffered group does.
        buffer.Draw(target, area.GetLeft(), area.GetTop(), area.GetLeft(), area.GetTop(), area.GetWidth(),
                    area.GetHeight());
    }
    for (int y : {10, 12})
        EXPECT_EQ(target.ColumnsInRow(y, kRed), NSTramvellTest::Range(10, 11)) << y;
    NSTramvell::CPrimitiveOffscreenDrawSpec onTarget(&target);
    EXPECT_TRUE(NSTramvell::ClipRegionIntersects(onTarget, CRect(11, 0, 13, 1)));
    EXPECT_FALSE(NSTramvell::ClipRegionIntersects(onTarget, CRect(12, 0, 13, 1)));
    EXPECT_EQ(NSTramvell::GetClipBounds(onTarget), CRect(0, 0, 12, 32));
    EXPECT_TRUE(target.ColumnsInRow(9, kRed).empty());
    EXPECT_TRUE(target.ColumnsInRow(13, kRed).empty());
}

namespace {

int gBitsPerPixel = 32;
std::vector<HPALETTE> gSelectedPalettes;
decltype(NSTramvell::CWindowTable::SelectPalette) gRealSelectPalette = nullptr;

} // namespace

TEST(CWindowPaintCanvas, SelectsAPaletteForThePaintOnlyOnEightBitScreens)
{
    using NSTramvell::CScopedTableEntry;
    using NSTramvell::GetWindowTable;
    CScopedTableEntry caps(GetWindowTable().GetDeviceCaps,
                           [](HDC, int index) { return index == BITSPIXEL ? gBitsPerPixel : index == PLANES ? 1 : 96; });
    CScopedTableEntry systemPalette(GetWindowTable().GetSystemPaletteEntries,
                                    [](HDC, UINT, UINT count, LPPALETTEENTRY out) {
                                        for (UINT i = 0; i < count; ++i)
                                            out[i] = PALETTEENTRY{static_cast<BYTE>(i), 0, 0, 0};
                                        return count;
                                    });
    gRealSelectPalette = GetWindowTable().SelectPalette;
    CScopedTableEntry select(GetWindowTable().SelectPalette, [](HDC context, HPALETTE palette, BOOL background) {
        gSelectedPalettes.push_back(palette);
        return gRealSelectPalette(context, palette, background);
    });
    CClassWindow window;
    HDC context = ::CreateCompatibleDC(nullptr);
    const auto currentPalette = [&] { return static_cast<HPALETTE>(::GetCurrentObject(context, OBJ_PAL)); };
    const HPALETTE before = currentPalette();

    for (int depth : {16, 32}) {
        SCOPED_TRACE(depth);
        gBitsPerPixel = depth;
        NSTramvell::RefreshScreenPalette();
        gSelectedPalettes.clear();
        { NSTramvell::CWindowPaintCanvas canvas(&window, context); }
        EXPECT_TRUE(gSelectedPalettes.empty());
    }

    gBitsPerPixel = 8;
    NSTramvell::RefreshScreenPalette();
    gSelectedPalettes.clear();
    {
        NSTramvell::CWindowPaintCanvas canvas(&window, context);
        EXPECT_NE(currentPalette(), before);
        EXPECT_EQ(window.GetCurrentDrawingContext(), canvas.GetContext());
        const NSTramvell::CWindowReadOnlyCanvas nested(&window);   // measures through the paint's state
        EXPECT_EQ(nested.GetContext(), canvas.GetContext());
    }
    EXPECT_EQ(gSelectedPalettes.size(), 2u);
    EXPECT_EQ(currentPalette(), before);
    EXPECT_EQ(window.GetCurrentDrawingContext(), nullptr);

    gBitsPerPixel = 32;
    NSTramvell::RefreshScreenPalette();
    ::DeleteDC(context);
}
