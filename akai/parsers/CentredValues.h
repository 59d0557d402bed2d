#pragma once

// Parameter values as pairs of 7-bit bytes centred on 8192, and 16-bit values split into bytes.

#include <cstdint>

namespace NSAkaiParser {

// (high << 7 | low) - 8192: the pair (0, 64) is 0, (0, 0) is -8192 and (127, 127) is 8191.
std::int32_t JoinCentredValue(std::uint8_t low, std::uint8_t high);
void SplitCentredValue(std::int32_t value, std::uint8_t& low, std::uint8_t& high);

// high x 256 + low.
std::int32_t JoinHighLow(std::uint8_t high, std::uint8_t low);
// value >> 8, arithmetic.
std::int32_t HighByteOf(std::int32_t value);

// The group's test of a value; it passes every value, as the split and the join check none.
bool IsCentredValueStorable(std::int32_t value);

} // namespace NSAkaiParser
