#include "framework/gui/input/KeyEvent.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSTramvell {
namespace NSKeyPlatform {

std::uint32_t MapVirtualKeyToCharacter(std::uint32_t virtualKey)
{
    return GetWindowTable().MapVirtualKeyA(virtualKey, MAPVK_VK_TO_CHAR);
}

} // namespace NSKeyPlatform
} // namespace NSTramvell
