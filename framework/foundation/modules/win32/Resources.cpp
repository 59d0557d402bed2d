#include "framework/foundation/modules/Resources.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"
#include "framework/foundation/modules/ModuleReference.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

namespace NSTramvell {
namespace {

// A found resource: where it is in memory and how large.
struct CResourceBytes
{
    const void* address;
    std::uint32_t sizeInBytes;
};

// Null when the module has no such resource.
HRSRC FindModuleResource(HMODULE module, const CResourceType& type, std::uint16_t number)
{
    const std::uint16_t standardKind = GetStandardResourceKind(type);
    // The platform reads a type name up to its zero byte; the ruling string keeps at most four characters.
    const std::string typeName = type.GetString();
    const LPCSTR platformType = standardKind != 0 ? MAKEINTRESOURCEA(standardKind) : typeName.c_str();
    return GetKernelTable().FindResourceA(module, MAKEINTRESOURCEA(number), platformType);
}

HRSRC FindExistingResource(HMODULE module, const CResourceType& type, std::uint16_t number)
{
    const HRSRC found = FindModuleResource(module, type, number);
    if (found == nullptr)
        throw XBase();
    return found;
}

CResourceBytes GetResourceBytes(HMODULE module, const CResourceType& type, std::uint16_t number)
{
    const HRSRC found = FindExistingResource(module, type, number);
    const HGLOBAL loaded = GetKernelTable().LoadResource(module, found);
    if (loaded == nullptr)
        throw XFile();
    const void* address = GetKernelTable().LockResource(loaded);
    if (address == nullptr)
        throw XFile();
    return {address, GetKernelTable().SizeofResource(module, found)};
}

} // namespace

bool IsStandardResourceType(const CResourceType& type)
{
    return GetStandardResourceKind(type) != 0;
}

std::uint16_t GetStandardResourceKind(const CResourceType& type)
{
    if (type == "DLOG")
        return kDialogTemplateResourceKind;
    if (type == "BMP ")
        return kBitmapResourceKind;
    return 0;
}

bool CModuleReference::HasResource(const CResourceType& type, std::uint16_t number) const
{
    return FindModuleResource(GetHandle(), type, number) != nullptr;
}

std::uint32_t CModuleReference::GetResourceSize(const CResourceType& type, std::uint16_t number) const
{
    return GetKernelTable().SizeofResource(GetHandle(), FindExistingResource(GetHandle(), type, number));
}

void CModuleReference::CopyResource(const CResourceType& type, std::uint16_t number, void* destination,
                                    std::uint32_t& fullSizeInBytes, std::uint32_t capacityInBytes) const
{
    const CResourceBytes bytes = GetResourceBytes(GetHandle(), type, number);
    const std::uint32_t copiedInBytes = std::min(bytes.sizeInBytes, capacityInBytes);
    if (copiedInBytes != 0)
        std::memcpy(destination, bytes.address, copiedInBytes);
    fullSizeInBytes = bytes.sizeInBytes;
}

std::unique_ptr<COwnedMemoryMedia> CModuleReference::LoadResource(const CResourceType& type,
                                                                  std::uint16_t number) const
{
    const CResourceBytes bytes = GetResourceBytes(GetHandle(), type, number);
    if (bytes.sizeInBytes > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()))
        throw XFile();
    auto media = std::make_unique<COwnedMemoryMedia>(static_cast<std::int32_t>(bytes.sizeInBytes), bytes.address);
    media->SetPosition(0);
    return media;
}

} // namespace NSTramvell
