#pragma once

// Staggered placement: new windows go to one of eight corners along the diagonal of the placement
// area, the one where the fewest other windows stand, so that windows opened one after another do not
// hide each other.

#include "framework/gui/geometry/Point.h"

#include <cstdint>
#include <vector>

namespace NSTramvell {

constexpr std::int32_t kStaggerSlotCount = 8;

// The slot (0 to 7) whose corner (origin + slot x step on both axes) the fewest of the other windows'
// top-left corners stand on exactly; the lower slot on equal counts.
std::int32_t ChooseStaggerSlot(const CPoint& origin, std::int32_t step, const std::vector<CPoint>& otherTopLefts);

CPoint GetStaggerCorner(const CPoint& origin, std::int32_t step, std::int32_t slot);

} // namespace NSTramvell
