// The path queries answered by the platform.

#include "framework/foundation/files/PathForms.h"

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/win32/FileSystemCalls.h"

#include <cstring>

namespace NSTramvell {
namespace NSPathFormsInternal {
namespace {

constexpr DWORD kPathBufferSizeInChars = kMaximumPathLength + 1;

// A length the platform reports for a buffer of kPathBufferSizeInChars: 0 is a failure, and so is a
// length that did not fit (the platform then reports the size it would need).
bool FitsPathBuffer(DWORD length)
{
    return length > 0 && length < kPathBufferSizeInChars;
}

class CPlatformPathQueries : public IPathQueries
{
public:
    bool GetFullPath(const std::string& text, std::string& fullPath) override
    {
        char buffer[kPathBufferSizeInChars] = {};
        const DWORD length = GetFullPathText(text.c_str(), kPathBufferSizeInChars, buffer);
        if (!FitsPathBuffer(length))
            return false;
        fullPath.assign(buffer, length);
        return true;
    }

    bool GetLongPath(const std::string& fullPath, std::string& longPath) override
    {
        char buffer[kPathBufferSizeInChars] = {};
        const DWORD length = GetLongPathText(fullPath.c_str(), buffer, kPathBufferSizeInChars);
        if (!FitsPathBuffer(length))
            return false;
        longPath.assign(buffer, length);
        return true;
    }

    bool FindEntryName(const std::string& partialPath, std::string& name) override
    {
        WIN32_FIND_DATAA found = {};
        const HANDLE search = StartFileSearch(partialPath.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return false;
        EndFileSearch(search);
        name.assign(found.cFileName, strnlen(found.cFileName, sizeof found.cFileName));
        return true;
    }
};

} // namespace

IPathQueries& GetPathQueries()
{
    static CPlatformPathQueries queries;
    return queries;
}

} // namespace NSPathFormsInternal
} // namespace NSTramvell
