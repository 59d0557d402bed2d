#pragma once

// Sections that a menu can be given at run time: the window menu's items, one per window on screen,
// whose commands activate their window; and the recent-files section. Their items are temporary, so
// the menu's reset removes them before they are put in again.

#include <cstddef>
#include <cstdint>

namespace NSTramvell {

class CMenu;

// The window at index i of the window list has the command kFirstWindowListCommand + i.
inline constexpr std::uint32_t kFirstWindowListCommand = 0x800000C9;
inline constexpr std::uint32_t kWindowListCommandCount = 100;
// The longest path a recent-files item shows whole.
inline constexpr std::size_t kLongestRecentFilePath = 50;

// At index: an empty item, then one item per window of the window list (the first hundred) that is on
// screen, wants an item and has a title: the title, checked for the active window, disabled when asked.
// Nothing when no window qualifies. Answers the number of items inserted.
std::uint16_t InsertWindowListItems(CMenu& menu, std::uint16_t index, std::int32_t helpReference, bool disabled);
bool IsWindowListCommand(std::uint32_t command);
// Activates the window the command names; false for any other command. A window index past the end of
// the list throws std::out_of_range.
bool HandleWindowListCommand(std::uint32_t command);

// At index: a separator, then one item per recent file, newest first, "1 C:\Banks\Piano.kpl", with the
// commands firstCommand, firstCommand + 1, ...; a path too long for the item keeps its end behind "...".
// Answers the number of items inserted (none without recent files).
std::uint16_t InsertRecentFilesSection(CMenu& menu, std::uint16_t index, std::uint32_t firstCommand);

} // namespace NSTramvell
