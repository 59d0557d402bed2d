#include "framework/gui/dialogs/FileTypeList.h"

#include "framework/foundation/files/FileSpec.h"

#include <vector>

namespace NSTramvell {

namespace {

std::string JoinPatterns(const std::vector<std::string>& extensions)
{
    std::string pattern;
    for (const std::string& extension : extensions) {
        if (!pattern.empty())
            pattern += ';';
        pattern += '*' + extension;
    }
    return pattern;
}

void AppendEntry(std::string& filter, const std::string& text, const std::string& pattern)
{
    filter += text + " (" + pattern + ")";
    filter += '\0';
    filter += pattern;
    filter += '\0';
}

} // namespace

CFileTypeList::~CFileTypeList() = default;

const CFileTypeDescription* CFileTypeList::FindMatching(const CFileSpec& file) const
{
    for (const CFileTypeDescription& type : mTypes) {
        if (type.Matches(file))
            return &type;
    }
    return nullptr;
}

const CFileTypeDescription* CFileTypeList::FindByFileName(const std::string& fileName) const
{
    const std::string extension = GetFileNameExtension(fileName);
    for (const CFileTypeDescription& type : mTypes) {
        if (type.HasExtension(extension))
            return &type;
    }
    return nullptr;
}

std::int32_t CFileTypeList::FindPosition(const CFileTypeDescription& type) const
{
    std::int32_t position = 0;
    for (const CFileTypeDescription& listed : mTypes) {
        if (listed == type)
            return position;
        ++position;
    }
    return -1;
}

std::string MakeFilterPattern(const CFileTypeDescription& type)
{
    return JoinPatterns(type.GetExtensions());
}

std::string BuildFileFilter(const CFileTypeList& types)
{
    std::string filter;
    std::vector<std::string> allExtensions;
    for (std::uint16_t i = 0; i < types.GetCount(); ++i) {
        const CFileTypeDescription& type = types.GetAt(i);
        AppendEntry(filter, type.GetDescription(), MakeFilterPattern(type));
        const std::vector<std::string> extensions = type.GetExtensions();
        allExtensions.insert(allExtensions.end(), extensions.begin(), extensions.end());
    }
    if (types.GetCombinedEntry() && types.GetCount() >= 2)
        AppendEntry(filter, "All files", JoinPatterns(allExtensions));
    filter += '\0';
    return filter;
}

} // namespace NSTramvell
