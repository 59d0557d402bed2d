// The host build keeps its menus in memory, so that the menu logic runs under the sanitizers.

#include "framework/gui/menus/NativeMenuCalls.h"

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

struct HMENU__
{
    struct CEntry
    {
        NSTramvell::NSMenuPlatform::CNativeMenuItem item;
        std::uint32_t id = 0;
    };
    std::vector<CEntry> entries;
};

namespace NSTramvell {
namespace NSMenuPlatform {
namespace {

std::set<HMENU>& LiveMenus()
{
    static std::set<HMENU> menus;
    return menus;
}

HMENU MakeMenu()
{
    auto menu = std::make_unique<HMENU__>();
    LiveMenus().insert(menu.get());
    return menu.release();
}

bool IsPosition(HMENU menu, std::uint16_t position)
{
    return IsMenu(menu) && position < menu->entries.size();
}

} // namespace

HMENU CreatePopupMenu()
{
    return MakeMenu();
}

HMENU CreateMenuBar()
{
    return MakeMenu();
}

void DestroyMenu(HMENU menu) noexcept
{
    if (LiveMenus().erase(menu) == 0)
        return;
    const std::unique_ptr<HMENU__> owned(menu);
    for (const auto& entry : owned->entries)
        DestroyMenu(entry.item.mSubMenu);
}

bool IsMenu(HMENU menu)
{
    return LiveMenus().count(menu) != 0;
}

std::uint16_t GetItemCount(HMENU menu)
{
    return IsMenu(menu) ? static_cast<std::uint16_t>(menu->entries.size()) : 0;
}

bool InsertItem(HMENU menu, std::uint16_t position, const CNativeMenuItem& item)
{
    if (!IsMenu(menu))
        return false;
    const std::size_t at = std::min<std::size_t>(position, menu->entries.size());
    menu->entries.insert(menu->entries.begin() + static_cast<std::ptrdiff_t>(at), {item, 0});
    return true;
}

bool UpdateItem(HMENU menu, std::uint16_t position, const CNativeMenuItem& item)
{
    if (!IsPosition(menu, position))
        return false;
    menu->entries[position].item = item;
    return true;
}

bool RemoveItem(HMENU menu, std::uint16_t position)
{
    if (!IsPosition(menu, position))
        return false;
    menu->entries.erase(menu->entries.begin() + position);
    return true;
}

CNativeMenuItem ReadItem(HMENU menu, std::uint16_t position)
{
    return IsPosition(menu, position) ? menu->entries[position].item : CNativeMenuItem();
}

void EnableItem(HMENU menu, std::uint16_t position, bool enabled)
{
    if (IsPosition(menu, position))
        menu->entries[position].item.mIsGrayed = !enabled;
}

void CheckItem(HMENU menu, std::uint16_t position, bool checked)
{
    if (IsPosition(menu, position))
        menu->entries[position].item.mIsChecked = checked;
}

void SetItemId(HMENU menu, std::uint16_t position, std::uint32_t id)
{
    if (IsPosition(menu, position))
        menu->entries[position].id = id;
}

std::uint32_t GetItemId(HMENU menu, std::uint16_t position)
{
    return IsPosition(menu, position) ? menu->entries[position].id : 0;
}

// The host has no windows to show a bar in.
void AttachMenuBar(HWND, HMENU) {}

} // namespace NSMenuPlatform
} // namespace NSTramvell
