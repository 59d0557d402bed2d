#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/input/KeyEvent.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

namespace {

UINT gMappingKind = 0;

// The layout of the test: 'C' types c, the key beside Backspace is a dead circumflex.
UINT FakeMapVirtualKey(UINT virtualKey, UINT kind)
{
    gMappingKind = kind;
    if (virtualKey == 'C')
        return 'C';
    if (virtualKey == VK_OEM_6)
        return 0x8000u | '^';
    return 0;
}

} // namespace

TEST(CKeyEvent, UnshiftedCharacterAsksTheLayoutAndDropsDeadKeys)
{
    CScopedTableEntry layout(GetWindowTable().MapVirtualKeyA, &FakeMapVirtualKey);
    const struct
    {
        std::uintptr_t virtualKey;
        std::uint32_t character;
    } kCases[] = {{'C', 'C'}, {VK_OEM_6, 0}, {VK_F1, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.virtualKey);
        gMappingKind = 99;
        const CKeyEvent event(kKeyDownMessage, c.virtualKey, 0, 0, CModifierKeys());
        EXPECT_EQ(event.GetUnshiftedCharacter(), c.character);
        EXPECT_EQ(gMappingKind, static_cast<UINT>(MAPVK_VK_TO_CHAR));
    }
}
