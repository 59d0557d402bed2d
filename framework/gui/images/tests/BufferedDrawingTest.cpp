// A buffered drawing over a bitmap's canvas: nothing reaches the target before the last scope closes,
// and then exactly the area, narrowed to the target's clip, does.

#include "framework/gui/images/BufferedDrawing.h"

#include "framework/gui/images/Bitmap.h"
#include "framework/gui/images/BitmapOperations.h"
#include "framework/gui/images/OffscreenCanvas.h"

#include <gtest/gtest.h>

#include <string>

using namespace NSTramvell;

namespace {

constexpr std::uint32_t kRed = 0xFF0000;
const CColor kWhiteColor(255, 255, 255);
const CColor kRedColor(255, 0, 0);

// The target's red pixels, one string of '#' and '.' per row.
std::string RedPixels(COSBitmap& bitmap)
{
    CPixelReadAccess access(bitmap);
    std::string rows;
    for (std::int32_t y = 0; y < access.GetRows().layout.height; ++y) {
        for (std::int32_t x = 0; x < access.GetRows().layout.width; ++x)
            rows += GetPixelRGB(access.GetRows().GetPixel32(x, y)) == kRed ? '#' : '.';
        rows += '\n';
    }
    return rows;
}

} // namespace

TEST(CBufferedDrawing, NestedScopesReachTheTargetOnlyWhenTheLastCloses)
{
    CBitmap32 bitmap(8, 6);
    COffscreenCanvas target(bitmap);
    target.FillRect(CRect(0, 0, 8, 6), kWhiteColor);
    target.SetClipRegion(CRegion(CRect(0, 0, 6, 6)));
    const std::string kWhite = "........\n........\n........\n........\n........\n........\n";

    CBufferedDrawing drawing(target, CRect(2, 1, 8, 5));
    EXPECT_FALSE(drawing.IsEmpty());
    EXPECT_EQ(drawing.GetArea(), CRect(2, 1, 6, 5));
    {
        CBufferedDrawingScope outer(drawing);
        EXPECT_EQ(&outer.GetCanvas(), &drawing.GetOffscreenCanvas());
        {
            const CBufferedDrawingScope inner(outer);
            EXPECT_EQ(drawing.GetNestingCount(), 2);
            // Window coordinates, clipped to the area.
            inner.GetCanvas().FillRect(CRect(0, 0, 8, 6), kRedColor);
        }
        EXPECT_EQ(drawing.GetNestingCount(), 1);
        EXPECT_EQ(RedPixels(bitmap), kWhite);
    }
    EXPECT_EQ(drawing.GetNestingCount(), 0);
    EXPECT_EQ(RedPixels(bitmap), "........\n..####..\n..####..\n..####..\n..####..\n........\n");
    // A close too many changes nothing.
    drawing.Close();
    EXPECT_EQ(drawing.GetNestingCount(), 0);
}

TEST(CBufferedDrawing, AnAreaOutsideTheClipIsEmptyAndDrawsNothing)
{
    CBitmap32 bitmap(8, 6);
    COffscreenCanvas target(bitmap);
    target.FillRect(CRect(0, 0, 8, 6), kWhiteColor);
    target.SetClipRegion(CRegion(CRect(0, 0, 3, 6)));
    CBufferedDrawing drawing(target, CRect(4, 0, 8, 6));
    EXPECT_TRUE(drawing.IsEmpty());
    {
        // Not even the part of the target that its clip shows is drawn on.
        const CBufferedDrawingScope scope(drawing);
        scope.GetCanvas().FillRect(CRect(0, 0, 8, 6), kRedColor);
    }
    EXPECT_EQ(RedPixels(bitmap), "........\n........\n........\n........\n........\n........\n");
}
