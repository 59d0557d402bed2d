#include "akai/parsers/tests/support/ParserTestStrings.h"

#include "akai/parsers/ParserStrings.h"
#include "akai/parsers/ParserTexts.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace NSAkaiTestSupport {

namespace {

std::vector<std::string> SplitCsvLine(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ','))
        fields.push_back(field);
    return fields;
}

const std::vector<CValidatorFixtureRow>& Fixture()
{
    static const std::vector<CValidatorFixtureRow> rows = LoadValidatorFixture();
    return rows;
}

} // namespace

std::string TestDataPath(const std::string& relativePath)
{
    return HostPath(std::string(DRAVIM_TESTDATA_DIR) + "/" + relativePath);
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<CValidatorFixtureRow> LoadValidatorFixture()
{
    std::ifstream file(HostPath(std::string(DRAVIM_PARSER_FIXTURE_DIR) + "/validators.csv"));
    if (!file)
        throw std::runtime_error("validators.csv not found");
    std::vector<CValidatorFixtureRow> rows;
    std::string line;
    std::getline(file, line);  // the column names
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const std::vector<std::string> fields = SplitCsvLine(line);
        if (fields.size() != 6)
            throw std::runtime_error("bad fixture line: " + line);
        rows.push_back({static_cast<std::size_t>(std::stoul(fields[0])), static_cast<std::uint32_t>(std::stoul(fields[1])),
                        fields[2], std::stoi(fields[3]), std::stoi(fields[4]), std::stoi(fields[5])});
    }
    return rows;
}

std::vector<std::pair<std::uint32_t, std::string>> MakeParserStrings()
{
    return NSAkaiParser::LoadParserTexts();
}

void InstallParserStrings()
{
    NSAkaiParser::SetUIStrings(MakeParserStrings());
}

std::string RowName(std::size_t row)
{
    return Fixture().at(row).name;
}

std::string OutOfRange(const std::string& name)
{
    return "The parameter '" + name + "' was out of range.";
}


CScopedParserStrings::CScopedParserStrings(const std::vector<std::pair<std::uint32_t, std::string>>& strings)
{
    NSAkaiParser::SetUIStrings(strings);
}

CScopedParserStrings::~CScopedParserStrings()
{
    InstallParserStrings();
}

std::string TestString(std::uint32_t id)
{
    for (const auto& entry : MakeParserStrings()) {
        if (entry.first == id)
            return entry.second;
    }
    throw std::out_of_range("no test string");
}

} // namespace NSAkaiTestSupport
