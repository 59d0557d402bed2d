// What the length limit lets in, clipboard text, and the keys an edit control keeps.

#include "framework/gui/input/KeyEvent.h"
#include "framework/views/edits/EditRules.h"

#include <gtest/gtest.h>

using NSTramvell::CKeyEvent;

TEST(EditRules, TheLengthTestCountsTheTextLessTheSelectionPlusTheNewCharacters)
{
    EXPECT_TRUE(NSTramvell::FitsEditLength(8, 0, 2, 10));
    EXPECT_FALSE(NSTramvell::FitsEditLength(8, 0, 3, 10));
    EXPECT_TRUE(NSTramvell::FitsEditLength(10, 4, 4, 10));
    EXPECT_FALSE(NSTramvell::FitsEditLength(2147483647, 0, 1, 2147483647));   // no wrap

    EXPECT_EQ(NSTramvell::CutToEditLength("abcd", 8, 0, 10), "ab");
    EXPECT_EQ(NSTramvell::CutToEditLength("abcd", 8, 5, 10), "abcd");
    EXPECT_EQ(NSTramvell::CutToEditLength("abcd", 10, 0, 10), "");
    EXPECT_EQ(NSTramvell::CutToEditLength("abcd", 12, 0, 10), "");
}

TEST(EditRules, ClipboardTextEndsAtItsFirstNul)
{
    EXPECT_EQ(NSTramvell::TextBeforeNul(std::string("a\r\nb\0junk", 9)), "a\r\nb");
    EXPECT_EQ(NSTramvell::TextBeforeNul("whole"), "whole");
}

TEST(EditRules, TheControlKeepsBackspaceAlwaysAndEditingKeysOnlyGoingDown)
{
    const NSTramvell::CModifierKeys none;
    const struct
    {
        std::uint32_t mCode, mKind;
        std::uint8_t mCharacter;
        bool mForControl;
    } kCases[] = {
        {0, NSTramvell::kKeyUp, 8, true},          {84, NSTramvell::kKeyDown, 0, true},
        {88, NSTramvell::kKeyRepeat, 0, true},     {92, NSTramvell::kKeyDown, 0, true},
        {92, NSTramvell::kKeyUp, 0, false},        {33, NSTramvell::kKeyDown, 0, false},
        {46, NSTramvell::kKeyDown, 0, false},      {0, NSTramvell::kKeyDown, 'x', false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.mCode << " " << c.mKind << " " << int(c.mCharacter));
        EXPECT_EQ(NSTramvell::IsKeyForEditControl(CKeyEvent(none, c.mCode, c.mKind, 0, c.mCharacter)), c.mForControl);
    }
}
