#include "libs/rawdisk/win32/DriveHandle.h"

#include "libs/rawdisk/win32/DeviceTable.h"

namespace NSBrakvelImplementation {

CDriveHandle::CDriveHandle(HANDLE handle) noexcept
    : mHandle(handle)
{
}

CDriveHandle::CDriveHandle(CDriveHandle&& other) noexcept
    : mHandle(other.Release())
{
}

CDriveHandle::~CDriveHandle()
{
    if (mHandle)
        GetDeviceTable().CloseHandle(mHandle);
}

HANDLE CDriveHandle::Release() noexcept
{
    HANDLE handle = mHandle;
    mHandle = nullptr;
    return handle;
}

} // namespace NSBrakvelImplementation
