#include "app/strings/UIStringTables.h"

#include "akai/filesystem/AkaiUIStrings.h"
#include "akai/parsers/ParserTexts.h"
#include "conversion/patch/PatchFileWriter.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/strings/StringManager.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <stdexcept>

namespace {

std::string HostPath(const std::string& path)
{
#ifdef _WIN32
    return "Z:" + path;
#else
    return path;
#endif
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(HostPath(path), std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// String table 128 as the build makes it, served as the program's only script resource.
class CScriptResources : public NSTramvell::IStringResourceReader
{
public:
    explicit CScriptResources(std::string script)
        : mScript(std::move(script))
    {
    }
    bool HasStringResource(const NSTramvell::CResourceKey& key) override
    {
        return key.GetType().GetString() == "SSTR" && key.GetNumber() == 128;
    }
    std::unique_ptr<NSTramvell::CMedia> ReadStringResource(const NSTramvell::CResourceKey& key) override
    {
        if (!HasStringResource(key))
            throw NSTramvell::XBase();
        return std::make_unique<NSTramvell::COwnedMemoryMedia>(static_cast<std::int32_t>(mScript.size()),
                                                               mScript.data());
    }

private:
    std::string mScript;
};

class CScopedStringManager
{
public:
    explicit CScopedStringManager(std::string script)
        : mResources(std::move(script))
    {
        NSTramvell::CreateStringManager(mResources);
    }
    ~CScopedStringManager() { NSTramvell::DestroyStringManager(); }

private:
    CScriptResources mResources;
};

std::string BuiltScript()
{
    return ReadFile(DRAVIM_STRING_TABLE_SCRIPT);
}

// Every (reference number, text) of the text files the table is made of, "\r" read as a carriage return.
CUIStringTable SourceEntries()
{
    CUIStringTable entries;
    for (const char* source : {"/conversion/resources/conversion-strings-128.txt",
                               "/akai/parsers/resources/parser-strings-128.txt", "/app/resources/strings-128.txt"}) {
        for (auto [key, text] : NSAkaiParser::ReadStringTableText(ReadFile(std::string(DRAVIM_SOURCE_DIR) + source))) {
            for (std::size_t at = text.find("\\r"); at != std::string::npos; at = text.find("\\r", at + 1))
                text.replace(at, 2, "\r");
            entries.emplace_back(key, text);
        }
    }
    return entries;
}

std::string ReplaceEntry(std::string script, const std::string& line, const std::string& replacement)
{
    const std::size_t at = script.find(line);
    if (at == std::string::npos)
        throw std::runtime_error("no line " + line);
    return script.replace(at, line.size(), replacement);
}

} // namespace

TEST(StringTable128, EveryEntryReadsBackAsItsSourceLine)
{
    CScopedStringManager strings(BuiltScript());
    const CUIStringTable sources = SourceEntries();
    ASSERT_EQ(sources.size(), 264u);
    for (const auto& [key, text] : sources) {
        SCOPED_TRACE(key);
        EXPECT_EQ(NSTramvell::GetString(static_cast<std::int32_t>(key)), text);
    }
    EXPECT_EQ(NSTramvell::GetString(UIStringReference(1500)), NSConverterImplementation::kPatchMakerWebAddress);
}

TEST(UIStringTables, EachBuilderTakesItsEntriesKeyedByReferenceNumber)
{
    CScopedStringManager strings(BuiltScript());
    const struct
    {
        const char* name;
        CUIStringTable (*build)();
        std::size_t count;
        std::uint32_t firstEntry;
        std::uint32_t lastEntry;
    } kBuilders[] = {{"file system", BuildFileSystemStrings, 1, 500, 500},
                     {"parser", BuildParserStrings, 171, 100, 278},
                     {"converter", BuildConverterStrings, 2, 50, 52},
                     {"conversion", BuildConversionStrings, 36, 51, 2000},
                     {"log", BuildLogStrings, 5, 1000, 1004}};
    for (const auto& builder : kBuilders) {
        SCOPED_TRACE(builder.name);
        const CUIStringTable table = builder.build();
        EXPECT_EQ(table.size(), builder.count);
        std::set<std::uint32_t> keys;
        for (const auto& [key, text] : table) {
            keys.insert(key);
            EXPECT_FALSE(text.empty()) << key;
            EXPECT_EQ(text, NSTramvell::GetString(static_cast<std::int32_t>(key)));
        }
        EXPECT_EQ(keys.size(), table.size());
        EXPECT_EQ(*keys.begin(), UIStringReference(builder.firstEntry));
        EXPECT_EQ(*keys.rbegin(), UIStringReference(builder.lastEntry));
    }
    // The entries the parser checks no value under stay out of its table.
    for (const auto& [key, text] : BuildParserStrings())
        EXPECT_EQ(std::set<std::uint32_t>({105, 134, 146, 150, 174, 187, 192, 227}).count(key - 401280000), 0u);
}

TEST(UIStringTables, FileSystemFindsItsTextByReferenceNumberOnly)
{
    CScopedStringManager strings(BuiltScript());
    NSAkaiFileSystem::SetUIStrings(BuildFileSystemStrings());
    EXPECT_EQ(NSAkaiFileSystem::GetUIString(401280500), "Partition ^0");
    EXPECT_THROW(NSAkaiFileSystem::GetUIString(500), std::range_error);
}

TEST(UIStringTables, MissingOrEmptyEntryStopsTheBuild)
{
    const std::string script = BuiltScript();
    for (const std::string& damaged : {ReplaceEntry(script, "1203 {Converting sample ^0}", ""),
                                       ReplaceEntry(script, "1203 {Converting sample ^0}", "1203 {}")}) {
        CScopedStringManager strings(damaged);
        EXPECT_THROW(BuildConversionStrings(), NSTramvell::XNotFound);
        EXPECT_NO_THROW(BuildLogStrings());
    }
}

TEST(UIStringTables, TemplatesKeepTheirBytesUnderTheirResourceNumbers)
{
    const CUIStringTable templates =
        BuildLogTemplates([](std::uint16_t id) { return "<p>\r\n" + std::to_string(id) + std::string(1, '\0'); });
    ASSERT_EQ(templates.size(), 14u);
    for (std::uint16_t id = 128; id <= 141; ++id) {
        EXPECT_EQ(templates[id - 128].first, id);
        EXPECT_EQ(templates[id - 128].second, "<p>\r\n" + std::to_string(id) + std::string(1, '\0'));
    }
}
