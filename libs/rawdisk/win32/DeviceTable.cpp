#include "libs/rawdisk/win32/DeviceTable.h"

namespace NSBrakvelImplementation {

CDeviceTable BindKernelDeviceTable()
{
    CDeviceTable table;
    table.GetLogicalDriveStringsA = [](DWORD bufferLength, LPSTR buffer) {
        return ::GetLogicalDriveStringsA(bufferLength, buffer);
    };
    table.GetDriveTypeA = [](LPCSTR rootPath) { return ::GetDriveTypeA(rootPath); };
    table.CreateFileA = [](LPCSTR path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                           DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile) {
        return ::CreateFileA(path, access, shareMode, security, creationDisposition, flagsAndAttributes,
                             templateFile);
    };
    table.DeviceIoControl = [](HANDLE device, DWORD controlCode, LPVOID input, DWORD inputSize, LPVOID output,
                               DWORD outputSize, LPDWORD bytesReturned, LPOVERLAPPED overlapped) {
        return ::DeviceIoControl(device, controlCode, input, inputSize, output, outputSize, bytesReturned,
                                 overlapped);
    };
    table.SetFilePointer = [](HANDLE file, LONG distance, PLONG distanceHigh, DWORD moveMethod) {
        return ::SetFilePointer(file, distance, distanceHigh, moveMethod);
    };
    table.ReadFile = [](HANDLE file, LPVOID buffer, DWORD length, LPDWORD bytesRead, LPOVERLAPPED overlapped) {
        return ::ReadFile(file, buffer, length, bytesRead, overlapped);
    };
    table.CloseHandle = [](HANDLE handle) { return ::CloseHandle(handle); };
    table.GetLastError = [] { return ::GetLastError(); };
    return table;
}

CDeviceTable& GetDeviceTable()
{
    static CDeviceTable table = BindKernelDeviceTable();
    return table;
}

CScopedDeviceTable::CScopedDeviceTable(const CDeviceTable& replacement)
    : mSaved(GetDeviceTable())
{
    GetDeviceTable() = replacement;
}

CScopedDeviceTable::~CScopedDeviceTable()
{
    GetDeviceTable() = mSaved;
}

} // namespace NSBrakvelImplementation
