#pragma once

// The documents the user opened last, newest first, at most eight, for the recent-files menu. One list
// for the process, made empty on first use. A list of file specs also has a stored form of its own.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/modules/Version.h"

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

// The version the stored list carries, 1.0.
const CVersion& GetFileSpecListFormatVersion();
// The version record, the number of specs as one byte, then each spec's stored form. More than 255
// specs throw std::length_error before anything is written.
void WriteFileSpecList(CMedia& media, const std::vector<CFileSpec>& specs);
// Appends the stored specs to specs. A list stored by a newer version throws XUnsupportedFormat before
// any spec is read; a damaged spec throws as CFileSpec's reading does, leaving the specs read before it.
void ReadFileSpecList(CMedia& media, std::vector<CFileSpec>& specs);

} // namespace NSTramvell
