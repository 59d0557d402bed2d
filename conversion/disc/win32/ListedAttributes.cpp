#include "conversion/disc/ListedAttributes.h"

#include "framework/foundation/files/win32/FileSystemCalls.h"

namespace NSAkaiConversionImplementation {

std::uint32_t GetListedAttributes(const std::string& path)
{
    // A search for the path itself reports the entry as the folder listing does; asking the attributes
    // of the path would follow a link to its target.
    WIN32_FIND_DATAA found{};
    const HANDLE search = NSTramvell::StartFileSearch(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    NSTramvell::EndFileSearch(search);
    return found.dwFileAttributes;
}

} // namespace NSAkaiConversionImplementation
