// The sequences' frames of the fetched bitmap: kept apart from the geometry, which needs no platform.

#include "framework/gui/images/BitmapSequence.h"

#include "framework/gui/images/BitmapDrawing.h"
#include "framework/gui/images/Image.h"

namespace NSTramvell {

void CABCBitmapSequence::GetFrameSize(CPoint& size) const
{
    CPoint bitmapSize;
    if (DependsOnBitmapSize())
        bitmapSize = GetBitmapSize(GetKey());
    size = GetFrameSizeIn(bitmapSize.GetX(), bitmapSize.GetY());
}

void CABCBitmapSequence::DrawFrame(CABCCanvas& canvas, std::int32_t x, std::int32_t y, std::uint16_t index) const
{
    CImageLayout layout;
    FetchKeyedBitmap(GetKey()).GetLayout(layout);
    CRect frame;
    GetFrameRect(frame, layout.width, layout.height, index);
    DrawBitmapPart(canvas, x, y, GetKey(), frame);
}

} // namespace NSTramvell
