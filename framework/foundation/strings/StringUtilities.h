#pragma once

// Cutting, padding, trimming, converting and comparing 8-bit text in std::string, and the substitution of
// "^0", "^1" ... in texts from the string tables; ZeroTerminatedStrings.h does the same on buffers the
// caller owns. Case conversion and character classes are those of the "C" locale (ASCII); a byte above
// 0x7F is neither a letter nor printable. A "set" argument lists the characters that count. Lines end at
// a carriage return.

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

} // namespace NSTramvell
