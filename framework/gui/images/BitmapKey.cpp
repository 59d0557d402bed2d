#include "framework/gui/images/BitmapKey.h"

namespace NSTramvell {

void CBitmapKey::SetTintColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) noexcept
{
    const std::uint32_t rgb = std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue;
    mFlags = kTintFlag + rgb + (mFlags & kMaskedFlag);
}

} // namespace NSTramvell
