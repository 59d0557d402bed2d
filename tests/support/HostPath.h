#pragma once

// The test programs read files of the build machine by their absolute paths, which CMake and the test
// environment give in the build machine's own spelling.

#include <string>

namespace NSTestSupport {

// An absolute path of the build machine as a test program must spell it: under Wine the machine's
// root is drive Z:, so a path from the root gets that drive. Any other path stays as it is.
inline std::string HostPath(const std::string& path)
{
#ifdef _WIN32
    if (!path.empty() && path[0] == '/')
        return "Z:" + path;
#endif
    return path;
}

} // namespace NSTestSupport
