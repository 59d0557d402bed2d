#pragma once

// How the bitmap-drawn views reach their pictures: through the application's bitmap fetcher, which
// makes each keyed picture once and keeps it. A fetch that fails throws what the fetcher throws; without
// an application there is no fetcher, and XBase says so.

#include "framework/gui/geometry/Point.h"

#include <cstdint>

namespace NSTramvell {

class CABCCanvas;
class CBitmapKey;

namespace NSViewBitmaps {

// Width and height of the keyed picture.
CPoint GetBitmapSize(const CBitmapKey& key);
// The whole picture with its top-left at (x, y), unscaled; the canvas clip applies.
void DrawBitmap(CABCCanvas& canvas, std::int32_t x, std::int32_t y, const CBitmapKey& key);

} // namespace NSViewBitmaps
} // namespace NSTramvell
