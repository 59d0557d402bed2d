#include "framework/foundation/music/TimeSignature.h"

#include "framework/foundation/core/Exceptions.h"

namespace NSTramvell {

std::uint8_t FindDenominatorExponent(std::int32_t denominator, bool& found) noexcept
{
    for (std::uint8_t exponent = 0; exponent <= CTimeSignature::kLargestExponent; ++exponent) {
        if ((1 << exponent) == denominator) {
            found = true;
            return exponent;
        }
    }
    found = false;
    return 0;
}

CTimeSignature::CTimeSignature() noexcept : mNumerator(4), mExponent(2)
{
}

CTimeSignature::CTimeSignature(std::uint8_t numerator, std::int32_t denominator) noexcept
    : mNumerator(numerator), mExponent(0)
{
    bool found = false;
    mExponent = FindDenominatorExponent(denominator, found);
}

void CTimeSignature::SetExponent(std::uint8_t exponent)
{
    if (exponent > kLargestExponent)
        throw XBase();
    mExponent = exponent;
}

bool CTimeSignature::SetDenominator(std::int32_t denominator) noexcept
{
    bool found = false;
    mExponent = FindDenominatorExponent(denominator, found);
    return found;
}

} // namespace NSTramvell
