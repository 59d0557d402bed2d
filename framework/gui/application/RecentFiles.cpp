#include "framework/gui/application/RecentFiles.h"

#include <algorithm>
#include <stdexcept>

namespace NSTramvell {

CRecentFileList& GetRecentFileList()
{
    static CRecentFileList list;
    return list;
}

void AddRecentFile(const CFileSpec& file)
{
    CRecentFileList& list = GetRecentFileList();
    list.erase(std::remove(list.begin(), list.end(), file), list.end());
    while (list.size() > kRecentFileLimit - 1)
        list.pop_back();
    list.insert(list.begin(), file);
}

CFileSpec GetRecentFile(std::uint16_t index)
{
    return GetRecentFileList().at(index);
}

void CopyRecentFileList(CRecentFileList& out)
{
    out = GetRecentFileList();
}

bool RemoveRecentFilesWhere(const std::function<bool(const CFileSpec&)>& isMissing)
{
    CRecentFileList& list = GetRecentFileList();
    const auto kept = std::remove_if(list.begin(), list.end(), isMissing);
    const bool removed = kept != list.end();
    list.erase(kept, list.end());
    return removed;
}

} // namespace NSTramvell
