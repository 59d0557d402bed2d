#include "framework/foundation/files/Folders.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/Random.h"
#include "framework/foundation/files/win32/FileSystemCalls.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>

namespace NSTramvell {
namespace {

constexpr DWORD kPathBufferSizeInChars = kMaximumPathLength + 1;
constexpr DWORD kNoMoreFiles = 18;
constexpr int kApplicationDataFolder = 26;
constexpr int kPlatformFolder = 36;
constexpr int kDocumentsFolder = 5;

std::string TextOf(const char* buffer, std::size_t sizeInChars)
{
    return std::string(buffer, strnlen(buffer, sizeInChars));
}

std::string WithTrailingBackslash(std::string path)
{
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

std::uint64_t TimeOf(const FILETIME& time)
{
    return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

CFileEntry FileEntryOf(const WIN32_FIND_DATAA& found)
{
    const bool tooLarge = found.nFileSizeHigh != 0 || found.nFileSizeLow > 0x7FFFFFFFu;
    return CFileEntry(CFileName(TextOf(found.cFileName, sizeof found.cFileName)),
                      (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                      (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0, TimeOf(found.ftCreationTime),
                      TimeOf(found.ftLastWriteTime), tooLarge ? 0 : found.nFileSizeLow);
}

CDirectoryEntry FolderEntryOf(const WIN32_FIND_DATAA& found)
{
    return CDirectoryEntry(CDirectoryName(TextOf(found.cFileName, sizeof found.cFileName)),
                           (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                           (found.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0);
}

// The shell's allocator, released at the end of the scope.
class CShellAllocator
{
public:
    CShellAllocator()
    {
        if (FAILED(GetShellAllocator(&mAllocator)) || mAllocator == nullptr)
            throw XOutOfMemory();
    }
    CShellAllocator(const CShellAllocator&) = delete;
    CShellAllocator& operator=(const CShellAllocator&) = delete;
    ~CShellAllocator() { mAllocator->Release(); }

    // The path of a shell special folder; false when the shell has none.
    bool GetFolderPath(int folder, std::string& path)
    {
        _ITEMIDLIST* items = nullptr;
        if (FAILED(GetSpecialFolderItems(folder, &items)) || items == nullptr)
            return false;
        // The shell fills at most MAX_PATH characters and its terminator.
        char buffer[kPathBufferSizeInChars] = {};
        const bool found = GetPathOfItems(items, buffer) != FALSE;
        mAllocator->Free(items);
        if (!found)
            return false;
        path = TextOf(buffer, sizeof buffer);
        return !path.empty();
    }

private:
    IMalloc* mAllocator = nullptr;
};

// A registry key opened for reading, closed at the end of the scope.
class CRegistryKey
{
public:
    CRegistryKey(HKEY parent, const char* name)
    {
        if (OpenRegistryKeyForReading(parent, name, &mKey) != ERROR_SUCCESS)
            throw XBase();
    }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;
    ~CRegistryKey() { CloseRegistryKey(mKey); }
    HKEY Get() const { return mKey; }

private:
    HKEY mKey = nullptr;
};

} // namespace

// Entries

CFileEntry::CFileEntry(const CFileName& name, bool hidden, bool readOnly, std::uint64_t creationTime,
                       std::uint64_t lastWriteTime, std::uint32_t sizeInBytes)
    : mName(name)
    , mHidden(hidden ? 1 : 0)
    , mReadOnly(readOnly ? 1 : 0)
    , mCreationTime(creationTime)
    , mLastWriteTime(lastWriteTime)
    , mSizeInBytes(sizeInBytes)
{
}

bool CFileEntry::operator==(const CFileEntry& other) const
{
    return mName == other.mName && mHidden == other.mHidden && mReadOnly == other.mReadOnly &&
           mCreationTime == other.mCreationTime && mLastWriteTime == other.mLastWriteTime &&
           mSizeInBytes == other.mSizeInBytes;
}

CDirectoryEntry::CDirectoryEntry(const CDirectoryName& name, bool hidden, bool readOnly)
    : mName(name)
    , mHidden(hidden ? 1 : 0)
    , mReadOnly(readOnly ? 1 : 0)
{
}

bool CDirectoryEntry::operator==(const CDirectoryEntry& other) const
{
    return mName == other.mName && mHidden == other.mHidden && mReadOnly == other.mReadOnly;
}

// CDirectoryIterator

struct CDirectoryIterator::CSearchRecord
{
    WIN32_FIND_DATAA mFound = {};
};

CDirectoryIterator::CDirectoryIterator(const CDirSpec& folder)
    : mSearchHandle(INVALID_HANDLE_VALUE)
    , mRecord(std::make_unique<CSearchRecord>())
    , mPattern(folder.GetPath() + "*.*")
{
    if (HasReservedDeviceComponent(folder.GetPath()))
        return;
    mSearchHandle = StartFileSearch(mPattern.c_str(), &mRecord->mFound);
    if (mSearchHandle != INVALID_HANDLE_VALUE)
        TakeEntryOrMoveOn();
}

CDirectoryIterator::~CDirectoryIterator()
{
    if (mSearchHandle != INVALID_HANDLE_VALUE)
        EndFileSearch(mSearchHandle);
}

bool CDirectoryIterator::IsDone() const
{
    return !mFileEntry.has_value() && !mFolderEntry.has_value();
}

std::uint32_t CDirectoryIterator::GetKind() const
{
    return mFolderEntry.has_value() ? kFolderEntryKind : kFileEntryKind;
}

CFileEntry CDirectoryIterator::GetFileEntry() const
{
    if (!mFileEntry.has_value())
        throw XNotFound();
    return *mFileEntry;
}

CDirectoryEntry CDirectoryIterator::GetFolderEntry() const
{
    if (!mFolderEntry.has_value())
        throw XNotFound();
    return *mFolderEntry;
}

void CDirectoryIterator::Next()
{
    mFileEntry.reset();
    mFolderEntry.reset();
    if (mSearchHandle == INVALID_HANDLE_VALUE)
        return;
    if (!ContinueFileSearch(mSearchHandle, &mRecord->mFound)) {
        if (GetLastPlatformError() == kNoMoreFiles)
            return;
        throw XFile();
    }
    TakeEntryOrMoveOn();
}

void CDirectoryIterator::TakeEntryOrMoveOn()
{
    for (;;) {
        const WIN32_FIND_DATAA& found = mRecord->mFound;
        const std::string name = TextOf(found.cFileName, sizeof found.cFileName);
        if (name != "." && name != ".." && !name.empty()) {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                mFolderEntry = FolderEntryOf(found);
            else
                mFileEntry = FileEntryOf(found);
            return;
        }
        if (!ContinueFileSearch(mSearchHandle, &mRecord->mFound)) {
            if (GetLastPlatformError() == kNoMoreFiles)
                return;
            throw XFile();
        }
    }
}

// Well-known folders

CDirSpec GetTempFolder()
{
    char buffer[kPathBufferSizeInChars] = {};
    const DWORD length = GetTempFolderText(kPathBufferSizeInChars, buffer);
    if (length == 0 || length >= kPathBufferSizeInChars)
        throw XBase();
    return CDirSpec(WithTrailingBackslash(std::string(buffer, length)));
}

CDirSpec GetSystemFolder()
{
    char buffer[kPathBufferSizeInChars] = {};
    const UINT length = GetSystemFolderText(buffer, kPathBufferSizeInChars);
    if (length == 0 || length >= kPathBufferSizeInChars)
        throw XBase();
    return CDirSpec(WithTrailingBackslash(std::string(buffer, length)));
}

CFileSpec GetSystemFileSpec(const CFileName& name)
{
    return MakeFileSpecInFolder(GetSystemFolder(), name);
}

CFileSpec GetProgramFileSpec()
{
    char buffer[kPathBufferSizeInChars] = {};
    const DWORD length = GetModuleFileText(nullptr, buffer, kPathBufferSizeInChars);
    // A path that does not fit comes back cut to the buffer, with the buffer's size as its length.
    if (length == 0 || length >= kPathBufferSizeInChars)
        throw XBase();
    return CFileSpec(std::string(buffer, length));
}

CDirSpec GetSpecialFolder(const std::string& first, const std::string& second)
{
    CShellAllocator shell;
    std::string path;
    const bool applicationData = shell.GetFolderPath(kApplicationDataFolder, path);
    if (!applicationData && !shell.GetFolderPath(kPlatformFolder, path))
        path = GetSystemFolder().GetPath();
    if (!IsValidFolderPath(path))
        throw XNotFound();
    CDirSpec folder(WithTrailingBackslash(path));
    if (!applicationData)
        return folder;
    for (const std::string* name : {&first, &second}) {
        const CDirectoryName folderName(*name);
        if (!FileExistsInFolder(folder, CFileName(*name).GetString()))
            CreateFolder(folder, folderName);
        folder = folder.GetSubFolder(folderName.GetString());
        // A file of that name would make every later path inside it fail.
        if (!FolderExists(folder))
            throw XFile();
    }
    return folder;
}

CDirSpec GetDocumentsFolder()
{
    std::string path;
    if (CShellAllocator().GetFolderPath(kDocumentsFolder, path))
        return CDirSpec(WithTrailingBackslash(path));
    return GetDesktopFolder();
}

CDirSpec GetDesktopFolder()
{
    const CRegistryKey software(HKEY_CURRENT_USER, "Software");
    const CRegistryKey maker(software.Get(), "Microsoft");
    const CRegistryKey windows(maker.Get(), "Windows");
    const CRegistryKey currentVersion(windows.Get(), "CurrentVersion");
    const CRegistryKey explorer(currentVersion.Get(), "Explorer");
    const CRegistryKey shellFolders(explorer.Get(), "Shell Folders");
    char buffer[kPathBufferSizeInChars] = {};
    DWORD sizeInBytes = sizeof buffer;
    if (QueryRegistryValue(shellFolders.Get(), "Desktop", nullptr, reinterpret_cast<BYTE*>(buffer), &sizeInBytes) !=
        ERROR_SUCCESS)
        throw XBase();
    const std::string path = TextOf(buffer, std::min<DWORD>(sizeInBytes, sizeof buffer));
    if (path.empty())
        throw XBase();
    return CDirSpec(WithTrailingBackslash(path));
}

// Temporary names

CFileName MakeRandomTempFileName()
{
    std::string name = "temp";
    for (int i = 0; i < 20; ++i)
        name += kTemporaryNameAlphabet[Random() % kTemporaryNameAlphabet.size()];
    return CFileName(name);
}

CFileName MakeUniqueFileName(const CDirSpec& folder)
{
    for (int draw = 0; draw < NSFoldersInternal::kMaximumUniqueNameDraws; ++draw) {
        CFileName name = MakeRandomTempFileName();
        if (!FileExists(MakeFileSpecInFolder(folder, name)))
            return name;
    }
    throw XFile();
}

CFileSpec MakeTemporaryFileSpec()
{
    const CDirSpec folder = GetTempFolder();
    return MakeFileSpecInFolder(folder, MakeUniqueFileName(folder));
}

CFileEntry GetFileEntryOf(const CFileSpec& file)
{
    const std::string path = file.GetFullPath();
    if (HasReservedDeviceComponent(path))
        throw XFile();
    WIN32_FIND_DATAA found = {};
    const HANDLE search = StartFileSearch(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        throw XFile();
    EndFileSearch(search);
    return FileEntryOf(found);
}

} // namespace NSTramvell
