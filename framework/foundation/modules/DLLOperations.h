#pragma once

// The platform tests that the program entry makes before anything else runs (so they call the platform
// directly, not through the bound tables), and the shared-library handle CDLLFile: find a library by
// name, open it, look up its functions and read its file version. The decisions behind the tests are
// plain functions in NSDLLOperationsInternal; they build on every platform.

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/modules/Version.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

// Windows 98 or later in the Windows 95 family, Windows 2000 or later in the NT family. False when
// the platform does not answer.
bool IsWindowsVersionSupported();
// The system's major and minor version (each cut to 8 bits); a failed query throws XBase.
CVersion GetOSVersion();

namespace NSDLLOperations {

// The library was found but cannot be opened.
DRAVIM_DECLARE_EXCEPTION(XFailedLoadingDLL, XBase);
// A library that it needs is missing.
DRAVIM_DECLARE_EXCEPTION(XFailedLoadingDLLDependants, XFailedLoadingDLL);

// Opens the library by name and compares its file version's first word with major.minor. A library
// that cannot be opened or has no readable version gives false; nothing is thrown.
// A common-controls assembly of version 6 or later that the process's manifest redirects the name to
// counts as at least 6.0, whatever its file says (Wine's side-by-side copy states 5.81).
bool IsDLLVersionAtLeast(const std::string& name, std::uint16_t major, std::uint16_t minor);

} // namespace NSDLLOperations

namespace NSTramvellInternal {

// An opened library; the destructor closes it.
class IOpenDLL
{
public:
    using TFunctionAddress = void (*)();

    virtual ~IOpenDLL();
    // The address of an exported function, to be cast to its real type; a missing one throws XBase.
    virtual TFunctionAddress GetFunction(const std::string& name) = 0;
    virtual bool HasFunction(const std::string& name) = 0;
};

// A library that can be opened.
class IDLLLoaderImp
{
public:
    virtual ~IDLLLoaderImp();
    virtual std::unique_ptr<IDLLLoaderImp> Clone() const = 0;
    virtual CFileVersion GetFileVersion() const = 0;
    virtual std::unique_ptr<IOpenDLL> Open() const = 0;
};

} // namespace NSTramvellInternal

// A shared library found by name along the platform's search path.
class CDLLFile
{
public:
    // ".dll" is the default extension; a library that is not found throws XNotFound.
    explicit CDLLFile(const std::string& name);
    CDLLFile(const CDLLFile& other);
    CDLLFile& operator=(const CDLLFile& other);
    ~CDLLFile();

    // Throws XOutOfMemory (too many open files, no memory), XBadFormat (not a valid library),
    // XFailedLoadingDLLDependants (a library it needs is missing) or XFailedLoadingDLL.
    std::unique_ptr<NSTramvellInternal::IOpenDLL> Open() const;
    // Read through the framework's module references (the platform tables must be bound).
    CFileVersion GetFileVersion() const;

private:
    std::unique_ptr<NSTramvellInternal::IDLLLoaderImp> mLoader;
};

namespace NSDLLOperationsInternal {

inline constexpr std::uint32_t kWindows95Family = 1;
inline constexpr std::uint32_t kWindowsNTFamily = 2;
// The first NT version that the program runs on (Windows 2000).
inline constexpr std::uint32_t kMinimumNTMajorVersion = 5;

bool IsPlatformVersionSupported(std::uint32_t platformFamily, std::uint32_t majorVersion,
                                std::uint32_t minorVersion);

// Throws what a failed library open with this error code means (see CDLLFile::Open).
[[noreturn]] void ThrowLibraryLoadError(std::uint32_t code);

// The side-by-side assembly that the process's activation context redirects a library name to.
struct CRedirectingAssembly
{
    std::string name;                 // "Microsoft.Windows.Common-Controls"
    std::uint16_t majorVersion = 0;
    bool holdsLoadedFile = false;     // the opened library's file lies in the assembly's folder
};

// The version word (major * 65536 + minor) that IsDLLVersionAtLeast compares: the file's, or at least
// 6.0 for a common-controls assembly of version 6 or later that holds the loaded file.
std::uint32_t ChooseComparedVersion(std::uint32_t fileVersionWord, const CRedirectingAssembly* assembly);

// The assembly name and version out of an encoded identity such as
// 'Microsoft.Windows.Common-Controls,processorArchitecture="x86",version="6.0.2600.2982"'. False when
// the identity has no name.
bool ParseAssemblyIdentity(const std::string& identity, std::string& name, std::uint16_t& majorVersion);

} // namespace NSDLLOperationsInternal

} // namespace NSTramvell
