// The path queries of the build without a platform (the host build of the platform-free code): there is
// no file system to ask, so a path is absolute by its form alone and no entry is ever found, which leaves
// every component as written.

#include "framework/foundation/files/PathForms.h"

namespace NSTramvell {
namespace NSPathFormsInternal {
namespace {

class CPathQueriesWithoutFileSystem : public IPathQueries
{
public:
    bool GetFullPath(const std::string& text, std::string& fullPath) override
    {
        const bool driveForm = text.size() >= 3 && text[1] == ':' && text[2] == '\\';
        const bool networkForm = text.size() >= 2 && text[0] == '\\' && text[1] == '\\';
        if (!driveForm && !networkForm)
            return false;
        fullPath = text;
        return true;
    }
    bool GetLongPath(const std::string&, std::string&) override { return false; }
    bool FindEntryName(const std::string&, std::string&) override { return false; }
};

} // namespace

IPathQueries& GetPathQueries()
{
    static CPathQueriesWithoutFileSystem queries;
    return queries;
}

} // namespace NSPathFormsInternal
} // namespace NSTramvell
