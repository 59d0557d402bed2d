#include "framework/foundation/ipc/TraceLines.h"

#include <gtest/gtest.h>

#include <string>

using namespace NSTramvell;
using namespace NSTramvell::NSTraceLines;

namespace {

TEST(TraceLines, EachKindHasItsFieldsInOrder)
{
    EXPECT_EQ(MakeTextLine("Standard Terminal", "hello"), "T\tStandard Terminal\thello");
    EXPECT_EQ(MakeValueLine("a", "", "c"), "V\ta\t\tc");
    EXPECT_EQ(MakeNumbersLine("x", "y", 1.5f, -2.0f), "G\tx\ty\t1.500000\t-2.000000");
    EXPECT_EQ(MakeTextLine(nullptr, nullptr), "T\t\t");
    EXPECT_EQ(MakeBannerLine(4711), "Session Start. Tramvell Trace Client. (process 4711)");
}

TEST(TraceLines, FieldsAreCutToTheirWidths)
{
    const std::string name40(40, 'n');
    const std::string text600(600, 't');
    EXPECT_EQ(MakeTextLine(name40.c_str(), text600.c_str()),
              "T\t" + std::string(32, 'n') + "\t" + std::string(512, 't'));
    EXPECT_EQ(MakeValueLine(name40.c_str(), name40.c_str(), name40.c_str()),
              "V\t" + std::string(32, 'n') + "\t" + std::string(32, 'n') + "\t" + std::string(32, 'n'));
    // The whole T line is cut again when it becomes a message, after its 35 characters of kind and name.
    const std::string message = MakeMessage(std::string(70, 'c'), MakeTextLine(name40.c_str(), text600.c_str()));
    EXPECT_EQ(message, std::string(64, 'c') + "\tT\t" + std::string(32, 'n') + "\t" + std::string(512 - 35, 't'));
}

TEST(TraceLines, TheConsoleLineIsIndentedAndCutTo511)
{
    const std::string text600(600, 'x');
    const std::string line = MakeConsoleTraceLine(text600.c_str(), 2);
    EXPECT_EQ(line, std::string(8, ' ') + std::string(503, 'x'));
    EXPECT_EQ(MakeConsoleTraceLine("abc", 1), "    abc");
    EXPECT_EQ(MakeConsoleTraceLine(nullptr, 0), "");
    EXPECT_EQ(MakeConsoleTraceLine("abc", 200), std::string(511, ' '));
}

} // namespace
