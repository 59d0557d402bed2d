#include "framework/gui/geometry/KeyboardGeometry.h"

#include "framework/gui/geometry/Rect.h"

#include <gtest/gtest.h>

namespace {

using namespace NSTramvell;

TEST(KeyboardGeometry, KeyKindsRepeatEveryOctaveFromC)
{
    const EPianoKeyKind kOctave[12] = {kWhiteKeyBlackOnRight, kBlackKey, kWhiteKeyBetweenBlack, kBlackKey,
                                       kWhiteKeyBlackOnLeft, kWhiteKeyBlackOnRight, kBlackKey,
                                       kWhiteKeyBetweenBlack, kBlackKey, kWhiteKeyBetweenBlack, kBlackKey,
                                       kWhiteKeyBlackOnLeft};
    for (std::int32_t note = 0; note < 128; ++note) {
        const auto key = static_cast<std::uint8_t>(note);
        ASSERT_EQ(GetPianoKeyKind(key), kOctave[note % 12]) << note;
        EXPECT_EQ(IsBlackKey(key), kOctave[note % 12] == kBlackKey) << note;
        // A white key's kind names its black neighbours.
        if (note > 0 && !IsBlackKey(key)) {
            const bool blackOnLeft = IsBlackKey(static_cast<std::uint8_t>(note - 1));
            EXPECT_EQ(blackOnLeft, GetPianoKeyKind(key) != kWhiteKeyBlackOnRight) << note;
        }
    }
}

TEST(KeyboardGeometry, LowerPartsReachUnderTheBlackNeighbours)
{
    const CRect keyboard(100, 20, 100 + 128 * 10, 120); // black keys 60 high
    const struct { std::uint8_t note; EPianoKeyKind kind; std::int32_t lowerLeft, lowerRight; } kCases[] = {
        {0, kWhiteKeyBlackOnRight, 0, 14}, {1, kBlackKey, 0, 9}, {2, kWhiteKeyBetweenBlack, -6, 14},
        {4, kWhiteKeyBlackOnLeft, -6, 10}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(int{c.note});
        CRect upper;
        CRect lower;
        EXPECT_EQ(GetKeyRects(c.note, keyboard, 10, upper, lower), c.kind);
        const std::int32_t left = 100 + c.note * 10;
        EXPECT_EQ(upper, CRect(left, 20, left + 10, 80));
        EXPECT_EQ(lower, CRect(left + c.lowerLeft, 80, left + c.lowerRight, 120));
    }
    // An odd width splits its halves unevenly: half 3, rest 4.
    CRect upper;
    CRect lower;
    GetKeyRects(2, keyboard, 7, upper, lower);
    EXPECT_EQ(lower, CRect(114 - 4, 80, 114 + 10, 120));
}

TEST(KeyboardGeometry, HitTestsFindTheKeyUnderThePoint)
{
    const CRect keyboard(0, 0, 128 * 10, 100);
    const struct { std::int32_t x, y, keyWidth; std::uint8_t note; const char* where; } kCases[] = {
        {35, 59, 10, 3, "a black key's upper part"},
        {35, 60, 10, 4, "the white key below it, on the right"},
        {32, 60, 10, 2, "the white key below it, on the left"},
        {15, 30, 10, 1, "the black key of C sharp"},
        {12, 80, 10, 0, "C's lower part under C sharp"},
        {0, 0, 10, 0, "the keyboard's top-left pixel"},
        {-1, 50, 10, kNoKeyHit, "left of the keyboard"},
        {-15, 50, 10, kNoKeyHit, "a column index that wraps in 8 bits"},
        {5, 100, 10, kNoKeyHit, "on the bottom edge"},
        {5, -1, 10, kNoKeyHit, "above the keyboard"},
        {5, 50, 0, kNoKeyHit, "key width 0"},
        {5, 50, -3, kNoKeyHit, "a negative key width"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(FindKeyAt(CPoint(c.x, c.y), keyboard, c.keyWidth), c.note);
    }
}

} // namespace
