#pragma once

// A time signature: a numerator and a denominator that is a power of two, kept as its exponent. The
// exponents run from 0 to 5 (whole notes to 32nd notes), as standard MIDI files allow them.

#include <cstdint>

namespace NSTramvell {

class CTimeSignature
{
public:
    static constexpr std::uint8_t kLargestExponent = 5;

    CTimeSignature() noexcept; // 4/4
    // A denominator that is no power of two up to 32 gives exponent 0 (a denominator of 1).
    CTimeSignature(std::uint8_t numerator, std::int32_t denominator) noexcept;

    std::uint8_t GetNumerator() const noexcept { return mNumerator; }
    void SetNumerator(std::uint8_t numerator) noexcept { mNumerator = numerator; }
    std::uint8_t GetExponent() const noexcept { return mExponent; }
    // XBase above kLargestExponent: the denominator would not be a value a file can hold.
    void SetExponent(std::uint8_t exponent);
    std::int32_t GetDenominator() const noexcept { return 1 << mExponent; }
    // As the constructor: exponent 0 and false when the value is no power of two up to 32.
    bool SetDenominator(std::int32_t denominator) noexcept;

    friend bool operator==(const CTimeSignature& a, const CTimeSignature& b) noexcept
    {
        return a.mNumerator == b.mNumerator && a.mExponent == b.mExponent;
    }

private:
    std::uint8_t mNumerator;
    std::uint8_t mExponent;
};

// The exponent e of 2^e = denominator; found is false, and exponent 0, when there is none up to 32.
std::uint8_t FindDenominatorExponent(std::int32_t denominator, bool& found) noexcept;

} // namespace NSTramvell
