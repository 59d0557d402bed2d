#pragma once

// The file-system work around a conversion's output folder: whether a chosen folder is empty, unique
// folder and file names in it, the log's file name, and clearing what a conversion wrote. Windows builds
// only.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/strings/RulingString.h"

#include <functional>
#include <string>

namespace NSAkaiConversion {

// True when the folder lists no visible file and no visible sub-folder; hidden entries do not count.
bool IsFolderEmpty(const NSTramvell::CDirSpec& folder);

// A name that nothing in the parent bears yet (see NSAkaiConversionImplementation's rules).
NSTramvell::CDirectoryName MakeUniqueFolderName(const NSTramvell::CDirSpec& parent, const std::string& name);
NSTramvell::CFileName MakeUniqueFileName(const NSTramvell::CDirSpec& folder, const std::string& name);

// The conversion log's file in the folder, named after destinationName and numbered " #2" ... " #274"
// past existing files; beyond that XCreateFailed. Needs the log's texts (NSLogger::SetUIStrings).
NSTramvell::CFileSpec MakeLogFileSpec(const NSTramvell::CDirSpec& folder, const std::string& destinationName);

// Deletes the visible plain files and sub-folders below the folder, and the folder itself unless keepTop.
// Hidden entries and links (reparse points) are neither deleted nor entered, and a folder that keeps such
// an entry stays without failure. The first failure passes on; what was deleted before stays deleted.
// Returns whether the folder itself was deleted.
bool DeleteFolderTree(const NSTramvell::CDirSpec& folder, bool keepTop);

// Called once when something in the folder could not be deleted, in place of an alert.
using CDeleteFailureReporter = std::function<void()>;

// DeleteFolderTree(folder, true); a failure goes to the reporter instead of to the caller.
void ClearFolderContents(const NSTramvell::CDirSpec& folder, const CDeleteFailureReporter& reportFailure);

} // namespace NSAkaiConversion
