#pragma once

// The parser strings the tests run with (the parser's own texts, as the application installs them), and
// the validator fixture whose names the tests hold against them.

#include "tests/support/HostPath.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSAkaiTestSupport {

// One row of akai/parsers/tests/data/validators.csv, as written from the table of parameter ranges.
struct CValidatorFixtureRow
{
    std::size_t index;
    std::uint32_t entry;     // entry of string table 128 that names the parameter
    std::string name;
    std::int32_t minimum;
    std::int32_t maximum;
    std::int32_t defaultValue;
};

std::vector<CValidatorFixtureRow> LoadValidatorFixture();

std::vector<std::pair<std::uint32_t, std::string>> MakeParserStrings();
// Installs MakeParserStrings() as the parser strings.
void InstallParserStrings();

// The name of a validator row, from the fixture.
std::string RowName(std::size_t row);
// "The parameter '<name>' was out of range."
std::string OutOfRange(const std::string& name);

using NSTestSupport::HostPath;
// A file of the sampler files kept in tests/data/s3000xl, e.g. "defaults/kg_01.a3p".
std::string TestDataPath(const std::string& relativePath);
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);


// Installs other parser strings for one scope, and the test strings again at its end.
class CScopedParserStrings
{
public:
    explicit CScopedParserStrings(const std::vector<std::pair<std::uint32_t, std::string>>& strings);
    ~CScopedParserStrings();
    CScopedParserStrings(const CScopedParserStrings&) = delete;
    CScopedParserStrings& operator=(const CScopedParserStrings&) = delete;
};

// The text the test strings hold for a reference number.
std::string TestString(std::uint32_t id);

} // namespace NSAkaiTestSupport
