#include "framework/foundation/strings/StringUtilities.h"
#include "framework/foundation/strings/ZeroTerminatedStrings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace NSTramvell;

TEST(ReplaceParameters, FillsPlaceholdersInOnePass)
{
    const std::vector<std::string> ten = {"p0", "p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p9"};
    std::vector<std::string> eleven = ten;
    eleven.push_back("p10");
    const struct
    {
        std::string text;
        std::vector<std::string> parameters;
        std::string expected;
    } kCases[] = {
        {"The program ^0 cannot be converted, because ^1.", {"PIANO", "it is empty"},
         "The program PIANO cannot be converted, because it is empty."},
        {"^12", eleven, ""},
        {"[^10]", ten, "[]"},
        {"[^10]", eleven, "[p10]"},
        {"a^1b", {"x"}, "ab"},
        {"end^", {"x"}, "end^"},
        {"^^0", {"x"}, "^x"},
        {"^ 0^x", {"x"}, "^ 0^x"},
        {"^0-^0", {"^0"}, "^0-^0"},
        {"[^000000000000000000000000000001]", {"a", "b"}, "[b]"},
        {"[^999999999999999999999999999999]", {"a", "b"}, "[]"},
        {"", {"a"}, ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReplaceParameters(c.text, c.parameters), c.expected);
    }
    EXPECT_EQ(ReplaceParameters("^2^1^0", "a", "b", "c"), "cba");
    EXPECT_EQ(ReplaceParameters("^1^0", "a", "b"), "ba");
    EXPECT_EQ(ReplaceParameters("^0^1", "a"), "a");
}

TEST(StringToInt, ReadsOneSignedNumberAfterBlanksAndCommas)
{
    const struct
    {
        std::string text;
        bool ok;
        std::int32_t value;
        std::size_t index;
    } kCases[] = {
        {" ,42abc", true, 42, 4},
        {"-17", true, -17, 3},
        {"+8", true, 8, 2},
        {",, ,0", true, 0, 5},
        {"2147483647", true, 2147483647, 10},
        {"2147483648", true, 2147483647, 10},
        {"-2147483648", true, -2147483647 - 1, 11},
        {"-99999999999999999999", true, -2147483647 - 1, 21},
        {"99999999999999999999x", true, 2147483647, 20},
        {"--5", true, 5, 3},
        {"+-5", true, -5, 3},
        {"-", false, 0, 0},
        {"", false, 0, 0},
        {" - 5", false, 0, 0},
        {"\t5", false, 0, 0},
        {"x5", false, 0, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE("'" + c.text + "'");
        std::int32_t value = 555;
        std::size_t index = 777;
        EXPECT_EQ(StringToInt(c.text, value, index), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : 555);
        EXPECT_EQ(index, c.ok ? c.index : 777u);
        std::int32_t shortFormValue = 555;
        EXPECT_EQ(StringToInt(c.text, shortFormValue), c.ok);
        EXPECT_EQ(shortFormValue, value);
    }
}

TEST(ParseTwoNumbers, ReadsBothSidesOfTheFirstPoint)
{
    const struct
    {
        std::string text;
        bool ok;
        std::int32_t first;
        std::int32_t second;
    } kCases[] = {
        {"12.34", true, 12, 34}, {"7", true, 7, 0},      {".5", true, 0, 5},     {"5.", true, 5, 0},
        {".", true, 0, 0},       {"1.2.3", true, 1, 2},  {"x.5", false, 0, 0},   {"5.x", false, 5, 0},
        {"", false, 0, 0},       {"-3.-4", true, -3, -4},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE("'" + c.text + "'");
        std::int32_t first = 99;
        std::int32_t second = 99;
        EXPECT_EQ(ParseTwoNumbers(c.text, first, second), c.ok);
        EXPECT_EQ(first, c.first);
        EXPECT_EQ(second, c.second);
    }
}

TEST(ParseNumber, EveryMinusOfTheSignRunFlipsTheSign)
{
    const struct
    {
        const char* text;
        bool ok;
        std::int32_t value;
        std::int32_t index;
    } kCases[] = {
        {" ,42abc", true, 42, 4}, {"--5", true, 5, 3},   {"+-5", true, -5, 3}, {"-+-+-7,", true, -7, 6},
        {"-", false, 0, 0},       {"", false, 0, 0},     {"a1", false, 0, 0},
        {"4294967296", true, 2147483647, 10},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        std::int32_t value = 555;
        std::int32_t index = 777;
        EXPECT_EQ(ParseNumber(c.text, value, index), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : 555);
        EXPECT_EQ(index, c.ok ? c.index : 777);
    }
}

// The std::string reader and its C-string twin must never read a sign apart again.
TEST(StringToInt, ReadsSignsAsParseNumberDoes)
{
    const char* const kTexts[] = {"-5", "+5", "--5", "+-5", "-+-+-7,", "- 5", " ,-0", ",--2147483648", "+",
                                  "-x", "+-+", "7-"};
    for (const char* text : kTexts) {
        SCOPED_TRACE(text);
        std::int32_t stringValue = 555;
        std::size_t stringIndex = 777;
        std::int32_t cValue = 444;
        std::int32_t cIndex = 666;
        const bool stringRead = StringToInt(text, stringValue, stringIndex);
        EXPECT_EQ(ParseNumber(text, cValue, cIndex), stringRead);
        EXPECT_EQ(cValue, stringRead ? stringValue : 444);
        EXPECT_EQ(cIndex, stringRead ? static_cast<std::int32_t>(stringIndex) : 666);
    }
}

TEST(ParseTwoNumbersC, NeedsAPoint)
{
    std::int32_t first = 99;
    std::int32_t second = 99;
    EXPECT_TRUE(ParseTwoNumbersC("3.25", first, second));
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 25);
    EXPECT_FALSE(ParseTwoNumbersC("3,25", first, second));
    EXPECT_EQ(first, 3);
    EXPECT_EQ(second, 0);
}

TEST(FourCharCode, StringFormsAreBigEndianAndCFormsKeepMemoryOrder)
{
    EXPECT_EQ(StringToFourCharCode("RIFF"), 0x52494646u);
    EXPECT_EQ(StringToFourCharCode("AB"), 0x41420000u);
    EXPECT_EQ(StringToFourCharCode("fmt \xFF"), 0x666D7420u);
    EXPECT_EQ(FourCharCodeToString(0x666D7420u), "fmt ");
    EXPECT_EQ(FourCharCodeToString(0x41420000u), "AB");
    EXPECT_EQ(FourCharCodeToString(0u), "");

    const char chars[] = "WAVE";
    const std::uint32_t memoryOrder = FourCharsToCodeC(chars);
    std::uint8_t bytes[4];
    std::memcpy(bytes, &memoryOrder, sizeof bytes);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes), 4), "WAVE");
    EXPECT_EQ(memoryOrder, 0x45564157u);  // the x86 targets are little-endian
    char back[5] = {'x', 'x', 'x', 'x', 'x'};
    CodeToFourCharsC(memoryOrder, back);
    EXPECT_STREQ(back, "WAVE");
    EXPECT_EQ(FourCharCodeToString(StringToFourCharCode("WAVE")), "WAVE");
}

TEST(StringUtilities, HexTexts)
{
    EXPECT_EQ(ToHexString(0xABCDEu, 4), "BCDE");
    EXPECT_EQ(ToHexString(0xAu, 4), "000A");
    EXPECT_EQ(ToHexString(0xDEADBEEFu, 8), "DEADBEEF");
    const std::uint8_t bytes[] = {0x01, 0xAB, 0x00, 0xFF, 0x7E};
    EXPECT_EQ(ToHexDump(bytes, 5, 2), "01AB 00FF 7E");
    EXPECT_EQ(ToHexDump(bytes, 4, 2), "01AB 00FF ");
    EXPECT_EQ(ToHexDump(bytes, 3, 0), "01AB00");
    char dump[32];
    BytesToHexC(bytes, 5, 1, dump);
    EXPECT_STREQ(dump, "01 AB 00 FF 7E ");
    char digits[8];
    ToHexDigits(0x12345u, 3, digits);
    EXPECT_STREQ(digits, "345");
}

TEST(StringUtilities, CaseIgnoringComparison)
{
    EXPECT_EQ(CompareNoCase("abc", "ABD"), -1);
    EXPECT_EQ(CompareNoCase("ABD", "abc"), 1);
    EXPECT_EQ(CompareNoCase("ab", "AB"), 0);
    EXPECT_EQ(CompareNoCase("ab", "ABc"), -1);
    EXPECT_EQ(CompareNoCase("abc", "AB"), 1);
    EXPECT_EQ(CompareNoCase("a\xE9", "A\xC9"), 1);  // no letters beyond ASCII
    EXPECT_TRUE(EqualNoCase("Sample", "sAMPLE"));
    EXPECT_FALSE(EqualNoCase("Sample", "samples"));
    EXPECT_EQ(ToUpperCopy("abc\xE9z"), "ABC\xE9Z");
    EXPECT_EQ(ToLowerCopy("ABC\xC9Z"), "abc\xC9z");
}

TEST(StringUtilities, NonPrintableCharactersShowAs224)
{
    const char raw[] = {'A', '\0', '\x07', static_cast<char>(0xC8), '~'};
    EXPECT_EQ(CharsToString(raw, 5), std::string("A \xE0\xE0~"));
    char copy[8];
    CopyPrintable(raw, copy, 5);
    EXPECT_STREQ(copy, "A \xE0\xE0~");
}

TEST(StringUtilities, TrimPadAndCut)
{
    std::string text = "\r\n  line\r\n";
    TrimLeft(text, "\r\n");
    EXPECT_EQ(text, "  line\r\n");
    KeepUpToLastOf(text, "\r\n");
    EXPECT_EQ(text, "  line");
    TrimRight(text, "enil ");
    EXPECT_EQ(text, "");

    text = "7";
    PadLeft(text, 3, '0');
    EXPECT_EQ(text, "007");
    PadRight(text, 5, '-');
    EXPECT_EQ(text, "007--");
    FixWidth(text, 3);
    EXPECT_EQ(text, "007");
    FixWidth(text, 4);
    EXPECT_EQ(text, "007 ");
    StripLeadingZeros(text);
    EXPECT_EQ(text, "7 ");
    text = "000";
    StripLeadingZeros(text);
    EXPECT_EQ(text, "0");

    text = "a  b   c ";
    EXPECT_EQ(CollapseSpaces(text), 6u);
    EXPECT_EQ(text, "a b c ");
    SpacesToZeros(text);
    EXPECT_EQ(text, "a0b0c0");
    EraseFrom(text, 2);
    EXPECT_EQ(text, "a0");
    EraseFrom(text, 9);
    EXPECT_EQ(text, "a0");

    EXPECT_EQ(SubstringUpTo("key=value;next", 4, ";,"), "value");
    EXPECT_EQ(SubstringUpTo("key=value", 4, ";"), "value");
    EXPECT_EQ(SubstringUpTo("key", 7, ";"), "");
}

TEST(StringUtilities, SetOperations)
{
    std::string text = "a,b;c";
    EXPECT_EQ(CountCharsInSet(text, ",;"), 2u);
    ReplaceCharsInSet(text, ",;", ' ');
    EXPECT_EQ(text, "a b c");
    RemoveChars(text, " ");
    EXPECT_EQ(text, "abc");
    EXPECT_EQ(FindFirstOf("abcabc", "cb", 3), 4);
    EXPECT_EQ(FindFirstOf("abc", std::string("x")), -1);
    EXPECT_EQ(FindFirstNotOf("  x", " "), 2);
    EXPECT_EQ(FindFirstNotOf("   ", std::string(" ")), -1);
    EXPECT_EQ(FindLastNotOf("ab  c ", " ", 4), 4);
    EXPECT_EQ(FindLastNotOf("ab  c ", std::string(" "), 3), 1);
    EXPECT_EQ(FindLastNotOf("   ", " ", 2), -1);

    char c[] = "x-y_z";
    ReplaceCharsNotInSet(c, "xyz", '.');
    EXPECT_STREQ(c, "x.y.z");
    RemoveCharsC(c, ".");
    EXPECT_STREQ(c, "xyz");
    EXPECT_EQ(FindChar(c, 'z'), 2);
    EXPECT_EQ(FindChar(c, 'q'), -1);
    EXPECT_TRUE(ContainsChar(c, 'y'));
}

TEST(StringUtilities, Lines)
{
    const std::string text = "one\rtwo\r\rfour";
    EXPECT_EQ(CountLines(text), 4u);
    EXPECT_EQ(GetLine(text, 1), "two");
    EXPECT_EQ(GetLine(text, 2), "");
    EXPECT_EQ(GetLine(text, 3), "four");
    EXPECT_EQ(GetLine(text, 4), "");
    EXPECT_EQ(CountLinesC(""), 1);
    EXPECT_EQ(CountLinesC(text.c_str()), 4);
    char line[16] = "garbage";
    CopyLineC(text.c_str(), 3, line);
    EXPECT_STREQ(line, "four");
    CopyLineC(text.c_str(), 0, line);
    EXPECT_STREQ(line, "one");
    CopyLineC(text.c_str(), 9, line);
    EXPECT_STREQ(line, "");
}

TEST(StringUtilities, CStringCopies)
{
    char out[16];
    CopyString("abcdef", out, 3);
    EXPECT_STREQ(out, "abc");
    CopyString("ab", out, 5);
    EXPECT_STREQ(out, "ab");
    CopyString("ab", out, 0);
    EXPECT_STREQ(out, "");

    const char raw[] = {'a', 'b', '\0', 'z', 'q'};
    CopyBytes(raw, out, std::int16_t{5});
    EXPECT_EQ(std::memcmp(out, "ab\0zq\0", 6), 0);
    CopyBytesPadded(raw, out, 5);
    EXPECT_STREQ(out, "ab   ");

    FillChars(out, '*', 3);
    EXPECT_STREQ(out, "***");
    PadChars(out, '.', 6);
    EXPECT_STREQ(out, "***...");
    CopySubstring("0123456789", out, 2, 5);
    EXPECT_STREQ(out, "234");
    CopyUpTo("name.ext", out, ".;");
    EXPECT_STREQ(out, "name");
    CopyCollapsingSpaces("   a   b c  ", out);
    EXPECT_STREQ(out, "a b c ");

    char text[] = "  ,x,  ";
    TrimLeftC(text, " ,");
    EXPECT_STREQ(text, "x,  ");
    TrimTrailingChars(text, " ,");
    EXPECT_STREQ(text, "x");
    char number[] = " 0 07";
    SpacesToZerosC(number);
    EXPECT_STREQ(number, "00007");
    StripLeadingZerosC(number);
    EXPECT_STREQ(number, "7");
    char word[] = "abCd";
    MakeUpperC(word);
    EXPECT_STREQ(word, "ABCD");
    EraseLeadingC(word, 3);
    EXPECT_STREQ(word, "D");
    EraseLeadingC(word, 5);
    EXPECT_STREQ(word, "");

    EXPECT_TRUE(EqualBytes("abc", "abd", 2));
    EXPECT_FALSE(EqualBytes("abc", "abd", 3));
    EXPECT_TRUE(EqualBytes("a", "b", 0));
}

TEST(StringUtilities, FindSubstringReports666WhenAbsent)
{
    std::int32_t index = 0;
    EXPECT_TRUE(FindSubstring("sample.wav", "wav", index));
    EXPECT_EQ(index, 7);
    EXPECT_FALSE(FindSubstring("sample.wav", "aif", index));
    EXPECT_EQ(index, 666);
}

TEST(StringUtilities, LengthPrefixedTextsAreCutAt255)
{
    const std::string longText(300, 'x');
    std::vector<std::uint8_t> stored(300, 0xEE);
    StringToLengthPrefixed(longText, stored.data());
    EXPECT_EQ(stored[0], 255);
    EXPECT_EQ(stored[255], 'x');
    EXPECT_EQ(stored[256], 0xEE);
    EXPECT_EQ(LengthPrefixedToString(stored.data()), std::string(255, 'x'));
    EXPECT_EQ(LengthPrefixedStorageSize(stored.data()), 256);

    std::fill(stored.begin(), stored.end(), 0xEE);
    CToLengthPrefixed(longText.c_str(), stored.data());
    EXPECT_EQ(stored[0], 255);
    EXPECT_EQ(stored[256], 0xEE);

    std::uint8_t shortStored[8];
    CToLengthPrefixed("abc", shortStored);
    EXPECT_EQ(LengthPrefixedStorageSize(shortStored), 4);
    StringToLengthPrefixed("ab", shortStored);
    EXPECT_EQ(LengthPrefixedStorageSize(shortStored), 4);
    std::uint8_t copy[8] = {};
    CopyLengthPrefixed(shortStored, copy);
    EXPECT_EQ(std::memcmp(copy, "\x02" "ab", 3), 0);
    char text[8];
    LengthPrefixedToC(copy, text);
    EXPECT_STREQ(text, "ab");
}

TEST(StringUtilities, CutDecimalsKeepsTheIntegerPart)
{
    const struct
    {
        const char* text;
        std::int32_t digits;
        const char* expected;
    } kCases[] = {
        {"3.14159", 3, "3.14"},
        {"100.5", 2, "100"},
        {"100.5", 4, "100.5"},
        {"0012.50", 3, "0012.5"},
        {"2.5001", 3, "2.5"},
        {"1.000", 2, "1"},
        {"12.3", 5, "12.3"},
        {"1.20", 9, "1.20"},
        {"-1.234", 2, "-1.234"},
        {"1.2e5", 3, "1.2e5"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.digits));
        char text[16];
        std::strcpy(text, c.text);
        CutDecimals(text, c.digits);
        EXPECT_STREQ(text, c.expected);
    }
}

TEST(RealToString, FormatsWithTheGivenDecimals)
{
    EXPECT_EQ(RealToString(2.26, 1), "2.3");
    EXPECT_EQ(RealToString(1536.0 / 1024.0, 1), "1.5");
    EXPECT_EQ(RealToString(42.7, 0), "43");
    std::string out = "old";
    RealToString(out, -0.125, 3);
    EXPECT_EQ(out, "-0.125");
}
