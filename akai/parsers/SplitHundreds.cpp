#include "akai/parsers/SplitHundreds.h"

namespace NSAkaiParser {

void SplitHundreds(std::int32_t cents, std::int8_t& hundreds, std::int8_t& remainder)
{
    // The factor is deliberately the float 0.01 widened to double, which rounds exact halves toward zero.
    const double scaled = static_cast<double>(cents) * static_cast<double>(0.01f);
    const double rounded = scaled >= 0.0 ? scaled + 0.5 : scaled - 0.5;
    hundreds = static_cast<std::int8_t>(static_cast<std::int32_t>(rounded));
    remainder = static_cast<std::int8_t>(cents - 100 * hundreds);
}

} // namespace NSAkaiParser
