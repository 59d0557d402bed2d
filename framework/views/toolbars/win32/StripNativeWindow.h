#pragma once

// The strips' own calls of the platform: their native window, and thin forwarders to four operations of the
// graphics table kept beside them for strip drawing code.

#include "framework/gui/drawing/NativeHandles.h"
#include "framework/gui/geometry/Rect.h"

#include <cstdint>

namespace NSTramvell {

// A visible child window of the document class at frame in the parent's client area; throws
// XOutOfMemory when the platform makes none.
HWND CreateStripNativeWindow(HWND parent, const CRect& frame);

// Each passes its arguments to the graphics operation of the same purpose and returns its answer.
HGDIOBJ SelectGraphicsObject(HDC context, HGDIOBJ object);
bool CopyGraphicsBits(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                      std::uint32_t operation);
HPALETTE SelectGraphicsPalette(HDC context, HPALETTE palette, bool background);
bool FlushGraphics();

} // namespace NSTramvell
