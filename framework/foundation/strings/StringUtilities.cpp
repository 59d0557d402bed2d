#include "framework/foundation/strings/StringUtilities.h"

#include "framework/foundation/core/ByteOrder.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace NSTramvell {

namespace {

constexpr std::int32_t kNotFound = -1;
constexpr char kNonPrintableReplacement = static_cast<char>(224);
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

namespace {

// The text between placeholders is copied a run at a time, and the parameters are borrowed through
// parameterAt, so the short forms copy none of them: a parser that reports many damaged fields builds
// each report this way.
template <typename TParameterAt>
std::string ReplaceParametersFrom(const std::string& text, std::size_t parameterCount, TParameterAt parameterAt)
{
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t caret = text.find('^', i);
        if (caret == std::string::npos) {
            result.append(text, i, std::string::npos);
            break;
        }
        result.append(text, i, caret - i);
        i = caret + 1;
        if (i >= text.size() || !IsDigit(text[i])) {
            result += '^';
            continue;
        }
        // The index is compared digit by digit against the count, so no run of digits can overflow it.
        std::size_t index = 0;
        bool inRange = true;
        while (i < text.size() && IsDigit(text[i])) {
            if (inRange) {
                index = index * 10 + static_cast<std::size_t>(text[i] - '0');
                inRange = index < parameterCount;
            }
            ++i;
        }
        if (inRange)
            result += parameterAt(index);
    }
    return result;
}

template <std::size_t N>
std::string ReplaceBorrowedParameters(const std::string& text, const std::array<const std::string*, N>& parameters)
{
    return ReplaceParametersFrom(text, N, [&parameters](std::size_t index) -> const std::string& {
        return *parameters[index];
    });
}

} // namespace

std::string ReplaceParameters(const std::string& text, const std::vector<std::string>& parameters)
{
    return ReplaceParametersFrom(text, parameters.size(), [&parameters](std::size_t index) -> const std::string& {
        return parameters[index];
    });
}

std::string ReplaceParameters(const std::string& text, const std::string& parameter0)
{
    return ReplaceBorrowedParameters<1>(text, {&parameter0});
}

std::string ReplaceParameters(const std::string& text, const std::string& parameter0,
                              const std::string& parameter1)
{
    return ReplaceBorrowedParameters<2>(text, {&parameter0, &parameter1});
}

std::string ReplaceParameters(const std::string& text, const std::string& parameter0,
                              const std::string& parameter1, const std::string& parameter2)
{
    return ReplaceBorrowedParameters<3>(text, {&parameter0, &parameter1, &parameter2});
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

} // namespace NSTramvell
