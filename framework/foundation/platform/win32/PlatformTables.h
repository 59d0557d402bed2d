#pragma once

// The tables of platform functions through which the framework reaches Win32 (internal: Windows-side
// sources and tests only). Each table is one struct of function pointers with one process-wide instance.
// An entry carries the exact name of the Win32 function it stands for, Win32 parameter and result types
// and the default calling convention, so that a test can put a captureless lambda into it in both the
// 64-bit and the 32-bit build. BindPlatformTables fills the entries with adapters that call the real
// functions; before it and after ReleasePlatformTables every entry is a stub that throws NSTramvell::XBase,
// so a call in the wrong order is a clear error instead of a jump through null.
//
// Adding an entry: append one line to the table's list below,
//     ENTRY(DWORD, GetFileAttributesA, (LPCSTR))
// giving the result type, the Win32 name and the parenthesised parameter types. Binding, the stub and
// the member follow from that line; the Win32 function must be declared by PlatformWin32.h and its
// import library linked by tramvell_platform. OWN_ENTRY marks an entry whose binding PlatformTables.cpp
// supplies by hand (a function that is not exported everywhere, or that we implement ourselves).
// Then add the one-line wrapper that the rest of the framework calls, and call the entry only as
// GetKernelTable().Name(...) or GetWindowTable().Name(...).
//
// Faking an entry in a test (the test program links dravim_platform_test_main, which binds the real
// tables before the tests run):
//     CScopedTableEntry noAttributes(GetKernelTable().GetFileAttributesA,
//                                    [](LPCSTR) { return INVALID_FILE_ATTRIBUTES; });
// The lambda must be captureless and return exactly the entry's result type (write `-> BOOL` where the
// body would return an int); the fake reads whatever state it needs from a variable the test sets. The
// entry is restored when the guard ends.

#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <type_traits>

// The shell's item list and allocator, named by the file-system entries below without the shell's headers
// (which would define `interface` for every includer); PlatformTables.cpp includes them for the binding.
struct _ITEMIDLIST;
struct IMalloc;
// The records of the platform's file and folder choosers, named the same way: <commdlg.h> and <shlobj.h>
// stay out of the headers.
struct tagOFNA;
struct _browseinfoA;
// The shell's folders and the object factory, named the same way by the shell name-space entries.
struct IShellFolder;
struct IUnknown;

// The unwinding calls exist on x86_64 only; the 32-bit stack walk follows frame pointers instead.
#if defined(_WIN64)
#define DRAVIM_KERNEL_ENTRIES_X86_64(ENTRY, OWN_ENTRY)                                                      \
    ENTRY(PRUNTIME_FUNCTION, RtlLookupFunctionEntry, (DWORD64, PDWORD64, PUNWIND_HISTORY_TABLE))            \
    ENTRY(PEXCEPTION_ROUTINE, RtlVirtualUnwind, (DWORD, DWORD64, DWORD64, PRUNTIME_FUNCTION, PCONTEXT, PVOID*, \
                                                 PDWORD64, PKNONVOLATILE_CONTEXT_POINTERS))
#else
#define DRAVIM_KERNEL_ENTRIES_X86_64(ENTRY, OWN_ENTRY)
#endif

// The kernel table: threads, events, mutexes, waits, files, shared memory, time, atomic operations and COM.
#define DRAVIM_KERNEL_ENTRIES(ENTRY, OWN_ENTRY)                                                             \
    ENTRY(BOOL, CloseHandle, (HANDLE))                                                                      \
    ENTRY(DWORD, GetLastError, ())                                                                          \
    ENTRY(DWORD, GetCurrentThreadId, ())                                                                    \
    ENTRY(void, Sleep, (DWORD))                                                                             \
    ENTRY(DWORD, WaitForSingleObject, (HANDLE, DWORD))                                                      \
    ENTRY(HANDLE, CreateMutexA, (LPSECURITY_ATTRIBUTES, BOOL, LPCSTR))                                      \
    ENTRY(BOOL, ReleaseMutex, (HANDLE))                                                                     \
    ENTRY(HANDLE, CreateThread,                                                                             \
          (LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD, LPDWORD))                  \
    ENTRY(DWORD, ResumeThread, (HANDLE))                                                                    \
    ENTRY(HANDLE, CreateEventA, (LPSECURITY_ATTRIBUTES, BOOL, BOOL, LPCSTR))                                \
    ENTRY(BOOL, SetEvent, (HANDLE))                                                                         \
    ENTRY(DWORD, GetFileSize, (HANDLE, LPDWORD))                                                            \
    ENTRY(BOOL, WriteFile, (HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED))                                 \
    ENTRY(BOOL, ReadFile, (HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED))                                   \
    ENTRY(DWORD, SetFilePointer, (HANDLE, LONG, PLONG, DWORD))                                              \
    ENTRY(BOOL, QueryPerformanceFrequency, (LARGE_INTEGER*))                                                \
    ENTRY(BOOL, QueryPerformanceCounter, (LARGE_INTEGER*))                                                  \
    ENTRY(DWORD, GetTickCount, ())                                                                          \
    OWN_ENTRY(ULONGLONG, GetTickCount64, ())                                                                \
    OWN_ENTRY(LONG, InterlockedExchange, (LONG volatile*, LONG))                                            \
    OWN_ENTRY(LONG, InterlockedExchangeAdd, (LONG volatile*, LONG))                                       \
    ENTRY(HANDLE, CreateFileA, (LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE))         \
    ENTRY(DWORD, GetFileAttributesA, (LPCSTR))                                                              \
    ENTRY(BOOL, DeleteFileA, (LPCSTR))                                                                      \
    ENTRY(BOOL, CreateDirectoryA, (LPCSTR, LPSECURITY_ATTRIBUTES))                                          \
    ENTRY(BOOL, RemoveDirectoryA, (LPCSTR))                                                                 \
    ENTRY(BOOL, MoveFileA, (LPCSTR, LPCSTR))                                                                \
    ENTRY(BOOL, GetFileTime, (HANDLE, LPFILETIME, LPFILETIME, LPFILETIME))                                  \
    ENTRY(BOOL, SetFileTime, (HANDLE, const FILETIME*, const FILETIME*, const FILETIME*))                   \
    ENTRY(HANDLE, FindFirstFileA, (LPCSTR, LPWIN32_FIND_DATAA))                                             \
    ENTRY(BOOL, FindNextFileA, (HANDLE, LPWIN32_FIND_DATAA))                                                \
    ENTRY(BOOL, FindClose, (HANDLE))                                                                        \
    ENTRY(DWORD, GetFullPathNameA, (LPCSTR, DWORD, LPSTR, LPSTR*))                                          \
    OWN_ENTRY(DWORD, GetLongPathNameA, (LPCSTR, LPSTR, DWORD))                                              \
    ENTRY(DWORD, GetTempPathA, (DWORD, LPSTR))                                                              \
    ENTRY(UINT, GetSystemDirectoryA, (LPSTR, UINT))                                                         \
    ENTRY(DWORD, GetModuleFileNameA, (HMODULE, LPSTR, DWORD))                                               \
    ENTRY(DWORD, GetLogicalDriveStringsA, (DWORD, LPSTR))                                                   \
    ENTRY(UINT, GetDriveTypeA, (LPCSTR))                                                                    \
    ENTRY(BOOL, GetVolumeInformationA, (LPCSTR, LPSTR, DWORD, LPDWORD, LPDWORD, LPDWORD, LPSTR, DWORD))     \
    ENTRY(BOOL, GetDiskFreeSpaceA, (LPCSTR, LPDWORD, LPDWORD, LPDWORD, LPDWORD))                            \
    OWN_ENTRY(BOOL, GetDiskFreeSpaceExA, (LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER))       \
    ENTRY(UINT, SetErrorMode, (UINT))                                                                       \
    ENTRY(HRESULT, SHGetSpecialFolderLocation, (HWND, int, _ITEMIDLIST**))                                  \
    ENTRY(BOOL, SHGetPathFromIDListA, (const _ITEMIDLIST*, LPSTR))                                          \
    ENTRY(HRESULT, SHGetMalloc, (IMalloc**))                                                                \
    ENTRY(LSTATUS, RegOpenKeyExA, (HKEY, LPCSTR, DWORD, REGSAM, PHKEY))                                     \
    ENTRY(LSTATUS, RegQueryValueExA, (HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD))                     \
    ENTRY(LSTATUS, RegCloseKey, (HKEY))                                                                     \
    ENTRY(HMODULE, LoadLibraryA, (LPCSTR))                                                                  \
    ENTRY(BOOL, FreeLibrary, (HMODULE))                                                                     \
    ENTRY(BOOL, EnumResourceNamesA, (HMODULE, LPCSTR, ENUMRESNAMEPROCA, LONG_PTR))                          \
    ENTRY(DWORD_PTR, SHGetFileInfoA, (LPCSTR, DWORD, SHFILEINFOA*, UINT, UINT))                             \
    ENTRY(HRSRC, FindResourceA, (HMODULE, LPCSTR, LPCSTR))                                                  \
    ENTRY(DWORD, SizeofResource, (HMODULE, HRSRC))                                                          \
    ENTRY(HGLOBAL, LoadResource, (HMODULE, HRSRC))                                                          \
    ENTRY(LPVOID, LockResource, (HGLOBAL))                                                                  \
    ENTRY(DWORD, GetFileVersionInfoSizeA, (LPCSTR, LPDWORD))                                                \
    ENTRY(BOOL, GetFileVersionInfoA, (LPCSTR, DWORD, DWORD, LPVOID))                                        \
    ENTRY(BOOL, VerQueryValueA, (LPCVOID, LPCSTR, LPVOID*, PUINT))                                          \
    ENTRY(void, OutputDebugStringA, (LPCSTR))                                                               \
    ENTRY(DWORD, GetCurrentDirectoryA, (DWORD, LPSTR))                                                      \
    ENTRY(BOOL, CreateProcessA, (LPCSTR, LPSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL, DWORD,  \
                                   LPVOID, LPCSTR, LPSTARTUPINFOA, LPPROCESS_INFORMATION))                  \
    ENTRY(BOOL, ShellExecuteExA, (SHELLEXECUTEINFOA*))                                                     \
    ENTRY(HANDLE, OpenMutexA, (DWORD, BOOL, LPCSTR))                                                        \
    ENTRY(UINT, GetTempFileNameA, (LPCSTR, LPCSTR, UINT, LPSTR))                                            \
    ENTRY(BOOL, TerminateThread, (HANDLE, DWORD))                                                           \
    ENTRY(HANDLE, CreateFileMappingA, (HANDLE, LPSECURITY_ATTRIBUTES, DWORD, DWORD, DWORD, LPCSTR))         \
    ENTRY(HANDLE, OpenFileMappingA, (DWORD, BOOL, LPCSTR))                                                  \
    ENTRY(LPVOID, MapViewOfFile, (HANDLE, DWORD, DWORD, DWORD, SIZE_T))                                     \
    ENTRY(BOOL, UnmapViewOfFile, (LPCVOID))                                                                 \
    ENTRY(DWORD, GetCurrentProcessId, ())                                                                   \
    ENTRY(HANDLE, OpenProcess, (DWORD, BOOL, DWORD))                                                        \
    ENTRY(SIZE_T, VirtualQuery, (LPCVOID, PMEMORY_BASIC_INFORMATION, SIZE_T))                               \
    ENTRY(FARPROC, GetProcAddress, (HMODULE, LPCSTR))                                                       \
    ENTRY(HANDLE, GetCurrentProcess, ())                                                                    \
    ENTRY(HANDLE, GetCurrentThread, ())                                                                     \
    ENTRY(void, RtlCaptureContext, (PCONTEXT))                                                              \
    DRAVIM_KERNEL_ENTRIES_X86_64(ENTRY, OWN_ENTRY)                                                          \
    ENTRY(MMRESULT, timeBeginPeriod, (UINT))                                                                \
    ENTRY(MMRESULT, timeEndPeriod, (UINT))                                                                  \
    ENTRY(MMRESULT, timeSetEvent, (UINT, UINT, LPTIMECALLBACK, DWORD_PTR, UINT))                            \
    ENTRY(MMRESULT, timeKillEvent, (UINT))                                                                  \
    ENTRY(BOOL, GetVersionExA, (LPOSVERSIONINFOA))                                                          \
    ENTRY(void, GetSystemInfo, (LPSYSTEM_INFO))                                                             \
    ENTRY(BOOL, GlobalMemoryStatusEx, (LPMEMORYSTATUSEX))                                                   \
    ENTRY(BOOL, GetComputerNameA, (LPSTR, LPDWORD))                                                         \
    ENTRY(HRESULT, CoInitialize, (LPVOID))                                                                  \
    ENTRY(void, CoUninitialize, ())                                                                         \
    ENTRY(LSTATUS, RegCreateKeyExA,                                                                         \
          (HKEY, LPCSTR, DWORD, LPSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES, PHKEY, LPDWORD))               \
    ENTRY(LSTATUS, RegSetValueExA, (HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD))                        \
    ENTRY(DWORD, GetPriorityClass, (HANDLE))                                                                \
    ENTRY(BOOL, SetPriorityClass, (HANDLE, DWORD))                                                          \
    ENTRY(HGLOBAL, GlobalAlloc, (UINT, SIZE_T))                                                             \
    ENTRY(LPVOID, GlobalLock, (HGLOBAL))                                                                    \
    ENTRY(BOOL, GlobalUnlock, (HGLOBAL))                                                                    \
    ENTRY(HGLOBAL, GlobalFree, (HGLOBAL))                                                                   \
    ENTRY(SIZE_T, GlobalSize, (HGLOBAL))                                                                    \
    ENTRY(HRESULT, SHGetDesktopFolder, (IShellFolder**))                                                    \
    ENTRY(HRESULT, CoCreateInstance, (REFCLSID, IUnknown*, DWORD, REFIID, LPVOID*))                         \
    ENTRY(int, MultiByteToWideChar, (UINT, DWORD, LPCCH, int, LPWSTR, int))                                 \
    ENTRY(int, WideCharToMultiByte, (UINT, DWORD, LPCWCH, int, LPSTR, int, LPCCH, LPBOOL))                  \
    ENTRY(EXECUTION_STATE, SetThreadExecutionState, (EXECUTION_STATE))

// The window-manager table: window classes, windows and messages, the screen's drawing context and the
// common controls.
#define DRAVIM_WINDOW_ENTRIES(ENTRY, OWN_ENTRY)                                                             \
    ENTRY(ATOM, RegisterClassA, (const WNDCLASSA*))                                                         \
    ENTRY(HRGN, CreateRectRgn, (int, int, int, int))                                                        \
    ENTRY(int, CombineRgn, (HRGN, HRGN, HRGN, int))                                                         \
    ENTRY(int, GetRgnBox, (HRGN, LPRECT))                                                                   \
    ENTRY(int, OffsetRgn, (HRGN, int, int))                                                                 \
    ENTRY(BOOL, PtInRegion, (HRGN, int, int))                                                               \
    ENTRY(BOOL, RectInRegion, (HRGN, const RECT*))                                                          \
    ENTRY(BOOL, EqualRgn, (HRGN, HRGN))                                                                     \
    ENTRY(BOOL, DeleteObject, (HGDIOBJ))                                                                    \
    ENTRY(int, GetSystemMetrics, (int))                                                                     \
    ENTRY(DWORD, GetSysColor, (int))                                                                        \
    ENTRY(BOOL, SystemParametersInfoA, (UINT, UINT, PVOID, UINT))                                           \
    ENTRY(SHORT, GetKeyState, (int))                                                                        \
    ENTRY(SHORT, GetAsyncKeyState, (int))                                                                   \
    ENTRY(UINT, MapVirtualKeyA, (UINT, UINT))                                                               \
    ENTRY(HWND, GetDesktopWindow, ())                                                                       \
    ENTRY(HDC, CreateDCA, (LPCSTR, LPCSTR, LPCSTR, const DEVMODEA*))                                        \
    ENTRY(BOOL, DeleteDC, (HDC))                                                                            \
    OWN_ENTRY(BOOL, EnumDisplayMonitors, (HDC, LPCRECT, MONITORENUMPROC, LPARAM))                           \
    OWN_ENTRY(BOOL, GetMonitorInfoA, (HMONITOR, LPMONITORINFO))                                             \
    OWN_ENTRY(HMONITOR, MonitorFromRect, (LPCRECT, DWORD))                                                  \
    ENTRY(HMENU, CreatePopupMenu, ())                                                                       \
    ENTRY(HMENU, CreateMenu, ())                                                                            \
    ENTRY(BOOL, DestroyMenu, (HMENU))                                                                       \
    ENTRY(BOOL, IsMenu, (HMENU))                                                                            \
    ENTRY(int, GetMenuItemCount, (HMENU))                                                                   \
    ENTRY(BOOL, InsertMenuItemA, (HMENU, UINT, BOOL, LPCMENUITEMINFOA))                                     \
    ENTRY(BOOL, SetMenuItemInfoA, (HMENU, UINT, BOOL, LPCMENUITEMINFOA))                                    \
    ENTRY(BOOL, GetMenuItemInfoA, (HMENU, UINT, BOOL, LPMENUITEMINFOA))                                     \
    ENTRY(BOOL, RemoveMenu, (HMENU, UINT, UINT))                                                            \
    ENTRY(BOOL, EnableMenuItem, (HMENU, UINT, UINT))                                                        \
    ENTRY(DWORD, CheckMenuItem, (HMENU, UINT, UINT))                                                        \
    ENTRY(BOOL, TrackPopupMenu, (HMENU, UINT, int, int, int, HWND, const RECT*))                            \
    ENTRY(HCURSOR, SetCursor, (HCURSOR))                                                                    \
    ENTRY(HCURSOR, GetCursor, ())                                                                           \
    ENTRY(BOOL, GetCursorPos, (LPPOINT))                                                                    \
    ENTRY(LONG, GetMessageTime, ())                                                                         \
    ENTRY(BOOL, ShowWindow, (HWND, int))                                                                    \
    ENTRY(BOOL, SetWindowPos, (HWND, HWND, int, int, int, int, UINT))                                       \
    ENTRY(BOOL, MoveWindow, (HWND, int, int, int, int, BOOL))                                               \
    ENTRY(HWND, SetActiveWindow, (HWND))                                                                    \
    ENTRY(HWND, GetActiveWindow, ())                                                                        \
    ENTRY(BOOL, IsWindowVisible, (HWND))                                                                    \
    ENTRY(BOOL, GetClientRect, (HWND, LPRECT))                                                              \
    ENTRY(BOOL, GetWindowRect, (HWND, LPRECT))                                                              \
    ENTRY(BOOL, ClientToScreen, (HWND, LPPOINT))                                                            \
    ENTRY(BOOL, ScreenToClient, (HWND, LPPOINT))                                                            \
    ENTRY(BOOL, InvalidateRect, (HWND, const RECT*, BOOL))                                                  \
    ENTRY(BOOL, InvalidateRgn, (HWND, HRGN, BOOL))                                                          \
    ENTRY(BOOL, UpdateWindow, (HWND))                                                                       \
    ENTRY(int, GetUpdateRgn, (HWND, HRGN, BOOL))                                                            \
    ENTRY(LONG, GetWindowLongA, (HWND, int))                                                                \
    OWN_ENTRY(LONG_PTR, GetWindowLongPtrA, (HWND, int))                                                     \
    OWN_ENTRY(LONG_PTR, SetWindowLongPtrA, (HWND, int, LONG_PTR))                                           \
    ENTRY(LRESULT, CallWindowProcA, (WNDPROC, HWND, UINT, WPARAM, LPARAM))                                  \
    ENTRY(BOOL, IsWindowEnabled, (HWND))                                                                    \
    ENTRY(BOOL, RedrawWindow, (HWND, const RECT*, HRGN, UINT))                                              \
    ENTRY(HWND, GetParent, (HWND))                                                                          \
    ENTRY(HWND, GetCapture, ())                                                                             \
    ENTRY(HWND, SetCapture, (HWND))                                                                         \
    ENTRY(BOOL, ReleaseCapture, ())                                                                         \
    ENTRY(BOOL, GetWindowPlacement, (HWND, WINDOWPLACEMENT*))                                               \
    ENTRY(LRESULT, SendMessageA, (HWND, UINT, WPARAM, LPARAM))                                              \
    ENTRY(int, GetWindowTextA, (HWND, LPSTR, int))                                                          \
    ENTRY(BOOL, SetWindowTextA, (HWND, LPCSTR))                                                             \
    ENTRY(BOOL, IsWindow, (HWND))                                                                           \
    ENTRY(BOOL, PostMessageA, (HWND, UINT, WPARAM, LPARAM))                                                 \
    ENTRY(LRESULT, DefWindowProcA, (HWND, UINT, WPARAM, LPARAM))                                            \
    ENTRY(HWND, CreateWindowExA,                                                                            \
          (DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE, LPVOID))               \
    ENTRY(int, MessageBoxA, (HWND, LPCSTR, LPCSTR, UINT))                                                   \
    ENTRY(BOOL, GetMessageA, (LPMSG, HWND, UINT, UINT))                                                     \
    ENTRY(BOOL, PeekMessageA, (LPMSG, HWND, UINT, UINT, UINT))                                              \
    ENTRY(BOOL, TranslateMessage, (const MSG*))                                                             \
    ENTRY(LRESULT, DispatchMessageA, (const MSG*))                                                          \
    ENTRY(BOOL, PostThreadMessageA, (DWORD, UINT, WPARAM, LPARAM))                                          \
    ENTRY(UINT, RegisterWindowMessageA, (LPCSTR))                                                           \
    ENTRY(BOOL, DestroyWindow, (HWND))                                                                      \
    ENTRY(BOOL, UnregisterClassA, (LPCSTR, HINSTANCE))                                                      \
    ENTRY(HDC, GetDC, (HWND))                                                                               \
    ENTRY(int, ReleaseDC, (HWND, HDC))                                                                      \
    ENTRY(int, GetDeviceCaps, (HDC, int))                                                                   \
    ENTRY(BOOL, InitCommonControlsEx, (const INITCOMMONCONTROLSEX*))                                      \
    ENTRY(HGDIOBJ, SelectObject, (HDC, HGDIOBJ))                                                            \
    ENTRY(HGDIOBJ, GetStockObject, (int))                                                                   \
    ENTRY(int, GetObjectA, (HANDLE, int, LPVOID))                                                           \
    ENTRY(HDC, CreateCompatibleDC, (HDC))                                                                   \
    ENTRY(HBITMAP, CreateDIBSection, (HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD))                 \
    ENTRY(BOOL, GdiFlush, ())                                                                               \
    ENTRY(BOOL, BitBlt, (HDC, int, int, int, int, HDC, int, int, DWORD))                                    \
    ENTRY(HANDLE, LoadImageA, (HINSTANCE, LPCSTR, UINT, int, int, UINT))                                    \
    ENTRY(HICON, CopyIcon, (HICON))                                                                         \
    ENTRY(BOOL, DestroyIcon, (HICON))                                                                       \
    ENTRY(BOOL, DrawIconEx, (HDC, int, int, HICON, int, int, UINT, HBRUSH, UINT))                           \
    ENTRY(HIMAGELIST, ImageList_Create, (int, int, UINT, int, int))                                         \
    ENTRY(int, ImageList_ReplaceIcon, (HIMAGELIST, int, HICON))                                             \
    ENTRY(HICON, ImageList_GetIcon, (HIMAGELIST, int, UINT))                                                \
    ENTRY(BOOL, ImageList_Destroy, (HIMAGELIST))                                                            \
    ENTRY(HBRUSH, CreateSolidBrush, (COLORREF))                                                             \
    ENTRY(HPEN, CreatePen, (int, int, COLORREF))                                                            \
    ENTRY(HFONT, CreateFontIndirectA, (const LOGFONTA*))                                                    \
    ENTRY(BOOL, GetTextMetricsA, (HDC, LPTEXTMETRICA))                                                      \
    ENTRY(BOOL, GetTextExtentPoint32A, (HDC, LPCSTR, int, LPSIZE))                                          \
    ENTRY(int, EnumFontFamiliesExA, (HDC, LPLOGFONTA, FONTENUMPROCA, LPARAM, DWORD))                        \
    ENTRY(int, SetBkMode, (HDC, int))                                                                       \
    ENTRY(COLORREF, SetBkColor, (HDC, COLORREF))                                                            \
    ENTRY(COLORREF, SetTextColor, (HDC, COLORREF))                                                          \
    ENTRY(int, SetROP2, (HDC, int))                                                                         \
    ENTRY(int, FillRect, (HDC, const RECT*, HBRUSH))                                                        \
    ENTRY(BOOL, Polyline, (HDC, const POINT*, int))                                                         \
    ENTRY(COLORREF, SetPixel, (HDC, int, int, COLORREF))                                                    \
    ENTRY(BOOL, TextOutA, (HDC, int, int, LPCSTR, int))                                                     \
    ENTRY(int, DrawTextA, (HDC, LPCSTR, int, LPRECT, UINT))                                                 \
    ENTRY(BOOL, DrawEdge, (HDC, LPRECT, UINT, UINT))                                                        \
    ENTRY(int, GetClipRgn, (HDC, HRGN))                                                                     \
    ENTRY(int, SelectClipRgn, (HDC, HRGN))                                                                  \
    ENTRY(int, OffsetClipRgn, (HDC, int, int))                                                              \
    ENTRY(BOOL, GetWindowOrgEx, (HDC, LPPOINT))                                                             \
    ENTRY(BOOL, SetWindowOrgEx, (HDC, int, int, LPPOINT))                                                   \
    ENTRY(HPALETTE, CreatePalette, (const LOGPALETTE*))                                                     \
    ENTRY(HPALETTE, SelectPalette, (HDC, HPALETTE, BOOL))                                                   \
    ENTRY(UINT, RealizePalette, (HDC))                                                                      \
    ENTRY(UINT, GetSystemPaletteEntries, (HDC, UINT, UINT, LPPALETTEENTRY))                                 \
    ENTRY(BOOL, DrawFrameControl, (HDC, LPRECT, UINT, UINT))                                                \
    ENTRY(HDC, BeginPaint, (HWND, LPPAINTSTRUCT))                                                           \
    ENTRY(BOOL, EndPaint, (HWND, const PAINTSTRUCT*))                                                       \
    ENTRY(BOOL, IsIconic, (HWND))                                                                           \
    ENTRY(BOOL, IsZoomed, (HWND))                                                                           \
    ENTRY(ATOM, RegisterClassExA, (const WNDCLASSEXA*))                                                     \
    ENTRY(HICON, LoadIconA, (HINSTANCE, LPCSTR))                                                            \
    ENTRY(HCURSOR, LoadCursorA, (HINSTANCE, LPCSTR))                                                        \
    ENTRY(BOOL, EnableWindow, (HWND, BOOL))                                                                 \
    ENTRY(HWND, GetWindow, (HWND, UINT))                                                                    \
    ENTRY(BOOL, SetMenu, (HWND, HMENU))                                                                     \
    ENTRY(void, PostQuitMessage, (int))                                                                     \
    ENTRY(void, DragAcceptFiles, (HWND, BOOL))                                                              \
    ENTRY(UINT, DragQueryFileA, (HDROP, UINT, LPSTR, UINT))                                                 \
    ENTRY(void, DragFinish, (HDROP))                                                                        \
    ENTRY(HWND, WindowFromPoint, (POINT))                                                                   \
    ENTRY(BOOL, IsChild, (HWND, HWND))                                                                      \
    ENTRY(BOOL, EnumWindows, (WNDENUMPROC, LPARAM))                                                         \
    ENTRY(LONG, GetDialogBaseUnits, ())                                                                     \
    ENTRY(BOOL, GetSaveFileNameA, (tagOFNA*))                                                               \
    ENTRY(BOOL, GetOpenFileNameA, (tagOFNA*))                                                               \
    ENTRY(DWORD, CommDlgExtendedError, ())                                                                  \
    ENTRY(_ITEMIDLIST*, SHBrowseForFolderA, (_browseinfoA*))                                                \
    ENTRY(BOOL, DrawMenuBar, (HWND))                                                                        \
    ENTRY(HWND, SetFocus, (HWND))                                                                           \
    ENTRY(HWND, GetFocus, ())                                                                               \
    ENTRY(BOOL, OpenClipboard, (HWND))                                                                      \
    ENTRY(BOOL, CloseClipboard, ())                                                                         \
    ENTRY(BOOL, EmptyClipboard, ())                                                                         \
    ENTRY(BOOL, IsClipboardFormatAvailable, (UINT))                                                         \
    ENTRY(HANDLE, GetClipboardData, (UINT))                                                                 \
    ENTRY(HANDLE, SetClipboardData, (UINT, HANDLE))                                                         \
    ENTRY(UINT, RegisterClipboardFormatA, (LPCSTR))                                                         \
    ENTRY(HWND, GetClipboardOwner, ())                                                                      \
    OWN_ENTRY(HWND, HtmlHelpA, (HWND, LPCSTR, UINT, DWORD_PTR))                                             \
    ENTRY(int, ScrollWindowEx, (HWND, int, int, const RECT*, const RECT*, HRGN, LPRECT, UINT))              \
    ENTRY(BOOL, AdjustWindowRectEx, (LPRECT, DWORD, BOOL, DWORD))                                           \
    ENTRY(HMENU, GetMenu, (HWND))                                                                           \
    ENTRY(int, GetWindowTextLengthA, (HWND))                                                                \
    ENTRY(int, SetScrollInfo, (HWND, int, LPCSCROLLINFO, BOOL))                                             \
    ENTRY(BOOL, GetScrollInfo, (HWND, int, LPSCROLLINFO))

#define DRAVIM_DECLARE_TABLE_ENTRY(result, name, parameters) result(*name) parameters;

namespace NSTramvell {

struct CKernelTable
{
    DRAVIM_KERNEL_ENTRIES(DRAVIM_DECLARE_TABLE_ENTRY, DRAVIM_DECLARE_TABLE_ENTRY)
};

struct CWindowTable
{
    DRAVIM_WINDOW_ENTRIES(DRAVIM_DECLARE_TABLE_ENTRY, DRAVIM_DECLARE_TABLE_ENTRY)
};

CKernelTable& GetKernelTable();
CWindowTable& GetWindowTable();

// Called by the program entry before anything of the framework runs, and by the platform test main.
void BindPlatformTables();
// Puts the throwing stubs back; the program entry calls it last.
void ReleasePlatformTables();

// The binding of GetTickCount64 where the system lacks it (Windows XP): GetTickCount, read through the
// table, carried across its wrap after 49.7 days. It must be read at least once every 24 days, which
// the idle processing does many times a second.
ULONGLONG TickCount64FromTickCount();

namespace NSPlatformTablesInternal {
// Forgets the readings that TickCount64FromTickCount has seen, so that a test can feed it from zero.
void ResetTickCountWidening();
} // namespace NSPlatformTablesInternal

// Replaces one table entry for the guard's lifetime and puts the previous one back at its end.
template <typename TEntry>
class CScopedTableEntry
{
public:
    CScopedTableEntry(TEntry& entry, std::type_identity_t<TEntry> replacement)
        : mEntry(entry)
        , mPrevious(entry)
    {
        mEntry = replacement;
    }
    ~CScopedTableEntry() { mEntry = mPrevious; }
    CScopedTableEntry(const CScopedTableEntry&) = delete;
    CScopedTableEntry& operator=(const CScopedTableEntry&) = delete;

private:
    TEntry& mEntry;     // borrowed: a member of one of the process-wide tables
    const TEntry mPrevious;
};

} // namespace NSTramvell
