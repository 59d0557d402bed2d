#include "conversion/patch/PatchUnits.h"

#include "framework/foundation/core/ByteOrder.h"

#include <cfloat>
#include <cmath>
#include <limits>

// The results must not depend on the build: with excess precision in the float and double types the
// i686 build would truncate differently from the x86_64 one.
static_assert(FLT_EVAL_METHOD == 0, "build with SSE arithmetic (-msse2 -mfpmath=sse)");

namespace NSConverterImplementation {
namespace {

// The sampler's constants are single-precision values, widened exactly.
constexpr long double kInverse440 = 0.0022727272f;
constexpr long double kInverse1200 = 0.00083333335f;
constexpr long double kInverse1440 = 0.00069444446f;
constexpr long double kInverse200 = 0.0049999999f;
constexpr long double kOneThird = 0.33333334f;

constexpr long double kGainUnitsOfSilence = 1440.0L;

long double CubeRoot(long double value)
{
    return std::pow(value, kOneThird);
}

long double RelativeAmplitude(long double gain)
{
    return (gain + kGainUnitsOfSilence) * kInverse1440;
}

} // namespace

std::int32_t TruncateToInt32(long double value)
{
    if (std::isnan(value) || value <= static_cast<long double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (value >= static_cast<long double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::int32_t HertzToCents(long double hertz)
{
    return TruncateToInt32(1200.0L * std::log2(hertz * kInverse440) + 6900.0L);
}

long double CentsToHertz(long double cents)
{
    return 440.0L * std::exp2((cents - 6900.0L) * kInverse1200);
}

std::int32_t MillisecondsToTimeCents(long double milliseconds)
{
    return TruncateToInt32(1200.0L * std::log2(milliseconds / 1000.0L));
}

long double TimeCentsToMilliseconds(long double timeCents)
{
    return 1000.0L * std::exp2(timeCents * kInverse1200);
}

std::int32_t TenthDbToGainUnit(long double tenthDb)
{
    return TruncateToInt32(CubeRoot(std::pow(10.0L, tenthDb * kInverse200)) * kGainUnitsOfSilence - kGainUnitsOfSilence);
}

std::int32_t LinearToGainUnit(long double amplitude)
{
    return TruncateToInt32(CubeRoot(amplitude) * kGainUnitsOfSilence - kGainUnitsOfSilence);
}

long double GainUnitToLinear(long double gain)
{
    const long double relative = RelativeAmplitude(gain);
    return relative * relative * relative;
}

long double GainUnitToTenthDb(long double gain)
{
    return 200.0L * std::log10(GainUnitToLinear(gain));
}

bool IsSilentGain(std::int32_t gain)
{
    return gain == -1440;
}

long double GainUnitCurve(long double gain)
{
    return std::pow(16.0L, gain * kInverse1440) * RelativeAmplitude(gain);
}

std::int32_t KeyTrackingOffset(std::int32_t key, std::int32_t amount)
{
    return (key - 60) * amount;
}

std::int32_t PerThousandOfSteps(std::int32_t value, std::int32_t steps)
{
    return NSTramvell::MulDiv(value, 1000, steps - 1);
}

} // namespace NSConverterImplementation
