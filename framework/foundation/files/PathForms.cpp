#include "framework/foundation/files/PathForms.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"

namespace NSTramvell {
namespace NSPathFormsInternal {
namespace {

bool IsAbsoluteByForm(const std::string& text)
{
    const bool driveForm = text.size() >= 3 && text[1] == ':' && (text[2] == '\\' || text[2] == '/');
    const bool networkForm = text.size() >= 2 && text[0] == '\\' && text[1] == '\\';
    return driveForm || networkForm;
}

// A component the file system could not name back: an empty one, a pattern that a search would match
// against other names, or the parts of a network root, which no search lists.
bool IsSearchable(const std::string& component)
{
    return !component.empty() && component.find_first_of("*?") == std::string::npos;
}

} // namespace

std::string MakeFullPathWith(IPathQueries& queries, const std::string& text)
{
    if (HasReservedDeviceComponent(text)) {
        if (!IsAbsoluteByForm(text) || text.size() > kMaximumPathLength)
            throw XBase();
        return text;
    }
    std::string fullPath;
    if (!queries.GetFullPath(text, fullPath) || fullPath.empty() || fullPath.size() > kMaximumPathLength)
        throw XBase();
    return fullPath;
}

std::string MakeLongPathWith(IPathQueries& queries, const std::string& text)
{
    const std::string fullPath = MakeFullPathWith(queries, text);
    if (HasReservedDeviceComponent(fullPath))
        return fullPath;
    std::string longPath;
    if (queries.GetLongPath(fullPath, longPath) && !longPath.empty())
        return longPath;

    std::string result;
    std::size_t start = 0;
    if (fullPath.find(':') != std::string::npos) {
        result = fullPath.substr(0, 3);
        start = 3;
    }
    // The network form's leading separators, server and share are kept as written.
    std::size_t componentsKeptAsWritten = fullPath.compare(0, 2, "\\\\") == 0 ? 4 : 0;
    while (start < fullPath.size()) {
        std::size_t end = fullPath.find('\\', start);
        const bool followedByBackslash = end != std::string::npos;
        if (!followedByBackslash)
            end = fullPath.size();
        const std::string component = fullPath.substr(start, end - start);
        std::string name;
        const bool searched = componentsKeptAsWritten == 0 && IsSearchable(component);
        if (componentsKeptAsWritten > 0)
            --componentsKeptAsWritten;
        if (searched && queries.FindEntryName(result + component, name) && !name.empty() && name != ".")
            result += name;
        else
            result += component;
        if (followedByBackslash)
            result += '\\';
        start = end + 1;
    }
    return result;
}

} // namespace NSPathFormsInternal

std::string MakeFullPath(const std::string& text)
{
    return NSPathFormsInternal::MakeFullPathWith(NSPathFormsInternal::GetPathQueries(), text);
}

std::string MakeLongPath(const std::string& text)
{
    return NSPathFormsInternal::MakeLongPathWith(NSPathFormsInternal::GetPathQueries(), text);
}

} // namespace NSTramvell
