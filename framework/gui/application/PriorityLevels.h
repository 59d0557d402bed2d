#pragma once

// The process's priority as the framework names it: level 0 (idle), 1 (normal), 2 (high), 3 (real time),
// and the platform's priority classes behind them.

#include <cstdint>

namespace NSTramvell {

// A class of no level reads as normal (1).
std::int32_t PriorityClassToLevel(std::uint32_t priorityClass);
// A level outside 0 to 3 gives the normal class.
std::uint32_t PriorityLevelToClass(std::int32_t level);

} // namespace NSTramvell
