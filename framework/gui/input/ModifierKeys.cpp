#include "framework/gui/input/ModifierKeys.h"

namespace NSTramvell {

CModifierKeys CModifierKeys::FromHeldKeys(bool capsLock, bool shift, bool control, bool alt) noexcept
{
    const auto flag = [](bool held) { return static_cast<std::uint8_t>(held ? 1 : 0); };
    return CModifierKeys({flag(capsLock), flag(shift), flag(control), 0, flag(alt), flag(alt && control), 0, 0,
                          flag(control), flag(shift)});
}

} // namespace NSTramvell
