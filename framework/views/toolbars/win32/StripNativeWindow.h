#pragma once

#include "framework/gui/geometry/Rect.h"

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {

// A visible child window of the document class at frame in the parent's client area; throws
// XOutOfMemory when the platform makes none.
HWND CreateStripNativeWindow(HWND parent, const CRect& frame);

} // namespace NSTramvell
