#include "framework/foundation/trace/Trace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

struct CTraceCall
{
    int mFirst;
    int mSecond;
    std::string mText;
};

std::vector<CTraceCall> gTraceCalls;

void RecordTrace(int first, int second, const char* text)
{
    gTraceCalls.push_back({first, second, text});
}

// Installs a hook for one test and puts the previous one back.
class CScopedTraceHook
{
public:
    explicit CScopedTraceHook(TTraceHook hook)
        : mPrevious(GetTraceHook())
    {
        gTraceCalls.clear();
        SetTraceHook(hook);
    }
    ~CScopedTraceHook() { SetTraceHook(mPrevious); }

private:
    TTraceHook mPrevious;
};

TEST(Trace, FormatsAndPassesBothIntegers)
{
    CScopedTraceHook hook(&RecordTrace);
    Trace(7, -3, "%s=%d", "count", 42);
    ASSERT_EQ(gTraceCalls.size(), 1u);
    EXPECT_EQ(gTraceCalls[0].mFirst, 7);
    EXPECT_EQ(gTraceCalls[0].mSecond, -3);
    EXPECT_EQ(gTraceCalls[0].mText, "count=42");
}

TEST(Trace, LongOutputIsCutToTheBufferAndTerminated)
{
    CScopedTraceHook hook(&RecordTrace);
    const std::string longText(2000, 'x');
    Trace(0, 0, "%s", longText.c_str());
    ASSERT_EQ(gTraceCalls.size(), 1u);
    EXPECT_EQ(gTraceCalls[0].mText, std::string(NSTraceInternal::kTraceBufferSize - 1, 'x'));
}

TEST(Trace, WithoutHookNothingIsCalled)
{
    CScopedTraceHook hook(nullptr);
    Trace(0, 0, "lost");
    EXPECT_TRUE(gTraceCalls.empty());
}

std::vector<std::string> gDisplayCalls;

TEST(Trace, DisplayHooksReceiveTheirTextsOnlyWhenSet)
{
    gDisplayCalls.clear();
    CallGlobalHook2("a", "b", "c");
    CallGlobalHook3("channel", "text");
    EXPECT_TRUE(gDisplayCalls.empty());

    SetGlobalHook2(
        [](const char* a, const char* b, const char* c) { gDisplayCalls.push_back(std::string(a) + b + c); });
    SetGlobalHook3([](const char* name, const char* text) { gDisplayCalls.push_back(std::string(name) + ":" + text); });
    CallGlobalHook2("a", "b", "c");
    CallGlobalHook3("channel", "text");
    SetGlobalHook2(nullptr);
    SetGlobalHook3(nullptr);
    EXPECT_EQ(gDisplayCalls, (std::vector<std::string>{"abc", "channel:text"}));
}

TEST(StandardTraceLine, LengthLimitAndReplacedBytes)
{
    const std::string tooLong = NSTraceInternal::kTraceTooLongText;
    const struct
    {
        std::string text;
        int indentLevel;
        std::string line;
    } kCases[] = {
        {std::string(510, 'a'), 0, std::string(510, 'a')},
        {std::string(511, 'a'), 0, tooLong},
        {std::string(2000, 'a'), 0, tooLong},
        {std::string(506, 'a'), 1, "    " + std::string(506, 'a')},
        {std::string(507, 'a'), 1, "    " + tooLong},
        {"tab\there", 0, "tab_here"},
        {"line\nfeed\r", 0, "line_feed_"},
        {"caf\xE9 \x7F~", 0, "caf_ \x7F~"},
        {"\x80\xFF", 2, "        __"},
        {"", 0, ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text.substr(0, 20) + " indent " + std::to_string(c.indentLevel));
        EXPECT_EQ(NSTraceInternal::MakeStandardTraceLine(c.text.c_str(), c.indentLevel), c.line);
    }
}

TEST(StandardTraceLine, IndentLevelStaysZero)
{
    EXPECT_EQ(GetTraceIndent(), 0);
}

TEST(LogFileName, PrefixSpaceTwoDigitDateAndTime)
{
    std::tm time{};
    time.tm_year = 2024 - 1900;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_hour = 7;
    time.tm_min = 8;
    time.tm_sec = 9;
    EXPECT_EQ(NSTraceInternal::MakeLogFileName("Dravim trace", time), "Dravim trace 240305 070809.log");
    time.tm_year = 1999 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 31;
    time.tm_hour = 23;
    time.tm_min = 59;
    time.tm_sec = 58;
    EXPECT_EQ(NSTraceInternal::MakeLogFileName("", time), " 991231 235958.log");
}

} // namespace
