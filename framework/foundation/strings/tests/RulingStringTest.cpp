#include "framework/foundation/strings/RulingString.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

using namespace NSTramvell;

extern CRulingString<CFileNameStringRule> gStaticallyBuiltFileName;
extern CRulingString<CDirectoryNameStringRule> gStaticallyBuiltFolderName;

namespace {

template <typename Rule>
std::string Ruled(const std::string& text)
{
    return CRulingString<Rule>(text).GetString();
}

struct CRuleCase
{
    const char* rule;
    std::function<std::string(const std::string&)> apply;
    std::string text;
    std::string expected;
};

const std::string kFiftyCharacters(50, 'm');
const std::string kFiftyOneCharacters = std::string(48, 'm') + "xyz";
const std::string kLongVolumeName(300, 'v');

} // namespace

TEST(CRulingString, EveryRuleGivesItsValue)
{
    const auto code = Ruled<CFourCharCodeRule>;
    const auto creator = Ruled<CMacCreatorRule>;
    const auto resourceType = Ruled<CResourceTypeRule>;
    const auto signature = Ruled<CApplicationDefinedSignatureRule>;
    const auto menu = Ruled<CMenuStringRule>;
    const auto folder = Ruled<CDirectoryNameStringRule>;
    const auto file = Ruled<CFileNameStringRule>;
    const auto volume = Ruled<CVolumeNameStringRule>;
    const CRuleCase kCases[] = {
        {"code", code, "ABCDE", "ABCD"},
        {"code", code, "AB", "AB"},
        {"code", code, "", ""},
        {"creator", creator, "????x", "????"},
        {"resource type", resourceType, "SSTRING", "SSTR"},
        {"signature", signature, "abcd", "Abcd"},
        {"signature", signature, "ab-d", "Ab_d"},
        {"signature", signature, "abcdef", "Abcd"},
        {"signature", signature, "_x", "_X"},
        {"signature", signature, "1abc", "1abc"},
        {"signature", signature, "aBcd", "aBcd"},
        {"signature", signature, "____", "____"},
        {"signature", signature, "\xE9t\xE9", "_T_"},
        {"menu", menu, kFiftyCharacters, kFiftyCharacters},
        {"menu", menu, kFiftyOneCharacters, std::string(47, 'm') + "..."},
        {"folder", folder, "C:", "C:"},
        {"folder", folder, "z:", "z:"},
        {"folder", folder, "1:", "1_"},
        {"folder", folder, "C:x", "C_x"},
        {"folder", folder, "\\\\server\\share", "server_share"},
        {"folder", folder, "\\\\", "__"},
        {"folder", folder, "docs.", "docs_"},
        {"folder", folder, "a\x1A" "b", "a\x1A" "b"},
        {"folder", folder, "LPT1", "_LPT1"},
        {"folder", folder, "COM1.backup", "_COM1.backup"},
        {"folder", folder, "con", "_con"},
        {"folder", folder, "Clock$", "_Clock$"},
        {"folder", folder, "CONSOLE", "CONSOLE"},
        {"file", file, "a*b.t?t", "a_b.t_t"},
        {"file", file, "a\x1A" "b.txt", "a\x1A" "b.txt"},
        {"file", file, "ab.t\x1A" "t", "ab.t_t"},
        {"file", file, "ab.lo\x1A" "ngname", "ab.lo\x1A" "ngname"},
        {"file", file, "report.document", "report.document"},
        {"file", file, "re|port.document", "re_port.document"},
        {"file", file, "name.", "name_"},
        {"file", file, "a. ", "a._"},
        {"file", file, "a .", "a _"},
        {"file", file, "CON", "_CON"},
        {"file", file, "NUL.txt", "_NUL.txt"},
        {"file", file, "CONSOLE", "CONSOLE"},
        {"file", file, "aux.wav", "_aux.wav"},
        {"file", file, "Aux.mqp", "_Aux.mqp"},
        {"file", file, "nul .txt", "_nul .txt"},
        {"file", file, "com0", "com0"},
        {"file", file, "xcon", "xcon"},
        {"file", file, "com9.a.b", "_com9.a.b"},
        {"volume", volume, "DISK:1", "DISK_1"},
        {"volume", volume, "a\x01" "b\x1A", "a_b\x1A"},
        {"volume", volume, kLongVolumeName, kLongVolumeName},
    };
    for (const CRuleCase& c : kCases) {
        SCOPED_TRACE(std::string(c.rule) + " '" + c.text + "'");
        EXPECT_EQ(c.apply(c.text), c.expected);
    }
}

TEST(CRulingString, EmptyFolderOrFileNameThrowsOutOfRange)
{
    for (const auto& apply : {Ruled<CDirectoryNameStringRule>, Ruled<CFileNameStringRule>}) {
        try {
            apply("");
            ADD_FAILURE() << "no exception";
        } catch (const std::out_of_range& e) {
            EXPECT_STREQ(e.what(), "invalid string position");
        }
    }
}

TEST(CRulingString, ValidityTestsAnswerWithoutThrowing)
{
    const struct
    {
        std::function<bool(const std::string&)> test;
        std::string text;
        bool valid;
    } kCases[] = {
        {IsValidFileName, "CON", false},       {IsValidFileName, "con", false},
        {IsValidFileName, "a:b", false},       {IsValidFileName, "a.txt", true},
        {IsValidFileName, "", false},          {IsValidFileName, "x.", false},
        {IsValidDirectoryName, "", false},     {IsValidDirectoryName, "Samples", true},
        {IsValidDirectoryName, "d:", true},    {IsValidDirectoryName, "a/b", false},
        {IsValidDirectoryName, "lpt9", false}, {IsValidVolumeName, "DISK 1", true},
        {IsValidVolumeName, "DISK:1", false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE("'" + c.text + "'");
        EXPECT_EQ(c.test(c.text), c.valid);
    }
}

TEST(CRulingString, FourCharCodeGivesMissingCharactersAsZeroBytes)
{
    EXPECT_EQ(CFourCharCode("AB").GetFourCharCode(), 0x41420000u);
    EXPECT_EQ(CFourCharCode("RIFFX").GetFourCharCode(), 0x52494646u);
    EXPECT_EQ(CFourCharCode("").GetFourCharCode(), 0u);
    EXPECT_EQ(CFourCharCode("\xFF\x80").GetFourCharCode(), 0xFF800000u);
    EXPECT_EQ(CRulingString<CMacCreatorRule>("????").GetFourCharCode(), 0x3F3F3F3Fu);
}

TEST(CRulingString, AssignmentOfATextAppliesTheRuleButCopiesKeepTheValue)
{
    CFileName name("ok.txt");
    name = std::string("a*b");
    EXPECT_EQ(name.GetString(), "a_b");
    name = "nul";
    EXPECT_EQ(name.GetString(), "_nul");

    const CFileName unchanged(std::string("a*b"), kStoreUnchanged);
    EXPECT_EQ(unchanged.GetString(), "a*b");
    const CFileName copy(unchanged);
    EXPECT_EQ(copy.GetString(), "a*b");
    name = unchanged;
    EXPECT_EQ(name.GetString(), "a*b");
    name = name;
    EXPECT_EQ(name.GetString(), "a*b");
}

TEST(CRulingString, ComparisonsAreByteExactAndDoNotRuleTheOtherText)
{
    const CFourCharCode none("NONE");
    EXPECT_FALSE(none != "NONE");
    EXPECT_TRUE(none != "none");
    EXPECT_TRUE(none != "NONEX");  // ruled, "NONEX" would equal "NONE"
    EXPECT_TRUE(none != std::string("NON"));
    EXPECT_TRUE(none == std::string("NONE"));
    EXPECT_TRUE(none == CFourCharCode("NONEX"));
    EXPECT_TRUE(none != CFourCharCode("NON"));
    EXPECT_TRUE(CFourCharCode(std::string("AB\0D", 4)) != CFourCharCode(std::string("AB\0E", 4)));
}

TEST(CRulingString, StaticInitialiserInAnotherUnitIsRuled)
{
    EXPECT_EQ(gStaticallyBuiltFileName.GetString(), "_CON");
    EXPECT_EQ(gStaticallyBuiltFolderName.GetString(), "c:");
}
