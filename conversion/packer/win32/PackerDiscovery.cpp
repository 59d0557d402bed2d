#include "conversion/packer/KapletPackerInterface.h"

#include "conversion/packer/win32/PackerPlatform.h"
#include "conversion/packer/win32/PackerTable.h"
#include "framework/foundation/files/FileOperations.h"
#include "framework/foundation/files/FileSpec.h"

#include <cstring>
#include <stdexcept>

namespace NSKapletPackerInterface {
namespace {

constexpr REGSAM kKeyReadAccess = 0x20019;
constexpr DWORD kPathBufferSizeInBytes = 4096;
const char* const kPackerKeyPath[] = {"Software", "Quenholt Software", "Kaplet Packer"};

} // namespace

CRegistryKey OpenPackerRegistryKey()
{
    CRegistryKey parent(nullptr);
    for (const char* name : kPackerKeyPath) {
        HKEY opened = nullptr;
        const HKEY below = parent ? parent.Get() : HKEY_LOCAL_MACHINE;
        const LSTATUS status = GetPackerTable().RegOpenKeyExA(below, name, 0, kKeyReadAccess, &opened);
        if (status == ERROR_FILE_NOT_FOUND)
            return CRegistryKey(nullptr);
        if (status != ERROR_SUCCESS)
            throw std::runtime_error("The archive packer's registry key could not be opened");
        // The key above is closed once the one below it is open.
        parent = CRegistryKey(opened);
    }
    return parent;
}

std::string GetPackerPath()
{
    const CRegistryKey key = OpenPackerRegistryKey();
    if (!key)
        return std::string();
    char buffer[kPathBufferSizeInBytes];
    DWORD sizeInBytes = sizeof buffer;
    const LSTATUS status = GetPackerTable().RegQueryValueExA(key.Get(), "Application Path", nullptr, nullptr,
                                                             reinterpret_cast<BYTE*>(buffer), &sizeInBytes);
    if (status == ERROR_FILE_NOT_FOUND)
        return std::string();
    if (status != ERROR_SUCCESS)
        throw std::runtime_error("The archive packer's path could not be read from the registry");
    // A value stored without its terminating 0 fills the buffer only as far as its size says.
    const DWORD filledInBytes = sizeInBytes < sizeof buffer ? sizeInBytes : DWORD{sizeof buffer};
    return std::string(buffer, ::strnlen(buffer, filledInBytes));
}

std::uint32_t GetPackerInstallState()
{
    const std::string path = GetPackerPath();
    // A text without a folder names no file this program could start.
    if (path.empty() || path.find('\\') == std::string::npos)
        return kPackerNotInstalled;
    return NSTramvell::FileExists(NSTramvell::CFileSpec(path)) ? kPackerInstalled : kPackerNotInstalled;
}

} // namespace NSKapletPackerInterface
