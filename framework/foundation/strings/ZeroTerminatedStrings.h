#pragma once

// The string utilities of StringUtilities.h on zero-terminated buffers the caller owns, with the same
// character classes. Destinations are the caller's and must hold the result; every result is
// zero-terminated.

#include <cstdint>

namespace NSTramvell {

// At most count characters, stopping at the terminator; count below 1 gives an empty string.
void CopyString(const char* source, char* destination, std::int32_t count);
// Exactly count bytes, then a terminator.
void CopyBytes(const char* source, char* destination, std::int16_t count);
void CopyBytes(const char* source, char* destination, std::int32_t count);
// As CopyBytes; when the copied bytes hold a terminator, the positions from it to count become spaces.
void CopyBytesPadded(const char* source, char* destination, std::int32_t count);
void FillChars(char* destination, char c, std::int32_t count);
// Appends c until the text has length characters.
void PadChars(char* text, char c, std::int32_t length);
// Characters from index from up to, not including, index to.
void CopySubstring(const char* source, char* destination, std::int32_t from, std::int32_t to);
// count characters; a zero byte as a space, non-printable characters as the character 224.
void CopyPrintable(const char* source, char* destination, std::int32_t count);
void CopyUpTo(const char* source, char* destination, const char* set);
// Skips leading spaces and reduces every run of spaces to one.
void CopyCollapsingSpaces(const char* source, char* destination);
std::int32_t CountLinesC(const char* text);
void CopyLineC(const char* text, std::int32_t lineIndex, char* destination);
// Index of c, or -1.
std::int32_t FindChar(const char* text, char c);
bool ContainsChar(const char* text, char c);
void ReplaceCharsInSet(char* text, const char* set, char replacement);
void ReplaceCharsNotInSet(char* text, const char* set, char replacement);
void RemoveCharsC(char* text, const char* set);
void TrimLeftC(char* text, const char* set);
void TrimTrailingChars(char* text, const char* set);
void SpacesToZerosC(char* text);
// As StripLeadingZeros, but an empty text stays empty: its buffer may have no room for "0".
void StripLeadingZerosC(char* text);
void MakeUpperC(char* text);
// True for count below 1.
bool EqualBytes(const void* a, const void* b, std::int32_t count);
// The first occurrence of pattern in text; when there is none, false with index 666.
bool FindSubstring(const char* text, const char* pattern, std::int32_t& index);
void EraseLeadingC(char* text, std::int32_t count);
bool EqualNoCase(const char* a, const char* b);
// As StringToInt.
bool ParseNumber(const char* text, std::int32_t& value, std::int32_t& indexAfterDigits);
// The digits at the start, and those after the first '.'; false when there is no '.'.
bool ParseTwoNumbersC(const char* text, std::int32_t& first, std::int32_t& second);
// count upper-case hexadecimal digits, most significant first.
void ToHexDigits(std::uint32_t value, std::int32_t count, char* destination);
// Four bytes in the machine's memory order (on x86 the first character is the least significant byte).
std::uint32_t FourCharsToCodeC(const char* chars);
void CodeToFourCharsC(std::uint32_t code, char* destination);
void BytesToHexC(const std::uint8_t* bytes, std::int32_t count, std::int32_t bytesPerGroup, char* destination);
// Cuts a decimal number to significantDigits digits, not counting leading zeros and never inside the
// integer part, then drops trailing zeros of the fraction and a bare point. A text holding any other
// character, or too short to reach the cut, stays as it is.
void CutDecimals(char* text, std::int32_t significantDigits);
void LengthPrefixedToC(const std::uint8_t* lengthPrefixed, char* destination);
// Writes at most 256 bytes; a text of more than 255 characters is cut to 255.
void CToLengthPrefixed(const char* text, std::uint8_t* destination);
void CopyLengthPrefixed(const std::uint8_t* source, std::uint8_t* destination);
// Length plus one, rounded up to an even number.
std::int32_t LengthPrefixedStorageSize(const std::uint8_t* lengthPrefixed);

} // namespace NSTramvell
