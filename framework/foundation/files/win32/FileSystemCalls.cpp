#include "framework/foundation/files/win32/FileSystemCalls.h"

#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSTramvell {

DWORD GetLastPlatformError()
{
    return GetKernelTable().GetLastError();
}

HANDLE OpenFileObject(LPCSTR path, DWORD access, DWORD sharing, DWORD disposition, DWORD flags)
{
    return GetKernelTable().CreateFileA(path, access, sharing, nullptr, disposition, flags, nullptr);
}

DWORD GetPathAttributes(LPCSTR path)
{
    return GetKernelTable().GetFileAttributesA(path);
}

BOOL DeleteFileObject(LPCSTR path)
{
    return GetKernelTable().DeleteFileA(path);
}

BOOL CreateFolderObject(LPCSTR path)
{
    return GetKernelTable().CreateDirectoryA(path, nullptr);
}

BOOL RemoveFolderObject(LPCSTR path)
{
    return GetKernelTable().RemoveDirectoryA(path);
}

BOOL RenameFileObject(LPCSTR from, LPCSTR to)
{
    return GetKernelTable().MoveFileA(from, to);
}

BOOL GetFileTimes(HANDLE file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite)
{
    return GetKernelTable().GetFileTime(file, creation, lastAccess, lastWrite);
}

BOOL SetFileTimes(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess, const FILETIME* lastWrite)
{
    return GetKernelTable().SetFileTime(file, creation, lastAccess, lastWrite);
}

HANDLE StartFileSearch(LPCSTR pattern, WIN32_FIND_DATAA* found)
{
    return GetKernelTable().FindFirstFileA(pattern, found);
}

BOOL ContinueFileSearch(HANDLE search, WIN32_FIND_DATAA* found)
{
    return GetKernelTable().FindNextFileA(search, found);
}

BOOL EndFileSearch(HANDLE search)
{
    return GetKernelTable().FindClose(search);
}

DWORD GetFullPathText(LPCSTR path, DWORD sizeInChars, LPSTR fullPath)
{
    return GetKernelTable().GetFullPathNameA(path, sizeInChars, fullPath, nullptr);
}

DWORD GetLongPathText(LPCSTR path, LPSTR longPath, DWORD sizeInChars)
{
    return GetKernelTable().GetLongPathNameA(path, longPath, sizeInChars);
}

DWORD GetTempFolderText(DWORD sizeInChars, LPSTR path)
{
    return GetKernelTable().GetTempPathA(sizeInChars, path);
}

UINT GetSystemFolderText(LPSTR path, UINT sizeInChars)
{
    return GetKernelTable().GetSystemDirectoryA(path, sizeInChars);
}

DWORD GetModuleFileText(HMODULE module, LPSTR path, DWORD sizeInChars)
{
    return GetKernelTable().GetModuleFileNameA(module, path, sizeInChars);
}

DWORD GetDriveRootTexts(DWORD sizeInChars, LPSTR roots)
{
    return GetKernelTable().GetLogicalDriveStringsA(sizeInChars, roots);
}

UINT GetDriveKindOf(LPCSTR root)
{
    return GetKernelTable().GetDriveTypeA(root);
}

BOOL GetVolumeInformationOf(LPCSTR root, LPSTR name, DWORD nameSizeInChars, LPDWORD serialNumber,
                            LPDWORD maximumComponentLength, LPDWORD flags, LPSTR fileSystemName,
                            DWORD fileSystemNameSizeInChars)
{
    return GetKernelTable().GetVolumeInformationA(root, name, nameSizeInChars, serialNumber, maximumComponentLength,
                                                  flags, fileSystemName, fileSystemNameSizeInChars);
}

BOOL GetDiskFreeUnits(LPCSTR root, LPDWORD sectorsPerUnit, LPDWORD bytesPerSector, LPDWORD freeUnits,
                      LPDWORD totalUnits)
{
    return GetKernelTable().GetDiskFreeSpaceA(root, sectorsPerUnit, bytesPerSector, freeUnits, totalUnits);
}

BOOL GetDiskFreeBytes(LPCSTR root, ULARGE_INTEGER* freeToCaller, ULARGE_INTEGER* total, ULARGE_INTEGER* free)
{
    return GetKernelTable().GetDiskFreeSpaceExA(root, freeToCaller, total, free);
}

UINT SetPlatformErrorMode(UINT mode)
{
    return GetKernelTable().SetErrorMode(mode);
}

HRESULT GetSpecialFolderItems(int folder, _ITEMIDLIST** items)
{
    return GetKernelTable().SHGetSpecialFolderLocation(nullptr, folder, items);
}

BOOL GetPathOfItems(const _ITEMIDLIST* items, LPSTR path)
{
    return GetKernelTable().SHGetPathFromIDListA(items, path);
}

HRESULT GetShellAllocator(IMalloc** allocator)
{
    return GetKernelTable().SHGetMalloc(allocator);
}

LSTATUS OpenRegistryKeyForReading(HKEY parent, LPCSTR name, HKEY* key)
{
    return GetKernelTable().RegOpenKeyExA(parent, name, 0, KEY_READ, key);
}

LSTATUS QueryRegistryValue(HKEY key, LPCSTR name, LPDWORD type, LPBYTE data, LPDWORD sizeInBytes)
{
    return GetKernelTable().RegQueryValueExA(key, name, nullptr, type, data, sizeInBytes);
}

LSTATUS CloseRegistryKey(HKEY key)
{
    return GetKernelTable().RegCloseKey(key);
}

} // namespace NSTramvell
