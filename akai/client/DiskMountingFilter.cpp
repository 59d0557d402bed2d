#include "akai/client/DiskMountingFilter.h"

#include "akai/client/BrakvelErrors.h"
#include "akai/client/VolumeHolder.h"
#include "libs/rawdisk/Brakvel.h"

namespace NSBrakvel {

namespace {

constexpr int kVolumeWanted = -1;
constexpr int kVolumeNotWanted = 0;

// Constant-initialised, so it is there before any constructor of a static object runs.
constinit CDiskMountingFilter gDiskMountingFilter;

} // namespace

CABCDiskMountingFilter::CABCDiskMountingFilter()
{
    gDiskMountingFilter.SetCurrentFilter(this);
    try {
        ThrowOnError(Brakvel_SetDiskMountingFilter(&gDiskMountingFilter));
    } catch (...) {
        // This object never comes to life, so it must not stay current.
        gDiskMountingFilter.SetCurrentFilter(nullptr);
        throw;
    }
}

CABCDiskMountingFilter::~CABCDiskMountingFilter()
{
    gDiskMountingFilter.SetCurrentFilter(nullptr);
    // A destructor cannot report a failure, and the library answers success whatever it is given.
    Brakvel_SetDiskMountingFilter(nullptr);
}

int CDiskMountingFilter::FilterVolume(IVolume* volume)
{
    if (mCurrentFilter == nullptr)
        return kVolumeNotWanted;
    CVolumeHolder holder(volume, false);
    return mCurrentFilter->AcceptsVolume(&holder) ? kVolumeWanted : kVolumeNotWanted;
}

CDiskMountingFilter& GetDiskMountingFilter()
{
    return gDiskMountingFilter;
}

} // namespace NSBrakvel
