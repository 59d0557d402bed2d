#pragma once

// Texts for tempi, times and notes as a sequencer's displays show them: fixed widths, padded on the
// left, so that columns of them line up.

#include <cstdint>
#include <string>

namespace NSTramvell {

// Thousandths of a beat per minute for a beat of lengthInMicroseconds; 0 for a length of 0.
std::int32_t TempoFromBeatLength(std::int32_t lengthInMicroseconds) noexcept;
// That tempo in 7 characters.
std::string FormatTempo(std::int32_t beatLengthInMicroseconds);
// Thousandths as "  5.007".
std::string FormatThousandths(std::int32_t thousandths);
// "s 0. 1:02:03.4": days, hours, minutes, seconds and tenths of the ticks' magnitude in a time-code
// format (XBase for an invalid one); no sign is shown.
std::string FormatTime(std::int32_t ticks, std::int32_t format);
// The bar display: bars are not counted from ticks, so it always shows bar 0, beat 0.
std::string FormatBars(std::int32_t bar, std::int32_t beat);
// "C 3" for note 60: two characters of name, a blank after a natural, and the octave counted from -2.
std::string FormatNoteNameFromC(std::uint8_t note);
// The other convention: the names counted from A, three notes up, with octaves from 0 to 9 that then
// start again below 0.
std::string FormatNoteNameFromA(std::uint8_t note);

} // namespace NSTramvell
