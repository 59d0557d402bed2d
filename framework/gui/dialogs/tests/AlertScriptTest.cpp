#include "framework/gui/dialogs/AlertScript.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/strings/StringManager.h"
#include "tests/support/HostPath.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

using NSTramvell::ParseAlertScript;

TEST(ParseAlertScript, ReadsKindTitleMessageAndLabels)
{
    const struct
    {
        const char* script;
        std::vector<std::string> parameters;
        std::uint32_t kind;
        const char* title;
        const char* message;
        std::vector<std::string> labels;   // button 1 first
    } kCases[] = {
        {"[NOTE]Conversion completed![OK]", {}, 15, "", "Conversion completed!", {"OK"}},
        {"[STOP][Can not open web page]The web page '^0' cannot be opened.[OK]", {"http://x"}, 17,
         "Can not open web page", "The web page 'http://x' cannot be opened.", {"OK"}},
        {"[WARN][Disk ^0]Keep ^0?[Delete][Keep]", {"A", "B"}, 16, "Disk A", "Keep B?", {"Keep", "Delete"}},
        {"[NONE]Continue?[Yes][No]", {}, 18, "", "Continue?", {"No", "Yes"}},
        {"[BLAH]Odd tag[One][Two][Three]", {}, 18, "", "Odd tag", {"Three", "Two", "One"}},
        {"[NOTE][\r\nTitle\n]\r\nLine one\rline two\r\n[OK]", {}, 15, "Title", "Line one\rline two", {"OK"}},
        {"[NOTE][^0 and ^1]Only ^0[OK]", {"A"}, 15, "A and ", "Only ", {"OK"}},
        {"[NOTE]No buttons", {}, 15, "", "No buttons", {}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.script);
        const NSTramvell::CAlertScript parsed = ParseAlertScript(c.script, c.parameters);
        EXPECT_EQ(parsed.kind, c.kind);
        EXPECT_EQ(parsed.title, c.title);
        EXPECT_EQ(parsed.message, c.message);
        ASSERT_EQ(parsed.labelCount, c.labels.size());
        for (std::size_t i = 0; i < c.labels.size(); ++i)
            EXPECT_EQ(parsed.labels[i], c.labels[i]);
    }
}

TEST(ParseAlertScript, KeepsTheLastThreeOfMoreLabels)
{
    const NSTramvell::CAlertScript parsed = ParseAlertScript("[NOTE]Pick[A][B][C][D]", {});
    EXPECT_EQ(parsed.labelCount, 3);
    EXPECT_EQ(parsed.labels[0], "D");
    EXPECT_EQ(parsed.labels[1], "C");
    EXPECT_EQ(parsed.labels[2], "B");
}

TEST(ParseAlertScript, RefusesShortScriptsAndUnclosedBrackets)
{
    for (const char* shortScript : {"", "[NOTE", "[NOTE]"}) {
        SCOPED_TRACE(shortScript);
        EXPECT_THROW(ParseAlertScript(shortScript, {}), std::out_of_range);
    }
    for (const char* unclosed : {"[NOTE][Title without end", "[NOTE]Message[OK", "[NOTE]Message[OK][Cancel"}) {
        SCOPED_TRACE(unclosed);
        EXPECT_THROW(ParseAlertScript(unclosed, {}), NSTramvell::XBadFormat);
    }
}

} // namespace

namespace {

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(NSTestSupport::HostPath(path), std::ios::binary);
    EXPECT_TRUE(file.good()) << path;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(ParseAlertScript, EveryShippedScriptParsesWithButtons)
{
    for (const char* path : {DRAVIM_SOURCE_DIR "/app/resources/alerts-128.txt",
                             DRAVIM_SOURCE_DIR "/framework/gui/tests/support/fixtures/CommonAlerts1000.txt"}) {
        const std::vector<NSTramvell::CStringScriptEntry> entries = NSTramvell::ParseScript(ReadWholeFile(path));
        ASSERT_FALSE(entries.empty()) << path;
        for (const NSTramvell::CStringScriptEntry& entry : entries) {
            SCOPED_TRACE(entry.text);
            const NSTramvell::CAlertScript parsed = ParseAlertScript(entry.text, {"first", "second"});
            EXPECT_GE(parsed.labelCount, 1);
            EXPECT_FALSE(parsed.message.empty());
            EXPECT_EQ(parsed.message.find('['), std::string::npos);
        }
    }
}

} // namespace
