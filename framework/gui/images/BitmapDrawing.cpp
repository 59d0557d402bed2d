#include "framework/gui/images/BitmapDrawing.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/gui/drawing/ScreenResources.h"
#include "framework/gui/images/ApplicationBitmaps.h"
#include "framework/gui/images/BitmapFetcher.h"
#include "framework/gui/images/Image.h"

namespace NSTramvell {

CABCImage& FetchKeyedBitmap(const CBitmapKey& key)
{
    IBitmapFetcher* fetcher = GetBitmapFetcher();
    if (fetcher == nullptr)
        throw XBase();
    return *fetcher->FetchBitmap(GetScreenPalette(), key);
}

void DrawBitmap(CABCCanvas& canvas, std::int32_t x, std::int32_t y, const CBitmapKey& key)
{
    DrawImageAt(canvas, FetchKeyedBitmap(key), CPoint(x, y));
}

void DrawBitmapPart(CABCCanvas& canvas, std::int32_t x, std::int32_t y, const CBitmapKey& key, const CRect& part)
{
    // A frame past a sequence's last lies partly or wholly outside the picture; the platform's copy
    // would fill that with whatever the source context holds there.
    CABCImage& image = FetchKeyedBitmap(key);
    CImageLayout layout;
    image.GetLayout(layout);
    CRect source = part;
    if (!source.Intersect(CRect(0, 0, layout.width, layout.height)))
        return;
    image.Draw(canvas, x + source.GetLeft() - part.GetLeft(), y + source.GetTop() - part.GetTop(), source.GetLeft(),
               source.GetTop(), source.GetWidth(), source.GetHeight());
}

CPoint GetBitmapSize(const CBitmapKey& key)
{
    CImageLayout layout;
    FetchKeyedBitmap(key).GetLayout(layout);
    return CPoint(layout.width, layout.height);
}

} // namespace NSTramvell
