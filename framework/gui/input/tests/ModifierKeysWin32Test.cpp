#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/input/ModifierKeys.h"

#include <gtest/gtest.h>

using NSTramvell::CModifierKeys;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;

namespace {

// Alt and Control held; the other keys up, though their low bits (toggle state) are set.
SHORT FakeAltControl(int key)
{
    return static_cast<SHORT>((key == VK_MENU || key == VK_CONTROL) ? 0x8000 : 0x0001);
}

} // namespace

TEST(CModifierKeys, AltControlIsNoCommandButStillControl)
{
    CScopedTableEntry eventState(GetWindowTable().GetKeyState, &FakeAltControl);
    CScopedTableEntry currentState(GetWindowTable().GetAsyncKeyState, &FakeAltControl);
    CModifierKeys forEvent;
    CModifierKeys::ReadForEvent(forEvent);
    CModifierKeys current;
    CModifierKeys::ReadCurrent(current);
    for (const CModifierKeys& keys : {forEvent, current}) {
        EXPECT_EQ(keys, CModifierKeys({0, 0, 1, 0, 1, 1, 0, 0, 1, 0}));
        EXPECT_FALSE(keys.IsCommandDown());
        EXPECT_TRUE(keys.IsControlDown());
    }
}
