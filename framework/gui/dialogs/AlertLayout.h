#pragma once

// Where an alert box puts its buttons and where the arrow keys move the focus among them. Buttons are
// numbered as the alert script numbers its labels: button 1 is the default and stands at the left.

#include "framework/gui/geometry/Point.h"
#include "framework/gui/geometry/Rect.h"

#include <array>
#include <cstdint>

namespace NSTramvell {

// The top-left corners of buttons 1 to `count` (index 0 is button 1), from the frames of the template's
// three button slots: one button takes the middle slot, two are centred on the first two slots' span, three
// keep their slots.
std::array<CPoint, 3> PlaceAlertButtons(const std::array<CRect, 3>& slotFrames, std::uint16_t count);

// The button (1 to 3) that takes the focus from `current` (0 when no button holds it); 0 when the focus
// stays.
int GetAlertButtonLeftOf(int current, std::uint16_t count);
int GetAlertButtonRightOf(int current, std::uint16_t count);

} // namespace NSTramvell
