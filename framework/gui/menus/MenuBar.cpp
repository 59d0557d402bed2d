#include "framework/gui/menus/MenuBar.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/input/KeyEvent.h"

namespace NSTramvell {

CMenuBar::CMenuBar() : mNativeBar(NSMenuPlatform::CreateMenuBar())
{
    if (mNativeBar == nullptr)
        throw XBase();
}

CMenuBar::~CMenuBar()
{
    // The menus' owners destroy the native menus; removing the entries keeps the bar's destruction from
    // taking them along.
    for (std::uint16_t i = NSMenuPlatform::GetItemCount(mNativeBar); i-- > 0;)
        NSMenuPlatform::RemoveItem(mNativeBar, i);
    NSMenuPlatform::DestroyMenu(mNativeBar);
}

void CMenuBar::AppendMenu(CMenu& menu)
{
    NSMenuPlatform::CNativeMenuItem entry;
    entry.mText = MarkMnemonic(menu.GetTitle().GetString(), menu.GetMnemonic());
    entry.mSubMenu = menu.GetNativeHandle();
    if (!NSMenuPlatform::InsertItem(mNativeBar, NSMenuPlatform::GetItemCount(mNativeBar), entry))
        throw XBase();
    mMenus.push_back(&menu);
    // Only document windows carry the bar; one made later attaches it itself.
    for (IRegisteredWindow* window : GetWindowList()) {
        if (window->IsDocumentWindow())
            NSMenuPlatform::AttachMenuBar(window->GetNativeHandle(), mNativeBar);
    }
}

CMenu* CMenuBar::FindMenuByHandle(HMENU handle) const noexcept
{
    for (CMenu* menu : mMenus) {
        if (menu->GetNativeHandle() == handle)
            return menu;
    }
    return nullptr;
}

void CMenuBar::EnableCommand(std::uint32_t commandId, bool enabled)
{
    for (CMenu* menu : mMenus)
        menu->EnableCommand(commandId, enabled);
}

void CMenuBar::CheckCommand(std::uint32_t commandId, bool checked)
{
    for (CMenu* menu : mMenus)
        menu->CheckCommand(commandId, checked);
}

void CMenuBar::EndUpdate() noexcept
{
    if (mUpdateCount > 0)
        --mUpdateCount;
}

std::uint32_t CMenuBar::FindKeyEquivalent(const CKeyEvent& event) const
{
    if (mUpdateCount != 0)
        return 0;
    return FindKeyEquivalent(event.GetUnshiftedCharacter(), event.GetModifiers());
}

std::uint32_t CMenuBar::FindKeyEquivalent(std::uint32_t unshiftedCharacter, const CModifierKeys& modifiers) const
{
    if (mUpdateCount != 0 || unshiftedCharacter == 0 || !modifiers.IsCommandDown())
        return 0;
    for (CMenu* menu : mMenus) {
        CMenu* found = nullptr;
        std::uint16_t index = 0;
        if (menu->FindItemByKey(unshiftedCharacter, found, index))
            return found->GetItem(index).mCommandId;
    }
    return 0;
}

void CMenuBar::NumberNativeItems()
{
    std::uint16_t id = kFirstNativeItemId;
    for (CMenu* menu : mMenus)
        id = menu->UpdateItemsRecursive(id);
}

bool CMenuBar::FindNativeItem(std::uint16_t nativeId, CMenu*& menu, std::uint16_t& index) const
{
    for (CMenu* candidate : mMenus) {
        if (candidate->FindNativeItem(nativeId, menu, index))
            return true;
    }
    menu = nullptr;
    index = 0;
    return false;
}

void CMenuBar::ResetItems()
{
    for (CMenu* menu : mMenus)
        menu->ResetItems();
}

std::int32_t CMenuBar::FindHelpReference(std::uint16_t nativeId, HMENU itemMenu) const
{
    CMenu* menu = nullptr;
    std::uint16_t index = 0;
    if (nativeId != 0 && FindNativeItem(nativeId, menu, index)) {
        const std::int32_t own = menu->GetItem(index).mHelpReference;
        if (own != kNoHelpReference)
            return own;
    }
    if (const CMenu* named = FindMenuByHandle(itemMenu))
        return named->GetHelpReference();
    return kNoHelpReference;
}

} // namespace NSTramvell
