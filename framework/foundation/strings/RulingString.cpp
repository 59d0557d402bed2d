#include "framework/foundation/strings/RulingString.h"

#include <algorithm>
#include <stdexcept>

namespace NSTramvell {

namespace {

// Characters are tested as unsigned char and only ASCII letters change case, so a byte above 0x7F is never
// a negative argument and the result does not depend on any locale.
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

constexpr std::string_view kNameForbiddenPunctuation = "*?<>\"|\\/:";
constexpr unsigned char kEndOfFileCharacter = 0x1A;

// Folder names, file-name stems and volume names: control characters except 0x1A, and the punctuation.
bool IsForbiddenInName(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x01 && u <= 0x1F)
        return u != kEndOfFileCharacter;
    return kNameForbiddenPunctuation.find(c) != std::string_view::npos;
}

// Extensions: all control characters, 0x1A included, and the punctuation.
bool IsForbiddenInExtension(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x01 && u <= 0x1F)
        return true;
    return kNameForbiddenPunctuation.find(c) != std::string_view::npos;
}

template <typename Predicate>
void ReplaceWithUnderscore(std::string& text, Predicate isForbidden)
{
    std::replace_if(text.begin(), text.end(), isForbidden, '_');
}

std::string FirstFourCharacters(const std::string& text)
{
    return text.substr(0, 4);
}

void ThrowForEmptyName()
{
    throw std::out_of_range("invalid string position");
}

void GuardReservedDeviceName(std::string& text)
{
    if (IsReservedDeviceName(text))
        text.insert(text.begin(), '_');
}

// The extension counts only with its dot and at most 8 characters; otherwise the whole name is the stem.
std::size_t ExtensionStart(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.size() - dot > 8)
        return name.size();
    return dot;
}

} // namespace

bool IsReservedDeviceName(std::string_view name)
{
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.remove_suffix(1);
    for (const std::string_view reserved : kReservedDeviceNames) {
        if (base.size() == reserved.size() &&
            std::equal(base.begin(), base.end(), reserved.begin(),
                       [](char a, char b) { return ToUpperAscii(a) == b; }))
            return true;
    }
    return false;
}

std::string CFourCharCodeRule::Apply(const std::string& text)
{
    return FirstFourCharacters(text);
}

std::string CMacCreatorRule::Apply(const std::string& text)
{
    return FirstFourCharacters(text);
}

std::string CMacFileTypeRule::Apply(const std::string& text)
{
    return FirstFourCharacters(text);
}

std::string CResourceTypeRule::Apply(const std::string& text)
{
    return FirstFourCharacters(text);
}

std::string CClippingTypeRule::Apply(const std::string& text)
{
    return FirstFourCharacters(text);
}

std::string CApplicationDefinedSignatureRule::Apply(const std::string& text)
{
    std::string result = FirstFourCharacters(text);
    ReplaceWithUnderscore(result, [](char c) { return kSignatureAlphabet.find(c) == std::string_view::npos; });
    const bool hasUpperCase =
        std::any_of(result.begin(), result.end(), [](char c) { return ToLowerAscii(c) != c; });
    if (!hasUpperCase) {
        // A signature needs one capital to stand apart from the system's all-lower-case ones; a digit in
        // the first place takes that place and stays as it is.
        const auto first = std::find_if(result.begin(), result.end(), [](char c) { return c != '_'; });
        if (first != result.end())
            *first = ToUpperAscii(*first);
    }
    return result;
}

std::string CMenuStringRule::Apply(const std::string& text)
{
    constexpr std::size_t kMaximumLength = 50;
    if (text.size() <= kMaximumLength)
        return text;
    return text.substr(0, kMaximumLength - 3) + "...";
}

std::string CVolumeNameStringRule::Apply(const std::string& text)
{
    std::string result = text;
    ReplaceWithUnderscore(result, IsForbiddenInName);
    return result;
}

std::string CDirectoryNameStringRule::Apply(const std::string& text)
{
    if (text.empty())
        ThrowForEmptyName();
    if (text.size() == 2 && text[1] == ':' && kDriveLetters.find(ToUpperAscii(text[0])) != std::string_view::npos)
        return text;
    std::string result = text;
    if (result.size() > 2 && result.compare(0, 2, "\\\\") == 0)
        result.erase(0, 2);
    ReplaceWithUnderscore(result, IsForbiddenInName);
    if (result.back() == '.')
        result.back() = '_';
    GuardReservedDeviceName(result);
    return result;
}

std::string CFileNameStringRule::Apply(const std::string& text)
{
    if (text.empty())
        ThrowForEmptyName();
    const std::size_t extensionStart = ExtensionStart(text);
    std::string stem = text.substr(0, extensionStart);
    std::string extension = text.substr(extensionStart);
    ReplaceWithUnderscore(stem, IsForbiddenInName);
    ReplaceWithUnderscore(extension, IsForbiddenInExtension);
    std::string result = stem + extension;
    // The platform drops a trailing dot or blank, so the name on disc would differ from the one asked for.
    if (result.back() == '.')
        result.back() = '_';
    if (result.back() == ' ')
        result.back() = '_';
    GuardReservedDeviceName(result);
    return result;
}

bool IsValidDirectoryName(const std::string& text)
{
    return !text.empty() && CDirectoryNameStringRule::Apply(text) == text;
}

bool IsValidFileName(const std::string& text)
{
    return !text.empty() && CFileNameStringRule::Apply(text) == text;
}

bool IsValidVolumeName(const std::string& text)
{
    return CVolumeNameStringRule::Apply(text) == text;
}

} // namespace NSTramvell
