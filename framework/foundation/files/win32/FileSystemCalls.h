#pragma once

// One-line calls into the platform's file system, volumes, shell folders and registry (Windows-side code
// only). Each forwards to one entry of the bound kernel table and returns the platform's answer unchanged.

#include "framework/foundation/platform/win32/PlatformWin32.h"

struct _ITEMIDLIST;
struct IMalloc;

namespace NSTramvell {

DWORD GetLastPlatformError();
HANDLE OpenFileObject(LPCSTR path, DWORD access, DWORD sharing, DWORD disposition, DWORD flags);
DWORD GetPathAttributes(LPCSTR path);
BOOL DeleteFileObject(LPCSTR path);
BOOL CreateFolderObject(LPCSTR path);
BOOL RemoveFolderObject(LPCSTR path);
BOOL RenameFileObject(LPCSTR from, LPCSTR to);
BOOL GetFileTimes(HANDLE file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite);
BOOL SetFileTimes(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess, const FILETIME* lastWrite);
HANDLE StartFileSearch(LPCSTR pattern, WIN32_FIND_DATAA* found);
BOOL ContinueFileSearch(HANDLE search, WIN32_FIND_DATAA* found);
BOOL EndFileSearch(HANDLE search);
DWORD GetFullPathText(LPCSTR path, DWORD sizeInChars, LPSTR fullPath);
DWORD GetLongPathText(LPCSTR path, LPSTR longPath, DWORD sizeInChars);
DWORD GetTempFolderText(DWORD sizeInChars, LPSTR path);
UINT GetSystemFolderText(LPSTR path, UINT sizeInChars);
DWORD GetModuleFileText(HMODULE module, LPSTR path, DWORD sizeInChars);
DWORD GetDriveRootTexts(DWORD sizeInChars, LPSTR roots);
UINT GetDriveKindOf(LPCSTR root);
BOOL GetVolumeInformationOf(LPCSTR root, LPSTR name, DWORD nameSizeInChars, LPDWORD serialNumber,
                            LPDWORD maximumComponentLength, LPDWORD flags, LPSTR fileSystemName,
                            DWORD fileSystemNameSizeInChars);
BOOL GetDiskFreeUnits(LPCSTR root, LPDWORD sectorsPerUnit, LPDWORD bytesPerSector, LPDWORD freeUnits,
                      LPDWORD totalUnits);
BOOL GetDiskFreeBytes(LPCSTR root, ULARGE_INTEGER* freeToCaller, ULARGE_INTEGER* total, ULARGE_INTEGER* free);
UINT SetPlatformErrorMode(UINT mode);
HRESULT GetSpecialFolderItems(int folder, _ITEMIDLIST** items);
BOOL GetPathOfItems(const _ITEMIDLIST* items, LPSTR path);
HRESULT GetShellAllocator(IMalloc** allocator);
LSTATUS OpenRegistryKeyForReading(HKEY parent, LPCSTR name, HKEY* key);
LSTATUS QueryRegistryValue(HKEY key, LPCSTR name, LPDWORD type, LPBYTE data, LPDWORD sizeInBytes);
LSTATUS CloseRegistryKey(HKEY key);

} // namespace NSTramvell
