#include "framework/gui/menus/NativeMenuCalls.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

#include <vector>

namespace NSTramvell {
namespace NSMenuPlatform {
namespace {

constexpr UINT kReadMask = MIIM_STATE | MIIM_SUBMENU | MIIM_TYPE;
constexpr UINT kLongestItemText = 256;

// The record names the text it carries: text must outlive the platform call.
MENUITEMINFOA Describe(const CNativeMenuItem& item, std::string& text)
{
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = kReadMask;
    if (item.mIsSeparator) {
        info.fType = MFT_SEPARATOR;
        return info;
    }
    text = item.mText;
    info.fType = MFT_STRING;
    info.fState = (item.mIsGrayed ? MFS_GRAYED : 0u) | (item.mIsChecked ? MFS_CHECKED : 0u);
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    info.hSubMenu = item.mSubMenu;
    return info;
}

} // namespace

HMENU CreatePopupMenu()
{
    return GetWindowTable().CreatePopupMenu();
}

HMENU CreateMenuBar()
{
    return GetWindowTable().CreateMenu();
}

void DestroyMenu(HMENU menu) noexcept
{
    if (menu != nullptr)
        GetWindowTable().DestroyMenu(menu);
}

bool IsMenu(HMENU menu)
{
    return GetWindowTable().IsMenu(menu) != FALSE;
}

std::uint16_t GetItemCount(HMENU menu)
{
    const int count = GetWindowTable().GetMenuItemCount(menu);
    return count > 0 ? static_cast<std::uint16_t>(count) : 0;
}

bool InsertItem(HMENU menu, std::uint16_t position, const CNativeMenuItem& item)
{
    std::string text;
    const MENUITEMINFOA info = Describe(item, text);
    return GetWindowTable().InsertMenuItemA(menu, position, TRUE, &info) != FALSE;
}

bool UpdateItem(HMENU menu, std::uint16_t position, const CNativeMenuItem& item)
{
    std::string text;
    const MENUITEMINFOA info = Describe(item, text);
    return GetWindowTable().SetMenuItemInfoA(menu, position, TRUE, &info) != FALSE;
}

bool RemoveItem(HMENU menu, std::uint16_t position)
{
    return GetWindowTable().RemoveMenu(menu, position, MF_BYPOSITION) != FALSE;
}

CNativeMenuItem ReadItem(HMENU menu, std::uint16_t position)
{
    std::vector<char> text(kLongestItemText, '\0');
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = kReadMask;
    info.dwTypeData = text.data();
    info.cch = kLongestItemText - 1;
    CNativeMenuItem item;
    if (!GetWindowTable().GetMenuItemInfoA(menu, position, TRUE, &info))
        return item;
    item.mIsSeparator = (info.fType & MFT_SEPARATOR) != 0;
    item.mIsGrayed = (info.fState & MFS_GRAYED) != 0;
    item.mIsChecked = (info.fState & MFS_CHECKED) != 0;
    if (!item.mIsSeparator)
        item.mText = text.data();
    item.mSubMenu = info.hSubMenu;
    return item;
}

void EnableItem(HMENU menu, std::uint16_t position, bool enabled)
{
    GetWindowTable().EnableMenuItem(menu, position, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void CheckItem(HMENU menu, std::uint16_t position, bool checked)
{
    GetWindowTable().CheckMenuItem(menu, position, MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void SetItemId(HMENU menu, std::uint16_t position, std::uint32_t id)
{
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    info.wID = id;
    GetWindowTable().SetMenuItemInfoA(menu, position, TRUE, &info);
}

std::uint32_t GetItemId(HMENU menu, std::uint16_t position)
{
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    if (!GetWindowTable().GetMenuItemInfoA(menu, position, TRUE, &info))
        return 0;
    return info.wID;
}

void AttachMenuBar(HWND window, HMENU bar)
{
    if (window == nullptr)
        return;
    GetWindowTable().SetMenu(window, bar);
    GetWindowTable().DrawMenuBar(window);
}

} // namespace NSMenuPlatform
} // namespace NSTramvell
