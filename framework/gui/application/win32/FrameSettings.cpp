#include "framework/gui/application/win32/FrameSettings.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"

namespace NSTramvell {
namespace {

constexpr REGSAM kReadAccess = 0x20019;
constexpr REGSAM kReadWriteAccess = 0x2001F;
constexpr char kKeyClass[] = "Preferences";
constexpr char kPlacementValue[] = "MainFramePlacement";
constexpr char kStayOnTopValue[] = "StayOnTop";

// One open registry key, closed when it goes.
class CRegistryKey
{
public:
    CRegistryKey() = default;
    ~CRegistryKey()
    {
        if (mKey != nullptr)
            GetKernelTable().RegCloseKey(mKey);
    }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    HKEY Get() const { return mKey; }
    HKEY* Receive() { return &mKey; }

private:
    HKEY mKey = nullptr;
};

void OpenOrMake(HKEY parent, const std::string& name, CRegistryKey& key)
{
    if (GetKernelTable().RegCreateKeyExA(parent, name.c_str(), 0, const_cast<LPSTR>(kKeyClass), 0, kReadWriteAccess,
                                         nullptr, key.Receive(), nullptr) != ERROR_SUCCESS)
        throw XBase();
}

// Reads the value into the bytes; false when it is missing.
bool ReadValue(HKEY key, const char* name, void* bytes, DWORD sizeInBytes)
{
    DWORD storedSize = sizeInBytes;
    const LSTATUS status =
        GetKernelTable().RegQueryValueExA(key, name, nullptr, nullptr, static_cast<LPBYTE>(bytes), &storedSize);
    if (status == ERROR_FILE_NOT_FOUND)
        return false;
    if (status != ERROR_SUCCESS || storedSize != sizeInBytes)
        throw XBadFormat();
    return true;
}

template <typename TUse>
void WithProgramKey(const std::string& moduleName, TUse use)
{
    CRegistryKey software;
    if (GetKernelTable().RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, kReadAccess, software.Receive()) !=
        ERROR_SUCCESS)
        throw XBase();
    CRegistryKey maker;
    OpenOrMake(software.Get(), kMakerFolderName, maker);
    CRegistryKey program;
    OpenOrMake(maker.Get(), moduleName, program);
    use(program.Get());
}

} // namespace

CFrameSettings ReadFrameSettings(const std::string& moduleName)
{
    CFrameSettings settings;
    WithProgramKey(moduleName, [&](HKEY key) {
        TWindowPlacement placement{};
        if (ReadValue(key, kPlacementValue, placement.data(), sizeof placement))
            settings.mPlacement = placement;
        std::uint8_t stayOnTop = 0;
        if (ReadValue(key, kStayOnTopValue, &stayOnTop, sizeof stayOnTop))
            settings.mStayOnTop = stayOnTop != 0;
    });
    return settings;
}

void WriteFrameSettings(const std::string& moduleName, const TWindowPlacement& placement, bool stayOnTop)
{
    WithProgramKey(moduleName, [&](HKEY key) {
        const std::uint8_t stayOnTopByte = stayOnTop ? 1 : 0;
        if (GetKernelTable().RegSetValueExA(key, kPlacementValue, 0, REG_BINARY,
                                            reinterpret_cast<const BYTE*>(placement.data()),
                                            sizeof placement) != ERROR_SUCCESS ||
            GetKernelTable().RegSetValueExA(key, kStayOnTopValue, 0, REG_BINARY, &stayOnTopByte,
                                            sizeof stayOnTopByte) != ERROR_SUCCESS)
            throw XBase();
    });
}

} // namespace NSTramvell
