#include "akai/client/MountFilter.h"

#include "akai/filesystem/AkaiFileSystem.h"
#include "akai/client/AkaiFileSystemBrakvelMedia.h"
#include "akai/client/VolumeHolder.h"

namespace NSAkaiFileSystem {

bool IsMountableAkaiVolume(NSBrakvel::CVolumeHolder* volume)
{
    if (volume == nullptr || volume->GetFlag())
        return false;
    CAkaiFileSystemBrakvelMedia disc(*volume);
    return IsAkaiDisk(disc);
}

} // namespace NSAkaiFileSystem
