#include "framework/foundation/strings/StringUtilities.h"

#include "framework/foundation/core/ByteOrder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace NSTramvell {

namespace {

constexpr std::int32_t kNotFound = -1;
constexpr char kNonPrintableReplacement = static_cast<char>(224);
constexpr std::int32_t kSubstringNotFoundIndex = 666;
constexpr std::size_t kMaximumLengthPrefixedLength = 255;

// Every character test takes the byte as unsigned char and answers as the "C" locale does.
bool IsDigit(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= '0' && u <= '9';
}

bool IsPrintable(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u < 0x7F;
}

char ToUpperAscii(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<char>(u - 'a' + 'A') : c;
}

char ToLowerAscii(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<char>(u - 'A' + 'a') : c;
}

bool InSet(const char* set, char c)
{
    return c != '\0' && std::strchr(set, c) != nullptr;
}

bool InSet(const std::string& set, char c)
{
    return set.find(c) != std::string::npos;
}

char PrintableOrReplacement(char c)
{
    if (c == '\0')
        return ' ';
    return IsPrintable(c) ? c : kNonPrintableReplacement;
}

std::int32_t ToPosition(std::size_t position)
{
    return position == std::string::npos ? kNotFound : static_cast<std::int32_t>(position);
}

// Reads the digits from index on into a saturated magnitude; returns the index after them.
std::size_t ReadDigits(const char* text, std::size_t length, std::size_t index, std::int64_t& magnitude)
{
    constexpr std::int64_t kSaturated = std::int64_t{1} << 32;
    magnitude = 0;
    while (index < length && IsDigit(text[index])) {
        magnitude = std::min(magnitude * 10 + (text[index] - '0'), kSaturated);
        ++index;
    }
    return index;
}

bool IsBlankOrComma(char c)
{
    return c == ' ' || c == ',';
}

std::string FormatHex(std::uint32_t value, int width)
{
    constexpr int kWidestField = 64;
    char buffer[kWidestField + 1];
    std::snprintf(buffer, sizeof buffer, "%0*X", std::clamp(width, 0, kWidestField),
                  static_cast<unsigned int>(value));
    return buffer;
}

} // namespace

// ---- Placeholder substitution ----

std::string ReplaceParameters(const std::string& text, const std::vector<std::string>& parameters)
{
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '^' || i + 1 >= text.size() || !IsDigit(text[i + 1])) {
            result += text[i];
            ++i;
            continue;
        }
        // The index is compared digit by digit against the count, so no run of digits can overflow it.
        std::size_t index = 0;
        bool inRange = true;
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            if (inRange) {
                index = index * 10 + static_cast<std::size_t>(text[i] - '0');
                inRange = index < parameters.size();
            }
            ++i;
        }
        if (inRange)
            result += parameters[index];
    }
    return result;
}

std::string ReplaceParameters(const std::string& text, const std::string& parameter0)
{
    return ReplaceParameters(text, std::vector<std::string>{parameter0});
}

std::string ReplaceParameters(const std::string& text, const std::string& parameter0,
                              const std::string& parameter1)
{
    return ReplaceParameters(text, std::vector<std::string>{parameter0, parameter1});
}

std::string ReplaceParameters(const std::string& text, const std::string& parameter0,
                              const std::string& parameter1, const std::string& parameter2)
{
    return ReplaceParameters(text, std::vector<std::string>{parameter0, parameter1, parameter2});
}

// ---- std::string ----

bool StringToInt(const std::string& text, std::int32_t& value, std::size_t& indexAfterDigits)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlankOrComma(text[i]))
        ++i;
    bool negative = false;
    for (; i < text.size() && (text[i] == '+' || text[i] == '-'); ++i)
        negative ^= text[i] == '-';
    if (i >= text.size() || !IsDigit(text[i]))
        return false;
    std::int64_t magnitude = 0;
    indexAfterDigits = ReadDigits(text.data(), text.size(), i, magnitude);
    value = SaturateToInt32(negative ? -magnitude : magnitude);
    return true;
}

bool StringToInt(const std::string& text, std::int32_t& value)
{
    std::size_t indexAfterDigits = 0;
    return StringToInt(text, value, indexAfterDigits);
}

bool ParseTwoNumbers(const std::string& text, std::int32_t& first, std::int32_t& second)
{
    first = 0;
    second = 0;
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos)
        return StringToInt(text, first);
    if (dot != 0 && !StringToInt(text.substr(0, dot), first))
        return false;
    if (dot != text.size() - 1 && !StringToInt(text.substr(dot + 1), second))
        return false;
    return true;
}

std::string RealToString(double value, int decimals)
{
    std::string out;
    RealToString(out, value, decimals);
    return out;
}

void RealToString(std::string& out, double value, int decimals)
{
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    if (length < 0) {
        out.clear();
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    out.assign(buffer.data(), static_cast<std::size_t>(length));
}

std::string ToHexString(std::uint32_t value, int width)
{
    const std::string text = FormatHex(value, width);
    const std::size_t keep = static_cast<std::size_t>(std::max(width, 0));
    return text.size() > keep ? text.substr(text.size() - keep) : text;
}

std::string ToHexDump(const std::uint8_t* bytes, std::size_t count, std::size_t bytesPerGroup)
{
    std::string result;
    for (std::size_t i = 0; i < count; ++i) {
        result += FormatHex(bytes[i], 2);
        if (bytesPerGroup != 0 && (i + 1) % bytesPerGroup == 0)
            result += ' ';
    }
    return result;
}

std::uint32_t StringToFourCharCode(const std::string& text)
{
    std::uint32_t code = 0;
    for (std::size_t i = 0; i < 4; ++i)
        code = (code << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return code;
}

std::string FourCharCodeToString(std::uint32_t code)
{
    std::string result;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((code >> shift) & 0xFF);
        if (c == '\0')
            break;
        result += c;
    }
    return result;
}

std::string LengthPrefixedToString(const std::uint8_t* lengthPrefixed)
{
    return std::string(reinterpret_cast<const char*>(lengthPrefixed + 1), lengthPrefixed[0]);
}

void StringToLengthPrefixed(const std::string& text, std::uint8_t* destination)
{
    const std::size_t length = std::min(text.size(), kMaximumLengthPrefixedLength);
    destination[0] = static_cast<std::uint8_t>(length);
    std::memcpy(destination + 1, text.data(), length);
}

std::string CharsToString(const char* chars, std::size_t count)
{
    std::string result(chars, count);
    std::transform(result.begin(), result.end(), result.begin(), PrintableOrReplacement);
    return result;
}

std::string ToUpperCopy(const std::string& text)
{
    std::string result = text;
    MakeUpper(result);
    return result;
}

std::string ToLowerCopy(const std::string& text)
{
    std::string result = text;
    MakeLower(result);
    return result;
}

void MakeUpper(std::string& text)
{
    std::transform(text.begin(), text.end(), text.begin(), ToUpperAscii);
}

void MakeLower(std::string& text)
{
    std::transform(text.begin(), text.end(), text.begin(), ToLowerAscii);
}

int CompareNoCase(const std::string& a, const std::string& b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(ToLowerAscii(a[i]));
        const auto cb = static_cast<unsigned char>(ToLowerAscii(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::size_t CountCharsInSet(const std::string& text, const std::string& set)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [&set](char c) { return InSet(set, c); }));
}

void RemoveChars(std::string& text, const std::string& set)
{
    text.erase(std::remove_if(text.begin(), text.end(), [&set](char c) { return InSet(set, c); }), text.end());
}

void ReplaceCharsInSet(std::string& text, const std::string& set, char replacement)
{
    std::replace_if(text.begin(), text.end(), [&set](char c) { return InSet(set, c); }, replacement);
}

std::size_t CollapseSpaces(std::string& text)
{
    const auto end = std::unique(text.begin(), text.end(), [](char a, char b) { return a == ' ' && b == ' '; });
    text.erase(end, text.end());
    return text.size();
}

void TrimLeft(std::string& text, const std::string& set)
{
    const std::size_t first = text.find_first_not_of(set);
    text.erase(0, first == std::string::npos ? text.size() : first);
}

void TrimRight(std::string& text, const std::string& set)
{
    const std::size_t last = text.find_last_not_of(set);
    text.erase(last == std::string::npos ? 0 : last + 1);
}

void KeepUpToLastOf(std::string& text, const std::string& set)
{
    TrimRight(text, set);
}

std::string SubstringUpTo(const std::string& text, std::size_t start, const std::string& set)
{
    if (start >= text.size())
        return std::string();
    const std::size_t end = text.find_first_of(set, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

void EraseFrom(std::string& text, std::size_t position)
{
    if (position < text.size())
        text.erase(position);
}

void PadLeft(std::string& text, std::size_t width, char fill)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), fill);
}

void PadRight(std::string& text, std::size_t width, char fill)
{
    if (text.size() < width)
        text.append(width - text.size(), fill);
}

void FixWidth(std::string& text, std::size_t width)
{
    text.resize(width, ' ');
}

void SpacesToZeros(std::string& text)
{
    std::replace(text.begin(), text.end(), ' ', '0');
}

void StripLeadingZeros(std::string& text)
{
    const std::size_t first = text.find_first_of("123456789");
    text.erase(0, first == std::string::npos ? text.size() : first);
    if (text.empty())
        text = "0";
}

std::size_t CountLines(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')) + 1;
}

std::string GetLine(const std::string& text, std::size_t lineIndex)
{
    std::size_t start = 0;
    for (std::size_t line = 0; line < lineIndex; ++line) {
        const std::size_t end = text.find('\r', start);
        if (end == std::string::npos)
            return std::string();
        start = end + 1;
    }
    const std::size_t end = text.find('\r', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::int32_t FindFirstOf(const std::string& text, const std::string& set, std::size_t position)
{
    return ToPosition(text.find_first_of(set, position));
}

std::int32_t FindFirstOf(const std::string& text, const char* set, std::size_t position)
{
    return ToPosition(text.find_first_of(set, position));
}

std::int32_t FindFirstNotOf(const std::string& text, const std::string& set, std::size_t position)
{
    return ToPosition(text.find_first_not_of(set, position));
}

std::int32_t FindFirstNotOf(const std::string& text, const char* set, std::size_t position)
{
    return ToPosition(text.find_first_not_of(set, position));
}

std::int32_t FindLastNotOf(const std::string& text, const std::string& set, std::size_t position)
{
    return ToPosition(text.find_last_not_of(set, position));
}

std::int32_t FindLastNotOf(const std::string& text, const char* set, std::size_t position)
{
    return ToPosition(text.find_last_not_of(set, position));
}

// ---- C strings ----

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
    auto current = static_cast<std::int32_t>(std::strlen(text));
    while (current < length)
        text[current++] = c;
    text[current] = '\0';
}

void CopySubstring(const char* source, char* destination, std::int32_t from, std::int32_t to)
{
    const std::int32_t length = std::max(to - from, 0);
    std::memmove(destination, source + from, static_cast<std::size_t>(length));
    destination[length] = '\0';
}

void CopyPrintable(const char* source, char* destination, std::int32_t count)
{
    const std::int32_t length = std::max(count, 0);
    std::transform(source, source + length, destination, PrintableOrReplacement);
    destination[length] = '\0';
}

void CopyUpTo(const char* source, char* destination, const char* set)
{
    const std::size_t length = std::strcspn(source, set);
    std::memmove(destination, source, length);
    destination[length] = '\0';
}

void CopyCollapsingSpaces(const char* source, char* destination)
{
    while (*source == ' ')
        ++source;
    char* out = destination;
    for (; *source != '\0'; ++source) {
        if (*source == ' ' && out != destination && out[-1] == ' ')
            continue;
        *out++ = *source;
    }
    *out = '\0';
}

std::int32_t CountLinesC(const char* text)
{
    std::int32_t lines = 1;
    for (; *text != '\0'; ++text)
        lines += *text == '\r' ? 1 : 0;
    return lines;
}

void CopyLineC(const char* text, std::int32_t lineIndex, char* destination)
{
    for (std::int32_t line = 0; line < lineIndex; ++line) {
        const char* end = std::strchr(text, '\r');
        if (end == nullptr) {
            destination[0] = '\0';
            return;
        }
        text = end + 1;
    }
    CopyUpTo(text, destination, "\r");
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
    for (; *text != '\0'; ++text) {
        if (InSet(set, *text))
            *text = replacement;
    }
}

void ReplaceCharsNotInSet(char* text, const char* set, char replacement)
{
    for (; *text != '\0'; ++text) {
        if (!InSet(set, *text))
            *text = replacement;
    }
}

void RemoveCharsC(char* text, const char* set)
{
    char* out = text;
    for (const char* in = text; *in != '\0'; ++in) {
        if (!InSet(set, *in))
            *out++ = *in;
    }
    *out = '\0';
}

void TrimLeftC(char* text, const char* set)
{
    const std::size_t skip = std::strspn(text, set);
    std::memmove(text, text + skip, std::strlen(text + skip) + 1);
}

void TrimTrailingChars(char* text, const char* set)
{
    std::size_t length = std::strlen(text);
    while (length > 0 && InSet(set, text[length - 1]))
        --length;
    text[length] = '\0';
}

void SpacesToZerosC(char* text)
{
    for (; *text != '\0'; ++text) {
        if (*text == ' ')
            *text = '0';
    }
}

void StripLeadingZerosC(char* text)
{
    if (text[0] == '\0')
        return;
    const std::size_t skip = std::strcspn(text, "123456789");
    std::memmove(text, text + skip, std::strlen(text + skip) + 1);
    if (text[0] == '\0')
        std::strcpy(text, "0");
}

void MakeUpperC(char* text)
{
    for (; *text != '\0'; ++text)
        *text = ToUpperAscii(*text);
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
    for (;; ++a, ++b) {
        if (ToLowerAscii(*a) != ToLowerAscii(*b))
            return false;
        if (*a == '\0')
            return true;
    }
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
    first = 0;
    second = 0;
    const std::size_t length = std::strlen(text);
    std::int64_t magnitude = 0;
    ReadDigits(text, length, 0, magnitude);
    first = SaturateToInt32(magnitude);
    const char* dot = std::strchr(text, '.');
    if (dot == nullptr)
        return false;
    ReadDigits(text, length, static_cast<std::size_t>(dot - text) + 1, magnitude);
    second = SaturateToInt32(magnitude);
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
    const std::string dump = ToHexDump(bytes, static_cast<std::size_t>(std::max(count, 0)),
                                       static_cast<std::size_t>(std::max(bytesPerGroup, 0)));
    std::memcpy(destination, dump.c_str(), dump.size() + 1);
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
        if (IsDigit(c))
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
    std::memmove(destination, lengthPrefixed + 1, lengthPrefixed[0]);
    destination[lengthPrefixed[0]] = '\0';
}

void CToLengthPrefixed(const char* text, std::uint8_t* destination)
{
    const std::size_t length = std::min(std::strlen(text), kMaximumLengthPrefixedLength);
    std::memmove(destination + 1, text, length);
    destination[0] = static_cast<std::uint8_t>(length);
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
