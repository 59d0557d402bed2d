#pragma once

// Moves what a window has already painted inside a rectangle and marks the uncovered strip for
// repainting, so that a scrolled view repaints only that strip.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

void ScrollWindowContents(HWND window, std::int32_t dx, std::int32_t dy, const CRect& area);

} // namespace NSTramvell
