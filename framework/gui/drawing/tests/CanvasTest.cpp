// The canvas on a bitmap context: what its calls touch, how it reaches the platform and its clip.

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/tests/TestCanvas.h"

#include <gtest/gtest.h>

using NSTramvell::CColor;
using NSTramvell::CFontSpec;
using NSTramvell::CRect;
using NSTramvell::CRegion;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;
using NSTramvellTest::CBitmapTestCanvas;
using NSTramvellTest::Range;

namespace {

const CColor kInk(200, 30, 40);
const CFontSpec kFont("Tahoma", 13);

int gTextTop = 0;
int gFontsMade = 0;
int gBrushesMade = 0;
decltype(NSTramvell::CWindowTable::CreateFontIndirectA) gRealCreateFont = nullptr;
decltype(NSTramvell::CWindowTable::CreateSolidBrush) gRealCreateBrush = nullptr;

// A canvas that never got a drawing state, as one whose context could not be made.
class CCanvasWithoutContext : public NSTramvell::CABCCanvas
{
public:
    NSTramvell::CABCImage* GetTargetBitmap() override { return nullptr; }
};

} // namespace

TEST(CABCCanvas, FillsAndFramesWithRightAndBottomExclusive)
{
    CBitmapTestCanvas canvas(32, 32);
    canvas.FillRect(CRect(10, 10, 20, 20), kInk);
    EXPECT_EQ(canvas.ColumnsInRow(10, kInk), Range(10, 19));
    EXPECT_EQ(canvas.RowsInColumn(19, kInk), Range(10, 19));

    CBitmapTestCanvas framed(32, 32);
    framed.FrameRect(CRect(10, 10, 20, 20), kInk);
    EXPECT_EQ(framed.ColumnsInRow(10, kInk), Range(10, 19));
    EXPECT_EQ(framed.ColumnsInRow(19, kInk), Range(10, 19));
    EXPECT_EQ(framed.RowsInColumn(10, kInk), Range(10, 19));
    EXPECT_EQ(framed.ColumnsInRow(15, kInk), (std::vector<int>{10, 19}));
}

TEST(CABCCanvas, DrawsBothEndsOfALine)
{
    CBitmapTestCanvas canvas(16, 4);
    canvas.DrawLine(0, 0, 5, 0, kInk);
    EXPECT_EQ(canvas.ColumnsInRow(0, kInk), Range(0, 5));
    canvas.DrawLine(3, 3, 3, 1, kInk);
    EXPECT_EQ(canvas.RowsInColumn(3, kInk), Range(0, 3));
}

TEST(CABCCanvas, InvertingTwiceRestoresAndLeavesTheMixModeCopying)
{
    CBitmapTestCanvas canvas(32, 32, CColor(10, 20, 30));
    canvas.InvertFrameRect(CRect(4, 4, 12, 12), kInk);
    EXPECT_EQ(canvas.PixelAt(4, 4), CColor(245, 235, 225));
    EXPECT_EQ(::GetROP2(canvas.GetDeviceContext()), R2_COPYPEN);
    canvas.InvertFrameRect(CRect(4, 4, 12, 12), kInk);
    canvas.InvertLine(0, 20, 6, 20, kInk);
    EXPECT_EQ(canvas.PixelAt(4, 4), CColor(10, 20, 30));
    // The end pixel's colour differs between platforms (Wine inverts it too); the line itself must invert.
    for (int x = 0; x < 6; ++x)
        EXPECT_EQ(canvas.PixelAt(x, 20), CColor(245, 235, 225)) << x;
    EXPECT_EQ(canvas.PixelAt(7, 20), CColor(10, 20, 30));
}

TEST(CABCCanvas, PutsTheTextCellTopAtTheBaselineLessTheAscent)
{
    CBitmapTestCanvas canvas(64, 64);
    CScopedTableEntry textOut(GetWindowTable().TextOutA, [](HDC, int, int y, LPCSTR, int) -> BOOL {
        gTextTop = y;
        return TRUE;
    });
    gTextTop = -1000;
    canvas.DrawText(3, 20, "Ag", kFont, kInk);
    const int ascent = canvas.GetFontAscent(kFont);
    ASSERT_GT(ascent, 0);
    EXPECT_EQ(gTextTop, 20 - ascent);
}

TEST(CABCCanvas, MeasuresEmptyTextAsZeroWideAndOneFontHigh)
{
    CBitmapTestCanvas canvas(8, 8);
    const int height = canvas.GetFontHeight(kFont);
    ASSERT_GT(height, 0);
    EXPECT_EQ(canvas.MeasureText("", kFont), CRect(0, 0, 0, height));
    const CRect wide = canvas.MeasureText("WWW", kFont);
    EXPECT_GT(wide.GetRight(), canvas.MeasureText("W", kFont).GetRight());
    EXPECT_EQ(wide.GetBottom(), height);
}

TEST(CABCCanvas, MakesAFontOrFillOnlyWhenTheWantedOneDiffers)
{
    gRealCreateFont = GetWindowTable().CreateFontIndirectA;
    gRealCreateBrush = GetWindowTable().CreateSolidBrush;
    CScopedTableEntry countFonts(GetWindowTable().CreateFontIndirectA, [](const LOGFONTA* font) {
        ++gFontsMade;
        return gRealCreateFont(font);
    });
    CScopedTableEntry countBrushes(GetWindowTable().CreateSolidBrush, [](COLORREF color) {
        ++gBrushesMade;
        return gRealCreateBrush(color);
    });
    gFontsMade = 0;
    gBrushesMade = 0;
    CBitmapTestCanvas canvas(8, 8);
    canvas.SelectFont(kFont);
    canvas.GetTextWidth("x", kFont);
    EXPECT_EQ(gFontsMade, 1);
    CFontSpec otherCharacterSet = kFont;
    otherCharacterSet.SetCharacterSet(2);   // compares equal, yet draws other glyphs
    canvas.SelectFont(otherCharacterSet);
    EXPECT_EQ(gFontsMade, 2);

    canvas.FillRect(CRect(0, 0, 2, 2), NSTramvell::kColorWhite);   // the state's initial colour, no fill yet
    canvas.FillRect(CRect(0, 0, 2, 2), NSTramvell::kColorWhite);
    EXPECT_EQ(gBrushesMade, 1);
    canvas.FillRect(CRect(0, 0, 2, 2), kInk);
    EXPECT_EQ(gBrushesMade, 2);
}

TEST(CABCCanvas, WithoutAContextDrawingIsOutOfMemory)
{
    CCanvasWithoutContext canvas;
    EXPECT_THROW(canvas.FillRect(CRect(0, 0, 1, 1), kInk), NSTramvell::XOutOfMemory);
    EXPECT_THROW(canvas.DrawLine(0, 0, 1, 1, kInk), NSTramvell::XOutOfMemory);
    EXPECT_THROW(canvas.DrawText(0, 0, "a", kFont, kInk), NSTramvell::XOutOfMemory);
    EXPECT_THROW(canvas.MeasureText("", kFont), NSTramvell::XOutOfMemory);
    EXPECT_THROW(canvas.SetClipRegion(CRegion(CRect(0, 0, 1, 1))), NSTramvell::XOutOfMemory);
}

TEST(CABCCanvas, TakesTheContextClipInCanvasCoordinates)
{
    CBitmapTestCanvas canvas(32, 32);
    EXPECT_EQ(canvas.GetClipRegion().GetKind(), CRegion::kEverything);

    HDC context = canvas.GetDeviceContext();
    HRGN deviceClip = ::CreateRectRgn(4, 6, 10, 12);
    ::SelectClipRgn(context, deviceClip);
    ::DeleteObject(deviceClip);
    ::SetWindowOrgEx(context, 3, 5, nullptr);   // canvas point (x, y) lands on device pixel (x − 3, y − 5)
    canvas.AttachContext(canvas.GetContext());
    EXPECT_EQ(canvas.GetClipRegion().GetBounds(), CRect(7, 11, 13, 17));
    ::SetWindowOrgEx(context, 0, 0, nullptr);
}

TEST(CABCCanvas, ClipsDrawingToTheRegionItIsGiven)
{
    CBitmapTestCanvas canvas(16, 16);
    canvas.SetClipRegion(CRegion(CRect(2, 2, 5, 5)));
    canvas.FillRect(CRect(0, 0, 16, 16), kInk);
    EXPECT_EQ(canvas.ColumnsInRow(3, kInk), Range(2, 4));
    EXPECT_EQ(canvas.RowsInColumn(3, kInk), Range(2, 4));
    EXPECT_EQ(canvas.GetClipRegion().GetBounds(), CRect(2, 2, 5, 5));
}
