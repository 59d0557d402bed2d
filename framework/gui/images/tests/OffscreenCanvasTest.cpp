// The offscreen canvas on a bitmap's own context, pictures drawn by key through a fetcher, and the
// conversion of any picture to 32 bits.

#include "framework/gui/images/OffscreenCanvas.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/images/ApplicationBitmaps.h"
#include "framework/gui/images/Bitmap.h"
#include "framework/gui/images/BitmapDrawing.h"
#include "framework/gui/images/BitmapFetcher.h"
#include "framework/gui/images/BitmapOperations.h"
#include "framework/gui/images/BitmapSequence.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

using NSTramvell::CBitmap32;
using NSTramvell::CBitmapKey;
using NSTramvell::CColor;
using NSTramvell::COffscreenCanvas;
using NSTramvell::CPoint;
using NSTramvell::CRect;
using NSTramvell::CRegion;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;
const CColor kRedColor(255, 0, 0);

std::uint32_t PixelOf(NSTramvell::COSBitmap& bitmap, std::int32_t x, std::int32_t y)
{
    NSTramvell::CPixelReadAccess access(bitmap);
    return NSTramvell::GetPixelRGB(access.GetRows().GetPixel32(x, y));
}

void Paint(NSTramvell::COSBitmap& bitmap, std::uint32_t (*colorAt)(std::int32_t x, std::int32_t y))
{
    NSTramvell::CPixelWriteAccess access(bitmap);
    const NSTramvell::CPixelRows& rows = access.GetRows();
    for (std::int32_t y = 0; y < rows.layout.height; ++y)
        for (std::int32_t x = 0; x < rows.layout.width; ++x) {
            const std::uint32_t rgb = colorAt(x, y);
            const std::uint8_t bytes[4] = {NSTramvell::GetBlueOf(rgb), NSTramvell::GetGreenOf(rgb),
                                           NSTramvell::GetRedOf(rgb), 0};
            std::memcpy(rows.GetPixel32(x, y), bytes, 4);
        }
}

std::uint32_t White(std::int32_t, std::int32_t) { return kWhite; }
// A distinct colour per pixel, so that a shifted copy shows.
std::uint32_t Gradient(std::int32_t x, std::int32_t y) { return NSTramvell::MakeRGB(10 + 40 * x, 20 + 60 * y, 99); }

// Which bitmap pixels of a row of the first `width` are red, as a string of '#' and '.'.
std::string RedRow(NSTramvell::COSBitmap& bitmap, std::int32_t y, std::int32_t width)
{
    std::string row;
    for (std::int32_t x = 0; x < width; ++x)
        row += PixelOf(bitmap, x, y) == kRed ? '#' : '.';
    return row;
}

} // namespace

TEST(COffscreenCanvas, HandsTheContextBackWithOriginZeroAndNoClip)
{
    CBitmap32 bitmap(8, 8);
    Paint(bitmap, White);
    const HDC context = bitmap.GetNativeBitmap().GetContext();
    {
        COffscreenCanvas canvas(bitmap);
        EXPECT_EQ(canvas.GetTargetBitmap(), &bitmap);
        canvas.SetOrigin(CPoint(3, 2));
        EXPECT_EQ(canvas.GetOrigin(), CPoint(3, 2));
        canvas.SetClipRegion(CRegion(CRect(3, 2, 5, 4)));
    }
    NSTramvell::CWindowTable& table = NSTramvell::GetWindowTable();
    POINT origin{-1, -1};
    table.GetWindowOrgEx(context, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    HRGN probe = table.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(table.GetClipRgn(context, probe), 0) << "a clip was left on the bitmap's context";
    table.DeleteObject(probe);

    // A second canvas starts clean and draws where it is told.
    COffscreenCanvas second(bitmap);
    EXPECT_EQ(second.GetOrigin(), CPoint(0, 0));
    second.FillRect(CRect(1, 1, 3, 2), kRedColor);
    EXPECT_EQ(RedRow(bitmap, 0, 5), ".....");
    EXPECT_EQ(RedRow(bitmap, 1, 5), ".##..");
}

TEST(COffscreenCanvas, MovingTheOriginKeepsTheClipInCanvasCoordinates)
{
    CBitmap32 bitmap(6, 6);
    Paint(bitmap, White);
    {
        COffscreenCanvas canvas(bitmap);
        canvas.SetClipRegion(CRegion(CRect(0, 0, 4, 4)));
        canvas.SetOrigin(CPoint(2, 2));
        // Canvas (2..3, 2..3) is both inside the clip and at bitmap (0..1, 0..1).
        canvas.FillRect(CRect(-10, -10, 10, 10), kRedColor);
    }
    EXPECT_EQ(RedRow(bitmap, 0, 6), "##....");
    EXPECT_EQ(RedRow(bitmap, 1, 6), "##....");
    EXPECT_EQ(RedRow(bitmap, 2, 6), "......");
}

TEST(COffscreenCanvas, AnUnchangedOriginTouchesNothing)
{
    CBitmap32 bitmap(2, 2);
    COffscreenCanvas canvas(bitmap);
    std::int32_t calls = 0;
    static std::int32_t* sCalls = nullptr;
    sCalls = &calls;
    NSTramvell::CScopedTableEntry moved(NSTramvell::GetWindowTable().SetWindowOrgEx,
                                        [](HDC, int, int, LPPOINT) -> BOOL { return ++*sCalls, TRUE; });
    NSTramvell::CScopedTableEntry shifted(NSTramvell::GetWindowTable().OffsetClipRgn,
                                          [](HDC, int, int) -> int { return ++*sCalls, SIMPLEREGION; });
    canvas.SetOrigin(CPoint(0, 0));
    EXPECT_EQ(calls, 0);
}

namespace {

// Serves pictures made by the test, counting what it was asked.
class CTestFetcher : public NSTramvell::IBitmapFetcher
{
public:
    CTestFetcher()
    {
        auto picture = std::make_unique<CBitmap32>(3, 2);
        Paint(*picture, Gradient);
        mPictures.emplace(7, std::move(picture));
    }
    void ReleaseBitmap(const CBitmapKey&) override {}
    NSTramvell::CABCImage* FetchBitmap(const NSTramvell::CScreenPalette&, const CBitmapKey& key) override
    {
        ++mFetches;
        const auto found = mPictures.find(key.GetResourceId());
        if (found == mPictures.end())
            throw NSTramvell::XNotFound();
        return found->second.get();
    }

    std::int32_t mFetches = 0;

private:
    std::map<std::uint16_t, std::unique_ptr<CBitmap32>> mPictures;
};

class CBitmapDrawingTest : public testing::Test
{
protected:
    CBitmapDrawingTest() { mPrevious = NSTramvell::SetBitmapFetcher(&mFetcher); }
    ~CBitmapDrawingTest() override { NSTramvell::SetBitmapFetcher(mPrevious); }

    CTestFetcher mFetcher;
    NSTramvell::IBitmapFetcher* mPrevious = nullptr;
};

} // namespace

TEST_F(CBitmapDrawingTest, DrawsAndMeasuresThroughTheFetcher)
{
    EXPECT_EQ(NSTramvell::GetBitmapSize(CBitmapKey(7)), CPoint(3, 2));

    CBitmap32 target(8, 6);
    Paint(target, White);
    COffscreenCanvas canvas(target);
    NSTramvell::DrawBitmap(canvas, 4, 3, CBitmapKey(7));
    for (std::int32_t y = 0; y < 2; ++y)
        for (std::int32_t x = 0; x < 3; ++x)
            EXPECT_EQ(PixelOf(target, 4 + x, 3 + y), Gradient(x, y)) << x << ", " << y;
    EXPECT_EQ(PixelOf(target, 3, 3), kWhite);
    EXPECT_EQ(PixelOf(target, 7, 3), kWhite);
    EXPECT_EQ(PixelOf(target, 4, 5), kWhite);
    EXPECT_EQ(mFetcher.mFetches, 2);
}

TEST_F(CBitmapDrawingTest, DrawsOnlyThePartInsideThePicture)
{
    CBitmap32 target(6, 4);
    Paint(target, White);
    COffscreenCanvas canvas(target);
    // Columns 2..4 of the picture, of which only column 2 exists.
    NSTramvell::DrawBitmapPart(canvas, 1, 1, CBitmapKey(7), CRect(2, 0, 5, 2));
    EXPECT_EQ(PixelOf(target, 1, 1), Gradient(2, 0));
    EXPECT_EQ(PixelOf(target, 1, 2), Gradient(2, 1));
    EXPECT_EQ(PixelOf(target, 2, 1), kWhite);
    EXPECT_EQ(PixelOf(target, 3, 2), kWhite);
    // Wholly outside: nothing.
    NSTramvell::DrawBitmapPart(canvas, 0, 0, CBitmapKey(7), CRect(0, 6, 3, 8));
    EXPECT_EQ(PixelOf(target, 0, 0), kWhite);
}

TEST_F(CBitmapDrawingTest, FailuresPassOn)
{
    CBitmap32 target(2, 2);
    COffscreenCanvas canvas(target);
    EXPECT_THROW(NSTramvell::DrawBitmap(canvas, 0, 0, CBitmapKey(8)), NSTramvell::XNotFound);
    NSTramvell::SetBitmapFetcher(nullptr);
    EXPECT_THROW(NSTramvell::DrawBitmap(canvas, 0, 0, CBitmapKey(7)), NSTramvell::XBase);
    EXPECT_THROW(NSTramvell::GetBitmapSize(CBitmapKey(7)), NSTramvell::XBase);
}

TEST_F(CBitmapDrawingTest, SequencesSizeAndDrawTheirFrames)
{
    // Frames one pixel wide with a divider between them: frame 1 is the picture's column 2.
    const NSTramvell::CBitmapSequence sequence(CBitmapKey(7), 2);
    CPoint size;
    sequence.GetFrameSize(size);
    EXPECT_EQ(size, CPoint(1, 2));

    CBitmap32 target(4, 3);
    Paint(target, White);
    COffscreenCanvas canvas(target);
    sequence.DrawFrame(canvas, 1, 1, 1);
    EXPECT_EQ(PixelOf(target, 1, 1), Gradient(2, 0));
    EXPECT_EQ(PixelOf(target, 1, 2), Gradient(2, 1));
    EXPECT_EQ(PixelOf(target, 0, 1), kWhite);
    EXPECT_EQ(PixelOf(target, 2, 1), kWhite);
    // Past the last frame lies outside the picture: nothing is drawn.
    sequence.DrawFrame(canvas, 0, 0, 5);
    EXPECT_EQ(PixelOf(target, 0, 0), kWhite);

    // A film strip's frames have their own size: no picture is fetched for it.
    const std::int32_t fetches = mFetcher.mFetches;
    NSTramvell::CFilmStrip(CBitmapKey(8), 2, 0, 0, 5, 6).GetFrameSize(size);
    EXPECT_EQ(size, CPoint(5, 6));
    EXPECT_EQ(mFetcher.mFetches, fetches);
}

TEST(ApplyToneCurve, MapsTheColourBytesOnly)
{
    CBitmap32 bitmap(2, 1);
    {
        NSTramvell::CPixelWriteAccess access(bitmap);
        const std::uint8_t bytes[8] = {0, 100, 200, 77, 255, 50, 150, 78};
        std::memcpy(access.GetRows().GetRow(0), bytes, sizeof bytes);
    }
    NSTramvell::CToneCurve inverse;
    for (int i = 0; i < 256; ++i)
        inverse[i] = static_cast<std::uint8_t>(255 - i);
    NSTramvell::ApplyToneCurve(bitmap, inverse);
    NSTramvell::CPixelReadAccess access(bitmap);
    const std::uint8_t* row = access.GetRows().GetRow(0);
    EXPECT_EQ(std::vector<std::uint8_t>(row, row + 8), (std::vector<std::uint8_t>{255, 155, 55, 77, 0, 205, 105, 78}));
}

TEST(ConvertToBitmap32, CopiesAnyPictureIntoANewBitmap)
{
    NSTramvell::CBitmap16 source(3, 2);
    {
        // 0RRRRRGGGGGBBBBB: pure red at (1, 0), white elsewhere.
        NSTramvell::CPixelWriteAccess access(source);
        const NSTramvell::CPixelRows& rows = access.GetRows();
        for (std::int32_t y = 0; y < 2; ++y)
            for (std::int32_t x = 0; x < 3; ++x) {
                const std::uint16_t value = x == 1 && y == 0 ? 0x7C00 : 0x7FFF;
                std::memcpy(rows.GetRow(y) + 2 * x, &value, 2);
            }
    }
    const std::unique_ptr<CBitmap32> converted = NSTramvell::ConvertToBitmap32(source);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(converted->GetLayout().width, 3);
    EXPECT_EQ(converted->GetLayout().height, 2);
    EXPECT_EQ(converted->GetLayout().bitsPerPixel, 32);
    EXPECT_EQ(PixelOf(*converted, 1, 0) & 0xF8F8F8, 0xF80000u);
    EXPECT_EQ(PixelOf(*converted, 0, 0) & 0xF8F8F8, 0xF8F8F8u);
    EXPECT_EQ(PixelOf(*converted, 2, 1) & 0xF8F8F8, 0xF8F8F8u);
}
