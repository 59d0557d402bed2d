// Drawing functions on the test canvas.

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/DrawingFunctions.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/drawing/tests/TestCanvas.h"

#include <gtest/gtest.h>

using NSTramvell::CColor;
using NSTramvell::CFontSpec;
using NSTramvell::CRect;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;
using NSTramvellTest::CBitmapTestCanvas;
using NSTramvellTest::Range;

namespace {

const CColor kInk(10, 120, 250);
POINT gTextAt{};

// Every font 13 high with ascent 10; text positions recorded, nothing drawn.
class CThirteenHighText
{
public:
    CThirteenHighText()
        : mMetrics(GetWindowTable().GetTextMetricsA, [](HDC, LPTEXTMETRICA metrics) -> BOOL {
            *metrics = TEXTMETRICA{};
            metrics->tmHeight = 13;
            metrics->tmAscent = 10;
            return TRUE;
        })
        , mTextOut(GetWindowTable().TextOutA, [](HDC, int x, int y, LPCSTR, int) -> BOOL {
            gTextAt = POINT{x, y};
            return TRUE;
        })
    {
    }

private:
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::GetTextMetricsA)> mMetrics;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::TextOutA)> mTextOut;
};

} // namespace

TEST(DrawTextInRect, CentresTheFontCellVerticallyTwoPixelsIn)
{
    CBitmapTestCanvas canvas(8, 8);
    CThirteenHighText metrics;
    const struct { CRect rect; POINT cellTopLeft; } kCases[] = {
        {CRect(5, 40, 100, 60), {7, 43}},    // 20 high: 3 below the top
        {CRect(5, 40, 100, 50), {7, 39}},    // 10 high: −3 / 2 truncates to −1, above the top
        {CRect(0, 0, 10, 13), {2, 0}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.rect.GetBottom());
        gTextAt = POINT{-99, -99};
        NSTramvell::DrawTextInRect(canvas, c.rect, "Text", CFontSpec("Tahoma", 13), kInk);
        EXPECT_EQ(gTextAt.x, c.cellTopLeft.x);
        EXPECT_EQ(gTextAt.y, c.cellTopLeft.y);
    }
}

TEST(DrawBevel, GivesTheFarCornersToTheSecondColour)
{
    const CColor kLight(250, 250, 250);
    CBitmapTestCanvas canvas(16, 16, CColor(0, 0, 0));
    NSTramvell::DrawBevel(canvas, CRect(2, 2, 10, 10), kLight, kInk);
    EXPECT_EQ(canvas.ColumnsInRow(2, kLight), Range(2, 8));
    EXPECT_EQ(canvas.PixelAt(9, 2), kInk);
    EXPECT_EQ(canvas.PixelAt(2, 9), kInk);
    EXPECT_EQ(canvas.ColumnsInRow(9, kInk), Range(2, 9));
}

TEST(DrawSeparator, PutsTheShadowLineWhereItIsAsked)
{
    CBitmapTestCanvas canvas(16, 16, CColor(1, 2, 3));
    NSTramvell::DrawSeparatorHorizontal(canvas, 5, 2, 12);
    EXPECT_EQ(canvas.PixelAt(6, 5), NSTramvell::GetSystemShadowColor());
    EXPECT_EQ(canvas.PixelAt(6, 8), CColor(1, 2, 3));
}

TEST(DrawNestedFrames, InsetsEachOutlineByOne)
{
    CBitmapTestCanvas canvas(16, 16);
    NSTramvell::DrawNestedFrames(canvas, CRect(2, 2, 12, 12), 2, kInk);
    EXPECT_EQ(canvas.ColumnsInRow(7, kInk), (std::vector<int>{2, 3, 10, 11}));
}
