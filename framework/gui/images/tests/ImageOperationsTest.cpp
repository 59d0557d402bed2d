#include "framework/gui/images/ImageOperations.h"

#include "framework/gui/images/tests/TestPicture.h"

#include <gtest/gtest.h>

using NSTramvell::CRect;
using NSTramvellTest::CTestPicture;
using Bytes = std::vector<std::uint8_t>;

TEST(GetCornerRGB, ReadsTheFirstPixelOfTheLastRow)
{
    for (const std::int32_t height : {1, 3}) {
        SCOPED_TRACE(height);
        CTestPicture picture(2, height);
        picture.FillWith(9, 9, 9, 0);
        picture.Set(0, height - 1, 0x30, 0x20, 0x10);
        EXPECT_EQ(NSTramvell::GetCornerRGB(picture.Rows()), 0x102030u);
    }
}

TEST(TintPixels, AveragesEveryPixelButTheSkipColourAndKeepsTheFourthByte)
{
    CTestPicture picture(3, 1);
    picture.Set(0, 0, 255, 255, 255, 7);  // white, tinted with black
    picture.Set(1, 0, 1, 2, 3, 7);        // the skip colour
    picture.Set(2, 0, 100, 50, 0, 7);
    NSTramvell::TintPixels(picture.Rows(), NSTramvell::MakeRGB(3, 2, 1), NSTramvell::MakeRGB(0, 0, 0));
    EXPECT_EQ(picture.Get(0, 0), (Bytes{127, 127, 127, 7}));
    EXPECT_EQ(picture.Get(1, 0), (Bytes{1, 2, 3, 7}));
    EXPECT_EQ(picture.Get(2, 0), (Bytes{50, 25, 0, 7}));
}

TEST(ClipBlitRects, ClipsAgainstBothPictures)
{
    const NSTramvell::CImageLayout source{10, 10, 40, 32};
    const NSTramvell::CImageLayout destination{8, 8, 32, 32};
    CRect sourceRect;
    CRect destinationRect;
    EXPECT_FALSE(NSTramvell::ClipBlitRects(destination, 0, 0, source, 10, 0, 4, 4, sourceRect, destinationRect));
    EXPECT_FALSE(NSTramvell::ClipBlitRects(destination, 8, 0, source, 0, 0, 4, 4, sourceRect, destinationRect));

    // Past the destination's right edge by two: both sides lose the same two columns.
    ASSERT_TRUE(NSTramvell::ClipBlitRects(destination, 6, 1, source, 2, 3, 4, 4, sourceRect, destinationRect));
    EXPECT_EQ(sourceRect, CRect(2, 3, 4, 7));
    EXPECT_EQ(destinationRect, CRect(6, 1, 8, 5));

    // Starting left of the source moves the destination's start by as much.
    ASSERT_TRUE(NSTramvell::ClipBlitRects(destination, 0, 0, source, -2, 0, 4, 1, sourceRect, destinationRect));
    EXPECT_EQ(sourceRect, CRect(0, 0, 2, 1));
    EXPECT_EQ(destinationRect, CRect(2, 0, 4, 1));
}

TEST(AlphaBlendPixels, BlendsByTheSourceAlpha)
{
    CTestPicture source(4, 1);
    source.Set(0, 0, 255, 255, 255, 128);
    source.Set(1, 0, 255, 255, 255, 0);
    source.Set(2, 0, 10, 20, 30, 255);
    source.Set(3, 0, 200, 100, 0, 64);

    struct { bool destinationHasAlpha; Bytes expected[4]; } kCases[] = {
        {false, {{128, 128, 128, 40}, {0, 0, 0, 40}, {10, 20, 30, 40}, {50, 25, 0, 40}}},
        // alpha (128/255 + 40/255 - 40/255 * 128/255) x 255 = 147.9...
        {true, {{128, 128, 128, 148}, {0, 0, 0, 40}, {10, 20, 30, 255}, {50, 25, 0, 94}}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.destinationHasAlpha);
        CTestPicture destination(4, 1);
        destination.FillWith(0, 0, 0, 40);
        NSTramvell::AlphaBlendPixels(destination.Rows(), c.destinationHasAlpha, 0, 0, source.Rows(), 0, 0, 4, 1);
        for (std::int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(destination.Get(x, 0), c.expected[x]) << "pixel " << x;
    }
}

TEST(AlphaBlendPixels, StaysInsideTheDestination)
{
    CTestPicture source(3, 3);
    source.FillWith(255, 255, 255, 255);
    CTestPicture destination(2, 2);
    NSTramvell::AlphaBlendPixels(destination.Rows(), false, 1, 1, source.Rows(), 0, 0, 3, 3);
    EXPECT_EQ(destination.Get(0, 0), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(destination.Get(1, 1), (Bytes{255, 255, 255, 0}));
}

TEST(AddPixels, SaturatesAndKeepsTheFourthByte)
{
    CTestPicture source(1, 1);
    source.Set(0, 0, 200, 10, 0, 99);
    CTestPicture destination(1, 1);
    destination.Set(0, 0, 100, 20, 255, 5);
    NSTramvell::AddPixels(destination.Rows(), 0, 0, source.Rows(), 0, 0, 1, 1);
    EXPECT_EQ(destination.Get(0, 0), (Bytes{255, 30, 255, 5}));
}

TEST(MultiplyPixels, ScalesEachChannelByTheOther)
{
    CTestPicture first(1, 1);
    CTestPicture second(1, 1);
    CTestPicture destination(1, 1);
    first.Set(0, 0, 255, 100, 0, 1);
    second.Set(0, 0, 128, 200, 77, 2);
    destination.Set(0, 0, 1, 1, 1, 3);
    NSTramvell::MultiplyPixels(destination.Rows(), first.Rows(), second.Rows());
    EXPECT_EQ(destination.Get(0, 0), (Bytes{128, 78, 0, 3}));
}

TEST(RotatePixels32, TurnsAQuarterCounterClockwise)
{
    // 3 x 2 source, pixels numbered by their first byte: 1 2 3 / 4 5 6.
    CTestPicture source(3, 2);
    for (std::int32_t y = 0; y < 2; ++y)
        for (std::int32_t x = 0; x < 3; ++x)
            source.Set(x, y, static_cast<std::uint8_t>(1 + x + 3 * y), 0, 0, 0);
    CTestPicture rotated(2, 3);
    NSTramvell::RotatePixels32(source.Rows(), 0, 0, rotated.Rows(), 0, 0, 3, 2);
    const std::uint8_t expected[3][2] = {{3, 6}, {2, 5}, {1, 4}};
    for (std::int32_t y = 0; y < 3; ++y)
        for (std::int32_t x = 0; x < 2; ++x)
            EXPECT_EQ(rotated.Get(x, y)[0], expected[y][x]) << x << ", " << y;
}

TEST(MarkColorInMask, MarksAndBlackensEveryPixelOfTheColour)
{
    // 33 wide: the mark of pixel 32 is bit 0x80 of the fifth byte of its row.
    CTestPicture picture(33, 2);
    picture.FillWith(1, 2, 3, 9);
    picture.Set(32, 1, 30, 20, 10, 9);
    picture.Set(0, 0, 30, 20, 10, 9);
    CTestPicture mask(33, 2, 1);
    std::memset(mask.Rows().GetRow(0), 0xFF, 8);  // marks left by an earlier colour

    NSTramvell::MarkColorInMask(picture.Rows(), mask.Rows(), NSTramvell::MakeRGB(10, 20, 30));
    // The bits past pixel 32 are padding and stay as they were.
    EXPECT_EQ(Bytes(mask.Rows().GetRow(0), mask.Rows().GetRow(0) + 5), (Bytes{0x80, 0, 0, 0, 0x7F}));
    EXPECT_EQ(Bytes(mask.Rows().GetRow(1), mask.Rows().GetRow(1) + 5), (Bytes{0, 0, 0, 0, 0x80}));
    EXPECT_EQ(picture.Get(32, 1), (Bytes{0, 0, 0, 9}));
    EXPECT_EQ(picture.Get(1, 1), (Bytes{1, 2, 3, 9}));
}

TEST(MakeMaskPixels, MarksTheRectangleFromItsCorner)
{
    CTestPicture source(4, 2);
    source.Set(2, 1, 5, 5, 5);
    source.Set(1, 1, 5, 5, 5);
    CTestPicture mask(4, 2, 1);
    NSTramvell::MakeMaskPixels(source.Rows(), 1, 1, 2, 1, NSTramvell::MakeRGB(5, 5, 5), mask.Rows());
    EXPECT_EQ(mask.Rows().GetRow(0)[0], 0xC0);
    EXPECT_EQ(source.Get(1, 1), (Bytes{5, 5, 5, 0}));
}

TEST(ReplacePixelColor, ReplacesOnlyTheOldColourAndClearsItsFourthByte)
{
    CTestPicture picture(2, 1);
    picture.Set(0, 0, 1, 2, 3, 200);
    picture.Set(1, 0, 1, 2, 4, 200);
    NSTramvell::ReplacePixelColor(picture.Rows(), NSTramvell::MakeRGB(7, 8, 9), NSTramvell::MakeRGB(3, 2, 1));
    EXPECT_EQ(picture.Get(0, 0), (Bytes{9, 8, 7, 0}));
    EXPECT_EQ(picture.Get(1, 0), (Bytes{1, 2, 4, 200}));
}

TEST(SetPixelsFromRGBBytes, StoresTriplesInPixelOrder)
{
    CTestPicture picture(1, 2);
    picture.FillWith(0, 0, 0, 6);
    const std::uint8_t triples[] = {1, 2, 3, 4, 5, 6};
    NSTramvell::SetPixelsFromRGBBytes(picture.Rows(), triples);
    EXPECT_EQ(picture.Get(0, 0), (Bytes{3, 2, 1, 6}));
    EXPECT_EQ(picture.Get(0, 1), (Bytes{6, 5, 4, 6}));
}
