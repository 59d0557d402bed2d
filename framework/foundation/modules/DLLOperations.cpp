#include "framework/foundation/modules/DLLOperations.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/strings/StringUtilities.h"

namespace NSTramvell {

namespace NSDLLOperations {

XFailedLoadingDLL::~XFailedLoadingDLL() = default;
XFailedLoadingDLLDependants::~XFailedLoadingDLLDependants() = default;

} // namespace NSDLLOperations

namespace NSTramvellInternal {

IOpenDLL::~IOpenDLL() = default;
IDLLLoaderImp::~IDLLLoaderImp() = default;

} // namespace NSTramvellInternal

namespace NSDLLOperationsInternal {
namespace {

constexpr char kCommonControlsAssembly[] = "Microsoft.Windows.Common-Controls";
constexpr std::uint32_t kCommonControlsSixWord = 6u << 16;

} // namespace

bool IsPlatformVersionSupported(std::uint32_t platformFamily, std::uint32_t majorVersion,
                                std::uint32_t minorVersion)
{
    if (platformFamily == kWindows95Family)
        return majorVersion > 4 || (majorVersion == 4 && minorVersion > 0);
    if (platformFamily == kWindowsNTFamily)
        return majorVersion >= kMinimumNTMajorVersion;
    return false;
}

void ThrowLibraryLoadError(std::uint32_t code)
{
    switch (code) {
    case 4:   // too many open files
    case 8:   // not enough memory
    case 14:  // out of memory
        throw XOutOfMemory();
    case 11:   // bad format
    case 30:   // read fault
    case 31:   // general failure
    case 193:  // not a valid image
        throw XBadFormat();
    case 126:   // a found library's dependant is missing, as current systems report it
    case 1157:  // a file that the library needs is missing
        throw NSDLLOperations::XFailedLoadingDLLDependants();
    default:
        throw NSDLLOperations::XFailedLoadingDLL();
    }
}

std::uint32_t ChooseComparedVersion(std::uint32_t fileVersionWord, const CRedirectingAssembly* assembly)
{
    if (assembly == nullptr || !assembly->holdsLoadedFile || assembly->majorVersion < 6 ||
        CompareNoCase(assembly->name, kCommonControlsAssembly) != 0)
        return fileVersionWord;
    return fileVersionWord > kCommonControlsSixWord ? fileVersionWord : kCommonControlsSixWord;
}

bool ParseAssemblyIdentity(const std::string& identity, std::string& name, std::uint16_t& majorVersion)
{
    const std::string candidate = identity.substr(0, identity.find(','));
    if (candidate.empty())
        return false;
    name = candidate;
    majorVersion = 0;
    const std::string key = "version=\"";
    // The attribute must start after a comma, so that "fileVersion" or the like cannot match.
    std::size_t at = identity.find("," + key);
    if (at != std::string::npos) {
        std::int32_t major = 0;
        const std::string value = SubstringUpTo(identity, at + 1 + key.size(), ".\"");
        if (StringToInt(value, major) && major >= 0 && major <= 0xFFFF)
            majorVersion = static_cast<std::uint16_t>(major);
    }
    return true;
}

} // namespace NSDLLOperationsInternal

} // namespace NSTramvell
