#include "conversion/patch/ZoneCurves.h"

#include "conversion/patch/PatchUnits.h"
#include "framework/foundation/core/ByteOrder.h"

#include <array>
#include <cfloat>
#include <cmath>

static_assert(FLT_EVAL_METHOD == 0, "build with SSE arithmetic (-msse2 -mfpmath=sse)");

namespace NSAkaiConversion {
namespace {

using NSConverterImplementation::HertzToCents;
using NSConverterImplementation::MillisecondsToTimeCents;
using NSConverterImplementation::TruncateToInt32;

constexpr std::int32_t kMinimumRateCents = -9700;
constexpr std::int32_t kMaximumRateCents = 4500;
constexpr std::int32_t kMinimumDelayTimeCents = -10500;
constexpr std::int32_t kMaximumDelayTimeCents = 3986;
constexpr std::int32_t kMinimumEnvelopeTimeCents = -14400;
constexpr std::int32_t kMaximumEnvelopeTimeCents = 6774;
constexpr std::int32_t kMaximumCutoffCents = 14100;
constexpr long double kSampleRate = 44100.0L;

struct CDelayPoint
{
    std::int32_t akaiValue;
    std::int32_t samples;
};

constexpr std::array<CDelayPoint, 12> kDelayPoints = {{{0, 0},
                                                        {10, 13249},
                                                        {20, 14555},
                                                        {30, 16718},
                                                        {40, 18571},
                                                        {50, 22883},
                                                        {60, 27898},
                                                        {70, 40675},
                                                        {80, 55577},
                                                        {90, 95510},
                                                        {95, 170790},
                                                        {99, 432360}}};

std::int32_t RateCents(long double hertz)
{
    return NSTramvell::Clamp(HertzToCents(hertz), kMinimumRateCents, kMaximumRateCents);
}

std::int32_t EnvelopeTimeCents(long double milliseconds)
{
    return NSTramvell::Clamp(MillisecondsToTimeCents(milliseconds), kMinimumEnvelopeTimeCents,
                             kMaximumEnvelopeTimeCents);
}

// The release curve and envelope 1's attack differ only in their factor.
long double ScaledReleaseMilliseconds(long double factor, std::int32_t akaiValue)
{
    return factor * 44028.17355L * std::exp(0.098071237L * akaiValue) / kSampleRate;
}

} // namespace

std::int32_t LfoDelaySamples(std::int32_t akaiValue)
{
    if (akaiValue < 0 || akaiValue > kDelayPoints.back().akaiValue)
        return 0;
    for (std::size_t i = 0; i < kDelayPoints.size(); ++i) {
        const CDelayPoint& point = kDelayPoints[i];
        if (point.akaiValue == akaiValue)
            return point.samples;
        if (point.akaiValue > akaiValue) {
            // Integer interpolation: where the line meets an integer, no rounding can move the result.
            const CDelayPoint& before = kDelayPoints[i - 1];
            return before.samples + (point.samples - before.samples) * (akaiValue - before.akaiValue) /
                                        (point.akaiValue - before.akaiValue);
        }
    }
    return 0;
}

std::int32_t DelaySamplesToTimeCents(std::int32_t samples)
{
    if (samples <= 0)
        return kMinimumDelayTimeCents;
    const std::int32_t timeCents = TruncateToInt32(1200.0L * std::log2(samples / kSampleRate));
    return NSTramvell::Clamp(timeCents, kMinimumDelayTimeCents, kMaximumDelayTimeCents);
}

std::int32_t PitchLfoRateCents(std::int32_t kind, std::int32_t rate)
{
    const long double r = rate;
    if (kind == 7) {
        const long double periodMs = 1522493.422L / ((r + 3.65L) * 123.8592128L) + 9.863688276L;
        return RateCents(1000.0L / periodMs);
    }
    const long double periodSamples =
        rate <= 10 ? 129200.0L - 10059.5L * r : 1496576.226L / ((r + 1.0L) * 4.820228765L) + 832.9590577L;
    return RateCents(kSampleRate / periodSamples);
}

std::int32_t PanLfoRateCents(std::int32_t kind, std::int32_t rate)
{
    const long double r = static_cast<std::int8_t>(rate);
    const long double periodSamples =
        kind == 7 ? 1499925.875L / ((r + 1.0L) * 1.0143907070159912L) - 4.2278313636779785L
                  : 1496599.114L / ((r + 1.0L) * 3.693009983L) - 474.1426677L;
    return RateCents(kSampleRate / periodSamples);
}

std::int32_t Envelope2AttackTimeCents(std::int32_t akaiValue)
{
    const long double milliseconds = 50.17478391L * std::exp(0.096261464L * akaiValue) * 1000.0L / kSampleRate;
    if (milliseconds < 15.0L)
        return kMinimumEnvelopeTimeCents;
    return EnvelopeTimeCents(milliseconds);
}

std::int32_t Envelope2DecayTimeCents(std::int32_t akaiValue)
{
    return EnvelopeTimeCents(3.369006872177124L * std::exp(0.07652436941862106L * akaiValue));
}

std::int32_t ReleaseTimeCents(std::int32_t akaiValue)
{
    return EnvelopeTimeCents(ScaledReleaseMilliseconds(0.5851L, akaiValue));
}

std::int32_t Envelope1AttackTimeCents(std::int32_t akaiValue)
{
    return EnvelopeTimeCents(ScaledReleaseMilliseconds(0.64L, akaiValue));
}

std::int32_t CutoffCents(std::int32_t kind, std::int32_t cutoff)
{
    const long double x = cutoff;
    long double hertz = 0.0L;
    if (kind == 7)
        hertz = cutoff < 70 ? 357.0L * std::exp2(static_cast<long double>((cutoff - 50) / 10)) : 275.86L * x - 17410.2L;
    else
        hertz = cutoff < 95 ? 1.13579689L * std::exp(0.089216619L * x) : 5000.0L * x - 469400.0L;
    return NSTramvell::Clamp(HertzToCents(hertz), 0, kMaximumCutoffCents);
}

std::int32_t VolumeStepsToTenthDb(std::int32_t steps)
{
    return TruncateToInt32(20.0L * std::log10(2.0L) * steps);
}

} // namespace NSAkaiConversion
