#include "conversion/log/ConversionStrings.h"

#include <stdexcept>

namespace {

NSAkaiConversion::CConversionStringTable& ConversionStrings()
{
    static NSAkaiConversion::CConversionStringTable strings;
    return strings;
}

} // namespace

namespace NSAkaiConversion {

void SetUIStrings(const CConversionStringTable& strings)
{
    ConversionStrings() = strings;
}

} // namespace NSAkaiConversion

namespace NSConverter {

std::string GetConversionString(std::uint32_t id)
{
    for (const auto& [key, text] : ConversionStrings()) {
        if (key == id)
            return text;
    }
    throw std::range_error("UI string not found");
}

} // namespace NSConverter
