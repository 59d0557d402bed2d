#include "framework/foundation/files/Volumes.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/Folders.h"
#include "framework/foundation/strings/StringUtilities.h"
#include "framework/foundation/files/win32/FileSystemCalls.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace NSTramvell {
namespace {

constexpr DWORD kDriveListSizeInChars = 600;
constexpr DWORD kVolumeNameSizeInChars = kMaximumPathLength + 1;
constexpr DWORD kFileSystemNameSizeInChars = 10;
constexpr UINT kFailCriticalErrors = 1;
constexpr std::uint64_t kUnitSizeWhenUnknownInBytes = 4096;

// The platform's error boxes ("no disk in drive") stay off while a volume is asked about.
class CCriticalErrorsOff
{
public:
    CCriticalErrorsOff()
        : mPreviousMode(SetPlatformErrorMode(kFailCriticalErrors))
    {
    }
    CCriticalErrorsOff(const CCriticalErrorsOff&) = delete;
    CCriticalErrorsOff& operator=(const CCriticalErrorsOff&) = delete;
    ~CCriticalErrorsOff() { SetPlatformErrorMode(mPreviousMode); }

private:
    UINT mPreviousMode;
};

std::uint32_t CountOf(std::uint64_t value)
{
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(value, std::numeric_limits<std::uint32_t>::max()));
}

struct CVolumeQuery
{
    bool mAnswered = false;
    std::string mName;
    std::string mFileSystemName;
    DWORD mSerialNumber = 0;
};

CVolumeQuery QueryVolume(const std::string& root)
{
    CVolumeQuery query;
    char name[kVolumeNameSizeInChars] = {};
    char fileSystemName[kFileSystemNameSizeInChars] = {};
    DWORD maximumComponentLength = 0;
    DWORD flags = 0;
    {
        const CCriticalErrorsOff errorBoxesOff;
        query.mAnswered = GetVolumeInformationOf(root.c_str(), name, kVolumeNameSizeInChars, &query.mSerialNumber,
                                                 &maximumComponentLength, &flags, fileSystemName,
                                                 kFileSystemNameSizeInChars) != FALSE;
    }
    query.mName.assign(name, strnlen(name, sizeof name));
    query.mFileSystemName.assign(fileSystemName, strnlen(fileSystemName, sizeof fileSystemName));
    return query;
}

} // namespace

std::vector<CVolumeSpec> GetMountedVolumes()
{
    char roots[kDriveListSizeInChars] = {};
    const DWORD length = GetDriveRootTexts(kDriveListSizeInChars, roots);
    if (length == 0 || length >= kDriveListSizeInChars)
        throw XFile();
    std::vector<CVolumeSpec> volumes;
    for (DWORD start = 0; start < length;) {
        std::string root(roots + start, strnlen(roots + start, length - start));
        start += static_cast<DWORD>(root.size()) + 1;
        if (root.size() == 2)
            root += '\\';
        if (root.size() == 3)
            volumes.emplace_back(ToUpperCopy(root));
    }
    return volumes;
}

std::uint32_t GetVolumeKind(const CVolumeSpec& volume)
{
    const std::string root = volume.GetName();
    if (CompareNoCase(root, "a:\\") == 0 || CompareNoCase(root, "b:\\") == 0)
        return kVolumeKindFloppy;
    switch (GetDriveKindOf(root.c_str())) {
    case 0:
        throw XFile();
    case DRIVE_REMOVABLE:
        return kVolumeKindRemovable;
    case DRIVE_FIXED:
        return kVolumeKindFixed;
    case DRIVE_REMOTE:
        return kVolumeKindRemote;
    case DRIVE_CDROM:
        return kVolumeKindCDROM;
    default:
        return kVolumeKindOther;
    }
}

CVolumeInfo GetVolumeInfo(const CVolumeSpec& volume)
{
    const std::uint32_t kind = GetVolumeKind(volume);
    const CVolumeQuery query = QueryVolume(volume.GetName());
    return CVolumeInfo(kind, query.mAnswered, kind == kVolumeKindCDROM, query.mAnswered ? query.mName : "");
}

CMountedVolumeInfo GetMountedVolumeInfo(const CVolumeSpec& volume)
{
    const std::string root = volume.GetName();
    const CVolumeQuery query = QueryVolume(root);
    if (!query.mAnswered)
        throw XNotFound();
    NSVolumesInternal::CDiskSpace space;
    if (!NSVolumesInternal::QueryDiskSpace(root, space))
        throw XNotFound();
    const std::string name = query.mName.empty() ? root.substr(0, 1) : query.mName;
    return CMountedVolumeInfo(CVolumeName(name), query.mFileSystemName, space.mFreeUnits, space.mTotalUnits,
                              space.mFreeBytes, space.mTotalBytes, 0, 0, query.mSerialNumber);
}

bool GetDiskFreeSpace(const std::string& root, std::uint32_t& freeUnits, std::uint32_t& totalUnits)
{
    NSVolumesInternal::CDiskSpace space;
    const bool answered = NSVolumesInternal::QueryDiskSpace(root, space);
    freeUnits = space.mFreeUnits;
    totalUnits = space.mTotalUnits;
    return answered;
}

CVolumeSpec GetSystemVolume()
{
    const std::string drive = GetDriveOfPath(GetSystemFolder().GetPath());
    const bool driveForm = (drive.size() == 2 && drive[1] == ':') || (drive.size() == 3 && drive.substr(1) == ":\\");
    if (!driveForm)
        throw XFile();
    return CVolumeSpec(ToUpperCopy(drive.substr(0, 1)) + ":\\");
}

CDirSpec GetVolumeFolder(const CVolumeSpec& volume)
{
    return CDirSpec(volume.GetName());
}

namespace NSVolumesInternal {

bool QueryDiskSpace(const std::string& root, CDiskSpace& space)
{
    space = CDiskSpace();
    ULARGE_INTEGER freeToCaller = {};
    ULARGE_INTEGER total = {};
    ULARGE_INTEGER free = {};
    DWORD sectorsPerUnit = 0;
    DWORD bytesPerSector = 0;
    DWORD freeUnits = 0;
    DWORD totalUnits = 0;
    if (!GetDiskFreeBytes(root.c_str(), &freeToCaller, &total, &free)) {
        // Systems without the byte query (its entry answers "not implemented") count in units only.
        if (GetLastPlatformError() != ERROR_CALL_NOT_IMPLEMENTED)
            return false;
        if (!GetDiskFreeUnits(root.c_str(), &sectorsPerUnit, &bytesPerSector, &freeUnits, &totalUnits))
            return false;
        space.mFreeUnits = freeUnits;
        space.mTotalUnits = totalUnits;
        return true;
    }
    space.mFreeBytes = freeToCaller.QuadPart;
    space.mTotalBytes = total.QuadPart;
    const bool unitKnown = GetDiskFreeUnits(root.c_str(), &sectorsPerUnit, &bytesPerSector, &freeUnits,
                                            &totalUnits) &&
                           sectorsPerUnit != 0 && bytesPerSector != 0;
    if (unitKnown) {
        space.mFreeUnits = CountOf(space.mFreeBytes / sectorsPerUnit / bytesPerSector);
        space.mTotalUnits = CountOf(space.mTotalBytes / sectorsPerUnit / bytesPerSector);
    } else {
        space.mFreeUnits = CountOf(space.mFreeBytes / kUnitSizeWhenUnknownInBytes);
        space.mTotalUnits = CountOf(space.mTotalBytes / kUnitSizeWhenUnknownInBytes);
    }
    return true;
}

} // namespace NSVolumesInternal

} // namespace NSTramvell
