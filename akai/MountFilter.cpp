#include "akai/MountFilter.h"

#include "akai/AkaiFileSystem.h"
#include "akai/AkaiFileSystemBrakvelMedia.h"
#include "akai/VolumeHolder.h"

namespace NSAkaiFileSystem {

bool IsMountableAkaiVolume(NSBrakvel::CVolumeHolder* volume)
{
    if (volume == nullptr || volume->GetFlag())
        return false;
    CAkaiFileSystemBrakvelMedia disc(*volume);
    return IsAkaiDisk(disc);
}

} // namespace NSAkaiFileSystem
