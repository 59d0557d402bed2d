#include "akai/filesystem/AkaiUIStrings.h"

#include <stdexcept>

namespace NSAkaiFileSystem {

namespace {

CUIStringTable& UIStrings()
{
    static CUIStringTable table;
    return table;
}

} // namespace

void SetUIStrings(const CUIStringTable& table)
{
    UIStrings() = table;
}

std::string GetUIString(std::uint32_t identifier)
{
    for (const auto& [key, text] : UIStrings()) {
        if (key == identifier) {
            return text;
        }
    }
    throw std::range_error("UI string not found");
}

} // namespace NSAkaiFileSystem
