#include "framework/gui/application/CommandLine.h"

namespace NSTramvell {
namespace {

std::size_t SkipSpaces(const std::string& text, std::size_t position)
{
    while (position < text.size() && text[position] == ' ')
        ++position;
    return position;
}

// The end of the longest existing path that starts at the position and ends before a space or at the
// end of the text; npos when none does.
std::size_t FindLongestExistingPath(const std::string& text, std::size_t start, IPathExistence& paths)
{
    for (std::size_t end = text.size(); end > start; --end) {
        const bool endsItem = end == text.size() || text[end] == ' ';
        if (endsItem && paths.PathExists(text.substr(start, end - start)))
            return end;
    }
    return std::string::npos;
}

} // namespace

CCommandLineItems SplitCommandLine(const std::string& commandLine, IPathExistence& paths)
{
    const std::string text = commandLine.substr(0, kReadCommandLineLength);
    CCommandLineItems items;
    std::size_t position = SkipSpaces(text, 0);
    while (position < text.size()) {
        if (text[position] == '"') {
            const std::size_t closingQuote = text.find('"', position + 1);
            if (closingQuote != std::string::npos) {
                const std::string quoted = text.substr(position + 1, closingQuote - position - 1);
                if (paths.PathExists(quoted)) {
                    items.mPaths.push_back(quoted);
                    position = SkipSpaces(text, closingQuote + 1);
                    continue;
                }
            }
        }
        const std::size_t end = FindLongestExistingPath(text, position, paths);
        if (end == std::string::npos)
            break;
        items.mPaths.push_back(text.substr(position, end - position));
        // Reading ends after an unquoted item.
        position = SkipSpaces(text, end);
        break;
    }
    if (position < text.size())
        items.mUnreadRest = text.substr(position);
    return items;
}

std::string ShortenUnreadRest(const std::string& rest)
{
    constexpr std::size_t kLongRest = 64;
    constexpr std::size_t kShownEnd = 60;
    if (rest.size() < kLongRest)
        return rest;
    return "..." + rest.substr(rest.size() - kShownEnd);
}

} // namespace NSTramvell
