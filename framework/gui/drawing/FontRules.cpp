#include "framework/gui/drawing/FontRules.h"

#include <tuple>

namespace NSTramvell {

std::int32_t NativeFontHeight(std::uint16_t size, std::int32_t verticalDotsPerInch)
{
    // A screen that reports no resolution is taken as the 96 dpi the sizes are written for.
    const std::int32_t dotsPerInch = verticalDotsPerInch > 0 ? verticalDotsPerInch : 96;
    return -(static_cast<std::int32_t>(size) * 96 / dotsPerInch);
}

std::optional<CMeasuredFace> PickDialogFontStandIn(const std::vector<CMeasuredFace>& measured)
{
    const CMeasuredFace* best = nullptr;
    for (const CMeasuredFace& face : measured) {
        if (!FitsDialogFont(face.mCellHeight, face.mAlphabetWidth))
            continue;
        const auto rank = [](const CMeasuredFace& f) { return std::tuple(f.mSize, f.mSansSerif, f.mAlphabetWidth); };
        if (best == nullptr || rank(face) > rank(*best))
            best = &face;
    }
    if (best == nullptr)
        return std::nullopt;
    return *best;
}

} // namespace NSTramvell
