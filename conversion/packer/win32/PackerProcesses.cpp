#include "conversion/packer/KapletPackerInterface.h"

#include "conversion/packer/win32/PackerPlatform.h"
#include "conversion/packer/win32/PackerTable.h"
#include "framework/foundation/files/FileSpec.h"

#include <cstring>
#include <exception>
#include <stdexcept>

namespace NSKapletPackerInterface {
namespace {

constexpr DWORD kQueryAndReadAccess = 0x410;  // query information, read memory
constexpr DWORD kNameBufferSize = 260;
constexpr std::size_t kFirstTableEntries = 1024;

// The file system ignores letter case in names, so the packer's path may be spelt in any case.
std::string ToUpperCase(std::string text)
{
    if (!text.empty())
        GetPackerTable().CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// Every running process; the table grows until the list no longer fills it, since a full table may
// have cut the list short.
std::vector<DWORD> ListProcessIds()
{
    std::vector<DWORD> ids(kFirstTableEntries);
    for (;;) {
        const DWORD sizeInBytes = static_cast<DWORD>(ids.size() * sizeof(DWORD));
        DWORD filledInBytes = 0;
        if (!GetPackerTable().EnumProcesses(ids.data(), sizeInBytes, &filledInBytes))
            throw std::runtime_error("The running processes could not be listed");
        if (filledInBytes < sizeInBytes) {
            ids.resize(filledInBytes / sizeof(DWORD));
            return ids;
        }
        ids.resize(ids.size() * 2);
    }
}

// The process's modules; none when they cannot be listed.
std::vector<HMODULE> ListModules(HANDLE process)
{
    std::vector<HMODULE> modules(kFirstTableEntries);
    for (;;) {
        const DWORD sizeInBytes = static_cast<DWORD>(modules.size() * sizeof(HMODULE));
        DWORD neededInBytes = 0;
        if (!GetPackerTable().EnumProcessModules(process, modules.data(), sizeInBytes, &neededInBytes))
            return {};
        if (neededInBytes <= sizeInBytes) {
            modules.resize(neededInBytes / sizeof(HMODULE));
            return modules;
        }
        modules.resize(neededInBytes / sizeof(HMODULE));
    }
}

std::string GetModuleFileText(HANDLE process, HMODULE module)
{
    char name[kNameBufferSize] = {};
    const DWORD length = GetPackerTable().GetModuleFileNameExA(process, module, name, kNameBufferSize);
    if (length == 0)
        return std::string();
    return std::string(name, ::strnlen(name, kNameBufferSize));
}

struct CWindowCollection
{
    std::vector<HWND> windows;
    std::exception_ptr failure;
};

// Nothing may unwind into the window manager: a failure ends the enumeration and is thrown afterwards.
BOOL CALLBACK CollectWindow(HWND window, LPARAM collectionAddress)
{
    auto& collection = *reinterpret_cast<CWindowCollection*>(collectionAddress);
    try {
        collection.windows.push_back(window);
        return TRUE;
    } catch (...) {
        collection.failure = std::current_exception();
        return FALSE;
    }
}

std::vector<HWND> ListTopLevelWindows()
{
    CWindowCollection collection;
    GetPackerTable().EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&collection));
    if (collection.failure)
        std::rethrow_exception(collection.failure);
    return collection.windows;
}

} // namespace

std::vector<std::uint32_t> FindPackerProcesses(const std::string& path)
{
    const std::string wanted = ToUpperCase(path);
    std::vector<std::uint32_t> found;
    for (const DWORD id : ListProcessIds()) {
        const CKernelHandle process(GetPackerTable().OpenProcess(kQueryAndReadAccess, FALSE, id));
        if (!process.IsValid())
            continue;
        for (const HMODULE module : ListModules(process.Get())) {
            if (ToUpperCase(GetModuleFileText(process.Get(), module)) == wanted)
                found.push_back(id);
        }
    }
    return found;
}

std::vector<HWND> FindProcessWindows(const std::string& className, std::uint32_t processId)
{
    std::vector<HWND> found;
    for (const HWND window : ListTopLevelWindows()) {
        DWORD ownerId = 0;
        GetPackerTable().GetWindowThreadProcessId(window, &ownerId);
        if (ownerId != processId)
            continue;
        if (className.empty()) {
            found.push_back(window);
            continue;
        }
        char name[kNameBufferSize] = {};
        const int length = GetPackerTable().GetClassNameA(window, name, kNameBufferSize);
        if (length > 0 && className == std::string(name, static_cast<std::size_t>(length)))
            found.push_back(window);
    }
    return found;
}

HWND FindPackerWindow(const std::string& path)
{
    const std::vector<std::uint32_t> processes = FindPackerProcesses(path);
    if (processes.empty())
        return nullptr;
    for (const char* className : {kPackerMessageWindowClass, kDocumentWindowClass}) {
        const std::vector<HWND> windows = FindProcessWindows(className, processes.front());
        if (!windows.empty())
            return windows.front();
    }
    return nullptr;
}

bool IsPackerRunning(const NSTramvell::CFileSpec& packer)
{
    return FindPackerWindow(packer.GetFullPath()) != nullptr;
}

} // namespace NSKapletPackerInterface
