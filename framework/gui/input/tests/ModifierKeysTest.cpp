#include "framework/gui/input/ModifierKeys.h"
#include "framework/gui/input/MouseEvent.h"

#include <gtest/gtest.h>

using NSTramvell::CModifierKeys;

TEST(CModifierKeys, HeldKeysSetTheirBytesAndTheTestsReadThem)
{
    const struct {
        bool caps, shift, control, alt;
        std::array<std::uint8_t, 10> bytes;
        bool isShift, isCommand, isControl, isAlt;
    } kCases[] = {
        {false, false, false, false, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, false, false, false, false},
        {false, false, true, true, {0, 0, 1, 0, 1, 1, 0, 0, 1, 0}, false, false, true, true},
        {false, false, true, false, {0, 0, 1, 0, 0, 0, 0, 0, 1, 0}, false, true, true, false},
        {true, true, false, false, {1, 1, 0, 0, 0, 0, 0, 0, 0, 1}, true, false, false, false},
        {false, false, false, true, {0, 0, 0, 0, 1, 0, 0, 0, 0, 0}, false, false, false, true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.caps << c.shift << c.control << c.alt);
        const CModifierKeys keys = CModifierKeys::FromHeldKeys(c.caps, c.shift, c.control, c.alt);
        EXPECT_EQ(keys, CModifierKeys(c.bytes));
        EXPECT_EQ(keys.IsShiftDown(), c.isShift);
        EXPECT_EQ(keys.IsCommandDown(), c.isCommand);
        EXPECT_EQ(keys.IsControlDown(), c.isControl);
        EXPECT_EQ(keys.IsAltDown(), c.isAlt);
        EXPECT_EQ(keys.IsCapsLockDown(), c.caps);
    }
}

TEST(CMouseEvent, DefaultIsAPlainPressAtTheOrigin)
{
    const NSTramvell::CMouseEvent event;
    EXPECT_TRUE(event.IsPress());
    EXPECT_FALSE(event.IsDoubleClick());
    EXPECT_FALSE(event.IsSimulated());
    EXPECT_EQ(event.GetPosition(), NSTramvell::CPoint(0, 0));
    EXPECT_EQ(event.GetModifiers(), CModifierKeys());

    const NSTramvell::CMouseEvent made(NSTramvell::CMouseEvent::kDoubleClick, NSTramvell::CPoint(-3, 7), 9,
                                       CModifierKeys::FromHeldKeys(false, true, false, false), true);
    EXPECT_TRUE(made.IsDoubleClick());
    EXPECT_TRUE(made.IsSimulated());
    EXPECT_EQ(made.GetX(), -3);
    EXPECT_TRUE(made.GetModifiers().IsShiftDown());
}
