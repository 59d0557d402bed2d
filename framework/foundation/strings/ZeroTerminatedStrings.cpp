#include "framework/foundation/strings/ZeroTerminatedStrings.h"

#include "framework/foundation/strings/StringUtilities.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace NSTramvell {

namespace {

constexpr std::int32_t kNotFound = -1;
constexpr std::int32_t kSubstringNotFoundIndex = 666;
constexpr const char* kDecimalDigits = "0123456789";

// The caller's destination holds the result, as every function of this family requires.
void CopyOut(const std::string& result, char* destination)
{
    std::memcpy(destination, result.c_str(), result.size() + 1);
}

// A std::string operation on a text in place: each one used so keeps or shortens the text, except
// PadChars, whose caller sizes the buffer for the padding.
template <typename Operation>
void InPlace(char* text, Operation operation)
{
    std::string copy(text);
    operation(copy);
    CopyOut(copy, text);
}

// The run of digits at the start of text, saturated; 0 when there is none.
std::int32_t LeadingDigits(const char* text)
{
    std::int32_t value = 0;
    StringToInt(std::string(text, std::strspn(text, kDecimalDigits)), value);
    return value;
}

} // namespace

void CopyString(const char* source, char* destination, std::int32_t count)
{
    std::int32_t i = 0;
    for (; i < count && source[i] != '\0'; ++i)
        destination[i] = source[i];
    destination[i] = '\0';
}

void CopyBytes(const char* source, char* destination, std::int16_t count)
{
    CopyBytes(source, destination, static_cast<std::int32_t>(count));
}

void CopyBytes(const char* source, char* destination, std::int32_t count)
{
    const std::int32_t length = std::max(count, 0);
    std::memmove(destination, source, static_cast<std::size_t>(length));
    destination[length] = '\0';
}

void CopyBytesPadded(const char* source, char* destination, std::int32_t count)
{
    CopyBytes(source, destination, count);
    const std::int32_t length = std::max(count, 0);
    const auto terminator = static_cast<std::int32_t>(std::strlen(destination));
    std::fill(destination + terminator, destination + length, ' ');
}

void FillChars(char* destination, char c, std::int32_t count)
{
    const std::int32_t length = std::max(count, 0);
    std::fill(destination, destination + length, c);
    destination[length] = '\0';
}

void PadChars(char* text, char c, std::int32_t length)
{
    InPlace(text, [&](std::string& t) { PadRight(t, static_cast<std::size_t>(std::max(length, 0)), c); });
}

void CopySubstring(const char* source, char* destination, std::int32_t from, std::int32_t to)
{
    const std::int32_t length = std::max(to - from, 0);
    std::memmove(destination, source + from, static_cast<std::size_t>(length));
    destination[length] = '\0';
}

void CopyPrintable(const char* source, char* destination, std::int32_t count)
{
    CopyOut(CharsToString(source, static_cast<std::size_t>(std::max(count, 0))), destination);
}

void CopyUpTo(const char* source, char* destination, const char* set)
{
    CopyOut(SubstringUpTo(source, 0, set), destination);
}

void CopyCollapsingSpaces(const char* source, char* destination)
{
    std::string text(source);
    TrimLeft(text, " ");
    CollapseSpaces(text);
    CopyOut(text, destination);
}

std::int32_t CountLinesC(const char* text)
{
    return static_cast<std::int32_t>(CountLines(text));
}

void CopyLineC(const char* text, std::int32_t lineIndex, char* destination)
{
    CopyOut(lineIndex < 0 ? GetLine(text, 0) : GetLine(text, static_cast<std::size_t>(lineIndex)), destination);
}

std::int32_t FindChar(const char* text, char c)
{
    const char* found = std::strchr(text, c);
    return (c == '\0' || found == nullptr) ? kNotFound : static_cast<std::int32_t>(found - text);
}

bool ContainsChar(const char* text, char c)
{
    return FindChar(text, c) != kNotFound;
}

void ReplaceCharsInSet(char* text, const char* set, char replacement)
{
    InPlace(text, [&](std::string& t) { ReplaceCharsInSet(t, set, replacement); });
}

void ReplaceCharsNotInSet(char* text, const char* set, char replacement)
{
    for (; *text != '\0'; ++text) {
        if (!ContainsChar(set, *text))
            *text = replacement;
    }
}

void RemoveCharsC(char* text, const char* set)
{
    InPlace(text, [&](std::string& t) { RemoveChars(t, set); });
}

void TrimLeftC(char* text, const char* set)
{
    InPlace(text, [&](std::string& t) { TrimLeft(t, set); });
}

void TrimTrailingChars(char* text, const char* set)
{
    InPlace(text, [&](std::string& t) { TrimRight(t, set); });
}

void SpacesToZerosC(char* text)
{
    InPlace(text, [](std::string& t) { SpacesToZeros(t); });
}

void StripLeadingZerosC(char* text)
{
    if (text[0] != '\0')
        InPlace(text, [](std::string& t) { StripLeadingZeros(t); });
}

void MakeUpperC(char* text)
{
    InPlace(text, [](std::string& t) { MakeUpper(t); });
}

bool EqualBytes(const void* a, const void* b, std::int32_t count)
{
    return count < 1 || std::memcmp(a, b, static_cast<std::size_t>(count)) == 0;
}

bool FindSubstring(const char* text, const char* pattern, std::int32_t& index)
{
    const char* found = std::strstr(text, pattern);
    if (found == nullptr) {
        index = kSubstringNotFoundIndex;
        return false;
    }
    index = static_cast<std::int32_t>(found - text);
    return true;
}

void EraseLeadingC(char* text, std::int32_t count)
{
    const std::size_t length = std::strlen(text);
    const std::size_t erased = std::min(static_cast<std::size_t>(std::max(count, 0)), length);
    std::memmove(text, text + erased, length - erased + 1);
}

bool EqualNoCase(const char* a, const char* b)
{
    return CompareNoCase(a, b) == 0;
}

bool ParseNumber(const char* text, std::int32_t& value, std::int32_t& indexAfterDigits)
{
    std::size_t index = 0;
    if (!StringToInt(text, value, index))
        return false;
    indexAfterDigits = static_cast<std::int32_t>(index);
    return true;
}

bool ParseTwoNumbersC(const char* text, std::int32_t& first, std::int32_t& second)
{
    first = LeadingDigits(text);
    second = 0;
    const char* dot = std::strchr(text, '.');
    if (dot == nullptr)
        return false;
    second = LeadingDigits(dot + 1);
    return true;
}

void ToHexDigits(std::uint32_t value, std::int32_t count, char* destination)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const std::int32_t length = std::max(count, 0);
    for (std::int32_t i = length - 1; i >= 0; --i) {
        destination[i] = kDigits[value & 0xF];
        value >>= 4;
    }
    destination[length] = '\0';
}

std::uint32_t FourCharsToCodeC(const char* chars)
{
    std::uint32_t code = 0;
    std::memcpy(&code, chars, sizeof code);
    return code;
}

void CodeToFourCharsC(std::uint32_t code, char* destination)
{
    std::memcpy(destination, &code, sizeof code);
    destination[sizeof code] = '\0';
}

void BytesToHexC(const std::uint8_t* bytes, std::int32_t count, std::int32_t bytesPerGroup, char* destination)
{
    CopyOut(ToHexDump(bytes, static_cast<std::size_t>(std::max(count, 0)),
                      static_cast<std::size_t>(std::max(bytesPerGroup, 0))),
            destination);
}

void CutDecimals(char* text, std::int32_t significantDigits)
{
    std::size_t i = 0;
    while (text[i] == '0')
        ++i;
    std::int32_t counted = 0;
    bool pointPassed = false;
    for (;; ++i) {
        const char c = text[i];
        if (c == '\0')
            return;
        if (ContainsChar(kDecimalDigits, c))
            ++counted;
        else if (c == '.')
            pointPassed = true;
        else
            return;
        if (counted >= significantDigits && pointPassed)
            break;
    }
    text[i + 1] = '\0';
    // Trailing zeros go only as far as the point, so the integer part keeps its own zeros.
    std::size_t length = i + 1;
    const char* point = std::strchr(text, '.');
    const auto pointIndex = static_cast<std::size_t>(point - text);
    while (length > pointIndex + 1 && text[length - 1] == '0')
        --length;
    if (length == pointIndex + 1)
        --length;
    text[length] = '\0';
}

void LengthPrefixedToC(const std::uint8_t* lengthPrefixed, char* destination)
{
    CopyOut(LengthPrefixedToString(lengthPrefixed), destination);
}

void CToLengthPrefixed(const char* text, std::uint8_t* destination)
{
    StringToLengthPrefixed(text, destination);
}

void CopyLengthPrefixed(const std::uint8_t* source, std::uint8_t* destination)
{
    std::memmove(destination, source, static_cast<std::size_t>(source[0]) + 1);
}

std::int32_t LengthPrefixedStorageSize(const std::uint8_t* lengthPrefixed)
{
    const std::int32_t size = lengthPrefixed[0] + 1;
    return (size + 1) & ~1;
}

} // namespace NSTramvell
