#include "framework/gui/menus/Menu.h"

#include "framework/foundation/core/Exceptions.h"

#include <algorithm>
#include <stdexcept>

namespace NSTramvell {

namespace {

std::vector<CMenu*>& GetMenuList()
{
    static std::vector<CMenu*> menus;
    return menus;
}

} // namespace

const std::vector<CMenu*>& GetAllMenus()
{
    return GetMenuList();
}

CMenuItem CMenuItem::Separator()
{
    CMenuItem separator;
    separator.mKind = kSeparatorItem;
    return separator;
}

char GetKeyEquivalentCharacter(std::uint32_t keyEquivalent) noexcept
{
    if (keyEquivalent >= kFirstLetterEquivalent && keyEquivalent < kFirstDigitEquivalent)
        return static_cast<char>('A' + (keyEquivalent - kFirstLetterEquivalent));
    if (keyEquivalent >= kFirstDigitEquivalent && keyEquivalent < kDeleteEquivalent)
        return static_cast<char>('0' + (keyEquivalent - kFirstDigitEquivalent));
    return 0;
}

std::string MarkMnemonic(const std::string& text, char mnemonic)
{
    std::string marked;
    for (const char c : text) {
        marked += c;
        if (c == '&')
            marked += '&';
    }
    if (mnemonic == 0)
        return marked;
    std::size_t at = std::string::npos;
    for (std::size_t i = 1; i < marked.size() && at == std::string::npos; ++i) {
        if (marked[i] == mnemonic && marked[i - 1] == ' ')
            at = i;
    }
    if (at == std::string::npos)
        at = marked.find(mnemonic);
    if (at != std::string::npos)
        marked.insert(at, 1, '&');
    return marked;
}

NSMenuPlatform::CNativeMenuItem BuildNativeItem(const CMenuItem& item)
{
    NSMenuPlatform::CNativeMenuItem native;
    if (item.mKind == kSeparatorItem) {
        native.mIsSeparator = true;
        return native;
    }
    native.mIsGrayed = item.mIsDisabled != 0;
    native.mIsChecked = item.mIsChecked != 0;
    native.mText = MarkMnemonic(item.mText.GetString(), item.mMnemonic);
    if (item.mKeyEquivalent != kNoKeyEquivalent) {
        native.mText += '\t';
        if (item.mWithControl != 0)
            native.mText += "Ctrl+";
        if (const char key = GetKeyEquivalentCharacter(item.mKeyEquivalent); key != 0)
            native.mText += key;
        else if (item.mKeyEquivalent == kDeleteEquivalent)
            native.mText += "Del";
        else if (item.mKeyEquivalent == kTabEquivalent)
            native.mText += "Tab";
    }
    if (item.mKind == kSubMenuItem && item.mSubMenu != nullptr)
        native.mSubMenu = item.mSubMenu->GetNativeHandle();
    return native;
}

CMenu::CMenu(const CMenuString& title, std::uint32_t id, bool flag, std::int32_t helpReference, char mnemonic)
    : mId(id)
    , mFlag(flag)
    , mTitle(title)
    , mHelpReference(helpReference)
    , mMnemonic(mnemonic)
    , mNativeMenu(NSMenuPlatform::CreatePopupMenu())
{
    if (mNativeMenu == nullptr)
        throw XBase();
    GetMenuList().push_back(this);
}

CMenu::CMenu() : CMenu(CMenuString("Untitled"), kUntitledMenuId, false) {}

CMenu::~CMenu()
{
    // The platform destroys the sub menus attached to a menu with it; their owners still hold them.
    for (std::uint16_t i = 0; i < GetItemCount(); ++i) {
        if (mItems[i]->mSubMenu != nullptr) {
            CMenuItem detached = *mItems[i];
            detached.mSubMenu = nullptr;
            SetItem(i, detached);
        }
    }
    std::vector<CMenu*>& menus = GetMenuList();
    const auto listed = std::find(menus.begin(), menus.end(), this);
    if (listed != menus.end())
        menus.erase(listed);
    mItems.clear();
    NSMenuPlatform::DestroyMenu(mNativeMenu);
}

void CMenu::ResetItems()
{
    for (std::uint16_t i = 0; i < GetItemCount(); ++i) {
        SetItemEnabled(i, false);
        mItems[i]->mIsChecked = 0;
        NSMenuPlatform::CheckItem(mNativeMenu, i, false);
        if (mItems[i]->mSubMenu != nullptr)
            mItems[i]->mSubMenu->ResetItems();
    }
    for (std::uint16_t i = GetItemCount(); i-- > 0;) {
        if (mItems[i]->mIsTemporary != 0)
            RemoveItemAt(i);
    }
}

void CMenu::InsertItem(std::uint16_t index, const CMenuItem& item)
{
    if (index > GetItemCount())
        throw std::out_of_range("invalid menu item position");
    if (!NSMenuPlatform::InsertItem(mNativeMenu, index, BuildNativeItem(item)))
        throw XBase();
    mItems.insert(mItems.begin() + index, std::make_unique<CMenuItem>(item));
}

void CMenu::SetItem(std::uint16_t index, const CMenuItem& item)
{
    *mItems.at(index) = item;
    const NSMenuPlatform::CNativeMenuItem native = BuildNativeItem(item);
    // The platform keeps a sub menu attached on an update in place; only a new item lets it go.
    if (NSMenuPlatform::ReadItem(mNativeMenu, index).mSubMenu != nullptr && native.mSubMenu == nullptr) {
        NSMenuPlatform::RemoveItem(mNativeMenu, index);
        NSMenuPlatform::InsertItem(mNativeMenu, index, native);
    } else {
        NSMenuPlatform::UpdateItem(mNativeMenu, index, native);
    }
}

void CMenu::RemoveItemAt(std::uint16_t index)
{
    if (index >= GetItemCount())
        throw std::out_of_range("invalid menu item position");
    mItems.erase(mItems.begin() + index);
    NSMenuPlatform::RemoveItem(mNativeMenu, index);
}

void CMenu::SetItemEnabled(std::uint16_t index, bool enabled)
{
    mItems.at(index)->mIsDisabled = enabled ? 0 : 1;
    NSMenuPlatform::EnableItem(mNativeMenu, index, enabled);
}

void CMenu::SetItemChecked(std::uint16_t index, bool checked)
{
    CMenuItem& item = *mItems.at(index);
    if (item.mKind != kCommandItem)
        return;
    item.mIsChecked = checked ? 1 : 0;
    NSMenuPlatform::CheckItem(mNativeMenu, index, checked);
}

void CMenu::SetItemTag(std::uint16_t index, std::uint32_t tag)
{
    mItems.at(index)->mTag = tag;
}

void CMenu::SetItemText(std::uint16_t index, const CMenuString& text)
{
    CMenuItem item = GetItem(index);
    item.mText = text;
    SetItem(index, item);
}

void CMenu::SetItemSubMenu(std::uint16_t index, CMenu* subMenu)
{
    CMenuItem item = GetItem(index);
    item.mKind = kSubMenuItem;
    item.mSubMenu = subMenu;
    SetItem(index, item);
}

void CMenu::CopyItemsFrom(const CMenu& other)
{
    if (&other == this)
        return;
    RemoveAllItems();
    for (std::uint16_t i = 0; i < other.GetItemCount(); ++i)
        AppendItem(other.GetItem(i));
    mTitle = other.mTitle;
    mHelpReference = other.mHelpReference;
    mMnemonic = other.mMnemonic;
}

void CMenu::SetAllItemsEnabled(bool enabled)
{
    for (std::uint16_t i = 0; i < GetItemCount(); ++i) {
        if (mItems[i]->mKind != kSeparatorItem)
            SetItemEnabled(i, enabled);
    }
}

void CMenu::UncheckAllItems()
{
    for (std::uint16_t i = 0; i < GetItemCount(); ++i)
        SetItemChecked(i, false);
}

void CMenu::RemoveAllItems()
{
    for (std::uint16_t i = GetItemCount(); i-- > 0;)
        RemoveItemAt(i);
}

void CMenu::RemoveItemsWithKeyEquivalents(std::uint32_t first, std::uint32_t last)
{
    for (std::uint16_t i = GetItemCount(); i-- > 0;) {
        const std::uint32_t key = mItems[i]->mKeyEquivalent;
        if (key >= first && key <= last)
            RemoveItemAt(i);
    }
}

void CMenu::RemoveSubMenus()
{
    for (std::uint16_t i = 0; i < GetItemCount(); ++i) {
        if (mItems[i]->mKind != kSubMenuItem)
            continue;
        CMenuItem replacement = *mItems[i];
        replacement.mKind = kCommandItem;
        replacement.mSubMenu = nullptr;
        replacement.mCommandId = 0;
        replacement.mText = CMenuString(kDeletedSubMenuText);
        SetItem(i, replacement);
    }
}

template <typename TVisit>
void CMenu::VisitCommand(std::uint32_t commandId, TVisit visit)
{
    for (std::uint16_t i = 0; i < GetItemCount(); ++i) {
        if (mItems[i]->mSubMenu != nullptr)
            mItems[i]->mSubMenu->VisitCommand(commandId, visit);
        else if (mItems[i]->mKind == kCommandItem && mItems[i]->mCommandId == commandId)
            visit(*this, i);
    }
}

void CMenu::EnableCommand(std::uint32_t commandId, bool enabled)
{
    VisitCommand(commandId, [enabled](CMenu& menu, std::uint16_t i) { menu.SetItemEnabled(i, enabled); });
}

void CMenu::CheckCommand(std::uint32_t commandId, bool checked)
{
    VisitCommand(commandId, [checked](CMenu& menu, std::uint16_t i) { menu.SetItemChecked(i, checked); });
}

std::int32_t CMenu::FindCommand(std::uint32_t commandId) const
{
    for (std::size_t i = 0; i < mItems.size(); ++i) {
        if (mItems[i]->mKind == kCommandItem && mItems[i]->mCommandId == commandId)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

bool CMenu::FindItemByKey(std::uint32_t character, CMenu*& menu, std::uint16_t& index)
{
    menu = nullptr;
    index = kNoItemIndex;
    for (std::uint16_t i = 0; i < GetItemCount(); ++i) {
        const CMenuItem& item = *mItems[i];
        if (item.mIsDisabled != 0)
            continue;
        if (item.mSubMenu != nullptr) {
            if (item.mSubMenu->FindItemByKey(character, menu, index))
                return true;
            continue;
        }
        const char key = GetKeyEquivalentCharacter(item.mKeyEquivalent);
        if (key != 0 && static_cast<unsigned char>(key) == character) {
            menu = this;
            index = i;
            return true;
        }
    }
    menu = nullptr;
    index = kNoItemIndex;
    return false;
}

std::uint16_t CMenu::UpdateItemsRecursive(std::uint16_t firstId)
{
    std::uint16_t id = firstId;
    for (std::uint16_t i = 0; i < GetItemCount(); ++i) {
        if (mItems[i]->mSubMenu != nullptr) {
            id = mItems[i]->mSubMenu->UpdateItemsRecursive(id);
        } else {
            NSMenuPlatform::SetItemId(mNativeMenu, i, id);
            ++id;
        }
    }
    return id;
}

bool CMenu::FindNativeItem(std::uint16_t nativeId, CMenu*& menu, std::uint16_t& index)
{
    menu = nullptr;
    index = 0;
    if (nativeId == 0)
        return false;
    for (std::uint16_t i = 0; i < GetItemCount(); ++i) {
        if (mItems[i]->mSubMenu != nullptr) {
            if (mItems[i]->mSubMenu->FindNativeItem(nativeId, menu, index))
                return true;
        } else if (NSMenuPlatform::GetItemId(mNativeMenu, i) == nativeId) {
            menu = this;
            index = i;
            return true;
        }
    }
    menu = nullptr;
    index = 0;
    return false;
}

} // namespace NSTramvell
