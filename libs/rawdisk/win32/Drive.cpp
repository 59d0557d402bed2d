#include "libs/rawdisk/win32/Drive.h"

#include "libs/rawdisk/BrakvelExceptions.h"
#include "libs/rawdisk/win32/DeviceTable.h"

namespace NSBrakvelImplementation {

namespace {

constexpr DWORD kErrorNotReady = 21;
constexpr DWORD kErrorSharingViolation = 32;
constexpr DWORD kErrorLockViolation = 33;

constexpr std::uint8_t kDataTrackControl = 4;
constexpr std::int64_t kFramesPerMinute = 4500;
constexpr std::int64_t kFramesPerSecond = 75;
// The lead-out and pre-gap that lie between a data track and the track after it.
constexpr std::int64_t kTrackGapInFrames = 225;

struct CTrackEntry
{
    std::uint8_t reserved;
    std::uint8_t controlAndAddressType;  // control in the low nibble
    std::uint8_t trackNumber;
    std::uint8_t reserved2;
    std::uint8_t address[4];             // 0, minutes, seconds, frames
};

struct CTableOfContents
{
    std::uint8_t length[2];
    std::uint8_t firstTrack;
    std::uint8_t lastTrack;
    CTrackEntry tracks[100];
};
static_assert(sizeof(CTableOfContents) == 804, "the device writes an 804-byte table of contents");

bool ReadTableOfContents(HANDLE drive, CTableOfContents& contents)
{
    DWORD bytesReturned = 0;
    return GetDeviceTable().DeviceIoControl(drive, kReadTableOfContentsControlCode, nullptr, 0, &contents,
                                            sizeof contents, &bytesReturned, nullptr) != FALSE;
}

bool StartsWithDataTrackAmongOthers(const CTableOfContents& contents)
{
    return contents.firstTrack != contents.lastTrack &&
           (contents.tracks[0].controlAndAddressType & 0x0F) == kDataTrackControl;
}

std::int64_t FramesOf(const CTrackEntry& track)
{
    return track.address[1] * kFramesPerMinute + track.address[2] * kFramesPerSecond + track.address[3];
}

} // namespace

CDriveHandle OpenDrive(const std::string& driveName)
{
    const std::string path = "\\\\.\\" + driveName;
    const CDeviceTable& table = GetDeviceTable();
    HANDLE drive = table.CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (drive == INVALID_HANDLE_VALUE) {
        const DWORD error = table.GetLastError();
        if (error == kErrorNotReady || error == kErrorSharingViolation || error == kErrorLockViolation)
            throw XDriveIsBusy();
        throw XFile();
    }
    return CDriveHandle(drive);
}

void CloseDrive(CDriveHandle handle)
{
    if (!GetDeviceTable().CloseHandle(handle.Release()))
        throw XFile();
}

CDiskGeometry GetDriveGeometry(HANDLE drive)
{
    const CDeviceTable& table = GetDeviceTable();
    CDiskGeometry geometry{};
    DWORD bytesReturned = 0;
    if (!table.DeviceIoControl(drive, kGetDriveGeometryControlCode, nullptr, 0, &geometry, sizeof geometry,
                               &bytesReturned, nullptr)) {
        if (table.GetLastError() == kErrorNotReady)
            throw XDriveIsBusy();
        throw XFile();
    }
    return geometry;
}

bool IsMultiTrackDataCD(HANDLE drive)
{
    CTableOfContents contents{};
    return ReadTableOfContents(drive, contents) && StartsWithDataTrackAmongOthers(contents);
}

std::int64_t GetFirstDataTrackFrames(HANDLE drive)
{
    CTableOfContents contents{};
    if (!ReadTableOfContents(drive, contents))
        throw XFile();
    if (!StartsWithDataTrackAmongOthers(contents))
        return 0;
    return FramesOf(contents.tracks[1]) - FramesOf(contents.tracks[0]) - kTrackGapInFrames;
}

} // namespace NSBrakvelImplementation
