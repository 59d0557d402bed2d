#include "conversion/disc/tests/support/ConversionTexts.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace NSConversionTestSupport {

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string ConversionText(std::uint32_t entry)
{
    static const CTextTable strings = LoadConversionStrings();
    for (const auto& [key, text] : strings) {
        if (key == NSAkaiConversion::ConversionStringId(entry))
            return text;
    }
    throw std::out_of_range("no conversion text " + std::to_string(entry));
}

} // namespace NSConversionTestSupport
