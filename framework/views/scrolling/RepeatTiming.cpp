#include "framework/views/scrolling/RepeatTiming.h"

#include <algorithm>

namespace NSTramvell {

namespace {
constexpr std::uint32_t kSlowStepMs = 100;
constexpr std::uint32_t kFastStartMs = 2400;
constexpr std::uint32_t kFastStepMs = 20;
} // namespace

std::int32_t GetRepeatStepsDue(std::uint32_t elapsedMs) noexcept
{
    if (elapsedMs < kRepeatDelayMs)
        return 0;
    // The slow term stops growing at 2399 ms into the repeat, where the fast one has taken over.
    std::uint32_t steps = std::min<std::uint32_t>(elapsedMs - kRepeatDelayMs, kFastStartMs - 1) / kSlowStepMs;
    if (elapsedMs >= kFastStartMs)
        steps += (elapsedMs - kFastStartMs) / kFastStepMs;
    return static_cast<std::int32_t>(steps);
}

} // namespace NSTramvell
