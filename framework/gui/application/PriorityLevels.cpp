#include "framework/gui/application/PriorityLevels.h"

#include <array>

namespace NSTramvell {
namespace {

// By level: idle, normal, high, real time.
constexpr std::array<std::uint32_t, 4> kPriorityClasses = {64, 32, 128, 256};
constexpr std::int32_t kNormalLevel = 1;

} // namespace

std::int32_t PriorityClassToLevel(std::uint32_t priorityClass)
{
    for (std::size_t level = 0; level < kPriorityClasses.size(); ++level) {
        if (kPriorityClasses[level] == priorityClass)
            return static_cast<std::int32_t>(level);
    }
    return kNormalLevel;
}

std::uint32_t PriorityLevelToClass(std::int32_t level)
{
    if (level < 0 || level >= static_cast<std::int32_t>(kPriorityClasses.size()))
        return kPriorityClasses[kNormalLevel];
    return kPriorityClasses[static_cast<std::size_t>(level)];
}

} // namespace NSTramvell
