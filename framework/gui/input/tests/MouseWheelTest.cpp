#include "framework/gui/input/MouseWheel.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

TEST(MakeMouseWheelEvent, CountsWholeNotchesAndSignedPositions)
{
    const CModifierKeys shift = CModifierKeys::FromHeldKeys(false, true, false, false);
    const struct
    {
        std::int16_t delta;
        std::uint32_t packedPosition;
        std::int16_t steps;
        CPoint position;
    } kCases[] = {
        {240, 0x00200010, 2, CPoint(16, 32)},   {-120, 0xFFFF0005, -1, CPoint(5, -1)},
        {100, 0x0000FFFF, 0, CPoint(-1, 0)},    {-100, 0x80007FFF, 0, CPoint(32767, -32768)},
        {-360, 0, -3, CPoint(0, 0)},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.delta);
        const std::uintptr_t wParam = static_cast<std::uintptr_t>(static_cast<std::uint16_t>(c.delta)) << 16 | 0x0008;
        const auto lParam = static_cast<std::intptr_t>(static_cast<std::int32_t>(c.packedPosition));
        const CMouseEventRecord event = MakeMouseWheelEvent(wParam, lParam, shift);
        EXPECT_EQ(event.GetCode(), c.steps);
        EXPECT_EQ(event.GetPosition(), c.position);
        EXPECT_EQ(event.GetModifiers(), shift);
    }
}
