#pragma once

// Reading the paths that a command line names: each item is a quoted existing path, or the longest
// existing path that an unquoted stretch of the line starts with. What cannot be read is told to the user.

#include <cstddef>
#include <string>
#include <vector>

namespace NSTramvell {

// The one question the reader asks the file system.
class IPathExistence
{
public:
    virtual bool PathExists(const std::string& path) = 0;

protected:
    ~IPathExistence() = default;
};

struct CCommandLineItems
{
    std::vector<std::string> mPaths;    // as written, in order
    std::string mUnreadRest;            // from where reading stopped; empty when the whole line was read
};

// Only the first 256 characters of a command line are read.
inline constexpr std::size_t kReadCommandLineLength = 256;

CCommandLineItems SplitCommandLine(const std::string& commandLine, IPathExistence& paths);

// The unread rest as the "File not Found" alert shows it: a rest of 64 characters or more is "..."
// followed by its last 60.
std::string ShortenUnreadRest(const std::string& rest);

} // namespace NSTramvell
