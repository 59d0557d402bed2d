#pragma once

// Text values that always satisfy the rule of their type. The rule runs once, when a value is built from
// a text, so every name that reaches the file system, every chunk identifier and every signature has
// already been sanitised; copies keep the stored value as it is.

#include <array>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace NSTramvell {

// Values the rules share. They are constant data, so a ruling string built by a static initialiser in any
// translation unit sees them complete.
inline constexpr std::array<std::string_view, 23> kReservedDeviceNames = {
    "CON",  "PRN",  "AUX",  "NUL",  "CLOCK$", "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3",   "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
inline constexpr std::string_view kDriveLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::string_view kSignatureAlphabet =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";

// True when the platform would open the name as a device: its part before the first '.', with trailing
// blanks removed, is one of the reserved device names in any letter case ("nul .txt", "Aux.mqp", "con").
bool IsReservedDeviceName(std::string_view name);

struct CFourCharCodeRule
{
    static std::string Apply(const std::string& text);
};
struct CMacCreatorRule
{
    static std::string Apply(const std::string& text);
};
struct CMacFileTypeRule
{
    static std::string Apply(const std::string& text);
};
struct CResourceTypeRule
{
    static std::string Apply(const std::string& text);
};
struct CClippingTypeRule
{
    static std::string Apply(const std::string& text);
};
struct CApplicationDefinedSignatureRule
{
    static std::string Apply(const std::string& text);
};
struct CMenuStringRule
{
    static std::string Apply(const std::string& text);
};
struct CVolumeNameStringRule
{
    static std::string Apply(const std::string& text);
};
// Throws std::out_of_range ("invalid string position") for an empty text.
struct CDirectoryNameStringRule
{
    static std::string Apply(const std::string& text);
};
// Throws std::out_of_range ("invalid string position") for an empty text.
struct CFileNameStringRule
{
    static std::string Apply(const std::string& text);
};

// Tag of the constructor that stores a text as given, for values known to satisfy the rule already.
struct CStoreUnchanged
{
    explicit CStoreUnchanged() = default;
};
inline constexpr CStoreUnchanged kStoreUnchanged{};

template <typename Rule>
concept FourCharacterRule = std::same_as<Rule, CFourCharCodeRule> || std::same_as<Rule, CMacCreatorRule> ||
                            std::same_as<Rule, CMacFileTypeRule> || std::same_as<Rule, CResourceTypeRule> ||
                            std::same_as<Rule, CClippingTypeRule> ||
                            std::same_as<Rule, CApplicationDefinedSignatureRule>;

template <typename Rule>
class CRulingString
{
public:
    // Implicit, so that assigning a plain text applies the rule as well.
    CRulingString(const std::string& text) : mValue(Rule::Apply(text)) {}
    CRulingString(const char* text) : mValue(Rule::Apply(std::string(text))) {}
    CRulingString(const std::string& text, CStoreUnchanged) : mValue(text) {}

    CRulingString(const CRulingString&) = default;
    CRulingString(CRulingString&&) noexcept = default;
    CRulingString& operator=(const CRulingString&) = default;
    CRulingString& operator=(CRulingString&&) noexcept = default;
    virtual ~CRulingString() = default;

    std::string GetString() const { return mValue; }

    // The code with the first character in the most significant byte; characters a short code lacks
    // count as 0 bytes, so nothing beyond the stored text is read.
    std::uint32_t GetFourCharCode() const
        requires FourCharacterRule<Rule>
    {
        std::uint32_t code = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::uint32_t byte = i < mValue.size() ? static_cast<unsigned char>(mValue[i]) : 0u;
            code = (code << 8) | byte;
        }
        return code;
    }

    bool operator==(const CRulingString& other) const { return mValue == other.mValue; }
    bool operator!=(const CRulingString& other) const { return mValue != other.mValue; }
    // Comparisons with a plain text compare it as it is, without applying the rule to it.
    bool operator==(const std::string& text) const { return mValue == text; }
    bool operator!=(const std::string& text) const { return mValue != text; }
    bool operator==(const char* text) const { return mValue == text; }
    bool operator!=(const char* text) const { return mValue != text; }

private:
    std::string mValue;
};

using CFourCharCode = CRulingString<CFourCharCodeRule>;
using CMacCreatorCode = CRulingString<CMacCreatorRule>;
using CMacFileTypeCode = CRulingString<CMacFileTypeRule>;
using CResourceType = CRulingString<CResourceTypeRule>;
using CClippingType = CRulingString<CClippingTypeRule>;
using CApplicationDefinedSignature = CRulingString<CApplicationDefinedSignatureRule>;
using CMenuString = CRulingString<CMenuStringRule>;
using CVolumeName = CRulingString<CVolumeNameStringRule>;
using CDirectoryName = CRulingString<CDirectoryNameStringRule>;
using CFileName = CRulingString<CFileNameStringRule>;

// Each is true when the rule leaves the text as it is. They never throw: an empty folder or file name
// is simply not valid.
bool IsValidDirectoryName(const std::string& text);
bool IsValidFileName(const std::string& text);
bool IsValidVolumeName(const std::string& text);

} // namespace NSTramvell
