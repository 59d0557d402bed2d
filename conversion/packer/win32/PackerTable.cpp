#include "conversion/packer/win32/PackerTable.h"

#include <stdexcept>
#include <string>

namespace NSKapletPackerInterface {
namespace {

using EnumProcessesFunction = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
using EnumProcessModulesFunction = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
using GetModuleFileNameExAFunction = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);
using GetProcessImageFileNameAFunction = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD);

template <typename T>
T BindFunction(HMODULE library, const char* name)
{
    const FARPROC function = ::GetProcAddress(library, name);
    if (function == nullptr)
        throw std::runtime_error(std::string("The process-status function ") + name + " is missing");
    return reinterpret_cast<T>(reinterpret_cast<void*>(function));
}

// "Psapi.dll" and its functions, bound at the first call and kept for the rest of the run.
struct CProcessStatusFunctions
{
    CProcessStatusFunctions()
        : library(::LoadLibraryA("Psapi.dll"))
    {
        if (library == nullptr)
            throw std::runtime_error("The process-status library could not be loaded");
        try {
            enumProcesses = BindFunction<EnumProcessesFunction>(library, "EnumProcesses");
            enumProcessModules = BindFunction<EnumProcessModulesFunction>(library, "EnumProcessModules");
            getModuleFileNameEx = BindFunction<GetModuleFileNameExAFunction>(library, "GetModuleFileNameExA");
            getProcessImageFileName =
                BindFunction<GetProcessImageFileNameAFunction>(library, "GetProcessImageFileNameA");
        } catch (...) {
            ::FreeLibrary(library);
            throw;
        }
    }
    CProcessStatusFunctions(const CProcessStatusFunctions&) = delete;
    CProcessStatusFunctions& operator=(const CProcessStatusFunctions&) = delete;
    ~CProcessStatusFunctions() { ::FreeLibrary(library); }

    HMODULE library;  // owned reference
    EnumProcessesFunction enumProcesses = nullptr;
    EnumProcessModulesFunction enumProcessModules = nullptr;
    GetModuleFileNameExAFunction getModuleFileNameEx = nullptr;
    GetProcessImageFileNameAFunction getProcessImageFileName = nullptr;
};

// A failed binding throws from this call and is tried again at the next one.
const CProcessStatusFunctions& ProcessStatus()
{
    static const CProcessStatusFunctions functions;
    return functions;
}

} // namespace

CPackerTable BindSystemPackerTable()
{
    CPackerTable table;
    table.RegOpenKeyExA = [](HKEY parent, LPCSTR name, DWORD options, REGSAM access, PHKEY opened) {
        return ::RegOpenKeyExA(parent, name, options, access, opened);
    };
    table.RegQueryValueExA = [](HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                                LPDWORD sizeInBytes) {
        return ::RegQueryValueExA(key, name, reserved, type, data, sizeInBytes);
    };
    table.RegCloseKey = [](HKEY key) { return ::RegCloseKey(key); };
    table.EnumProcesses = [](DWORD* processIds, DWORD sizeInBytes, DWORD* neededInBytes) {
        return ProcessStatus().enumProcesses(processIds, sizeInBytes, neededInBytes);
    };
    table.EnumProcessModules = [](HANDLE process, HMODULE* modules, DWORD sizeInBytes, DWORD* neededInBytes) {
        return ProcessStatus().enumProcessModules(process, modules, sizeInBytes, neededInBytes);
    };
    table.GetModuleFileNameExA = [](HANDLE process, HMODULE module, LPSTR name, DWORD size) {
        return ProcessStatus().getModuleFileNameEx(process, module, name, size);
    };
    table.GetProcessImageFileNameA = [](HANDLE process, LPSTR name, DWORD size) {
        return ProcessStatus().getProcessImageFileName(process, name, size);
    };
    table.OpenProcess = [](DWORD access, BOOL inheritHandle, DWORD processId) {
        return ::OpenProcess(access, inheritHandle, processId);
    };
    table.GetCurrentProcess = [] { return ::GetCurrentProcess(); };
    table.DuplicateHandle = [](HANDLE sourceProcess, HANDLE source, HANDLE targetProcess, LPHANDLE target,
                               DWORD access, BOOL inheritHandle, DWORD options) {
        return ::DuplicateHandle(sourceProcess, source, targetProcess, target, access, inheritHandle, options);
    };
    table.CloseHandle = [](HANDLE handle) { return ::CloseHandle(handle); };
    table.GetTempFileNameA = [](LPCSTR folder, LPCSTR prefix, UINT unique, LPSTR path) {
        return ::GetTempFileNameA(folder, prefix, unique, path);
    };
    table.CreateFileA = [](LPCSTR path, DWORD access, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                           DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile) {
        return ::CreateFileA(path, access, shareMode, security, creationDisposition, flagsAndAttributes,
                             templateFile);
    };
    table.EnumWindows = [](WNDENUMPROC callback, LPARAM parameter) { return ::EnumWindows(callback, parameter); };
    table.GetWindowThreadProcessId = [](HWND window, LPDWORD processId) {
        return ::GetWindowThreadProcessId(window, processId);
    };
    table.GetClassNameA = [](HWND window, LPSTR name, int size) { return ::GetClassNameA(window, name, size); };
    table.PostMessageA = [](HWND window, UINT message, WPARAM firstParameter, LPARAM secondParameter) {
        return ::PostMessageA(window, message, firstParameter, secondParameter);
    };
    table.SendMessageA = [](HWND window, UINT message, WPARAM firstParameter, LPARAM secondParameter) {
        return ::SendMessageA(window, message, firstParameter, secondParameter);
    };
    table.CharUpperBuffA = [](LPSTR text, DWORD length) { return ::CharUpperBuffA(text, length); };
    return table;
}

CPackerTable& GetPackerTable()
{
    static CPackerTable table = BindSystemPackerTable();
    return table;
}

} // namespace NSKapletPackerInterface
