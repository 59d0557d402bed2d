// The texts built into the library against the resource files they are made of.

#include "conversion/disc/tests/support/ConversionTexts.h"
#include "conversion/log/HTMLLog.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace NSConversionTestSupport;

namespace {

std::string ResourceFile(const std::string& name)
{
    return ReadWholeFile(HostPath(std::string(DRAVIM_CONVERSION_RESOURCE_DIR) + "/" + name));
}

} // namespace

TEST(ConversionTexts, TemplatesAreTheirFilesToTheByte)
{
    const CTextTable templates = LoadLogTemplates();
    ASSERT_EQ(templates.size(), NSLogger::kLastTemplate - NSLogger::kFirstTemplate + 1);
    for (const auto& [key, text] : templates) {
        SCOPED_TRACE(key);
        EXPECT_EQ(text, ResourceFile("log-templates/" + std::to_string(key) + ".htm"));
    }
}

TEST(ConversionTexts, StringsAreTheLinesOfTheirFile)
{
    const std::string file = ResourceFile("conversion-strings-128.txt");
    std::istringstream lines(file);
    std::size_t entryLines = 0;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line[0] != '#')
            ++entryLines;
    }
    const CTextTable strings = LoadConversionStrings();
    EXPECT_EQ(strings.size(), entryLines);
    for (const auto& [key, text] : strings) {
        const std::string line = std::to_string(key - NSAkaiConversion::ConversionStringId(0)) + "\t" + text + "\n";
        EXPECT_NE(file.find(line), std::string::npos) << line;
    }
}
