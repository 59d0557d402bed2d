#include "framework/foundation/strings/StringManager.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

using namespace NSTramvell;

namespace {

// Script resources held in memory; a resource not in the map is missing from the program file.
class FakeStringResources : public IStringResourceReader
{
public:
    void Add(const std::string& type, std::uint16_t number, const std::string& script)
    {
        mScripts[{type, number}] = script;
    }

    int ReadCount(const std::string& type, std::uint16_t number) const
    {
        const auto found = mReads.find({type, number});
        return found == mReads.end() ? 0 : found->second;
    }

    bool HasStringResource(const CResourceKey& key) override
    {
        return mScripts.count({key.GetType().GetString(), key.GetNumber()}) != 0;
    }

    std::unique_ptr<CMedia> ReadStringResource(const CResourceKey& key) override
    {
        const std::pair<std::string, std::uint16_t> id{key.GetType().GetString(), key.GetNumber()};
        ++mReads[id];
        const auto found = mScripts.find(id);
        if (found == mScripts.end())
            throw XBase();
        return std::make_unique<COwnedMemoryMedia>(static_cast<std::int32_t>(found->second.size()),
                                                   found->second.data());
    }

private:
    std::map<std::pair<std::string, std::uint16_t>, std::string> mScripts;
    std::map<std::pair<std::string, std::uint16_t>, int> mReads;
};

class StringManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mResources.Add("SSTR", 128, "120 {one twenty}\r\n121 {one twenty-one}\r\n7 {}\r\n");
        mResources.Add("SALR", 1000, "11\t{[NOTE]Done![OK]}");
        mResources.Add("SMNU", 5, "1 {File}");
        mResources.Add("SHLP", 5, "1 {Help on files}");
        CreateStringManager(mResources);
    }

    void TearDown() override { DestroyStringManager(); }

    FakeStringResources mResources;
};

std::vector<std::pair<int, std::string>> AsPairs(const std::vector<CStringScriptEntry>& entries)
{
    std::vector<std::pair<int, std::string>> pairs;
    for (const CStringScriptEntry& entry : entries)
        pairs.emplace_back(entry.id, entry.text);
    return pairs;
}

} // namespace

TEST(ParseScript, ReadsNumberedEntriesAndSkipsComments)
{
    using Entries = std::vector<std::pair<int, std::string>>;
    const struct
    {
        const char* name;
        std::string script;
        Entries expected;
    } kCases[] = {
        {"three rows",
         "10\t\t{Stop}\t\t// the stop button\r\n4\t{[NOTE]Conversion completed![OK]}\r\n/* block */\r\n// line\r\n",
         {{10, "Stop"}, {4, "[NOTE]Conversion completed![OK]"}}},
        {"empty", "", {}},
        {"only comments", "// a\r\n/* b\r\n c */\n", {}},
        {"unterminated block comment", "/* 1 {one}\r\n2 {two}", {{1, "one"}, {2, "two"}}},
        {"line comment at the end", "1 {a} // tail", {{1, "a"}}},
        {"line breaks inside braces", "3 {a\r\nb}", {{3, "ab"}}},
        {"tab inside braces", "3 {a\tb}", {{3, "ab"}}},
        {"escaped carriage return", "3 {a\\rb}", {{3, "a\rb"}}},
        {"other backslash", "3 {a\\nb\\}", {{3, "a\\nb\\"}}},
        {"close before open", "5 } 6 {six}", {{6, "six"}}},
        {"two closes before an open", "1 } 2 } 3 {three} 4 {four}", {{3, "three"}, {4, "four"}}},
        {"closed then unclosed block comment", "/* a */ 1 {one} /* b 2 {two}", {{1, "one"}, {2, "two"}}},
        {"comment end shared by two openers", "/* /* */ 7 {seven}", {{7, "seven"}}},
        {"repeated id", "1 {first}\n1 {second}", {{1, "first"}, {1, "second"}}},
        {"no closing brace ends the parse", "1 {one}\n2 {two\n3 {three", {{1, "one"}}},
        {"no closing brace at all", "9 {nine", {}},
        {"stray characters", "  x; 8 {eight}", {{8, "eight"}}},
        {"id taken as 16 bits", "65537 {wrapped}", {{1, "wrapped"}}},
        {"spaces kept inside", "2 {  two  }", {{2, "  two  "}}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AsPairs(ParseScript(c.script)), c.expected);
    }
}

TEST(MediaToString, ReadsFromThePositionToTheFirstZero)
{
    const char bytes[] = {'a', 'b', 'c', '\0', 'd', 'e', 'f'};
    COwnedMemoryMedia media(7, bytes);
    EXPECT_EQ(MediaToString(media), "abc");
    media.SetPosition(4);
    EXPECT_EQ(MediaToString(media), "def");
    media.SetPosition(1);
    EXPECT_EQ(MediaToString(media), "bc");
    media.SetPosition(7);
    EXPECT_EQ(MediaToString(media), "");
}

TEST(SplitReferenceNumber, GivesKindResourceAndEntry)
{
    std::uint8_t kind = 0;
    std::uint16_t resource = 0;
    std::uint16_t entry = 0;
    SplitReferenceNumber(401280121, kind, resource, entry);
    EXPECT_EQ(kind, 4);
    EXPECT_EQ(resource, 128);
    EXPECT_EQ(entry, 121);
    SplitReferenceNumber(510000011, kind, resource, entry);
    EXPECT_EQ(kind, 5);
    EXPECT_EQ(resource, 1000);
    EXPECT_EQ(entry, 11);
}

TEST_F(StringManagerTest, ReferenceNumbersReachTheirResourceAndEntry)
{
    EXPECT_EQ(GetString(401280121), "one twenty-one");
    EXPECT_EQ(GetString(401280120), "one twenty");
    EXPECT_EQ(GetString(501280121), "one twenty-one");
    EXPECT_EQ(GetString(1280121), "one twenty-one");
    EXPECT_EQ(GetAlertScript(510000011), "[NOTE]Done![OK]");
    EXPECT_EQ(GetAlertScript(410000011), "[NOTE]Done![OK]");
    EXPECT_EQ(GetMenuScript(400050001), "File");
    EXPECT_EQ(GetHelpString(400050001), "Help on files");
}

TEST_F(StringManagerTest, EachResourceIsReadOnce)
{
    GetString(401280121);
    GetString(401280120);
    GetString(401280121);
    GetAlertScript(510000011);
    GetAlertScript(510000011);
    EXPECT_EQ(mResources.ReadCount("SSTR", 128), 1);
    EXPECT_EQ(mResources.ReadCount("SALR", 1000), 1);
}

TEST_F(StringManagerTest, MissingResourceThrowsAndIsTriedAgain)
{
    for (int attempt = 1; attempt <= 2; ++attempt) {
        try {
            GetString(400420001);
            ADD_FAILURE() << "no exception";
        } catch (const XNotFound&) {
            ADD_FAILURE() << "a missing resource is not a missing entry";
        } catch (const XBase&) {
        }
        EXPECT_EQ(mResources.ReadCount("SSTR", 42), attempt);
    }
    mResources.Add("SSTR", 42, "1 {now here}");
    EXPECT_EQ(GetString(400420001), "now here");
    EXPECT_EQ(mResources.ReadCount("SSTR", 42), 3);
}

TEST_F(StringManagerTest, AMissingEntryIsEmptyAndTheResourceIsNotReadAgain)
{
    const struct
    {
        const char* type;
        std::uint16_t resource;
        std::string (*get)(std::int32_t);
        std::int32_t reference;
    } kCases[] = {
        {"SSTR", 128, &GetString, 401280008},
        {"SALR", 1000, &GetAlertScript, 510000012},
        {"SMNU", 5, &GetMenuScript, 400050002},
        {"SHLP", 5, &GetHelpString, 400050002},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.type);
        std::string text = "not asked";
        EXPECT_NO_THROW(text = c.get(c.reference));
        EXPECT_EQ(text, "");
        c.get(c.reference);
        EXPECT_EQ(mResources.ReadCount(c.type, c.resource), 1);
    }
    EXPECT_EQ(GetString(401280007), "");
}

TEST_F(StringManagerTest, GetEntryGivesEmptyForAMissingEntryOrAnUnknownType)
{
    CStringManager& manager = *GetStringManager();
    EXPECT_EQ(manager.GetEntry(CResourceKey("SSTR", 128), 121), "one twenty-one");
    EXPECT_EQ(manager.GetEntry(CResourceKey("SSTR", 128), 999), "");
    EXPECT_EQ(manager.GetEntry(CResourceKey("XXXX", 128), 121), "");
    EXPECT_EQ(manager.FindTable(CResourceKey("DLOG", 1).GetType()), nullptr);
}

TEST_F(StringManagerTest, ScriptRequestsOfAForeignTableGetNothing)
{
    CStringManager& manager = *GetStringManager();
    CStringScriptTable foreign(manager);
    EXPECT_FALSE(manager.HasScript(foreign, 128));
    EXPECT_TRUE(manager.ReadScript(foreign, 128) == nullptr);
    CStringScriptTable& strings = *manager.FindTable(CResourceKey("SSTR", 0).GetType());
    EXPECT_TRUE(manager.HasScript(strings, 128));
    EXPECT_FALSE(manager.HasScript(strings, 129));
    EXPECT_TRUE(manager.ReadScript(strings, 128) != nullptr);
}

TEST_F(StringManagerTest, ReadAllEntriesJoinsEveryPresentResourceInOrder)
{
    mResources.Add("SHLP", 15999, "3 {last}");
    mResources.Add("SHLP", 16000, "4 {beyond}");
    mResources.Add("SHLP", 0, "2 {zero}\r\n1 {zero again}");
    CStringManager& manager = *GetStringManager();
    GetHelpString(400050001);
    const auto entries = ReadAllEntries(*manager.FindTable(CResourceKey("SHLP", 0).GetType()));
    const std::vector<std::pair<int, std::string>> expected = {
        {2, "zero"}, {1, "zero again"}, {1, "Help on files"}, {3, "last"}};
    EXPECT_EQ(AsPairs(entries), expected);
    EXPECT_EQ(mResources.ReadCount("SHLP", 16000), 0);
    // The cache is left alone: resource 0 was read only by ReadAllEntries and is read again on request.
    EXPECT_EQ(GetHelpString(400000002), "zero");
    EXPECT_EQ(mResources.ReadCount("SHLP", 0), 2);
    EXPECT_EQ(mResources.ReadCount("SHLP", 5), 2);
}

TEST(StringManager, GettersWithoutAManagerThrow)
{
    ASSERT_EQ(GetStringManager(), nullptr);
    EXPECT_THROW(GetString(401280121), XBase);
}
