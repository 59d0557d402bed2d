#include "framework/foundation/ipc/SharedMemory.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace NSTramvell {

namespace {

constexpr std::uint32_t kGuardSize = 8;
constexpr std::uint8_t kGuardByte = 0x77;
constexpr DWORD kErrorAlreadyExists = 183;
// The mapping must stay within what a 32-bit process can map.
constexpr std::uint32_t kLargestUserSize = 0x40000000;

[[noreturn]] void ThrowSharedMemoryError(const char* what)
{
    throw std::runtime_error(what);
}

} // namespace

CABCSharedMemoryImplementation::~CABCSharedMemoryImplementation() = default;

CWinSharedMemoryImplementation::CWinSharedMemoryImplementation(const CApplicationDefinedSignature& signature,
                                                               std::uint32_t sizeInBytes)
    : mSignature(signature)
    , mSize(sizeInBytes)
    , mMappingName(MakeMappingName(signature))
{
    if (sizeInBytes > kLargestUserSize)
        ThrowSharedMemoryError("shared memory: the block is too large");
    const std::uint32_t mappingSize = sizeInBytes + 2 * kGuardSize;
    CreateBackingFile(mappingSize);
    try {
        CKernelTable& kernel = GetKernelTable();
        mMapping = kernel.CreateFileMappingA(mBackingFile, nullptr, PAGE_READWRITE, 0, mappingSize,
                                             mMappingName.c_str());
        if (mMapping == nullptr)
            ThrowSharedMemoryError("shared memory: the mapping could not be created");
        if (kernel.GetLastError() == kErrorAlreadyExists)
            ThrowSharedMemoryError("shared memory: a block of this name exists already");
        MapWholeView();
        std::fill_n(mBase, kGuardSize, kGuardByte);
        std::fill_n(mBase + kGuardSize + sizeInBytes, kGuardSize, kGuardByte);
    } catch (...) {
        Release();
        throw;
    }
}

CWinSharedMemoryImplementation::CWinSharedMemoryImplementation(const CApplicationDefinedSignature& signature)
    : mSignature(signature)
    , mMappingName(MakeMappingName(signature))
{
    mMapping = GetKernelTable().OpenFileMappingA(FILE_MAP_WRITE, FALSE, mMappingName.c_str());
    if (mMapping == nullptr)
        ThrowSharedMemoryError("shared memory: no block of this name");
    try {
        MapWholeView();
    } catch (...) {
        Release();
        throw;
    }
}

CWinSharedMemoryImplementation::~CWinSharedMemoryImplementation()
{
    Release();
}

void CWinSharedMemoryImplementation::CreateBackingFile(std::uint32_t fileSizeInBytes)
{
    CKernelTable& kernel = GetKernelTable();
    char folder[MAX_PATH + 1] = {};
    const DWORD folderLength = kernel.GetTempPathA(sizeof folder, folder);
    if (folderLength == 0 || folderLength >= sizeof folder)
        ThrowSharedMemoryError("shared memory: no temporary folder");
    char path[MAX_PATH + 1] = {};
    if (kernel.GetTempFileNameA(folder, "KVO", 0, path) == 0)
        ThrowSharedMemoryError("shared memory: no temporary file name");
    mBackingFile = kernel.CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_RANDOM_ACCESS,
                                      nullptr);
    if (mBackingFile == INVALID_HANDLE_VALUE) {
        mBackingFile = nullptr;
        // The name's empty file was made by asking for it.
        kernel.DeleteFileA(path);
        ThrowSharedMemoryError("shared memory: the backing file could not be created");
    }
    const std::vector<std::uint8_t> zeros(fileSizeInBytes);
    DWORD written = 0;
    if (!kernel.WriteFile(mBackingFile, zeros.data(), fileSizeInBytes, &written, nullptr) || written != fileSizeInBytes) {
        kernel.CloseHandle(mBackingFile);
        mBackingFile = nullptr;
        ThrowSharedMemoryError("shared memory: the backing file could not be filled");
    }
}

void CWinSharedMemoryImplementation::MapWholeView()
{
    mBase = static_cast<std::uint8_t*>(GetKernelTable().MapViewOfFile(mMapping, FILE_MAP_WRITE, 0, 0, 0));
    if (mBase == nullptr)
        ThrowSharedMemoryError("shared memory: the block could not be mapped");
}

std::uint8_t* CWinSharedMemoryImplementation::GetData() const
{
    return mBase == nullptr ? nullptr : mBase + kGuardSize;
}

std::uint64_t CWinSharedMemoryImplementation::GetDataSize() const
{
    if (mBase == nullptr)
        return 0;
    if (mSize != 0)
        return mSize;
    MEMORY_BASIC_INFORMATION region{};
    if (GetKernelTable().VirtualQuery(mBase, &region, sizeof region) != sizeof region
        || region.RegionSize < kGuardSize)
        return 0;
    return region.RegionSize - kGuardSize;
}

void CWinSharedMemoryImplementation::Release()
{
    CKernelTable& kernel = GetKernelTable();
    if (mBase != nullptr)
        kernel.UnmapViewOfFile(mBase);
    if (mMapping != nullptr)
        kernel.CloseHandle(mMapping);
    if (mBackingFile != nullptr)
        kernel.CloseHandle(mBackingFile);
    mBase = nullptr;
    mMapping = nullptr;
    mBackingFile = nullptr;
    mSize = 0;
}

bool CWinSharedMemoryImplementation::Exists(const CApplicationDefinedSignature& signature)
{
    const HANDLE mapping = GetKernelTable().OpenFileMappingA(FILE_MAP_READ, FALSE, MakeMappingName(signature).c_str());
    if (mapping == nullptr)
        return false;
    GetKernelTable().CloseHandle(mapping);
    return true;
}

std::string CWinSharedMemoryImplementation::MakeMappingName(const CApplicationDefinedSignature& signature)
{
    return "Tandil_" + signature.GetString() + "_FileMap";
}

CSharedMemory::CSharedMemory() = default;

CSharedMemory::~CSharedMemory()
{
    Release();
}

void CSharedMemory::Create(const CApplicationDefinedSignature& signature, std::uint32_t sizeInBytes)
{
    Release();
    mImplementation = std::make_unique<CWinSharedMemoryImplementation>(signature, sizeInBytes);
}

void CSharedMemory::Open(const CApplicationDefinedSignature& signature)
{
    Release();
    mImplementation = std::make_unique<CWinSharedMemoryImplementation>(signature);
}

std::uint8_t* CSharedMemory::GetData() const
{
    return mImplementation == nullptr ? nullptr : mImplementation->GetData();
}

std::uint64_t CSharedMemory::GetDataSize() const
{
    return mImplementation == nullptr ? 0 : mImplementation->GetDataSize();
}

void CSharedMemory::Release()
{
    mImplementation.reset();
}

bool CSharedMemory::Exists(const CApplicationDefinedSignature& signature)
{
    return CWinSharedMemoryImplementation::Exists(signature);
}

} // namespace NSTramvell
