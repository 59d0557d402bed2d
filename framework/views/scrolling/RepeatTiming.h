#pragma once

// When a held repeat button fires: nothing for the first 400 ms, then a step every 100 ms, and from
// 2400 ms on a further step every 20 ms.

#include <cstdint>

namespace NSTramvell {

inline constexpr std::uint32_t kRepeatDelayMs = 400;

// The steps due, beyond the one of the press, after the button has been held for elapsedMs.
std::int32_t GetRepeatStepsDue(std::uint32_t elapsedMs) noexcept;

} // namespace NSTramvell
