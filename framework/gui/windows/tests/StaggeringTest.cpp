#include "framework/gui/windows/Staggering.h"

#include <gtest/gtest.h>

using NSTramvell::CPoint;

TEST(Staggering, TakesTheSlotWithFewestWindowsLowerFirst)
{
    const CPoint origin(10, 20);
    const std::int32_t step = 30;
    const auto corner = [&](int slot) { return NSTramvell::GetStaggerCorner(origin, step, slot); };
    const struct {
        const char* name;
        std::vector<CPoint> others;
        std::int32_t slot;
    } kCases[] = {
        {"no other window", {}, 0},
        {"two at slot 0, none at 1", {corner(0), corner(0)}, 1},
        {"one at each of slots 0 to 2", {corner(0), corner(1), corner(2)}, 3},
        {"one in every slot, two at 5", {corner(0), corner(1), corner(2), corner(3), corner(4), corner(5), corner(5),
                                         corner(6), corner(7)},
         0},
        {"near a corner is not on it", {CPoint(11, 20), CPoint(10, 21)}, 0},
        {"all slots taken but the last", {corner(0), corner(1), corner(2), corner(3), corner(4), corner(5), corner(6)},
         7},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NSTramvell::ChooseStaggerSlot(origin, step, c.others), c.slot);
    }
    EXPECT_EQ(corner(2), CPoint(70, 80));
}
