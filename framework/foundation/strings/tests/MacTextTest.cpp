#include "framework/foundation/strings/MacText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace NSTramvell;

namespace {

TEST(MacText, CharactersConvertBothWaysAndLowBytesStay)
{
    std::string text = "Caf\x8E \xDB";
    MacToWindowsChars(text);
    EXPECT_EQ(text, "Caf\xE9 \xA4");
    WindowsToMacChars(text);
    EXPECT_EQ(text, "Caf\x8E \xDB");

    char buffer[] = "\x8E\xA5\xCA" "abc\x7F";
    MacToWindowsChars(buffer);
    EXPECT_STREQ(buffer, "\xE9\xB7?abc\x7F");
    WindowsToMacChars(buffer);
    EXPECT_STREQ(buffer, "\x8E\xA5?abc\x7F");
}

TEST(MacText, EveryCharacterNotLostRoundTrips)
{
    int kept = 0;
    for (int c = 0x80; c <= 0xFF; ++c) {
        const std::uint8_t windows = NSMacTextInternal::MacToWindowsChar(static_cast<std::uint8_t>(c));
        if (windows == '?')
            continue;
        ++kept;
        EXPECT_EQ(NSMacTextInternal::WindowsToMacChar(windows), c) << c;
    }
    EXPECT_EQ(kept, 80);   // the upper-half characters that both sides have
}

TEST(MacText, LineEndsGrowAndShrink)
{
    const std::string mac = "one\rtwo\rthree\r";
    EXPECT_EQ(MacToWindowsText(mac), "one\r\ntwo\r\nthree\r\n");

    char windows[32];
    MacToWindowsText(windows, sizeof windows - 1, mac.c_str(), mac.size());
    EXPECT_STREQ(windows, "one\r\ntwo\r\nthree\r\n");
    char back[32];
    WindowsToMacText(back, sizeof back - 1, windows, sizeof windows);
    EXPECT_STREQ(back, "one\rtwo\rthree\r");
}

TEST(MacText, BufferFormsStopAtTheirLimits)
{
    const struct
    {
        const char* source;
        std::size_t sourceLength;
        std::size_t capacity;
        const char* expected;
    } kToWindows[] = {
        {"ab\rc", 4, 3, "abc"},      // the carriage return's line feed would not fit: both dropped
        {"ab\rc", 4, 4, "ab\r\n"},
        {"ab\rc", 2, 10, "ab"},      // the source length ends the copy
        {"a\0b", 3, 10, "a"},        // so does a 0 byte
        {"\xDB\r", 2, 1, "\xA4"},
    };
    for (const auto& c : kToWindows) {
        SCOPED_TRACE(c.expected);
        char destination[16];
        std::memset(destination, 'X', sizeof destination);
        MacToWindowsText(destination, c.capacity, c.source, c.sourceLength);
        EXPECT_STREQ(destination, c.expected);
    }

    char destination[16];
    WindowsToMacText(destination, 3, "a\r\nbcd", 6);
    EXPECT_STREQ(destination, "a\rb");
    WindowsToMacText(destination, 10, "\xE9\n\0x", 4);
    EXPECT_STREQ(destination, "\x8E");
}

TEST(MacText, LineEndingKind)
{
    const struct
    {
        std::string text;
        std::int32_t kind;
    } kCases[] = {{"", kLineEndingNone},          {"no break", kLineEndingNone},
                  {"a\rb\r", kLineEndingMac},     {"a\r\nb", kLineEndingWindows},
                  {"\r\r\n", kLineEndingWindows}, {"unix\n", kLineEndingWindows}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(GetLineEndingKind(c.text), c.kind);
        EXPECT_EQ(GetLineEndingKind(c.text.data(), c.text.size()), c.kind);
    }
    EXPECT_EQ(GetLineEndingKind("a\rb\n", 2), kLineEndingMac);
}

} // namespace
