#pragma once

// What all drawing shares for the program's life: the screen's palette record and the platform's
// default control font. Both are made on first use; the palette is made again when the screen changes.

#include "framework/gui/drawing/NativeHandles.h"

namespace NSTramvell {

class CScreenPalette;

CScreenPalette& GetScreenPalette();
// Builds the new record before it drops the old one; any failure keeps the old record.
void RefreshScreenPalette();
// Owned here; native controls are given it.
HFONT GetDefaultControlFont();
// Deletes both; the next use makes them again.
void ReleaseScreenResources() noexcept;

} // namespace NSTramvell
