#include "app/strings/UIStringTables.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/strings/StringManager.h"

#include <initializer_list>

namespace {

// Inclusive ranges of entry numbers.
using CEntryRanges = std::initializer_list<std::pair<std::uint32_t, std::uint32_t>>;

CUIStringTable BuildStringTable(CEntryRanges ranges)
{
    CUIStringTable table;
    for (const auto& [first, last] : ranges) {
        for (std::uint32_t entry = first; entry <= last; ++entry) {
            const std::uint32_t key = UIStringReference(entry);
            std::string text = NSTramvell::GetString(static_cast<std::int32_t>(key));
            if (text.empty())
                throw NSTramvell::XNotFound();
            table.emplace_back(key, std::move(text));
        }
    }
    return table;
}

constexpr std::uint16_t kFirstLogTemplate = 128;
constexpr std::uint16_t kLastLogTemplate = 141;

} // namespace

CUIStringTable BuildFileSystemStrings()
{
    return BuildStringTable({{500, 500}});
}

CUIStringTable BuildParserStrings()
{
    return BuildStringTable({{100, 104}, {106, 133}, {135, 145}, {147, 149}, {151, 173}, {175, 186},
                             {188, 191}, {193, 226}, {228, 278}});
}

CUIStringTable BuildConverterStrings()
{
    return BuildStringTable({{50, 50}, {52, 52}});
}

CUIStringTable BuildConversionStrings()
{
    return BuildStringTable({{51, 51}, {1150, 1155}, {1200, 1212}, {1250, 1259}, {1270, 1273}, {1500, 1500},
                             {2000, 2000}});
}

CUIStringTable BuildLogStrings()
{
    return BuildStringTable({{1000, 1004}});
}

CUIStringTable BuildLogTemplates(const std::function<std::string(std::uint16_t)>& readTemplate)
{
    CUIStringTable table;
    for (std::uint16_t id = kFirstLogTemplate; id <= kLastLogTemplate; ++id)
        table.emplace_back(id, readTemplate(id));
    return table;
}
