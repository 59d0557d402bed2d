#include "framework/gui/images/BitmapSequence.h"

#include <gtest/gtest.h>

#include <stdexcept>

using NSTramvell::CBitmapKey;
using NSTramvell::CRect;

TEST(BitmapSequences, PlaceTheirFrames)
{
    const CBitmapKey key(200);
    const NSTramvell::CBitmapSequence sideBySide(key, 4);
    const NSTramvell::CVerticalBitmapSequence single(key, 1);
    const NSTramvell::CFilmStrip strip(key, 3, 4, 5, 30, 20);
    const NSTramvell::CVerticalFilmStrip spread(key, 3, 20);
    struct { const NSTramvell::CABCBitmapSequence* sequence; std::int32_t width, height; std::uint16_t index;
             CRect expected; } kCases[] = {
        {&sideBySide, 39, 12, 3, CRect(30, 0, 39, 12)},   // frames 9 wide with dividers
        {&sideBySide, 39, 12, 0, CRect(0, 0, 9, 12)},
        {&single, 8, 15, 0, CRect(0, 0, 8, 15)},          // (H + 1) / 1 - 1 = H
        {&strip, 0, 0, 2, CRect(4, 77, 34, 97)},          // 5 + (20 + 16) x 2
        {&spread, 10, 70, 0, CRect(0, 0, 10, 20)},        // gap (70 - 60) / 2 = 5
        {&spread, 10, 70, 1, CRect(0, 25, 10, 45)},
        {&spread, 10, 70, 2, CRect(0, 50, 10, 70)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " frame " << c.index);
        CRect frame(-1, -1, -1, -1);
        c.sequence->GetFrameRect(frame, c.width, c.height, c.index);
        EXPECT_EQ(frame, c.expected);
    }
}

TEST(BitmapSequences, SizeTheirFrames)
{
    const CBitmapKey key(200);
    using NSTramvell::CPoint;
    EXPECT_EQ(NSTramvell::CBitmapSequence(key, 4).GetFrameSizeIn(39, 12), CPoint(9, 12));
    EXPECT_EQ(NSTramvell::CVerticalBitmapSequence(key, 1).GetFrameSizeIn(8, 15), CPoint(8, 15));
    EXPECT_EQ(NSTramvell::CVerticalBitmapSequence(key, 3).GetFrameSizeIn(8, 32), CPoint(8, 10));
    EXPECT_EQ(NSTramvell::CFilmStrip(key, 3, 4, 5, 30, 20).GetFrameSizeIn(99, 99), CPoint(30, 20));
    EXPECT_EQ(NSTramvell::CVerticalFilmStrip(key, 3, 20).GetFrameSizeIn(10, 70), CPoint(10, 20));
}

TEST(BitmapSequences, RefuseCountsTheyCannotDivideBy)
{
    const CBitmapKey key(200);
    EXPECT_THROW(NSTramvell::CBitmapSequence(key, 0), std::invalid_argument);
    EXPECT_THROW(NSTramvell::CVerticalBitmapSequence(key, 0), std::invalid_argument);
    EXPECT_THROW(NSTramvell::CFilmStrip(key, 0, 0, 0, 1, 1), std::invalid_argument);
    EXPECT_THROW(NSTramvell::CVerticalFilmStrip(key, 1, 20), std::invalid_argument);
    EXPECT_EQ(NSTramvell::CVerticalFilmStrip(key, 2, 20).GetFrameCount(), 2);
}
