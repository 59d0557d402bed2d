#pragma once

// Where a toolbar puts its children: side by side from 6 pixels inside its left edge, or, right-aligned,
// from 6 pixels inside its right edge leftwards with the last child outermost; each keeps its size and is
// centred vertically.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>
#include <vector>

namespace NSTramvell {

inline constexpr std::int32_t kToolbarAlignLeft = 0;
inline constexpr std::int32_t kToolbarAlignRight = 1;
inline constexpr std::int32_t kToolbarHeight = 28;

// The frames of children of the given sizes, in child order.
std::vector<CRect> LayOutToolbar(const CRect& frame, std::int32_t alignment, const std::vector<CPoint>& sizes);

} // namespace NSTramvell
