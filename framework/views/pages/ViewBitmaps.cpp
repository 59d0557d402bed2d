#include "framework/views/pages/ViewBitmaps.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/drawing/ScreenResources.h"
#include "framework/gui/images/ApplicationBitmaps.h"
#include "framework/gui/images/BitmapFetcher.h"
#include "framework/gui/images/Image.h"

namespace NSTramvell::NSViewBitmaps {
namespace {

CABCImage& FetchBitmap(const CBitmapKey& key)
{
    IBitmapFetcher* const fetcher = GetApplicationBitmapFetcher();
    if (fetcher == nullptr)
        throw XBase();
    return *fetcher->FetchBitmap(GetScreenPalette(), key);
}

} // namespace

CPoint GetBitmapSize(const CBitmapKey& key)
{
    CImageLayout layout;
    FetchBitmap(key).GetLayout(layout);
    return CPoint(layout.width, layout.height);
}

void DrawBitmap(CABCCanvas& canvas, std::int32_t x, std::int32_t y, const CBitmapKey& key)
{
    CABCImage& bitmap = FetchBitmap(key);
    CImageLayout layout;
    bitmap.GetLayout(layout);
    bitmap.Draw(canvas, x, y, 0, 0, layout.width, layout.height);
}

} // namespace NSTramvell::NSViewBitmaps
