#include "conversion/packer/win32/PackerPlatform.h"

#include "conversion/packer/win32/PackerTable.h"

namespace NSKapletPackerInterface {

CRegistryKey::~CRegistryKey()
{
    if (mKey != nullptr)
        GetPackerTable().RegCloseKey(mKey);
}

CRegistryKey& CRegistryKey::operator=(CRegistryKey&& other) noexcept
{
    if (this != &other) {
        if (mKey != nullptr)
            GetPackerTable().RegCloseKey(mKey);
        mKey = other.mKey;
        other.mKey = nullptr;
    }
    return *this;
}

CKernelHandle::~CKernelHandle()
{
    if (IsValid())
        GetPackerTable().CloseHandle(mHandle);
}

HANDLE CKernelHandle::Release()
{
    const HANDLE handle = mHandle;
    mHandle = nullptr;
    return handle;
}

} // namespace NSKapletPackerInterface
