#pragma once

// The drive functions: opening and closing a drive, its geometry and its disc's table of contents.
// Failures throw XDriveIsBusy when the drive is not ready or held elsewhere, XFile otherwise.

#include "framework/foundation/platform/win32/PlatformWin32.h"
#include "libs/rawdisk/win32/DriveHandle.h"

#include <cstdint>
#include <string>

namespace NSBrakvelImplementation {

constexpr DWORD kCheckVerifyControlCode = 0x2D4800;
constexpr DWORD kLockVolumeControlCode = 0x90018;
constexpr DWORD kDismountVolumeControlCode = 0x90020;
constexpr DWORD kMediaRemovalControlCode = 0x2D4804;
constexpr DWORD kEjectMediaControlCode = 0x2D4808;
constexpr DWORD kGetDriveGeometryControlCode = 0x70000;
constexpr DWORD kReadTableOfContentsControlCode = 0x24000;

// The device's geometry record, declared here so its layout is ours to check.
struct CDiskGeometry
{
    std::int64_t cylinders;
    std::uint32_t mediaType;
    std::uint32_t tracksPerCylinder;
    std::uint32_t sectorsPerTrack;
    std::uint32_t bytesPerSector;
};
static_assert(sizeof(CDiskGeometry) == 24, "the device writes a 24-byte geometry record");

// driveName is "E:"; the drive is opened for reading, exclusively.
CDriveHandle OpenDrive(const std::string& driveName);
// Throws XFile when the close fails.
void CloseDrive(CDriveHandle handle);
CDiskGeometry GetDriveGeometry(HANDLE drive);
// A disc whose first track holds data and is followed by others; false when the table cannot be read.
bool IsMultiTrackDataCD(HANDLE drive);
// The length of the first data track of a multi-track data disc, 0 for other discs.
std::int64_t GetFirstDataTrackFrames(HANDLE drive);

} // namespace NSBrakvelImplementation
