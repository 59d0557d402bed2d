#include "conversion/disc/FolderUtilities.h"

#include "conversion/disc/ListedAttributes.h"
#include "conversion/disc/OutputNames.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/Folders.h"

#include <vector>

namespace NSAkaiConversion {

using namespace NSAkaiConversionImplementation;

namespace {

bool IsLeftAlone(const std::string& path, bool hidden)
{
    return hidden || (GetListedAttributes(path) & (kHiddenAttribute | kReparsePointAttribute)) != 0;
}

} // namespace

bool IsFolderEmpty(const NSTramvell::CDirSpec& folder)
{
    for (NSTramvell::CDirectoryIterator entries(folder); !entries.IsDone(); entries.Next()) {
        const bool hidden = entries.GetKind() == NSTramvell::kFolderEntryKind ? entries.GetFolderEntry().IsHidden()
                                                                               : entries.GetFileEntry().IsHidden();
        if (!hidden)
            return false;
    }
    return true;
}

NSTramvell::CDirectoryName MakeUniqueFolderName(const NSTramvell::CDirSpec& parent, const std::string& name)
{
    return NSAkaiConversionImplementation::MakeUniqueFolderName(
        name, [&](const std::string& candidate) { return NSTramvell::FileExistsInFolder(parent, candidate); });
}

NSTramvell::CFileName MakeUniqueFileName(const NSTramvell::CDirSpec& folder, const std::string& name)
{
    return NSAkaiConversionImplementation::MakeUniqueFileName(
        name, [&](const std::string& candidate) { return NSTramvell::FileExistsInFolder(folder, candidate); });
}

NSTramvell::CFileSpec MakeLogFileSpec(const NSTramvell::CDirSpec& folder, const std::string& destinationName)
{
    const NSTramvell::CFileName name = MakeLogFileName(
        destinationName, [&](const std::string& candidate) { return NSTramvell::FileExistsInFolder(folder, candidate); });
    return NSTramvell::MakeFileSpecInFolder(folder, name);
}

bool DeleteFolderTree(const NSTramvell::CDirSpec& folder, bool keepTop)
{
    std::vector<NSTramvell::CFileSpec> files;
    std::vector<NSTramvell::CDirSpec> subFolders;
    bool keepsEntries = false;
    for (NSTramvell::CDirectoryIterator entries(folder); !entries.IsDone(); entries.Next()) {
        if (entries.GetKind() == NSTramvell::kFolderEntryKind) {
            const NSTramvell::CDirectoryEntry entry = entries.GetFolderEntry();
            const NSTramvell::CDirSpec subFolder = folder.GetSubFolder(entry.GetName().GetString());
            if (IsLeftAlone(folder.GetPath() + entry.GetName().GetString(), entry.IsHidden()))
                keepsEntries = true;
            else
                subFolders.push_back(subFolder);
        } else {
            const NSTramvell::CFileEntry entry = entries.GetFileEntry();
            if (IsLeftAlone(folder.GetPath() + entry.GetName().GetString(), entry.IsHidden()))
                keepsEntries = true;
            else
                files.push_back(NSTramvell::MakeFileSpecInFolder(folder, entry.GetName()));
        }
    }
    for (const NSTramvell::CFileSpec& file : files)
        NSTramvell::CheckFileOperation(file);
    for (const NSTramvell::CDirSpec& subFolder : subFolders) {
        if (!DeleteFolderTree(subFolder, false))
            keepsEntries = true;
    }
    if (keepTop || keepsEntries)
        return false;
    NSTramvell::DeleteFolder(folder);
    return true;
}

void ClearFolderContents(const NSTramvell::CDirSpec& folder, const CDeleteFailureReporter& reportFailure)
{
    try {
        DeleteFolderTree(folder, true);
    } catch (const std::exception&) {
        if (reportFailure)
            reportFailure();
    }
}

} // namespace NSAkaiConversion
