#pragma once

// Every device call of the library goes through this one table of function pointers, bound to kernel32
// unless a test puts a fake in its place. Entries have the exact names they bind and the default calling
// convention, so a captureless lambda fits them in both builds.

#include "framework/foundation/platform/win32/PlatformWin32.h"

namespace NSBrakvelImplementation {

struct CDeviceTable
{
    DWORD (*GetLogicalDriveStringsA)(DWORD bufferLength, LPSTR buffer);
    UINT (*GetDriveTypeA)(LPCSTR rootPath);
    HANDLE (*CreateFileA)(LPCSTR path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                          DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
    BOOL (*DeviceIoControl)(HANDLE device, DWORD controlCode, LPVOID input, DWORD inputSize, LPVOID output,
                            DWORD outputSize, LPDWORD bytesReturned, LPOVERLAPPED overlapped);
    DWORD (*SetFilePointer)(HANDLE file, LONG distance, PLONG distanceHigh, DWORD moveMethod);
    BOOL (*ReadFile)(HANDLE file, LPVOID buffer, DWORD length, LPDWORD bytesRead, LPOVERLAPPED overlapped);
    BOOL (*CloseHandle)(HANDLE handle);
    DWORD (*GetLastError)();
};

// The table the library calls through.
CDeviceTable& GetDeviceTable();

// The table bound to kernel32.
CDeviceTable BindKernelDeviceTable();

// Puts another table in place for its scope and restores the one before.
class CScopedDeviceTable
{
public:
    explicit CScopedDeviceTable(const CDeviceTable& replacement);
    CScopedDeviceTable(const CScopedDeviceTable&) = delete;
    CScopedDeviceTable& operator=(const CScopedDeviceTable&) = delete;
    ~CScopedDeviceTable();

private:
    CDeviceTable mSaved;
};

} // namespace NSBrakvelImplementation
