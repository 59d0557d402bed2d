#pragma once

// The platform side of the packer discovery: the registry key that names the packer, and the
// process-status functions, which are bound by name at run time because not every system has them.

#include "framework/foundation/platform/win32/PlatformWin32.h"

namespace NSKapletPackerInterface {

// Owns an open registry key and closes it.
class CRegistryKey
{
public:
    explicit CRegistryKey(HKEY key) : mKey(key) {}
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;
    CRegistryKey(CRegistryKey&& other) noexcept : mKey(other.mKey) { other.mKey = nullptr; }
    // Closes the key held so far.
    CRegistryKey& operator=(CRegistryKey&& other) noexcept;
    ~CRegistryKey();

    HKEY Get() const { return mKey; }
    explicit operator bool() const { return mKey != nullptr; }

private:
    HKEY mKey;  // owned; null for none
};

// "Software" > "Quenholt Software" > "Kaplet Packer" below the local machine's root, each opened with
// read access; no key (null) when one of them does not exist. Other failures throw std::runtime_error.
CRegistryKey OpenPackerRegistryKey();

using EnumProcessesFunction = BOOL(WINAPI*)(DWORD* processIds, DWORD sizeInBytes, DWORD* neededInBytes);
using EnumProcessModulesFunction = BOOL(WINAPI*)(HANDLE process, HMODULE* modules, DWORD sizeInBytes,
                                                 DWORD* neededInBytes);
using GetModuleFileNameExAFunction = DWORD(WINAPI*)(HANDLE process, HMODULE module, LPSTR name, DWORD size);
using GetProcessImageFileNameAFunction = DWORD(WINAPI*)(HANDLE process, LPSTR name, DWORD size);

// The four process-status functions; the library stays loaded while the object lives.
class CProcessStatusFunctions
{
public:
    CProcessStatusFunctions(HMODULE library, EnumProcessesFunction enumProcesses,
                            EnumProcessModulesFunction enumProcessModules,
                            GetModuleFileNameExAFunction getModuleFileNameEx,
                            GetProcessImageFileNameAFunction getProcessImageFileName);
    CProcessStatusFunctions(const CProcessStatusFunctions&) = delete;
    CProcessStatusFunctions& operator=(const CProcessStatusFunctions&) = delete;
    ~CProcessStatusFunctions();

    BOOL EnumProcesses(DWORD* processIds, DWORD sizeInBytes, DWORD* neededInBytes) const
    {
        return mEnumProcesses(processIds, sizeInBytes, neededInBytes);
    }
    BOOL EnumProcessModules(HANDLE process, HMODULE* modules, DWORD sizeInBytes, DWORD* neededInBytes) const
    {
        return mEnumProcessModules(process, modules, sizeInBytes, neededInBytes);
    }
    DWORD GetModuleFileNameExA(HANDLE process, HMODULE module, LPSTR name, DWORD size) const
    {
        return mGetModuleFileNameEx(process, module, name, size);
    }
    DWORD GetProcessImageFileNameA(HANDLE process, LPSTR name, DWORD size) const
    {
        return mGetProcessImageFileName(process, name, size);
    }

private:
    HMODULE mLibrary;  // owned reference of "Psapi.dll"
    EnumProcessesFunction mEnumProcesses;
    EnumProcessModulesFunction mEnumProcessModules;
    GetModuleFileNameExAFunction mGetModuleFileNameEx;
    GetProcessImageFileNameAFunction mGetProcessImageFileName;
};

// Loads "Psapi.dll" and binds its four functions; a missing library or function throws std::runtime_error.
CProcessStatusFunctions BindProcessStatusFunctions();

} // namespace NSKapletPackerInterface
