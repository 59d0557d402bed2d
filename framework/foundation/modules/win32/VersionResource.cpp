#include "framework/foundation/modules/Version.h"

#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/foundation/strings/StringUtilities.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <cstdio>
#include <vector>

namespace NSTramvell {
namespace {

constexpr DWORD kModuleFileNameCapacity = 530;  // 529 characters and the terminating zero

// Switches the platform's error box for files that cannot be opened off while a version block is read,
// and puts the caller's mode back, also when the reading throws.
class CQuietFileErrors
{
public:
    CQuietFileErrors()
        : mPreviousMode(GetKernelTable().SetErrorMode(SEM_NOOPENFILEERRORBOX))
    {
    }
    ~CQuietFileErrors() { GetKernelTable().SetErrorMode(mPreviousMode); }
    CQuietFileErrors(const CQuietFileErrors&) = delete;
    CQuietFileErrors& operator=(const CQuietFileErrors&) = delete;

private:
    const UINT mPreviousMode;
};

std::string GetModuleFilePath(const CModuleReference& module)
{
    char path[kModuleFileNameCapacity];
    const DWORD length = GetKernelTable().GetModuleFileNameA(module.GetHandle(), path, kModuleFileNameCapacity);
    if (length == 0 || length >= kModuleFileNameCapacity)
        throw XBase();
    return std::string(path, length);
}

// The module's whole version block; freed when the vector goes, on every path.
std::vector<std::uint8_t> ReadVersionBlock(const std::string& path)
{
    DWORD ignored = 0;
    const DWORD sizeInBytes = GetKernelTable().GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (sizeInBytes == 0) {
        if (NSVersionInternal::IsMissingVersionBlockError(GetKernelTable().GetLastError()))
            throw XFileNotFound();
        throw XBase();
    }
    std::vector<std::uint8_t> block(sizeInBytes);
    if (!GetKernelTable().GetFileVersionInfoA(path.c_str(), 0, sizeInBytes, block.data()))
        throw XBase();
    return block;
}

void ReadFixedVersion(const std::vector<std::uint8_t>& block, CVersionFields& fields)
{
    void* value = nullptr;
    UINT lengthInBytes = 0;
    if (!GetKernelTable().VerQueryValueA(block.data(), "\\", &value, &lengthInBytes) || value == nullptr ||
        lengthInBytes < sizeof(VS_FIXEDFILEINFO))
        throw XBase();
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    fields.major = HighWord(fixed->dwFileVersionMS);
    fields.minor = LowWord(fixed->dwFileVersionMS);
    fields.bugfix = HighWord(fixed->dwFileVersionLS);
    fields.fourthPart = LowWord(fixed->dwFileVersionLS);
    fields.stage = EVersionStage::kRelease;
    fields.stageNumber = 0;
}

// Our modules state the development stage in the fourth part and the build number as a string.
void ApplyBuildNumber(const std::vector<std::uint8_t>& block, CVersionFields& fields)
{
    std::int32_t buildNumber = 0;
    if (!StringToInt(QueryVersionString(block.data(), "Build Number"), buildNumber))
        return;
    NSVersionInternal::DecodeStageFlags(fields.fourthPart, fields.stage, fields.stageNumber);
    fields.fourthPart = static_cast<std::uint16_t>(buildNumber);
}

std::string QueryProductVersion(const std::vector<std::uint8_t>& block)
{
    const std::string text = QueryVersionString(block.data(), "ProductVersion");
    return text.empty() ? QueryVersionString(block.data(), "Product Version") : text;
}

} // namespace

std::string QueryVersionString(const void* versionBlock, const std::string& key)
{
    void* translations = nullptr;
    UINT translationsSizeInBytes = 0;
    if (!GetKernelTable().VerQueryValueA(versionBlock, "\\VarFileInfo\\Translation", &translations,
                                         &translationsSizeInBytes) ||
        translations == nullptr)
        return std::string();
    const auto* pairs = static_cast<const std::uint8_t*>(translations);
    for (UINT offset = 0; translationsSizeInBytes - offset >= 4; offset += 4) {
        char query[64];
        std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\", ReadLittleEndian16(pairs + offset),
                      ReadLittleEndian16(pairs + offset + 2));
        void* value = nullptr;
        UINT lengthInChars = 0;
        if (!GetKernelTable().VerQueryValueA(versionBlock, (query + key).c_str(), &value, &lengthInChars) ||
            value == nullptr)
            continue;
        const char* text = static_cast<const char*>(value);
        std::string found;
        for (UINT i = 0; i < lengthInChars && text[i] != 0; ++i)
            found.push_back(text[i]);
        if (!found.empty())
            return found;
    }
    return std::string();
}

CVersionFields ReadVersionFields(const CModuleReference& module)
{
    const std::string path = GetModuleFilePath(module);
    const CQuietFileErrors quiet;
    const std::vector<std::uint8_t> block = ReadVersionBlock(path);
    CVersionFields fields;
    ReadFixedVersion(block, fields);
    ApplyBuildNumber(block, fields);
    fields.productVersion = QueryProductVersion(block);
    return fields;
}

CFileVersion GetModuleFileVersion(const CModuleReference& module)
{
    const CVersionFields fields = ReadVersionFields(module);
    return CFileVersion(fields.major, fields.minor, fields.bugfix, fields.fourthPart);
}

CTramvellFileVersion GetModuleTramvellVersion(const CModuleReference& module)
{
    const CVersionFields fields = ReadVersionFields(module);
    return CTramvellFileVersion(fields.major, fields.minor, fields.bugfix, fields.stageNumber, fields.stage,
                                fields.fourthPart);
}

std::string ReadProductVersion(const CModuleReference& module)
{
    const std::string path = GetModuleFilePath(module);
    const CQuietFileErrors quiet;
    const std::vector<std::uint8_t> block = ReadVersionBlock(path);
    CVersionFields ignored;
    ReadFixedVersion(block, ignored);
    return QueryProductVersion(block);
}

} // namespace NSTramvell
