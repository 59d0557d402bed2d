#pragma once

// One opened drive with a medium, as the program sees it. It owns the byte media, which owns the block
// device, which owns the drive handle; an eject closes them all.

#include "framework/foundation/platform/win32/PlatformWin32.h"
#include "libs/rawdisk/Brakvel.h"
#include "libs/rawdisk/BlockyMedia.h"
#include "libs/rawdisk/win32/DriveHandle.h"

#include <memory>

namespace NSBrakvelImplementation {

class CVolume : public NSBrakvel::IVolume
{
public:
    // Takes the drive; when the construction fails, the drive is closed once, by whoever holds it then.
    explicit CVolume(CDriveHandle&& drive);
    CVolume(const CVolume&) = delete;
    CVolume& operator=(const CVolume&) = delete;
    ~CVolume() override;

    int Eject() override;
    int GetFlag(bool* out) override;
    int GetSize(std::int64_t* sizeInBytes) override;
    int Read(std::uint64_t offset, std::uint64_t length, void* destination) override;
    int Release() override;

private:
    void EjectMedium();

    std::unique_ptr<CBlockyMedia> mMedia;  // null once ejected
    bool mEjected = false;
    HANDLE mDrive;                         // borrowed from the media's device; null once ejected
};

} // namespace NSBrakvelImplementation
