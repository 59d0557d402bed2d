#pragma once

// The platform's menu operations as the menu classes need them, one function each, so that the menu
// logic builds and is tested without the platform: Windows builds bind them to the bound tables, the host
// build to an in-memory menu that behaves as the platform's does (destroying a menu destroys the sub
// menus attached to it).

#include <cstdint>
#include <string>

struct HMENU__;
typedef struct HMENU__* HMENU;
struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {
namespace NSMenuPlatform {

// One native item as the menus write it and as tests read it back.
struct CNativeMenuItem
{
    bool mIsSeparator = false;
    bool mIsGrayed = false;
    bool mIsChecked = false;
    std::string mText;
    HMENU mSubMenu = nullptr;
};

// Null when the platform cannot make one.
HMENU CreatePopupMenu();
HMENU CreateMenuBar();
void DestroyMenu(HMENU menu) noexcept;
bool IsMenu(HMENU menu);
std::uint16_t GetItemCount(HMENU menu);

bool InsertItem(HMENU menu, std::uint16_t position, const CNativeMenuItem& item);
bool UpdateItem(HMENU menu, std::uint16_t position, const CNativeMenuItem& item);
bool RemoveItem(HMENU menu, std::uint16_t position);
CNativeMenuItem ReadItem(HMENU menu, std::uint16_t position);
void EnableItem(HMENU menu, std::uint16_t position, bool enabled);
void CheckItem(HMENU menu, std::uint16_t position, bool checked);
// The number a chosen item reports; 0 where none was set.
void SetItemId(HMENU menu, std::uint16_t position, std::uint32_t id);
std::uint32_t GetItemId(HMENU menu, std::uint16_t position);
// Gives the window the bar as its menu and redraws its menu bar.
void AttachMenuBar(HWND window, HMENU bar);

} // namespace NSMenuPlatform
} // namespace NSTramvell
