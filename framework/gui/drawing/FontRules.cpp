#include "framework/gui/drawing/FontRules.h"

namespace NSTramvell {

std::int32_t NativeFontHeight(std::uint16_t size, std::int32_t verticalDotsPerInch)
{
    // A screen that reports no resolution is taken as the 96 dpi the sizes are written for.
    const std::int32_t dotsPerInch = verticalDotsPerInch > 0 ? verticalDotsPerInch : 96;
    return -(static_cast<std::int32_t>(size) * 96 / dotsPerInch);
}

} // namespace NSTramvell
