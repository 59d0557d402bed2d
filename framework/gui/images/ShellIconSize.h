#pragma once

// The side length of shell-size icons that the user may set as the string value "Shell Icon Size" of
// "Control Panel\Desktop\WindowMetrics".

#include <cstdint>
#include <optional>

namespace NSTramvell {

// The registry's type code of a plain string value.
inline constexpr std::uint32_t kRegistryStringType = 1;

// The number a value holds: its leading decimal digits (after any blanks), read no further than
// byteCount bytes or the first NUL, since registry data need not end with one. Nothing for another
// type, no digits, or 0; the caller then keeps its default.
std::optional<std::int32_t> ParseShellIconSize(std::uint32_t valueType, const std::uint8_t* data,
                                               std::uint32_t byteCount);

} // namespace NSTramvell
