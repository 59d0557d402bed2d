#include "framework/gui/images/ShellIconSize.h"

namespace NSTramvell {

std::optional<std::int32_t> ParseShellIconSize(std::uint32_t valueType, const std::uint8_t* data,
                                               std::uint32_t byteCount)
{
    if (valueType != kRegistryStringType)
        return std::nullopt;
    // Bigger than any screen; keeps the sum below from overflowing.
    constexpr std::int32_t kLargestSide = 0x10000;
    std::uint32_t i = 0;
    while (i < byteCount && (data[i] == ' ' || data[i] == '\t'))
        ++i;
    std::int32_t side = 0;
    for (; i < byteCount && data[i] >= '0' && data[i] <= '9'; ++i) {
        side = side * 10 + (data[i] - '0');
        if (side > kLargestSide)
            return std::nullopt;
    }
    if (side == 0)
        return std::nullopt;
    return side;
}

} // namespace NSTramvell
