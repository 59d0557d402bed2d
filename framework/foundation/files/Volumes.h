#pragma once

// The platform's mounted volumes (drives): their roots, kinds, names and space, the volume of the system
// folder, and the folder of a volume's root.

#include "framework/foundation/files/FileSpec.h"
#include "framework/foundation/files/VolumeSpec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace NSTramvell {

// The roots the platform lists ('C:\', upper case), in its order; failure throws XFile.
std::vector<CVolumeSpec> GetMountedVolumes();
// kVolumeKindFloppy for 'A:\' and 'B:\', otherwise from the platform's drive kind; an unknown drive
// throws XFile.
std::uint32_t GetVolumeKind(const CVolumeSpec& volume);
// Kind, whether the name could be read (a drive without a medium cannot), and the name. The platform's
// error boxes stay off for the query.
CVolumeInfo GetVolumeInfo(const CVolumeSpec& volume);
// Name (the drive letter when the volume has none), file system, space and serial number; a volume the
// platform cannot report throws XNotFound.
CMountedVolumeInfo GetMountedVolumeInfo(const CVolumeSpec& volume);
// Free (available to the caller) and total space in allocation units; false when the platform fails.
bool GetDiskFreeSpace(const std::string& root, std::uint32_t& freeUnits, std::uint32_t& totalUnits);
// The volume that holds the system folder; a folder not on a drive throws XFile.
CVolumeSpec GetSystemVolume();
CDirSpec GetVolumeFolder(const CVolumeSpec& volume);

namespace NSVolumesInternal {

// The space of a volume: counts in allocation units, and the byte counts where the platform gives them (0
// otherwise). Units are 4096 bytes when the platform does not tell the size of one.
struct CDiskSpace
{
    std::uint32_t mFreeUnits = 0;
    std::uint32_t mTotalUnits = 0;
    std::uint64_t mFreeBytes = 0;
    std::uint64_t mTotalBytes = 0;
};
bool QueryDiskSpace(const std::string& root, CDiskSpace& space);

} // namespace NSVolumesInternal

} // namespace NSTramvell
