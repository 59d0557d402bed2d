#include "framework/gui/regions/Color.h"

#include <algorithm>

namespace NSTramvell {
namespace {

std::uint8_t AddClamped(std::uint8_t component, std::int32_t amount)
{
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(std::int64_t{component} + amount, 0, 255));
}

} // namespace

CColor CColor::Lighten(const CColor& source, std::int32_t amount) noexcept
{
    return CColor(AddClamped(source.mRed, amount), AddClamped(source.mGreen, amount),
                  AddClamped(source.mBlue, amount));
}

} // namespace NSTramvell
