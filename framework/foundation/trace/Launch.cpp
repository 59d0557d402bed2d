#include "framework/foundation/trace/Launch.h"

#include <cstring>

namespace NSTramvell {
namespace {

constexpr char kDocumentPlaceholder[] = "%1";

bool FitsBuffer(std::size_t lengthInChars, std::uint16_t bufferSize)
{
    return lengthInChars < bufferSize;
}

std::string ReplaceFirstPlaceholder(const std::string& text, std::size_t position, const std::string& value)
{
    return text.substr(0, position) + value + text.substr(position + std::strlen(kDocumentPlaceholder));
}

} // namespace

std::string GetCommandProgram(const std::string& commandLine)
{
    if (!commandLine.empty() && commandLine.front() == '"') {
        const std::size_t closingQuote = commandLine.find('"', 1);
        return commandLine.substr(1, closingQuote == std::string::npos ? std::string::npos : closingQuote - 1);
    }
    std::size_t end = commandLine.find(' ');
    if (end == std::string::npos)
        end = commandLine.find('%');
    return commandLine.substr(0, end);
}

std::string GetQuotedCommandProgram(const std::string& commandLine)
{
    return NSLaunchInternal::QuoteWhenSpaced(GetCommandProgram(commandLine));
}

std::string InsertDocumentIntoCommand(const std::string& commandLine, const std::string& documentPath)
{
    const std::size_t placeholder = commandLine.find(kDocumentPlaceholder);
    if (placeholder != std::string::npos)
        return ReplaceFirstPlaceholder(commandLine, placeholder, documentPath);
    return commandLine + " " + NSLaunchInternal::QuoteWhenSpaced(documentPath);
}

namespace NSLaunchInternal {

bool SplitOpenCommand(const char* command, char* program, std::uint16_t programSize, char* arguments,
                      std::uint16_t argumentsSize)
{
    const std::string text = command == nullptr ? std::string() : std::string(command);
    std::size_t programStart = 0;
    std::size_t programEnd;
    if (!text.empty() && text.front() == '"') {
        programStart = 1;
        programEnd = text.find('"', programStart);
    } else {
        programEnd = text.find(' ');
    }
    if (programEnd == std::string::npos)
        programEnd = text.size();
    const std::size_t programLength = programEnd - programStart;

    std::size_t argumentsStart = programEnd;
    if (argumentsStart < text.size() && text[argumentsStart] == '"')
        ++argumentsStart;
    while (argumentsStart < text.size() && text[argumentsStart] == ' ')
        ++argumentsStart;
    const std::size_t argumentsLength = text.size() - argumentsStart;

    if (!FitsBuffer(programLength, programSize) || !FitsBuffer(argumentsLength, argumentsSize))
        return false;
    std::memcpy(program, text.data() + programStart, programLength);
    program[programLength] = '\0';
    std::memcpy(arguments, text.data() + argumentsStart, argumentsLength);
    arguments[argumentsLength] = '\0';
    return true;
}

std::string MakeWebPageParameters(const std::string& arguments, const std::string& address)
{
    if (arguments.empty())
        return address;
    const std::size_t placeholder = arguments.find(kDocumentPlaceholder);
    if (placeholder != std::string::npos)
        return ReplaceFirstPlaceholder(arguments, placeholder, address);
    return arguments + " " + address;
}

std::string QuoteWhenSpaced(const std::string& text)
{
    if (text.find(' ') == std::string::npos)
        return text;
    return "\"" + text + "\"";
}

std::string MakeProgramCommand(const std::string& programPath)
{
    return "\"" + programPath + "\"";
}

std::string MakeProgramWithDocumentCommand(const std::string& programPath, const std::string& documentPath)
{
    return MakeProgramCommand(programPath) + " " + QuoteWhenSpaced(documentPath);
}

std::string StripEnclosingQuotes(const std::string& text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

} // namespace NSLaunchInternal

} // namespace NSTramvell
