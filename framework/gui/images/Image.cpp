#include "framework/gui/images/Image.h"

namespace NSTramvell {

CABCImage::~CABCImage() = default;

std::int64_t GetRowBytes(std::int64_t width, std::int32_t depth, std::int32_t alignment)
{
    const std::int64_t bytes = (width * depth + 7) / 8;
    return (bytes + alignment - 1) / alignment * alignment;
}

} // namespace NSTramvell
