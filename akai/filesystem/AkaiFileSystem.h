#pragma once

// One disc's Akai file system, read on demand: its partitions, volumes and their names.

#include <cstdint>
#include <memory>
#include <string>

namespace NSAkaiFileSystemImplementation {
class CPartitionCache;
}

namespace NSAkaiFileSystem {

class CAkaiDiskMedia;
class IAkaiDiskMedia;

// True when the disc's first partition passes the partition test. Only read errors throw.
bool IsAkaiDisk(IAkaiDiskMedia& disc);

class CAkaiFileSystem
{
public:
    // The disc is borrowed and must outlive the file system; the file system must outlive its files.
    // Nothing is read until the first question.
    explicit CAkaiFileSystem(IAkaiDiskMedia& disc);
    CAkaiFileSystem(const CAkaiFileSystem&) = delete;
    CAkaiFileSystem& operator=(const CAkaiFileSystem&) = delete;
    ~CAkaiFileSystem();

    std::int16_t GetPartitionCount() const;
    // Numbers outside the lists throw std::out_of_range.
    std::int16_t GetVolumeCount(std::int16_t partition) const;
    std::string GetVolumeName(std::int16_t partition, std::int16_t volume) const;
    int GetFileCount(std::int16_t partition, std::int16_t volume) const;
    // "Partition A" ... "Partition Z", "Partition A2" ..., from the user-interface string table.
    std::string GetPartitionName(std::int16_t partition) const;

    NSAkaiFileSystemImplementation::CPartitionCache& GetPartitionCache() const;

private:
    std::unique_ptr<CAkaiDiskMedia> mDiscMedia;
    std::unique_ptr<NSAkaiFileSystemImplementation::CPartitionCache> mPartitionCache;
};

} // namespace NSAkaiFileSystem
