#include "framework/views/scrolling/SingleLineKeys.h"

#include "framework/gui/input/KeyEvent.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace NSTramvell {

namespace {
constexpr std::uint8_t kBackspace = 8;
// Backspace, Insert, Home, Delete, End, the four arrows and Num Lock.
constexpr std::uint32_t kEditingKeys[] = {32, 83, 84, 86, 87, 89, 90, 91, 92, 93};
} // namespace

bool IsKeyForSingleLineControl(const CKeyEvent& event) noexcept
{
    if (event.GetCharacter() == kBackspace)
        return true;
    if (event.GetKind() == kKeyUp)
        return false;
    return std::find(std::begin(kEditingKeys), std::end(kEditingKeys), event.GetKeyCode()) != std::end(kEditingKeys);
}

} // namespace NSTramvell
