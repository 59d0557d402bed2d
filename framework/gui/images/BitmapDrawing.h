#pragma once

// Pictures drawn by key: each is fetched through the bitmap fetcher views draw with (GetBitmapFetcher,
// ApplicationBitmaps.h) for the shared screen palette. Without a fetcher they throw XBase.

#include "framework/gui/geometry/Point.h"
#include "framework/gui/geometry/Rect.h"
#include "framework/gui/images/BitmapKey.h"

#include <cstdint>

namespace NSTramvell {

class CABCCanvas;
class CABCImage;

// The whole picture with its top-left corner at (x, y).
void DrawBitmap(CABCCanvas& canvas, std::int32_t x, std::int32_t y, const CBitmapKey& key);
// The part of the picture at (x, y); what lies outside the picture is not drawn.
void DrawBitmapPart(CABCCanvas& canvas, std::int32_t x, std::int32_t y, const CBitmapKey& key, const CRect& part);
// (width, height).
CPoint GetBitmapSize(const CBitmapKey& key);
// The picture itself, owned by the fetcher's cache.
CABCImage& FetchKeyedBitmap(const CBitmapKey& key);

} // namespace NSTramvell
