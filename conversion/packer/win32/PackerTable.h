#pragma once

// Every platform call of the packer discovery and hand-over goes through this one table of function
// pointers, bound to the system unless a test puts a fake in one entry (NSTramvell::CScopedTableEntry).
// Entries have the exact names they bind and the default calling convention, so a captureless lambda
// fits them in both builds. The pauses between tries go through the framework's own table (Sleep).

#include "framework/foundation/platform/win32/PlatformWin32.h"

namespace NSKapletPackerInterface {

struct CPackerTable
{
    // The registry key that names the packer.
    LSTATUS (*RegOpenKeyExA)(HKEY parent, LPCSTR name, DWORD options, REGSAM access, PHKEY opened);
    LSTATUS (*RegQueryValueExA)(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                LPDWORD sizeInBytes);
    LSTATUS (*RegCloseKey)(HKEY key);
    // The process-status functions are looked up in "Psapi.dll" at their first call, because not every
    // system has them; all four are required together: a missing library or any missing function throws
    // std::runtime_error from the call of each.
    BOOL (*EnumProcesses)(DWORD* processIds, DWORD sizeInBytes, DWORD* neededInBytes);
    BOOL (*EnumProcessModules)(HANDLE process, HMODULE* modules, DWORD sizeInBytes, DWORD* neededInBytes);
    DWORD (*GetModuleFileNameExA)(HANDLE process, HMODULE module, LPSTR name, DWORD size);
    DWORD (*GetProcessImageFileNameA)(HANDLE process, LPSTR name, DWORD size);
    HANDLE (*OpenProcess)(DWORD access, BOOL inheritHandle, DWORD processId);
    HANDLE (*GetCurrentProcess)();
    BOOL (*DuplicateHandle)(HANDLE sourceProcess, HANDLE source, HANDLE targetProcess, LPHANDLE target,
                            DWORD access, BOOL inheritHandle, DWORD options);
    BOOL (*CloseHandle)(HANDLE handle);
    UINT (*GetTempFileNameA)(LPCSTR folder, LPCSTR prefix, UINT unique, LPSTR path);
    HANDLE (*CreateFileA)(LPCSTR path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                          DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
    BOOL (*EnumWindows)(WNDENUMPROC callback, LPARAM parameter);
    DWORD (*GetWindowThreadProcessId)(HWND window, LPDWORD processId);
    int (*GetClassNameA)(HWND window, LPSTR name, int size);
    BOOL (*PostMessageA)(HWND window, UINT message, WPARAM firstParameter, LPARAM secondParameter);
    LRESULT (*SendMessageA)(HWND window, UINT message, WPARAM firstParameter, LPARAM secondParameter);
    DWORD (*CharUpperBuffA)(LPSTR text, DWORD length);
};

// The table the packer functions call through.
CPackerTable& GetPackerTable();

// The table bound to the system.
CPackerTable BindSystemPackerTable();

} // namespace NSKapletPackerInterface
