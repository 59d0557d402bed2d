#include "akai/parsers/CentredValues.h"

namespace NSAkaiParser {

namespace {
constexpr std::int32_t kCentre = 8192;
}

std::int32_t JoinCentredValue(std::uint8_t low, std::uint8_t high)
{
    return ((static_cast<std::int32_t>(high) << 7) | low) - kCentre;
}

void SplitCentredValue(std::int32_t value, std::uint8_t& low, std::uint8_t& high)
{
    const std::int32_t shifted = value + kCentre;
    low = static_cast<std::uint8_t>(shifted & 127);
    high = static_cast<std::uint8_t>(shifted >> 7);
}

std::int32_t JoinHighLow(std::uint8_t high, std::uint8_t low)
{
    return high * 256 + low;
}

std::int32_t HighByteOf(std::int32_t value)
{
    return value >> 8;
}

bool IsCentredValueStorable(std::int32_t)
{
    return true;
}

} // namespace NSAkaiParser
