#include "framework/gui/input/ModifierKeys.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSTramvell {
namespace {

constexpr SHORT kHeldBit = static_cast<SHORT>(0x8000);

template <typename TKeyState>
CModifierKeys ReadHeldKeys(TKeyState keyState)
{
    const auto held = [keyState](int key) { return (keyState(key) & kHeldBit) != 0; };
    const bool alt = held(VK_MENU);
    const bool control = held(VK_CONTROL);
    const bool shift = held(VK_SHIFT);
    const bool capsLock = held(VK_CAPITAL);
    return CModifierKeys::FromHeldKeys(capsLock, shift, control, alt);
}

} // namespace

void CModifierKeys::ReadForEvent(CModifierKeys& out)
{
    out = ReadHeldKeys(GetWindowTable().GetKeyState);
}

void CModifierKeys::ReadCurrent(CModifierKeys& out)
{
    out = ReadHeldKeys(GetWindowTable().GetAsyncKeyState);
}

} // namespace NSTramvell
