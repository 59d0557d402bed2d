#include "framework/gui/dialogs/AlertScript.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <algorithm>
#include <stdexcept>

namespace NSTramvell {

namespace {

constexpr std::size_t kKindTagLength = 6;

std::uint32_t KindFromTag(const std::string& tag)
{
    if (tag == "[STOP]")
        return kAlertStop;
    if (tag == "[NOTE]")
        return kAlertNote;
    if (tag == "[WARN]")
        return kAlertWarning;
    return kAlertNone;
}

std::string TrimLineBreaks(const std::string& text)
{
    const std::size_t first = text.find_first_not_of("\r\n");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of("\r\n") - first + 1);
}

// The text between the "[" at `open` and the next "]"; `position` moves past the "]".
std::string TakeBracketed(const std::string& text, std::size_t open, std::size_t& position)
{
    const std::size_t close = text.find(']', open + 1);
    if (close == std::string::npos)
        throw XBadFormat();
    position = close + 1;
    return text.substr(open + 1, close - open - 1);
}

} // namespace

CAlertScript ParseAlertScript(const std::string& script, const std::vector<std::string>& parameters)
{
    if (script.size() <= kKindTagLength)
        throw std::out_of_range("alert script without text after its kind tag");

    CAlertScript parsed;
    parsed.kind = KindFromTag(script.substr(0, kKindTagLength));

    std::size_t position = kKindTagLength;
    std::string title;
    if (script[position] == '[')
        title = TakeBracketed(script, position, position);

    const std::size_t firstLabel = script.find('[', position);
    std::string message = script.substr(position, firstLabel == std::string::npos ? std::string::npos
                                                                                  : firstLabel - position);

    std::vector<std::string> labels;
    for (std::size_t open = firstLabel; open != std::string::npos; open = script.find('[', position))
        labels.push_back(TakeBracketed(script, open, position));
    // Only three buttons exist: the last three labels are buttons 1 to 3.
    const std::size_t shown = std::min<std::size_t>(labels.size(), parsed.labels.size());
    parsed.labelCount = static_cast<std::uint16_t>(shown);
    for (std::size_t button = 0; button < shown; ++button)
        parsed.labels[button] = labels[labels.size() - 1 - button];

    const std::size_t titleParameterCount =
        std::min<std::size_t>(std::count(title.begin(), title.end(), '^'), parameters.size());
    const std::vector<std::string> titleParameters(parameters.begin(), parameters.begin() + titleParameterCount);
    const std::vector<std::string> messageParameters(parameters.begin() + titleParameterCount, parameters.end());
    parsed.title = ReplaceParameters(TrimLineBreaks(title), titleParameters);
    parsed.message = ReplaceParameters(TrimLineBreaks(message), messageParameters);
    return parsed;
}

} // namespace NSTramvell
