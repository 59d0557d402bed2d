#pragma once

// The long and full path forms as text work over three questions to the file system, so that the steps
// run the same against the platform (win32/PathForms.cpp) and against a test's answers.

#include <string>

namespace NSTramvell {
namespace NSPathFormsInternal {

class IPathQueries
{
public:
    virtual ~IPathQueries() = default;
    // The absolute form of the text; false when the platform gives none of at most 260 characters.
    virtual bool GetFullPath(const std::string& text, std::string& fullPath) = 0;
    // The platform's own long form of an absolute path; false when it has none or it did not fit.
    virtual bool GetLongPath(const std::string& fullPath, std::string& longPath) = 0;
    // The name of the entry the partial path names, as the file system spells it; false when none.
    virtual bool FindEntryName(const std::string& partialPath, std::string& name) = 0;
};

// Both throw XBase when the text has no absolute form. A path with a reserved device name after its
// root never reaches the queries: it must already be absolute, and it is returned as written.
std::string MakeFullPathWith(IPathQueries& queries, const std::string& text);
std::string MakeLongPathWith(IPathQueries& queries, const std::string& text);

// The queries MakeFullPath and MakeLongPath use: the platform's on Windows; in the build without a
// platform, a file system that holds nothing (a path is absolute by its form alone).
IPathQueries& GetPathQueries();

} // namespace NSPathFormsInternal
} // namespace NSTramvell
