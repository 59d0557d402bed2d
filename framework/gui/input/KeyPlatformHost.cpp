// The host build has no keyboard layout: letters and digits, whose virtual keys are their own capital
// characters on every layout, map to themselves; other keys type nothing.

#include "framework/gui/input/KeyEvent.h"

namespace NSTramvell {
namespace NSKeyPlatform {

std::uint32_t MapVirtualKeyToCharacter(std::uint32_t virtualKey)
{
    const bool letter = virtualKey >= 'A' && virtualKey <= 'Z';
    const bool digit = virtualKey >= '0' && virtualKey <= '9';
    return letter || digit ? virtualKey : 0;
}

} // namespace NSKeyPlatform
} // namespace NSTramvell
