#include "libs/rawdisk/win32/Volume.h"

#include "libs/rawdisk/BrakvelExceptions.h"
#include "libs/rawdisk/win32/DeviceTable.h"
#include "libs/rawdisk/win32/DiskBlockDevice.h"
#include "libs/rawdisk/win32/Drive.h"

#include <stdexcept>

namespace NSBrakvelImplementation {

namespace {

bool SendControl(HANDLE drive, DWORD controlCode, void* input = nullptr, DWORD inputSize = 0)
{
    DWORD bytesReturned = 0;
    return GetDeviceTable().DeviceIoControl(drive, controlCode, input, inputSize, nullptr, 0, &bytesReturned,
                                            nullptr) != FALSE;
}

} // namespace

CVolume::CVolume(CDriveHandle&& drive)
    : mDrive(drive.Get())
{
    mMedia = std::make_unique<CBlockyMedia>(std::make_unique<CDiskBlockDevice>(std::move(drive)));
}

CVolume::~CVolume() = default;

int CVolume::Eject()
{
    if (mEjected)
        return NSBrakvel::kBrakvelIllegalCallSequence;
    return CatchToStatus([&] { EjectMedium(); });
}

void CVolume::EjectMedium()
{
    // Files open on the volume elsewhere make the lock fail: the drive is busy, not broken.
    if (!SendControl(mDrive, kLockVolumeControlCode))
        throw XDriveIsBusy();
    if (!SendControl(mDrive, kDismountVolumeControlCode))
        throw XFile();
    BYTE preventRemoval = 0;
    if (!SendControl(mDrive, kMediaRemovalControlCode, &preventRemoval, sizeof preventRemoval))
        throw XFile();
    if (!SendControl(mDrive, kEjectMediaControlCode))
        throw XFile();
    mMedia.reset();
    mDrive = nullptr;
    mEjected = true;
}

int CVolume::GetFlag(bool* out)
{
    *out = false;
    return NSBrakvel::kBrakvelSuccess;
}

int CVolume::GetSize(std::int64_t* sizeInBytes)
{
    if (mEjected)
        return NSBrakvel::kBrakvelIllegalCallSequence;
    return CatchToStatus([&] { *sizeInBytes = mMedia->GetSize(); });
}

int CVolume::Read(std::uint64_t offset, std::uint64_t length, void* destination)
{
    if (mEjected)
        return NSBrakvel::kBrakvelIllegalCallSequence;
    return CatchToStatus([&] {
        const std::int32_t size = mMedia->GetSize();
        if (size < 0)
            throw XFile();
        const std::uint64_t sizeInBytes = static_cast<std::uint64_t>(size);
        if (offset > sizeInBytes || length > sizeInBytes - offset)
            throw std::invalid_argument("");
        mMedia->ReadAt(static_cast<std::int32_t>(offset), static_cast<std::int32_t>(length), destination);
    });
}

int CVolume::Release()
{
    delete this;
    return NSBrakvel::kBrakvelSuccess;
}

} // namespace NSBrakvelImplementation
