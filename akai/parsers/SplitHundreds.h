#pragma once

// Splits a tuning in cents into the whole semitones and the remaining cents in which Akai records
// store it.

#include <cstdint>

namespace NSAkaiParser {

// hundreds = cents x 0.01 rounded half away from zero; remainder = cents - 100 x hundreds; both taken in
// 8 bits. The factor is the single-precision 0.01, just below the exact value, so exact halves fall
// toward zero: 250 gives (2, 50), -250 gives (-2, -50), 251 gives (3, -49).
void SplitHundreds(std::int32_t cents, std::int8_t& hundreds, std::int8_t& remainder);

} // namespace NSAkaiParser
