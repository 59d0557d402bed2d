#include "framework/gui/images/Image.h"

#include "framework/gui/geometry/Point.h"

namespace NSTramvell {

CABCImage::~CABCImage() = default;

void DrawImageAt(CABCCanvas& canvas, CABCImage& image, const CPoint& at)
{
    CImageLayout layout;
    image.GetLayout(layout);
    image.Draw(canvas, at.GetX(), at.GetY(), 0, 0, layout.width, layout.height);
}

std::int64_t GetRowBytes(std::int64_t width, std::int32_t depth, std::int32_t alignment)
{
    const std::int64_t bytes = (width * depth + 7) / 8;
    return (bytes + alignment - 1) / alignment * alignment;
}

} // namespace NSTramvell
