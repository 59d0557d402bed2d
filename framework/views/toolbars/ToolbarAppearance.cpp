#include "framework/views/toolbars/ToolbarAppearance.h"

namespace NSTramvell {

namespace {

// Indexed by enabled × 16 + down × 8 + hot × 4 + checked × 2 + feedback.
constexpr std::int32_t kAppearances[32] = {
    43, 43, 44, 44, 43, 43, 44, 44, 43, 43, 44, 44, 43, 43, 44, 44,   // disabled
    45, 45, 47, 47, 45, 46, 47, 47,                                   // enabled, up
    45, 46, 47, 46, 45, 47, 47, 47,                                   // enabled, down
};

} // namespace

std::int32_t GetToolbarAppearance(bool enabled, bool down, bool hot, bool checked, bool feedback) noexcept
{
    const int index = (enabled ? 16 : 0) + (down ? 8 : 0) + (hot ? 4 : 0) + (checked ? 2 : 0) + (feedback ? 1 : 0);
    return kAppearances[index];
}

CColor GetToolbarDarkColor(const CColor& background) noexcept
{
    const auto twoThirds = [](std::uint8_t component) { return static_cast<std::uint8_t>(component * 2 / 3); };
    return CColor(twoThirds(background.GetRed()), twoThirds(background.GetGreen()), twoThirds(background.GetBlue()));
}

} // namespace NSTramvell
