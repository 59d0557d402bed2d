#include "framework/gui/input/MouseWheel.h"

namespace NSTramvell {
namespace {

constexpr std::int32_t kDeltaPerNotch = 120;

std::int16_t SignedHalf(std::uintptr_t word, int shift) noexcept
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>((word >> shift) & 0xFFFF));
}

} // namespace

CMouseEventRecord MakeMouseWheelEvent(std::uintptr_t wParam, std::intptr_t lParam, const CModifierKeys& modifiers) noexcept
{
    const auto packed = static_cast<std::uintptr_t>(lParam);
    const CPoint position(SignedHalf(packed, 0), SignedHalf(packed, 16));
    const std::int32_t delta = SignedHalf(wParam, 16);
    return CMouseEventRecord(modifiers, position, static_cast<std::int16_t>(delta / kDeltaPerNotch));
}

} // namespace NSTramvell
