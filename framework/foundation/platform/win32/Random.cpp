// The generator's state: seeded from the millisecond timer, so this half needs the platform.

#include "framework/foundation/platform/Random.h"

#include "framework/foundation/platform/TimeBase.h"

namespace NSTramvell {
namespace {

std::uint32_t gState = 0;
bool gSeeded = false;

} // namespace

std::uint32_t Random()
{
    if (!gSeeded) {
        gState = static_cast<std::uint32_t>(GetTimeCounter());
        gSeeded = true;
    }
    gState = StepRandomState(gState);
    return gState;
}

int RandomInRange(int lo, int hi)
{
    if (lo == hi)
        return lo;
    constexpr std::uint32_t kLow30Bits = 1073741823;
    constexpr int kThirtyBitRange = 1073741824;
    const auto r = static_cast<int>(Random() & kLow30Bits);
    const auto span = static_cast<int>(static_cast<std::int64_t>(hi) - lo + 1);
    return ScaleSaturated(r, span, kThirtyBitRange) + lo;
}

namespace NSRandomInternal {

void SetRandomState(std::uint32_t state)
{
    gState = state;
    gSeeded = true;
}

} // namespace NSRandomInternal

} // namespace NSTramvell
