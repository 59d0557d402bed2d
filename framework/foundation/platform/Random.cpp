#include "framework/foundation/platform/Random.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace NSTramvell {

int ScaleSaturated(int a, int b, int c)
{
    const std::int64_t scaled = std::int64_t{a} * b / c;
    return static_cast<int>(std::clamp<std::int64_t>(scaled, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
}

std::uint32_t StepRandomState(std::uint32_t state)
{
    return state * 196314165u + 907633515u;
}

} // namespace NSTramvell
