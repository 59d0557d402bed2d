#include "framework/foundation/trace/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace NSTramvell {
namespace {

TTraceHook gTraceHook = nullptr;
TValueDisplayHook gValueDisplayHook = nullptr;
TTextDisplayHook gTextDisplayHook = nullptr;
int gTraceIndentLevel = 0;

} // namespace

void SetTraceHook(TTraceHook hook)
{
    gTraceHook = hook;
}

TTraceHook GetTraceHook()
{
    return gTraceHook;
}

void SetGlobalHook2(TValueDisplayHook hook)
{
    gValueDisplayHook = hook;
}

TValueDisplayHook GetGlobalHook2()
{
    return gValueDisplayHook;
}

void SetGlobalHook3(TTextDisplayHook hook)
{
    gTextDisplayHook = hook;
}

TTextDisplayHook GetGlobalHook3()
{
    return gTextDisplayHook;
}

void Trace(int first, int second, const char* format, ...)
{
    const TTraceHook hook = gTraceHook;
    if (hook == nullptr)
        return;
    char text[NSTraceInternal::kTraceBufferSize];
    std::va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    if (length < 0)
        text[0] = '\0';
    text[sizeof text - 1] = '\0';
    hook(first, second, text);
}

void CallGlobalHook2(const char* first, const char* second, const char* third)
{
    if (gValueDisplayHook != nullptr)
        gValueDisplayHook(first, second, third);
}

void CallGlobalHook3(const char* channelName, const char* text)
{
    if (gTextDisplayHook != nullptr)
        gTextDisplayHook(channelName, text);
}

int GetTraceIndent()
{
    return gTraceIndentLevel;
}

namespace NSTraceInternal {

std::string MakeStandardTraceLine(const char* text, int indentLevel)
{
    const std::size_t indentWidth = indentLevel > 0 ? 4 * static_cast<std::size_t>(indentLevel) : 0;
    const std::size_t longestLine = kStandardLineBufferSize - 1;
    const std::size_t textLength = text == nullptr ? 0 : std::strlen(text);
    std::string line(indentWidth, ' ');
    if (indentWidth >= longestLine || textLength >= longestLine - indentWidth)
        line += kTraceTooLongText;
    else if (textLength != 0)
        line.append(text, textLength);
    for (char& c : line) {
        if (static_cast<signed char>(c) < 32)
            c = '_';
    }
    return line;
}

std::string MakeLogFileName(const std::string& namePrefix, const std::tm& localTime)
{
    char stamp[32];
    const std::size_t length = std::strftime(stamp, sizeof stamp, "%y%m%d %H%M%S", &localTime);
    return namePrefix + " " + std::string(stamp, length) + ".log";
}

} // namespace NSTraceInternal

} // namespace NSTramvell
