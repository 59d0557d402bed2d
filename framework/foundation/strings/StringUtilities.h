#pragma once

// Cutting, padding, trimming, converting and comparing 8-bit text, on std::string and on zero-terminated
// buffers the caller owns, and the substitution of "^0", "^1" ... in texts from the string tables.
// Case conversion and character classes are those of the "C" locale (ASCII); a byte above 0x7F is neither
// a letter nor printable. A "set" argument lists the characters that count. Lines end at a carriage return.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace NSTramvell {

// ---- Placeholder substitution ----

// Every '^' followed by digits is replaced by the parameter with that index (all the digits form one
// index; an index without a parameter gives nothing). A '^' without a digit stays; parameters are not
// scanned again.
std::string ReplaceParameters(const std::string& text, const std::vector<std::string>& parameters);
std::string ReplaceParameters(const std::string& text, const std::string& parameter0);
std::string ReplaceParameters(const std::string& text, const std::string& parameter0,
                              const std::string& parameter1);
std::string ReplaceParameters(const std::string& text, const std::string& parameter0,
                              const std::string& parameter1, const std::string& parameter2);

// ---- std::string ----

// Skips blanks and commas; every '-' of the following run of signs flips the sign ('+' leaves it); then
// one or more digits. Values beyond the 32-bit range saturate. On failure returns false and leaves the
// outputs untouched; indexAfterDigits is the index just past the last digit.
bool StringToInt(const std::string& text, std::int32_t& value);
bool StringToInt(const std::string& text, std::int32_t& value, std::size_t& indexAfterDigits);
// "a.b": both parts through StringToInt; an absent part stays 0. Without a '.' the whole text is the first.
bool ParseTwoNumbers(const std::string& text, std::int32_t& first, std::int32_t& second);

std::string RealToString(double value, int decimals);
void RealToString(std::string& out, double value, int decimals);
// Upper-case hexadecimal, zero-padded to width; a longer text keeps only its last width digits.
std::string ToHexString(std::uint32_t value, int width);
// Two upper-case digits per byte, a space after every group of bytesPerGroup (0: no spaces).
std::string ToHexDump(const std::uint8_t* bytes, std::size_t count, std::size_t bytesPerGroup);

// First character in the most significant byte; missing characters count as 0.
std::uint32_t StringToFourCharCode(const std::string& text);
// The four bytes, most significant first, up to the first zero byte.
std::string FourCharCodeToString(std::uint32_t code);

// A length-prefixed string: one length byte, then that many characters.
std::string LengthPrefixedToString(const std::uint8_t* lengthPrefixed);
// Writes at most 256 bytes; a text of more than 255 characters is cut to 255.
void StringToLengthPrefixed(const std::string& text, std::uint8_t* destination);
// A zero byte becomes a space and any other non-printable character the character 224.
std::string CharsToString(const char* chars, std::size_t count);

std::string ToUpperCopy(const std::string& text);
std::string ToLowerCopy(const std::string& text);
void MakeUpper(std::string& text);
void MakeLower(std::string& text);
// -1, 0 or 1; a string that is a prefix of the other is the smaller.
int CompareNoCase(const std::string& a, const std::string& b);

std::size_t CountCharsInSet(const std::string& text, const std::string& set);
void RemoveChars(std::string& text, const std::string& set);
void ReplaceCharsInSet(std::string& text, const std::string& set, char replacement);
// Every run of spaces becomes one space; returns the new length.
std::size_t CollapseSpaces(std::string& text);
void TrimLeft(std::string& text, const std::string& set);
void TrimRight(std::string& text, const std::string& set);
// The same as TrimRight.
void KeepUpToLastOf(std::string& text, const std::string& set);
// From start up to, not including, the next character of the set, or to the end.
std::string SubstringUpTo(const std::string& text, std::size_t start, const std::string& set);
void EraseFrom(std::string& text, std::size_t position);
void PadLeft(std::string& text, std::size_t width, char fill);
void PadRight(std::string& text, std::size_t width, char fill);
// Cut to width, then padded with spaces to width.
void FixWidth(std::string& text, std::size_t width);
void SpacesToZeros(std::string& text);
// Removes everything before the first digit 1 to 9; an empty result becomes "0".
void StripLeadingZeros(std::string& text);
std::size_t CountLines(const std::string& text);
// Line lineIndex (from 0); empty when the text has fewer lines.
std::string GetLine(const std::string& text, std::size_t lineIndex);

// Positions, or -1 when there is none. FindLastNotOf looks at and before position.
std::int32_t FindFirstOf(const std::string& text, const std::string& set, std::size_t position = 0);
std::int32_t FindFirstOf(const std::string& text, const char* set, std::size_t position = 0);
std::int32_t FindFirstNotOf(const std::string& text, const std::string& set, std::size_t position = 0);
std::int32_t FindFirstNotOf(const std::string& text, const char* set, std::size_t position = 0);
std::int32_t FindLastNotOf(const std::string& text, const std::string& set, std::size_t position);
std::int32_t FindLastNotOf(const std::string& text, const char* set, std::size_t position);

// ---- C strings: destinations are the caller's, every result is zero-terminated ----

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
