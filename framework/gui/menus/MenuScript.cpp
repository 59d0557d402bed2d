// Menu scripts: ";"-separated tokens, the first the title, each further one an item. Markers follow the
// text: "#K" a Control key equivalent (capital letter or digit), "=n" the command, "?a,b" the help
// reference, "~c" the mnemonic.

#include "framework/gui/menus/Menu.h"

#include "framework/foundation/strings/StringManager.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace NSTramvell {
namespace {

constexpr char kMarkers[] = "#=?~";

std::vector<std::string> SplitTokens(const std::string& script)
{
    std::vector<std::string> tokens;
    std::size_t position = 0;
    while (position < script.size()) {
        const std::size_t end = std::min(script.find(';', position), script.size());
        std::string token = script.substr(position, end - position);
        const std::size_t firstNonSpace = token.find_first_not_of(' ');
        token.erase(0, firstNonSpace == std::string::npos ? token.size() : firstNonSpace);
        tokens.push_back(std::move(token));
        position = end + 1;
    }
    return tokens;
}

// The decimal number at text[position], digits only; none when there is no digit or it overflows.
std::optional<std::uint32_t> ReadNumber(const std::string& text, std::size_t& position)
{
    std::uint64_t value = 0;
    const std::size_t start = position;
    while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
        value = value * 10 + static_cast<std::uint64_t>(text[position] - '0');
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
        ++position;
    }
    if (position == start)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

// The character after the first occurrence of marker in the token, or none.
std::optional<std::size_t> FindMarker(const std::string& token, char marker)
{
    const std::size_t at = token.find(marker);
    if (at == std::string::npos || at + 1 >= token.size())
        return std::nullopt;
    return at + 1;
}

// "?a,b" names help entry b of help resource a.
std::int32_t ReadHelpReference(const std::string& token)
{
    std::optional<std::size_t> position = FindMarker(token, '?');
    if (!position)
        return kNoHelpReference;
    const std::optional<std::uint32_t> resource = ReadNumber(token, *position);
    if (!resource || *position >= token.size() || token[*position] != ',')
        return kNoHelpReference;
    ++*position;
    const std::optional<std::uint32_t> entry = ReadNumber(token, *position);
    if (!entry)
        return kNoHelpReference;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>((std::uint64_t{*resource} + 70000) * 10000 + *entry));
}

char ReadMnemonic(const std::string& token)
{
    const std::optional<std::size_t> position = FindMarker(token, '~');
    return position ? token[*position] : 0;
}

std::string ReadText(const std::string& token, const char* endMarkers)
{
    return token.substr(0, token.find_first_of(endMarkers));
}

CMenuItem ReadItem(const std::string& token)
{
    if (token == "-")
        return CMenuItem::Separator();
    CMenuItem item(CMenuString(ReadText(token, kMarkers)), ReadHelpReference(token), 0);
    if (const std::optional<std::size_t> key = FindMarker(token, '#')) {
        const char c = token[*key];
        if (c >= 'A' && c <= 'Z')
            item.mKeyEquivalent = kFirstLetterEquivalent + static_cast<std::uint32_t>(c - 'A');
        else if (c >= '0' && c <= '9')
            item.mKeyEquivalent = kFirstDigitEquivalent + static_cast<std::uint32_t>(c - '0');
        item.mWithControl = item.mKeyEquivalent != kNoKeyEquivalent ? 1 : 0;
    }
    if (std::optional<std::size_t> command = FindMarker(token, '='))
        item.mCommandId = ReadNumber(token, *command).value_or(0);
    item.mMnemonic = ReadMnemonic(token);
    return item;
}

} // namespace

std::unique_ptr<CMenu> ParseMenuScript(const std::string& script, std::uint32_t id)
{
    const std::vector<std::string> tokens = SplitTokens(script);
    const std::string title = tokens.empty() ? std::string() : tokens.front();
    auto menu = std::make_unique<CMenu>(CMenuString(ReadText(title, "?~")), id, false, ReadHelpReference(title),
                                        ReadMnemonic(title));
    for (std::size_t i = 1; i < tokens.size(); ++i)
        menu->AppendItem(ReadItem(tokens[i]));
    return menu;
}

std::unique_ptr<CMenu> LoadMenuResource(std::int32_t referenceNumber)
{
    return ParseMenuScript(GetMenuScript(referenceNumber), static_cast<std::uint32_t>(referenceNumber));
}

} // namespace NSTramvell
