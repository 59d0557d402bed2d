#include "framework/gui/application/RecentFiles.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <algorithm>
#include <limits>
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

const CVersion& GetFileSpecListFormatVersion()
{
    static const CVersion version(1, 0);
    return version;
}

void WriteFileSpecList(CMedia& media, const std::vector<CFileSpec>& specs)
{
    // The count is one byte: a longer list would be read back cut short.
    if (specs.size() > std::numeric_limits<std::uint8_t>::max())
        throw std::length_error("a stored file list holds at most 255 specs");
    GetFileSpecListFormatVersion().Write(media);
    media.WriteByte(static_cast<std::uint8_t>(specs.size()));
    for (const CFileSpec& spec : specs)
        spec.Write(media);
}

void ReadFileSpecList(CMedia& media, std::vector<CFileSpec>& specs)
{
    const CVersion version(media);
    if (!(version <= GetFileSpecListFormatVersion()))
        throw XUnsupportedFormat();
    const std::uint8_t count = media.ReadByte();
    for (std::uint8_t i = 0; i < count; ++i)
        specs.emplace_back(media);
}

} // namespace NSTramvell
