#include "framework/foundation/files/FileOperations.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileMedia.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/files/win32/FileSystemCalls.h"
#include "framework/foundation/platform/win32/PlatformCallsWin32.h"

namespace NSTramvell {
namespace {

using NSFileOperationsInternal::EExistence;

// Attributes of the path, asked again while the platform answers 1237, at most kMaximumExistenceQueries
// times in all; a refusal for a file in use counts as existing, with unknown attributes.
bool PathExists(const std::string& path, bool mustBeFolder)
{
    if (HasReservedDeviceComponent(path))
        return false;
    for (int query = 0; query < NSFileOperationsInternal::kMaximumExistenceQueries; ++query) {
        const DWORD attributes = GetPathAttributes(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES)
            return !mustBeFolder || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const EExistence existence = NSFileOperationsInternal::ExistenceFromErrorCode(GetLastPlatformError());
        if (existence != EExistence::kAskAgain)
            return existence == EExistence::kExists;
    }
    return false;
}

// A platform file handle closed at the end of the scope.
class CScopedFile
{
public:
    CScopedFile(const std::string& path, DWORD access)
        : mHandle(OpenFileObject(path.c_str(), access, FILE_SHARE_READ, OPEN_EXISTING, FILE_FLAG_RANDOM_ACCESS))
    {
        if (mHandle == INVALID_HANDLE_VALUE)
            ThrowFileErrorFromCode(GetLastPlatformError());
    }
    CScopedFile(const CScopedFile&) = delete;
    CScopedFile& operator=(const CScopedFile&) = delete;
    ~CScopedFile() { DisposeSystemHandle(mHandle); }
    HANDLE Get() const { return mHandle; }

private:
    HANDLE mHandle;
};

void CopyCreationTime(const std::string& from, const std::string& to)
{
    FILETIME creationTime = {};
    {
        const CScopedFile source(from, GENERIC_READ);
        if (!GetFileTimes(source.Get(), &creationTime, nullptr, nullptr))
            ThrowFileErrorFromCode(GetLastPlatformError());
    }
    const CScopedFile destination(to, GENERIC_READ | GENERIC_WRITE);
    if (!SetFileTimes(destination.Get(), &creationTime, nullptr, nullptr))
        ThrowFileErrorFromCode(GetLastPlatformError());
}

struct CRename
{
    std::string mFrom;
    std::string mTo;
};

} // namespace

bool FileExists(const CFileSpec& file)
{
    return PathExists(file.GetFullPath(), false);
}

bool FolderExists(const CDirSpec& folder)
{
    std::string path = folder.GetPath();
    // A drive root keeps its backslash: 'C:' alone names the drive's current folder.
    if (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return PathExists(path, true);
}

bool FileExistsInFolder(const CDirSpec& folder, const std::string& name)
{
    const std::string path = folder.GetPath() + name;
    if (HasReservedDeviceComponent(path))
        return false;
    WIN32_FIND_DATAA found = {};
    const HANDLE search = StartFileSearch(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    EndFileSearch(search);
    return true;
}

void DeleteFile(const CFileSpec& file)
{
    const std::string path = file.GetFullPath();
    if (HasReservedDeviceComponent(path))
        throw XFileNotFound();
    if (!DeleteFileObject(path.c_str()))
        ThrowFileErrorFromCode(GetLastPlatformError());
}

void CheckFileOperation(const CFileSpec& file)
{
    DeleteFile(file);
}

CDirSpec CreateFolder(const CDirSpec& parent, const CDirectoryName& name)
{
    const std::string path = parent.GetPath() + name.GetString();
    if (HasReservedDeviceComponent(path) || !CreateFolderObject(path.c_str()))
        throw XFile();
    return parent.GetSubFolder(name.GetString());
}

void DeleteFolder(const CDirSpec& folder)
{
    const std::string path = folder.GetPath();
    if (HasReservedDeviceComponent(path) || !RemoveFolderObject(path.c_str()))
        throw XFile();
}

void ExchangeFiles(const CFileSpec& a, const CFileSpec& b)
{
    const std::string aPath = a.GetFullPath();
    const std::string bPath = b.GetFullPath();
    if (HasReservedDeviceComponent(aPath) || HasReservedDeviceComponent(bPath))
        throw XFileNotFound();
    const CDirSpec folder = a.GetDirSpec();
    const std::string temporaryPath = MakeFileSpecInFolder(folder, MakeUniqueFileName(folder)).GetFullPath();
    CopyCreationTime(aPath, bPath);

    const CRename renames[] = {{aPath, temporaryPath}, {bPath, aPath}, {temporaryPath, bPath}};
    for (std::size_t step = 0; step < std::size(renames); ++step) {
        if (RenameFileObject(renames[step].mFrom.c_str(), renames[step].mTo.c_str()))
            continue;
        const DWORD firstFailure = GetLastPlatformError();
        // Put back what is done, newest first, so that each content keeps one of the three names; an undo
        // that fails stops there rather than move a content onto a name that may still be taken.
        for (std::size_t undo = step; undo-- > 0;) {
            if (!RenameFileObject(renames[undo].mTo.c_str(), renames[undo].mFrom.c_str()))
                break;
        }
        ThrowFileErrorFromCode(firstFailure);
    }
}

std::uint32_t GetFileSize(const CFileSpec& file)
{
    return static_cast<std::uint32_t>(COpenFile(file).GetSize());
}

void WriteFileFromBuffer(const CFileSpec& file, const CMacCreatorCode& creator, const CMacFileTypeCode& fileType,
                         const void* bytes, std::int32_t countInBytes)
{
    COpenFile output(file, creator, fileType);
    output.WriteAt(0, countInBytes, bytes);
}

std::unique_ptr<COwnedMemoryMedia> ReadFileToMemory(const CFileSpec& file)
{
    COpenFile input(file);
    const std::int32_t sizeInBytes = input.GetSize();
    auto contents = std::make_unique<COwnedMemoryMedia>(sizeInBytes);
    if (sizeInBytes > 0)
        input.ReadAt(0, sizeInBytes, contents->Reserve(sizeInBytes));
    contents->SetPosition(0);
    return contents;
}

} // namespace NSTramvell
