#include "libs/rawdisk/VolumeIterator.h"

#include "libs/rawdisk/BrakvelExceptions.h"
#include "libs/rawdisk/win32/DeviceTable.h"
#include "libs/rawdisk/win32/Drive.h"
#include "libs/rawdisk/win32/Volume.h"

#include <memory>
#include <optional>

namespace NSBrakvelImplementation {

namespace {

constexpr DWORD kFirstDriveStringsBufferLength = 25;
constexpr UINT kDriveTypeRemovable = 2;
constexpr UINT kDriveTypeCDROM = 5;

std::vector<char> GetLogicalDriveStrings()
{
    const CDeviceTable& table = GetDeviceTable();
    std::vector<char> buffer(kFirstDriveStringsBufferLength);
    for (;;) {
        const DWORD reportedLength = table.GetLogicalDriveStringsA(static_cast<DWORD>(buffer.size()),
                                                                  buffer.data());
        if (reportedLength == 0)
            throw std::exception();
        // A buffer that is too small is answered with the length it needs.
        if (reportedLength <= buffer.size()) {
            buffer.resize(reportedLength);
            return buffer;
        }
        buffer.assign(reportedLength, '\0');
    }
}

bool IsDriveKept(const std::string& rootPath, bool onlyRemovable)
{
    if (rootPath.empty() || rootPath == "A:\\" || rootPath == "B:\\")
        return false;
    const UINT driveType = GetDeviceTable().GetDriveTypeA(rootPath.c_str());
    return !onlyRemovable || driveType == kDriveTypeCDROM || driveType == kDriveTypeRemovable;
}

// A drive that cannot be opened, whoever holds it, counts as one without a medium.
bool IsMediumPresent(const std::string& driveName)
{
    try {
        CDriveHandle drive = OpenDrive(driveName);
        DWORD bytesReturned = 0;
        const bool verified = GetDeviceTable().DeviceIoControl(drive.Get(), kCheckVerifyControlCode, nullptr, 0,
                                                               nullptr, 0, &bytesReturned, nullptr) != FALSE;
        CloseDrive(std::move(drive));
        return verified;
    } catch (const XFile&) {
        return false;
    } catch (const XDriveIsBusy&) {
        return false;
    }
}

std::optional<CDriveHandle> TryOpenDrive(const std::string& driveName)
{
    try {
        return OpenDrive(driveName);
    } catch (const XFile&) {
        return std::nullopt;
    } catch (const XDriveIsBusy&) {
        return std::nullopt;
    }
}

} // namespace

std::vector<std::string> CollectDriveNames(bool onlyRemovable)
{
    const std::vector<char> driveStrings = GetLogicalDriveStrings();
    std::vector<std::string> driveNames;
    std::string rootPath;
    for (const char c : driveStrings) {
        if (c != '\0') {
            rootPath += c;
            continue;
        }
        if (IsDriveKept(rootPath, onlyRemovable)) {
            std::string driveName = rootPath;
            while (!driveName.empty() && driveName.back() == '\\')
                driveName.pop_back();
            driveNames.push_back(driveName);
        }
        rootPath.clear();
    }
    return driveNames;
}

CVolumeIterator::CVolumeIterator(bool onlyRemovable)
    : mDriveNames(CollectDriveNames(onlyRemovable))
{
}

NSBrakvel::IVolume* CVolumeIterator::Next(int* status)
{
    NSBrakvel::IVolume* volume = nullptr;
    *status = CatchToStatus([&] { volume = TakeNextVolume(); });
    return volume;
}

NSBrakvel::IVolume* CVolumeIterator::TakeNextVolume()
{
    while (!mDriveNames.empty()) {
        const std::string driveName = mDriveNames.back();
        mDriveNames.pop_back();
        if (!IsMediumPresent(driveName))
            continue;
        std::optional<CDriveHandle> drive = TryOpenDrive(driveName);
        if (!drive)
            continue;
        return new CVolume(std::move(*drive));
    }
    return nullptr;
}

int CVolumeIterator::Release()
{
    delete this;
    return NSBrakvel::kBrakvelSuccess;
}

} // namespace NSBrakvelImplementation
