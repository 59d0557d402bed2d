#pragma once

// A menu: its title and an ordered list of items (commands, separators, sub menus), mirrored one to one,
// by position, in a native pop-up menu of the platform. Every change to an item changes the native item
// at the same position. Sub menus are separate CMenu objects that their owner keeps; a menu only points
// at them, and deleting it leaves them alive.

#include "framework/foundation/strings/RulingString.h"
#include "framework/gui/menus/NativeMenuCalls.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace NSTramvell {

class CMenu;

enum EMenuItemKind : std::uint32_t
{
    kSeparatorItem = 0,
    kCommandItem = 1,
    kSubMenuItem = 2,
};

// Key equivalent codes of menu items (a range of their own, not the key event codes).
inline constexpr std::uint32_t kNoKeyEquivalent = 11;
inline constexpr std::uint32_t kFirstLetterEquivalent = 12;   // A
inline constexpr std::uint32_t kFirstDigitEquivalent = 38;    // 0
inline constexpr std::uint32_t kDeleteEquivalent = 48;
inline constexpr std::uint32_t kTabEquivalent = 49;

inline constexpr std::int32_t kNoHelpReference = -1;
// What FindItemByKey reports for the index when nothing matched.
inline constexpr std::uint16_t kNoItemIndex = 666;

struct CMenuItem
{
    CMenuItem() = default;
    CMenuItem(const CMenuString& text, std::uint32_t commandId) : mCommandId(commandId), mText(text) {}
    CMenuItem(const CMenuString& text, std::int32_t helpReference, std::uint32_t commandId)
        : mCommandId(commandId), mText(text), mHelpReference(helpReference)
    {
    }
    static CMenuItem Separator();

    std::uint32_t mKind = kCommandItem;
    std::uint8_t mIsDisabled = 0;
    std::uint8_t mIsTemporary = 0;  // added at run time; ResetItems removes it
    std::uint32_t mCommandId = 0;
    CMenuString mText{""};
    std::uint32_t mTag = 0;  // the caller's, carried along
    std::uint32_t mKeyEquivalent = kNoKeyEquivalent;
    std::uint8_t mWithControl = 0;
    char mMnemonic = 0;
    std::int32_t mHelpReference = kNoHelpReference;
    std::uint8_t mIsChecked = 0;
    CMenu* mSubMenu = nullptr;  // borrowed: owned by whoever made the sub menu
};

// The character an item's key equivalent types (the capital letter or the digit); 0 for Delete, Tab and
// none, which no typed character selects.
char GetKeyEquivalentCharacter(std::uint32_t keyEquivalent) noexcept;
// text with every "&" doubled, so that the platform shows it, and the mnemonic marked with one "&": its
// first occurrence after a space, else its first occurrence; case counts.
std::string MarkMnemonic(const std::string& text, char mnemonic);
// The native form of an item: marked text, then a tab and the shortcut ("Ctrl+C", "Del").
NSMenuPlatform::CNativeMenuItem BuildNativeItem(const CMenuItem& item);

// The id of a menu made without a script entry.
inline constexpr std::uint32_t kUntitledMenuId = 0xFFFFFFFF;
// The text a sub-menu item gets when the menu lets go of its sub menus.
inline constexpr const char* kDeletedSubMenuText = "Deleted sub menu";

class CMenu
{
public:
    // Throws XBase when the platform cannot make the native menu. Every menu made is in the list of all
    // menus until it is deleted.
    CMenu(const CMenuString& title, std::uint32_t id, bool flag, std::int32_t helpReference = kNoHelpReference,
          char mnemonic = 0);
    // "Untitled", id kUntitledMenuId, flag false.
    CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    virtual ~CMenu();

    // Disables and unchecks every item, sub menus included, and removes the temporary ones.
    virtual void ResetItems();

    HMENU GetNativeHandle() const noexcept { return mNativeMenu; }
    std::uint32_t GetId() const noexcept { return mId; }
    bool GetFlag() const noexcept { return mFlag; }
    const CMenuString& GetTitle() const noexcept { return mTitle; }
    std::int32_t GetHelpReference() const noexcept { return mHelpReference; }
    char GetMnemonic() const noexcept { return mMnemonic; }

    std::uint16_t GetItemCount() const noexcept { return static_cast<std::uint16_t>(mItems.size()); }
    // Indices below GetItemCount (InsertItem also takes GetItemCount itself).
    CMenuItem GetItem(std::uint16_t index) const { return *mItems.at(index); }
    void AppendItem(const CMenuItem& item) { InsertItem(GetItemCount(), item); }
    void InsertItem(std::uint16_t index, const CMenuItem& item);
    void SetItem(std::uint16_t index, const CMenuItem& item);
    void RemoveItemAt(std::uint16_t index);
    void SetItemEnabled(std::uint16_t index, bool enabled);
    // Only command items carry a check mark.
    void SetItemChecked(std::uint16_t index, bool checked);
    void SetItemTag(std::uint16_t index, std::uint32_t tag);
    void SetItemText(std::uint16_t index, const CMenuString& text);
    // Makes the item a sub-menu item that shows the menu, which stays its owner's.
    void SetItemSubMenu(std::uint16_t index, CMenu* subMenu);

    // The items become copies of the other menu's, and the title, its help reference and mnemonic
    // become the other's; the sub menus are shared, not copied.
    void CopyItemsFrom(const CMenu& other);
    // Every item but the separators.
    void SetAllItemsEnabled(bool enabled);
    void UncheckAllItems();
    void RemoveAllItems();
    // The items whose key equivalent lies between first and last, both included.
    void RemoveItemsWithKeyEquivalents(std::uint32_t first, std::uint32_t last);
    // Each sub-menu item becomes a command item "Deleted sub menu" without command; the sub menus
    // themselves stay with their owners.
    void RemoveSubMenus();

    // Every item with the command, here and in the sub menus.
    void EnableCommand(std::uint32_t commandId, bool enabled);
    void CheckCommand(std::uint32_t commandId, bool checked);
    // The index of the first item with the command in this menu, -1 when none has it.
    std::int32_t FindCommand(std::uint32_t commandId) const;

    // The first enabled item, sub menus searched at their place, whose letter or digit equivalent types
    // character. Without one: false, menu null and index kNoItemIndex.
    bool FindItemByKey(std::uint32_t character, CMenu*& menu, std::uint16_t& index);
    // Numbers the native items from firstId depth-first, sub menus between their neighbours; answers the
    // next free number.
    std::uint16_t UpdateItemsRecursive(std::uint16_t firstId);
    // The item that UpdateItemsRecursive numbered nativeId; 0 matches nothing.
    bool FindNativeItem(std::uint16_t nativeId, CMenu*& menu, std::uint16_t& index);

private:
    template <typename TVisit>
    void VisitCommand(std::uint32_t commandId, TVisit visit);

    std::uint32_t mId;
    std::vector<std::unique_ptr<CMenuItem>> mItems;
    bool mFlag;
    CMenuString mTitle;
    std::int32_t mHelpReference;
    char mMnemonic;
    HMENU mNativeMenu;  // owned
};

// Every living menu, in the order they were made.
const std::vector<CMenu*>& GetAllMenus();

// A menu built from a menu script: "Title?a,b~M;Item#K=id?a,b~M;-;...".
std::unique_ptr<CMenu> ParseMenuScript(const std::string& script, std::uint32_t id);
// The menu of the program's menu script entry referenceNumber.
std::unique_ptr<CMenu> LoadMenuResource(std::int32_t referenceNumber);

} // namespace NSTramvell
