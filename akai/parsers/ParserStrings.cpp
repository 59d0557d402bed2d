#include "akai/parsers/ParserStrings.h"

#include <stdexcept>

namespace NSAkaiParser {

namespace {

std::vector<std::pair<std::uint32_t, std::string>>& ParserStrings()
{
    static std::vector<std::pair<std::uint32_t, std::string>> strings;
    return strings;
}

} // namespace

void SetUIStrings(const std::vector<std::pair<std::uint32_t, std::string>>& strings)
{
    ParserStrings() = strings;
}

const std::string& GetParserString(std::uint32_t id)
{
    for (const auto& entry : ParserStrings()) {
        if (entry.first == id)
            return entry.second;
    }
    throw std::range_error("UI string not found");
}

} // namespace NSAkaiParser
