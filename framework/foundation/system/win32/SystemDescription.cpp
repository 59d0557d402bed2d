// The half of the system information that asks the platform.

#include "framework/foundation/system/SystemInfo.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <algorithm>
#include <limits>

namespace NSTramvell {
namespace {

std::uint32_t SaturateTo32Bits(DWORDLONG sizeInBytes)
{
    return static_cast<std::uint32_t>(std::min<DWORDLONG>(sizeInBytes, std::numeric_limits<std::uint32_t>::max()));
}

std::uint32_t GetOSKindOf(const OSVERSIONINFOA& version)
{
    switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32s: return kOSKindWin32s;
    case VER_PLATFORM_WIN32_WINDOWS:
        if (version.dwMinorVersion == 0)
            return LOWORD(version.dwBuildNumber) > 950 ? kOSKindWindows95Later : kOSKindWindows95;
        return kOSKindWindows98;
    case VER_PLATFORM_WIN32_NT:
        if (version.dwMajorVersion <= 3)
            return kOSKindWindowsNT3;
        if (version.dwMajorVersion == 4)
            return kOSKindWindowsNT4;
        if (version.dwMajorVersion == 5)
            return version.dwMinorVersion == 0   ? kOSKindWindows2000
                   : version.dwMinorVersion == 1 ? kOSKindWindowsXP
                                                 : kOSKindWindowsServer2003;
        return kOSKindWindowsNT6OrLater;
    default: return kOSKindUnknown;
    }
}

// The kind of processor as a small code: the x86 family level (3 to 6, 15 and later as 9), 10 for x86_64,
// 17 for Itanium, 2 for anything else.
std::uint32_t GetProcessorTypeOf(const SYSTEM_INFO& system)
{
    switch (system.wProcessorArchitecture) {
    case PROCESSOR_ARCHITECTURE_INTEL:
        switch (system.wProcessorLevel) {
        case 3: return 3;
        case 4: return 6;
        case 5: return 7;
        case 6: return 8;
        default: return system.wProcessorLevel >= 15 ? 9 : 2;
        }
    case PROCESSOR_ARCHITECTURE_AMD64: return 10;
    case PROCESSOR_ARCHITECTURE_IA64: return 17;
    default: return 2;
    }
}

// A registry key that closes itself.
class CRegistryKey
{
public:
    CRegistryKey(HKEY parent, const char* name)
    {
        if (parent == nullptr || GetKernelTable().RegOpenKeyExA(parent, name, 0, KEY_READ, &mKey) != ERROR_SUCCESS)
            mKey = nullptr;
    }
    ~CRegistryKey()
    {
        if (mKey != nullptr)
            GetKernelTable().RegCloseKey(mKey);
    }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    HKEY Get() const { return mKey; }

    std::string ReadText(const char* valueName) const
    {
        char text[256] = {};
        DWORD type = 0;
        DWORD sizeInBytes = sizeof text - 1;
        if (mKey == nullptr ||
            GetKernelTable().RegQueryValueExA(mKey, valueName, nullptr, &type, reinterpret_cast<LPBYTE>(text),
                                              &sizeInBytes) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::string();
        return std::string(text, strnlen(text, std::min<DWORD>(sizeInBytes, sizeof text - 1)));
    }

    std::string ReadNumber(const char* valueName) const
    {
        DWORD number = 0;
        DWORD type = 0;
        DWORD sizeInBytes = sizeof number;
        if (mKey == nullptr ||
            GetKernelTable().RegQueryValueExA(mKey, valueName, nullptr, &type, reinterpret_cast<LPBYTE>(&number),
                                              &sizeInBytes) != ERROR_SUCCESS ||
            type != REG_DWORD)
            return std::string();
        return std::to_string(number);
    }

private:
    HKEY mKey = nullptr;
};

} // namespace

std::unique_ptr<CSystemInfo> GetSystemDescription()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetKernelTable().GetVersionExA(&version))
        throw XBase();
    auto info = std::make_unique<CSystemInfo>();
    info->SetOSKind(GetOSKindOf(version));
    const bool isWindows9x = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    info->SetOSVersion(version.dwMajorVersion, version.dwMinorVersion,
                       isWindows9x ? LOWORD(version.dwBuildNumber) : version.dwBuildNumber);
    info->SetVersionText(std::string(version.szCSDVersion, strnlen(version.szCSDVersion, sizeof version.szCSDVersion)));

    SYSTEM_INFO system{};
    GetKernelTable().GetSystemInfo(&system);
    info->SetProcessorType(GetProcessorTypeOf(system));
    info->SetProcessorCount(std::max<DWORD>(system.dwNumberOfProcessors, 1));
    info->SetProcessorValue(system.wProcessorRevision);

    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    if (GetKernelTable().GlobalMemoryStatusEx(&memory)) {
        info->SetMemorySize(SaturateTo32Bits(memory.ullTotalPhys));
        info->SetSecondSize(SaturateTo32Bits(memory.ullAvailPhys));
        info->SetThirdSize(SaturateTo32Bits(memory.ullTotalPageFile));
    }

    info->SetName("noname");
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD nameLength = sizeof name;
    if (GetKernelTable().GetComputerNameA(name, &nameLength) && nameLength != 0)
        info->SetName(std::string(name, std::min<DWORD>(nameLength, MAX_COMPUTERNAME_LENGTH)));
    return info;
}

CProcessorDescription GetProcessorDescription(std::uint32_t processorIndex)
{
    const CRegistryKey processors(HKEY_LOCAL_MACHINE, "Hardware\\Description\\System\\CentralProcessor");
    const CRegistryKey processor(processors.Get(), std::to_string(processorIndex).c_str());
    return {processor.ReadText("Identifier"), processor.ReadNumber("Update Status"),
            processor.ReadText("VendorIdentifier")};
}

std::vector<std::string> DescribeSystem(const CSystemInfo& info)
{
    // A record read from a block may claim any count; the registry knows no more processors than this.
    constexpr std::uint32_t kMaxDescribedProcessors = 64;
    const std::uint32_t count = std::min(info.GetProcessorCount(), kMaxDescribedProcessors);
    std::vector<CProcessorDescription> processors;
    for (std::uint32_t index = 0; index < count; ++index)
        processors.push_back(GetProcessorDescription(index));
    return ComposeSystemReport(info, processors);
}

} // namespace NSTramvell
