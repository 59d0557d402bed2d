#pragma once

// The platform calls whose arguments are Win32 records, callbacks or window handles (Windows-side code only).
// Each forwards to one entry of the bound tables and returns the platform's answer unchanged.

#include "framework/foundation/platform/PlatformCalls.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

namespace NSTramvell {

HANDLE CreateLockObject(LPSECURITY_ATTRIBUTES security, BOOL initiallyOwned, LPCSTR name);
HANDLE CreateThreadObject(LPSECURITY_ATTRIBUTES security, SIZE_T stackSizeInBytes, LPTHREAD_START_ROUTINE entry,
                          LPVOID parameter, DWORD flags, LPDWORD identifier);
HANDLE CreateEventObject(LPSECURITY_ATTRIBUTES security, BOOL manualReset, BOOL initiallySignalled, LPCSTR name);
DWORD GetFileSizeOf(HANDLE file, LPDWORD highPart);
BOOL WriteFileData(HANDLE file, LPCVOID data, DWORD lengthInBytes, LPDWORD writtenInBytes, LPOVERLAPPED overlapped);
BOOL ReadFileData(HANDLE file, LPVOID buffer, DWORD lengthInBytes, LPDWORD readInBytes, LPOVERLAPPED overlapped);
DWORD MoveFilePointer(HANDLE file, LONG distance, PLONG highPart, DWORD method);

ATOM RegisterWindowClassRecord(const WNDCLASSA* classRecord);
BOOL PostWindowMessage(HWND window, UINT message, WPARAM firstParameter, LPARAM secondParameter);
// Default processing of a message by the window manager.
LRESULT CallTableFunction4(HWND window, UINT message, WPARAM firstParameter, LPARAM secondParameter);
// Creates a window from its twelve values.
HWND CallWindowManager12(DWORD extendedStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID parameter);

} // namespace NSTramvell
