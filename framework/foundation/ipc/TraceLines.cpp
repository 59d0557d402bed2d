#include "framework/foundation/ipc/TraceLines.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace NSTramvell::NSTraceLines {

namespace {

std::string FormatNumber(float value)
{
    // The largest float takes 39 digits and 7 more in "%f".
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    return std::string(text, length < 0 ? 0 : std::min<std::size_t>(length, sizeof text - 1));
}

} // namespace

std::string Cut(const char* text, std::size_t length)
{
    if (text == nullptr)
        return {};
    return std::string(text, strnlen(text, length));
}

std::string MakeTextLine(const char* consoleName, const char* text)
{
    return "T\t" + Cut(consoleName, kFieldLength) + "\t" + Cut(text, kTextLength);
}

std::string MakeValueLine(const char* first, const char* second, const char* third)
{
    return "V\t" + Cut(first, kFieldLength) + "\t" + Cut(second, kFieldLength) + "\t" + Cut(third, kFieldLength);
}

std::string MakeNumbersLine(const char* first, const char* second, float x, float y)
{
    return "G\t" + Cut(first, kFieldLength) + "\t" + Cut(second, kFieldLength) + "\t" + FormatNumber(x) + "\t"
           + FormatNumber(y);
}

std::string MakeMessage(const std::string& clientName, const std::string& line)
{
    return clientName.substr(0, kClientNameLength) + "\t" + line.substr(0, kTextLength);
}

std::string MakeBannerLine(std::uint32_t processId)
{
    return std::string(kBannerText) + " (process " + std::to_string(processId) + ")";
}

std::string MakeConsoleTraceLine(const char* text, int indentLevel)
{
    const std::size_t indentWidth = indentLevel > 0 ? 4 * static_cast<std::size_t>(indentLevel) : 0;
    std::string line(std::min(indentWidth, kConsoleLineLength), ' ');
    line += Cut(text, kConsoleLineLength - line.size());
    return line;
}

} // namespace NSTramvell::NSTraceLines
