#pragma once

// The range record that every value of a sampler patch carries: its minimum, maximum and default.

#include "framework/foundation/core/ByteOrder.h"

#include <cstdint>

namespace NSConverterImplementation {

template <typename T>
class CParameterRange
{
public:
    constexpr CParameterRange(T minimum, T maximum, T defaultValue)
        : mMin(minimum), mMax(maximum), mDefault(defaultValue)
    {
    }

    constexpr T GetMin() const { return mMin; }
    constexpr T GetMax() const { return mMax; }
    constexpr T GetDefault() const { return mDefault; }

    bool IsInRange(T value) const { return mMin <= value && value <= mMax; }
    // The low end wins for an empty range.
    T Clamp(T value) const { return static_cast<T>(NSTramvell::Clamp(value, mMin, mMax)); }
    T ValidateOrClamp(T value) const { return IsInRange(value) ? value : Clamp(value); }
    // value's place in this range carried over to low..high.
    std::int32_t MapLinear(std::int32_t value, std::int32_t low, std::int32_t high) const
    {
        return low + NSTramvell::MulDiv(NSTramvell::SaturateToInt32(std::int64_t{value} - mMin), high - low,
                                        NSTramvell::SaturateToInt32(std::int64_t{mMax} - mMin));
    }
    // perMille thousandths of the range's span.
    std::int32_t ToPerMille(std::int32_t perMille) const
    {
        return NSTramvell::MulDiv(perMille, NSTramvell::SaturateToInt32(std::int64_t{mMax} - mMin), 1000);
    }

private:
    T mMin;
    T mMax;
    T mDefault;
};

using CRange32 = CParameterRange<std::int32_t>;
// The ranges of 16-bit fields compare stored values as signed 16-bit numbers.
using CRange16 = CParameterRange<std::int16_t>;

} // namespace NSConverterImplementation
