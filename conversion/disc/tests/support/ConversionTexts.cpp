#include "conversion/disc/tests/support/ConversionTexts.h"

#include "akai/filesystem/AkaiUIStrings.h"
#include "conversion/log/ConversionStrings.h"
#include "conversion/patch/ConverterStrings.h"
#include "conversion/log/HTMLLog.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace NSConversionTestSupport {
namespace {

constexpr std::uint32_t kStringTableBase = 401280000;

std::string ResourcePath(const std::string& relativePath)
{
    return HostPath(std::string(DRAVIM_CONVERSION_RESOURCE_DIR) + "/" + relativePath);
}

const CTextTable& Strings()
{
    static const CTextTable strings = LoadConversionStrings();
    return strings;
}

CTextTable Select(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> entryRanges)
{
    CTextTable table;
    for (const auto& [key, text] : Strings()) {
        for (const auto& [first, last] : entryRanges) {
            if (key >= kStringTableBase + first && key <= kStringTableBase + last)
                table.emplace_back(key, text);
        }
    }
    return table;
}

} // namespace

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

CTextTable LoadConversionStrings()
{
    std::ifstream file(ResourcePath("conversion-strings-128.txt"), std::ios::binary);
    if (!file)
        throw std::runtime_error("conversion-strings-128.txt not found");
    CTextTable table;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos)
            throw std::runtime_error("bad strings line: " + line);
        table.emplace_back(kStringTableBase + static_cast<std::uint32_t>(std::stoul(line.substr(0, tab))),
                           line.substr(tab + 1));
    }
    return table;
}

CTextTable LoadLogTemplates()
{
    CTextTable table;
    for (std::uint32_t key = NSLogger::kFirstTemplate; key <= NSLogger::kLastTemplate; ++key)
        table.emplace_back(key, ReadWholeFile(ResourcePath("log-templates/" + std::to_string(key) + ".htm")));
    return table;
}

std::string ConversionText(std::uint32_t entry)
{
    for (const auto& [key, text] : Strings()) {
        if (key == kStringTableBase + entry)
            return text;
    }
    throw std::out_of_range("no conversion text " + std::to_string(entry));
}

void InstallConversionTexts()
{
    NSAkaiFileSystem::SetUIStrings(Select({{500, 500}}));
    NSConverter::SetUIStrings(Select({{50, 50}, {52, 52}}));
    NSAkaiConversion::SetUIStrings(Select({{51, 51}, {1150, 1155}, {1200, 1212}, {1250, 1259}, {1270, 1273}}));
    NSLogger::SetUIStrings(Select({{1000, 1004}}));
    NSLogger::SetHTMLTemplates(LoadLogTemplates());
}

} // namespace NSConversionTestSupport
