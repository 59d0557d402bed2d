#include "conversion/patch/ConverterStrings.h"

#include <stdexcept>

namespace NSConverter {
namespace {

std::vector<std::pair<std::uint32_t, std::string>>& ConverterStrings()
{
    static std::vector<std::pair<std::uint32_t, std::string>> strings;
    return strings;
}

} // namespace

void SetUIStrings(const std::vector<std::pair<std::uint32_t, std::string>>& strings)
{
    ConverterStrings() = strings;
}

std::string GetConverterString(std::uint32_t id)
{
    for (const auto& [key, text] : ConverterStrings()) {
        if (key == id)
            return text;
    }
    throw std::range_error("UI string not found");
}

} // namespace NSConverter
