#include "akai/filesystem/AkaiFileSystem.h"

#include "akai/filesystem/AkaiDiskMedia.h"
#include "akai/filesystem/AkaiPartition.h"
#include "akai/filesystem/AkaiPartitionCache.h"
#include "akai/filesystem/AkaiUIStrings.h"
#include "framework/foundation/strings/StringUtilities.h"

#include <stdexcept>

namespace NSAkaiFileSystem {

using NSAkaiFileSystemImplementation::CPartitionCache;
using NSAkaiFileSystemImplementation::SummarizeVolume;

bool IsAkaiDisk(IAkaiDiskMedia& disc)
{
    CAkaiDiskMedia discMedia(disc);
    return NSAkaiFileSystemImplementation::IsValidPartition(discMedia, 0);
}

CAkaiFileSystem::CAkaiFileSystem(IAkaiDiskMedia& disc)
    : mDiscMedia(std::make_unique<CAkaiDiskMedia>(disc)),
      mPartitionCache(std::make_unique<CPartitionCache>(*mDiscMedia))
{
}

CAkaiFileSystem::~CAkaiFileSystem() = default;

std::int16_t CAkaiFileSystem::GetPartitionCount() const
{
    return mPartitionCache->GetPartitionCount();
}

std::int16_t CAkaiFileSystem::GetVolumeCount(std::int16_t partition) const
{
    return static_cast<std::int16_t>(mPartitionCache->GetPartition(partition).GetVolumes().size());
}

std::string CAkaiFileSystem::GetVolumeName(std::int16_t partition, std::int16_t volume) const
{
    return SummarizeVolume(mPartitionCache->GetPartition(partition).GetVolume(volume)).name;
}

int CAkaiFileSystem::GetFileCount(std::int16_t partition, std::int16_t volume) const
{
    return static_cast<int>(SummarizeVolume(mPartitionCache->GetPartition(partition).GetVolume(volume)).fileCount);
}

std::string CAkaiFileSystem::GetPartitionName(std::int16_t partition) const
{
    if (partition < 0) {
        throw std::out_of_range("invalid vector<T> subscript");
    }
    std::string letter(1, static_cast<char>('A' + partition % 26));
    const int round = partition / 26;
    if (round != 0) {
        letter += std::to_string(round + 1);
    }
    return NSTramvell::ReplaceParameters(GetUIString(kPartitionNameStringId), letter);
}

CPartitionCache& CAkaiFileSystem::GetPartitionCache() const
{
    return *mPartitionCache;
}

} // namespace NSAkaiFileSystem
