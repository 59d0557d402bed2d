#pragma once

// The documents the user opened last, newest first, at most eight, for the recent-files menu. One list
// for the process, made empty on first use.

#include "framework/foundation/files/FileSpec.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace NSTramvell {

inline constexpr std::size_t kRecentFileLimit = 8;

using CRecentFileList = std::vector<CFileSpec>;

CRecentFileList& GetRecentFileList();
// Puts the file in front; an entry naming the same file (in any case) goes, and so does the oldest when
// the list is full.
void AddRecentFile(const CFileSpec& file);
// An index not below the count throws std::out_of_range.
CFileSpec GetRecentFile(std::uint16_t index);
void CopyRecentFileList(CRecentFileList& out);
// Whether the file at the index exists (platform code); an index not below the count throws.
bool RecentFileExists(std::uint16_t index);
// Removes every entry whose file is gone, keeping the order of the rest; true when any was removed
// (platform code).
bool RemoveMissingRecentFiles();
// The same with the caller's test of existence.
bool RemoveRecentFilesWhere(const std::function<bool(const CFileSpec&)>& isMissing);

} // namespace NSTramvell
