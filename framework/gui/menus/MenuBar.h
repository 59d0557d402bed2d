#pragma once

// The menu bar: the program's top-level menus in bar order and the native bar that shows them. The bar
// borrows the menus (their owner deletes them after the bar) and owns the native bar.

#include "framework/gui/menus/Menu.h"

#include <cstdint>
#include <vector>

namespace NSTramvell {

class CKeyEvent;
class CModifierKeys;

// Native items are numbered from here when the bar is about to open and when a pop-up is tracked.
inline constexpr std::uint16_t kFirstNativeItemId = 100;

class CMenuBar
{
public:
    // Throws XBase when the platform cannot make the native bar.
    CMenuBar();
    CMenuBar(const CMenuBar&) = delete;
    CMenuBar& operator=(const CMenuBar&) = delete;
    ~CMenuBar();

    HMENU GetNativeHandle() const noexcept { return mNativeBar; }
    // Adds the menu as the last bar entry, its title's "&" doubled and its mnemonic marked; throws XBase
    // when the platform refuses the entry.
    void AppendMenu(CMenu& menu);
    const std::vector<CMenu*>& GetMenus() const noexcept { return mMenus; }
    CMenu* FindMenuByHandle(HMENU handle) const noexcept;

    void EnableCommand(std::uint32_t commandId, bool enabled);
    void CheckCommand(std::uint32_t commandId, bool checked);

    // Key equivalents answer only while no update is under way; the bar starts in one, and the
    // application ends it once its menus are in.
    void BeginUpdate() noexcept { ++mUpdateCount; }
    void EndUpdate() noexcept;
    // The command of the first enabled item whose key equivalent the event types with Control (Alt not
    // held); 0 when none.
    std::uint32_t FindKeyEquivalent(const CKeyEvent& event) const;
    std::uint32_t FindKeyEquivalent(std::uint32_t unshiftedCharacter, const CModifierKeys& modifiers) const;

    // Numbers the native items of all menus from kFirstNativeItemId, continuing from menu to menu.
    void NumberNativeItems();
    // The menu and index of the item that NumberNativeItems gave nativeId.
    bool FindNativeItem(std::uint16_t nativeId, CMenu*& menu, std::uint16_t& index) const;
    // Disables and unchecks every item and drops the temporary ones, before the handlers enable theirs.
    void ResetItems();
    // The help reference of a chosen item: its own, else that of the menu whose native handle the help
    // request names; -1 when neither has one.
    std::int32_t FindHelpReference(std::uint16_t nativeId, HMENU itemMenu) const;

private:
    std::uint16_t mUpdateCount = 1;
    HMENU mNativeBar;  // owned
    std::vector<CMenu*> mMenus;  // borrowed
};

} // namespace NSTramvell
