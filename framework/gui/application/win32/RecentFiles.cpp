#include "framework/gui/application/RecentFiles.h"

#include "framework/foundation/files/FileOperations.h"
#include "framework/gui/application/Application.h"

namespace NSTramvell {

bool RecentFileExists(std::uint16_t index)
{
    return FileExists(GetRecentFile(index));
}

bool RemoveMissingRecentFiles()
{
    return RemoveRecentFilesWhere([](const CFileSpec& file) { return !FileExists(file); });
}

std::vector<CFileSpec> CApplication::GetRecentFiles() const
{
    return GetRecentFileList();
}

} // namespace NSTramvell
