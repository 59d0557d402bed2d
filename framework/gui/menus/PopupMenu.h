#pragma once

// A menu shown at a point until the user chooses an item or dismisses it.

#include "framework/gui/geometry/Point.h"

#include <cstdint>

namespace NSTramvell {

class CMenu;
namespace NSTramvellInternal {
class IRegisteredWindow;
}

// Repaints the window first, so that the menu opens over a current picture. True with the chosen
// item's menu and index; false, a null menu and kNoItemIndex when nothing was chosen. Without
// leftButton the right button chooses too.
bool TrackPopup(CMenu& menu, NSTramvellInternal::IRegisteredWindow& window, const CPoint& screenPoint,
                bool leftButton, std::uint16_t& index, CMenu*& chosenMenu);
// The same, choosing with the left button only.
bool TrackPopupAt(CMenu& menu, NSTramvellInternal::IRegisteredWindow& window, const CPoint& screenPoint,
                  std::uint16_t& index, CMenu*& chosenMenu);

} // namespace NSTramvell
