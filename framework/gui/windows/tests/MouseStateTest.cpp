// The mouse's state reads the physical button the user made primary.

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/windows/WindowHelpers.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {

int gSwapButtons = 0;
int gHeldButton = 0;

} // namespace

TEST(IsPrimaryButtonDown, SwappedButtonsReadTheRightButton)
{
    CScopedTableEntry metrics(GetWindowTable().GetSystemMetrics,
                              [](int index) -> int { return index == SM_SWAPBUTTON ? gSwapButtons : 0; });
    CScopedTableEntry keys(GetWindowTable().GetAsyncKeyState, [](int key) -> SHORT {
        return static_cast<SHORT>(key == gHeldButton ? 0x8000 : 0x0001);
    });
    const struct
    {
        int swap;
        int held;
        bool down;
    } kCases[] = {{0, VK_LBUTTON, true}, {0, VK_RBUTTON, false}, {1, VK_RBUTTON, true}, {1, VK_LBUTTON, false}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.swap << " " << c.held);
        gSwapButtons = c.swap;
        gHeldButton = c.held;
        EXPECT_EQ(IsPrimaryButtonDown(), c.down);
        CMouseState state;
        GetMouseState(state);
        EXPECT_EQ(state.mButtonDown, c.down);
    }
}
