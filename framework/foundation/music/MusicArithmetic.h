#pragma once

// The 32-bit arithmetic of the music area's counters and tempi, kept free of undefined behaviour.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace NSTramvell::NSMusicArithmetic {

// Kept modulo 2^32 and read as signed, as the counters of a 32-bit machine wrap.
inline std::int32_t Wrapped(std::int64_t value) noexcept
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

// Truncated toward zero; a value beyond the 32-bit range saturates instead of converting out of range.
inline std::int32_t TruncatedToInt32(double value) noexcept
{
    constexpr double kLargest = std::numeric_limits<std::int32_t>::max();
    constexpr double kSmallest = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(value))
        return 0;
    return static_cast<std::int32_t>(std::clamp(std::trunc(value), kSmallest, kLargest));
}

} // namespace NSTramvell::NSMusicArithmetic
