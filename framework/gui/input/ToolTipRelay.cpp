#include "framework/gui/input/ToolTipRelay.h"

namespace NSTramvell {
namespace {

constexpr std::uint32_t kMouseMove = 0x200;
constexpr std::uint32_t kLeftDown = 0x201;
constexpr std::uint32_t kLeftUp = 0x202;
constexpr std::uint32_t kLeftDoubleClick = 0x203;
constexpr std::uint32_t kRightDown = 0x204;
constexpr std::uint32_t kRightUp = 0x205;
constexpr std::uint32_t kMiddleDown = 0x207;
constexpr std::uint32_t kMiddleUp = 0x208;

} // namespace

CToolTipRelay GetToolTipRelay(std::uint32_t message) noexcept
{
    switch (message) {
    case kMouseMove:
    case kLeftUp:
    case kRightUp:
    case kMiddleUp:
        return {message, 0};
    case kLeftDown:
    case kLeftDoubleClick:
        return {message, kLeftUp};
    case kRightDown:
        return {message, kRightUp};
    case kMiddleDown:
        return {message, kMiddleUp};
    default:
        return {};
    }
}

} // namespace NSTramvell
