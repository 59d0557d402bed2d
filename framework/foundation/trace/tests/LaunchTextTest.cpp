#include "framework/foundation/trace/Launch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace NSTramvell;
using namespace NSTramvell::NSLaunchInternal;

namespace {

TEST(SplitOpenCommand, ProgramAndArgumentsTable)
{
    const std::string program259(259, 'p');
    const std::string arguments259(259, 'a');
    const struct
    {
        std::string command;
        bool split;
        std::string program;
        std::string arguments;
    } kCases[] = {
        {"\"C:\\Program Files\\Web Browser\\browse.exe\" -nohome \"%1\"", true,
         "C:\\Program Files\\Web Browser\\browse.exe", "-nohome \"%1\""},
        {"browse.exe \"%1\"", true, "browse.exe", "\"%1\""},
        {"\"C:\\Program Files\\b.exe\"", true, "C:\\Program Files\\b.exe", ""},
        {"b.exe", true, "b.exe", ""},
        {"C:\\b.exe%1", true, "C:\\b.exe%1", ""},
        {"b.exe    -x  %1", true, "b.exe", "-x  %1"},
        {"\"C:\\no closing quote", true, "C:\\no closing quote", ""},
        {"", true, "", ""},
        {program259 + " x", true, program259, "x"},
        {program259 + "p x", false, "", ""},
        {"\"" + program259 + "\" " + arguments259, true, program259, arguments259},
        {"b.exe " + arguments259 + "a", false, "", ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.command.substr(0, 60));
        char program[kRegistryTextBufferSize];
        char arguments[kRegistryTextBufferSize];
        std::strcpy(program, "untouched");
        std::strcpy(arguments, "untouched");
        ASSERT_EQ(SplitOpenCommand(c.command.c_str(), program, sizeof program, arguments, sizeof arguments), c.split);
        EXPECT_EQ(program, c.split ? c.program : "untouched");
        EXPECT_EQ(arguments, c.split ? c.arguments : "untouched");
    }
}

TEST(SplitOpenCommand, FailsWhenAPartFillsItsBufferWithoutRoomForTheTerminator)
{
    char program[4];
    char arguments[3];
    EXPECT_TRUE(SplitOpenCommand("abc xy", program, sizeof program, arguments, sizeof arguments));
    EXPECT_STREQ(program, "abc");
    EXPECT_STREQ(arguments, "xy");
    EXPECT_FALSE(SplitOpenCommand("abcd x", program, sizeof program, arguments, sizeof arguments));
    EXPECT_FALSE(SplitOpenCommand("abc xyz", program, sizeof program, arguments, sizeof arguments));
    EXPECT_FALSE(SplitOpenCommand("", program, 0, arguments, sizeof arguments));
}

TEST(MakeWebPageParameters, AddressAloneInPlaceOfFirstPlaceholderOrAppended)
{
    const std::string address = "http://example.com/a b";
    const struct
    {
        std::string arguments;
        std::string parameters;
    } kCases[] = {
        {"", address},
        {"\"%1\"", "\"" + address + "\""},
        {"-url \"%1\" -x %1", "-url \"" + address + "\" -x %1"},
        {"-nohome", "-nohome " + address},
        {std::string(300, 'a'), std::string(300, 'a') + " " + address},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.arguments);
        EXPECT_EQ(MakeWebPageParameters(c.arguments, address), c.parameters);
    }
}

TEST(GetCommandProgram, ProgramPartTable)
{
    const struct
    {
        std::string command;
        std::string program;
        std::string quoted;
    } kCases[] = {
        {"\"C:\\Program Files\\Ed\\ed.exe\" \"%1\"", "C:\\Program Files\\Ed\\ed.exe",
         "\"C:\\Program Files\\Ed\\ed.exe\""},
        {"\"C:\\Ed\\ed.exe", "C:\\Ed\\ed.exe", "C:\\Ed\\ed.exe"},
        {"C:\\Ed\\ed.exe %1", "C:\\Ed\\ed.exe", "C:\\Ed\\ed.exe"},
        {"C:\\Ed\\ed.exe%1", "C:\\Ed\\ed.exe", "C:\\Ed\\ed.exe"},
        {"C:\\Ed\\ed.exe", "C:\\Ed\\ed.exe", "C:\\Ed\\ed.exe"},
        {"", "", ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(GetCommandProgram(c.command), c.program);
        EXPECT_EQ(GetQuotedCommandProgram(c.command), c.quoted);
    }
}

TEST(InsertDocumentIntoCommand, PlaceholderOrAppendedPath)
{
    const struct
    {
        std::string command;
        std::string document;
        std::string result;
    } kCases[] = {
        {"ed.exe \"%1\"", "C:\\My Files\\a.txt", "ed.exe \"C:\\My Files\\a.txt\""},
        {"ed.exe %1 /p %1", "C:\\a.txt", "ed.exe C:\\a.txt /p %1"},
        {"ed.exe", "C:\\My Files\\a.txt", "ed.exe \"C:\\My Files\\a.txt\""},
        {"ed.exe /p", "C:\\a.txt", "ed.exe /p C:\\a.txt"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(InsertDocumentIntoCommand(c.command, c.document), c.result);
    }
}

TEST(ProgramCommands, ProgramQuotedOnceDocumentQuotedWhenSpaced)
{
    EXPECT_EQ(MakeProgramCommand("C:\\Program Files\\Packer\\packer.exe"), "\"C:\\Program Files\\Packer\\packer.exe\"");
    EXPECT_EQ(MakeProgramWithDocumentCommand("C:\\Ed\\ed.exe", "C:\\My Files\\a.txt"),
              "\"C:\\Ed\\ed.exe\" \"C:\\My Files\\a.txt\"");
    EXPECT_EQ(MakeProgramWithDocumentCommand("C:\\Ed\\ed.exe", "C:\\a.txt"), "\"C:\\Ed\\ed.exe\" C:\\a.txt");
}

TEST(StripEnclosingQuotes, TakesOffOnePairOnly)
{
    const struct
    {
        std::string text;
        std::string stripped;
    } kCases[] = {
        {"\"C:\\P Q\\p.exe\"", "C:\\P Q\\p.exe"},
        {"C:\\P Q\\p.exe", "C:\\P Q\\p.exe"},
        {"\"\"C:\\p.exe\"\"", "\"C:\\p.exe\""},
        {"\"C:\\p.exe", "\"C:\\p.exe"},
        {"\"", "\""},
        {"\"\"", ""},
        {"", ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StripEnclosingQuotes(c.text), c.stripped);
    }
}

} // namespace
