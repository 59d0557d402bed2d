#include "framework/gui/menus/PopupMenu.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/menus/MenuBar.h"

namespace NSTramvell {
namespace {

// The chosen item's number comes back as the result, and no command message is sent.
constexpr UINT kLeftButtonFlags = TPM_RETURNCMD | TPM_NONOTIFY;

bool Track(CMenu& menu, IRegisteredWindow& window, const CPoint& screenPoint, UINT flags, std::uint16_t& index,
           CMenu*& chosenMenu)
{
    window.UpdateNow();
    index = kNoItemIndex;
    chosenMenu = nullptr;
    menu.UpdateItemsRecursive(kFirstNativeItemId);
    const BOOL chosen = GetWindowTable().TrackPopupMenu(menu.GetNativeHandle(), flags, screenPoint.GetX(),
                                                        screenPoint.GetY(), 0, window.GetNativeHandle(), nullptr);
    if (chosen == 0)
        return false;
    if (menu.FindNativeItem(static_cast<std::uint16_t>(chosen), chosenMenu, index))
        return true;
    index = kNoItemIndex;
    chosenMenu = nullptr;
    return false;
}

} // namespace

bool TrackPopup(CMenu& menu, IRegisteredWindow& window, const CPoint& screenPoint, bool leftButton,
                std::uint16_t& index, CMenu*& chosenMenu)
{
    const UINT flags = leftButton ? kLeftButtonFlags : kLeftButtonFlags | TPM_RIGHTBUTTON;
    return Track(menu, window, screenPoint, flags, index, chosenMenu);
}

bool TrackPopupAt(CMenu& menu, IRegisteredWindow& window, const CPoint& screenPoint, std::uint16_t& index,
                  CMenu*& chosenMenu)
{
    return Track(menu, window, screenPoint, kLeftButtonFlags, index, chosenMenu);
}

} // namespace NSTramvell
