#include "framework/foundation/audio/SampleArithmetic.h"

#include "framework/foundation/strings/StringUtilities.h"

#include <cmath>

namespace NSTramvell {

double GetSemitonesBetween(std::uint32_t rateA, std::uint32_t rateB)
{
    if (rateA == 0 || rateB == 0)
        return 0.0;
    return 12.0 * std::log2(static_cast<double>(rateA) / static_cast<double>(rateB));
}

std::int64_t GetCentsBetween(std::uint32_t rateA, std::uint32_t rateB)
{
    return static_cast<std::int64_t>(GetSemitonesBetween(rateA, rateB) * 100.0);
}

std::int64_t GetTempoDuration(std::int32_t a, std::uint32_t b, std::int32_t c, std::int16_t d)
{
    const double divisor = static_cast<double>(a) * d;
    if (divisor == 0.0)
        return 0;
    return static_cast<std::int64_t>(static_cast<double>(b) * c * 60.0 / divisor * 1000.0);
}

std::int64_t GetBeatDuration(std::int32_t a, std::uint32_t b)
{
    if (b == 0)
        return 0;
    return static_cast<std::int64_t>(static_cast<double>(a) * 60.0 / static_cast<double>(b));
}

bool FindValue(std::uint32_t value, const std::uint32_t* list, std::uint8_t count, std::int32_t& index)
{
    for (std::int32_t i = 0; i < count; ++i) {
        if (list[i] == value) {
            index = i;
            return true;
        }
    }
    return false;
}

std::int32_t ChooseSupportedValue(std::uint32_t value, const std::uint32_t* supported, std::int32_t count)
{
    std::int32_t above = -1;
    std::int32_t largest = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        if (supported[i] == value)
            return i;
        if (supported[i] > value && (above < 0 || supported[i] < supported[above]))
            above = i;
        if (supported[i] > supported[largest])
            largest = i;
    }
    return above >= 0 ? above : largest;
}

void MergeChosenValue(std::uint32_t value, const std::uint32_t* supported, std::int32_t supportedCount,
                      const std::uint32_t* current, std::int32_t currentCount, std::uint32_t* merged,
                      std::int32_t& mergedCount, std::int32_t& chosenIndex)
{
    const std::uint32_t chosen =
        supportedCount > 0 ? supported[ChooseSupportedValue(value, supported, supportedCount)] : value;
    mergedCount = currentCount;
    for (std::int32_t i = 0; i < currentCount; ++i)
        merged[i] = current[i];
    for (std::int32_t i = 0; i < currentCount; ++i) {
        if (current[i] == chosen) {
            chosenIndex = i;
            return;
        }
    }
    merged[currentCount] = chosen;
    chosenIndex = currentCount;
    mergedCount = currentCount + 1;
}

std::string GetSampleRateText(std::uint32_t rateInHz)
{
    if (rateInHz < 1000)
        return std::to_string(rateInHz) + " Hz";
    const int decimals = rateInHz % 1000 == 0 ? 0 : rateInHz % 100 != 0 ? 3 : 1;
    return RealToString(rateInHz * 0.001, decimals) + " kHz";
}

} // namespace NSTramvell
