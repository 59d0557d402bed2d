#include "framework/views/edits/EditRules.h"

#include "framework/gui/input/KeyEvent.h"

#include <algorithm>
#include <iterator>

namespace NSTramvell {
namespace {
constexpr std::uint8_t kBackspace = 8;
// Insert, Home, Page Up, Delete, End, Page Down and the four arrows.
constexpr std::uint32_t kEditingKeys[] = {83, 84, 85, 86, 87, 88, 89, 90, 91, 92};
} // namespace

bool FitsEditLength(std::int32_t textLength, std::int32_t selectedLength, std::int32_t count,
                    std::int32_t maximumLength)
{
    return static_cast<std::int64_t>(textLength) - selectedLength + count <= maximumLength;
}

std::string CutToEditLength(const std::string& text, std::int32_t textLength, std::int32_t selectedLength,
                            std::int32_t maximumLength)
{
    const std::int64_t room = static_cast<std::int64_t>(maximumLength) - textLength + selectedLength;
    if (room <= 0)
        return std::string();
    return text.substr(0, static_cast<std::size_t>(std::min<std::int64_t>(room, static_cast<std::int64_t>(text.size()))));
}

std::string TextBeforeNul(const std::string& block)
{
    return block.substr(0, block.find('\0'));
}

bool IsKeyForEditControl(const CKeyEvent& event) noexcept
{
    if (event.GetCharacter() == kBackspace)
        return true;
    if (event.GetKind() == kKeyUp)
        return false;
    return std::find(std::begin(kEditingKeys), std::end(kEditingKeys), event.GetKeyCode()) != std::end(kEditingKeys);
}

} // namespace NSTramvell
