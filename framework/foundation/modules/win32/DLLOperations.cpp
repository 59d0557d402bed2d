#include "framework/foundation/modules/DLLOperations.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/foundation/strings/StringUtilities.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <new>
#include <vector>

// Everything here but CDLLFile::GetFileVersion calls the platform directly: the program entry runs these
// tests before it binds the platform tables.

namespace NSTramvell {
namespace {

constexpr DWORD kLibraryPathCapacity = 261;
constexpr DWORD kModuleFileNameCapacity = 260;

static_assert(sizeof(OSVERSIONINFOA) == 148);

bool QueryPlatformVersion(OSVERSIONINFOA& info)
{
    info = {};
    info.dwOSVersionInfoSize = sizeof info;
    return ::GetVersionExA(&info) != FALSE;
}

// Restores the caller's error mode, frees the version block and closes the library on every path.
class CLibraryVersionQuery
{
public:
    explicit CLibraryVersionQuery(HMODULE library)
        : mLibrary(library)
        , mPreviousErrorMode(::SetErrorMode(SEM_NOOPENFILEERRORBOX))
    {
    }
    ~CLibraryVersionQuery()
    {
        ::SetErrorMode(mPreviousErrorMode);
        ::FreeLibrary(mLibrary);
    }
    CLibraryVersionQuery(const CLibraryVersionQuery&) = delete;
    CLibraryVersionQuery& operator=(const CLibraryVersionQuery&) = delete;

    // False when the file name, the version block or its fixed part cannot be read.
    bool ReadFileVersionWord(std::string& path, std::uint32_t& word)
    {
        char name[kModuleFileNameCapacity];
        const DWORD length = ::GetModuleFileNameA(mLibrary, name, kModuleFileNameCapacity);
        if (length == 0 || length >= kModuleFileNameCapacity)
            return false;
        path.assign(name, length);
        DWORD ignored = 0;
        const DWORD sizeInBytes = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
        if (sizeInBytes == 0)
            return false;
        mBlock.resize(sizeInBytes);
        if (!::GetFileVersionInfoA(path.c_str(), 0, sizeInBytes, mBlock.data()))
            return false;
        void* value = nullptr;
        UINT valueLength = 0;
        if (!::VerQueryValueA(mBlock.data(), "\\", &value, &valueLength) || value == nullptr ||
            valueLength < sizeof(VS_FIXEDFILEINFO))
            return false;
        word = static_cast<const VS_FIXEDFILEINFO*>(value)->dwFileVersionMS;
        return true;
    }

private:
    HMODULE mLibrary;
    const UINT mPreviousErrorMode;
    std::vector<std::uint8_t> mBlock;
};

std::string NarrowText(const wchar_t* text)
{
    std::string narrow;
    for (; text != nullptr && *text != 0; ++text)
        narrow.push_back(*text < 0x80 ? static_cast<char>(*text) : '?');
    return narrow;
}

std::string FolderNameOfFile(const std::string& path)
{
    const std::size_t fileStart = path.find_last_of('\\');
    if (fileStart == std::string::npos || fileStart == 0)
        return std::string();
    const std::size_t folderStart = path.find_last_of('\\', fileStart - 1);
    return path.substr(folderStart == std::string::npos ? 0 : folderStart + 1,
                       fileStart - (folderStart == std::string::npos ? 0 : folderStart + 1));
}

// The assembly that the process's activation context redirects the name to; false when none does.
bool FindRedirectingAssembly(const std::string& libraryName, const std::string& loadedPath,
                             NSDLLOperationsInternal::CRedirectingAssembly& assembly)
{
    ACTCTX_SECTION_KEYED_DATA redirection{};
    redirection.cbSize = sizeof redirection;
    if (!::FindActCtxSectionStringA(FIND_ACTCTX_SECTION_KEY_RETURN_HACTCTX, nullptr,
                                    ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, libraryName.c_str(), &redirection))
        return false;
    bool found = false;
    DWORD rosterIndex = redirection.ulAssemblyRosterIndex;
    SIZE_T neededInBytes = 0;
    ::QueryActCtxW(0, redirection.hActCtx, &rosterIndex, AssemblyDetailedInformationInActivationContext, nullptr,
                   0, &neededInBytes);
    if (neededInBytes >= sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION)) {
        // Kept in pointer-sized words, so the record at its start is aligned as the platform wants it.
        std::vector<void*> buffer((neededInBytes + sizeof(void*) - 1) / sizeof(void*));
        if (::QueryActCtxW(0, redirection.hActCtx, &rosterIndex, AssemblyDetailedInformationInActivationContext,
                           buffer.data(), buffer.size() * sizeof(void*), &neededInBytes)) {
            const auto* information =
                reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
            found = NSDLLOperationsInternal::ParseAssemblyIdentity(
                NarrowText(information->lpAssemblyEncodedAssemblyIdentity), assembly.name, assembly.majorVersion);
            const std::string folder = NarrowText(information->lpAssemblyDirectoryName);
            assembly.holdsLoadedFile = !folder.empty() && CompareNoCase(folder, FolderNameOfFile(loadedPath)) == 0;
        }
    }
    ::ReleaseActCtx(redirection.hActCtx);
    return found;
}

} // namespace

bool IsWindowsVersionSupported()
{
    OSVERSIONINFOA info;
    if (!QueryPlatformVersion(info))
        return false;
    return NSDLLOperationsInternal::IsPlatformVersionSupported(info.dwPlatformId, info.dwMajorVersion,
                                                               info.dwMinorVersion);
}

CVersion GetOSVersion()
{
    OSVERSIONINFOA info;
    if (!QueryPlatformVersion(info))
        throw XBase();
    return CVersion(LowByte(info.dwMajorVersion), LowByte(info.dwMinorVersion));
}

namespace NSDLLOperations {

bool IsDLLVersionAtLeast(const std::string& name, std::uint16_t major, std::uint16_t minor)
{
    const HMODULE library = ::LoadLibraryA(name.c_str());
    if (library == nullptr)
        return false;
    CLibraryVersionQuery query(library);
    std::string path;
    std::uint32_t fileVersionWord = 0;
    if (!query.ReadFileVersionWord(path, fileVersionWord))
        return false;
    NSDLLOperationsInternal::CRedirectingAssembly assembly;
    const bool redirected = FindRedirectingAssembly(name, path, assembly);
    const std::uint32_t compared =
        NSDLLOperationsInternal::ChooseComparedVersion(fileVersionWord, redirected ? &assembly : nullptr);
    return compared >= MakeLong(major, minor);
}

} // namespace NSDLLOperations

namespace NSTramvellInternal {

class COpenDLLWin : public IOpenDLL
{
public:
    explicit COpenDLLWin(HMODULE library)
        : mLibrary(library)
    {
    }
    ~COpenDLLWin() override { ::FreeLibrary(mLibrary); }
    COpenDLLWin(const COpenDLLWin&) = delete;
    COpenDLLWin& operator=(const COpenDLLWin&) = delete;

    TFunctionAddress GetFunction(const std::string& name) override
    {
        const FARPROC address = ::GetProcAddress(mLibrary, name.c_str());
        if (address == nullptr)
            throw XBase();
        return reinterpret_cast<TFunctionAddress>(address);
    }

    bool HasFunction(const std::string& name) override { return ::GetProcAddress(mLibrary, name.c_str()) != nullptr; }

private:
    HMODULE mLibrary;
};

class CDLLLoaderWin : public IDLLLoaderImp
{
public:
    explicit CDLLLoaderWin(const std::string& path)
        : mPath(path)
    {
    }

    std::unique_ptr<IDLLLoaderImp> Clone() const override { return std::make_unique<CDLLLoaderWin>(mPath); }

    CFileVersion GetFileVersion() const override { return GetModuleFileVersion(OpenModule(CFileSpec(mPath))); }

    std::unique_ptr<IOpenDLL> Open() const override
    {
        const HMODULE library = ::LoadLibraryA(mPath.c_str());
        if (library == nullptr)
            NSDLLOperationsInternal::ThrowLibraryLoadError(::GetLastError());
        try {
            return std::make_unique<COpenDLLWin>(library);
        } catch (const std::bad_alloc&) {
            ::FreeLibrary(library);
            throw;
        }
    }

private:
    std::string mPath;
};

} // namespace NSTramvellInternal

CDLLFile::CDLLFile(const std::string& name)
{
    char path[kLibraryPathCapacity];
    LPSTR filePart = nullptr;
    const DWORD length = ::SearchPathA(nullptr, name.c_str(), ".dll", kLibraryPathCapacity, path, &filePart);
    if (length == 0 || length >= kLibraryPathCapacity)
        throw XNotFound();
    mLoader = std::make_unique<NSTramvellInternal::CDLLLoaderWin>(std::string(path, length));
}

CDLLFile::CDLLFile(const CDLLFile& other)
    : mLoader(other.mLoader->Clone())
{
}

CDLLFile& CDLLFile::operator=(const CDLLFile& other)
{
    if (this != &other)
        mLoader = other.mLoader->Clone();
    return *this;
}

CDLLFile::~CDLLFile() = default;

std::unique_ptr<NSTramvellInternal::IOpenDLL> CDLLFile::Open() const
{
    return mLoader->Open();
}

CFileVersion CDLLFile::GetFileVersion() const
{
    return mLoader->GetFileVersion();
}

} // namespace NSTramvell
