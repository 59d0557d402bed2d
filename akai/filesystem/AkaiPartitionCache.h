#pragma once

#include "akai/filesystem/AkaiPartition.h"

#include <cstdint>
#include <memory>

namespace NSAkaiFileSystem {
class CAkaiDiskMedia;
}

namespace NSAkaiFileSystemImplementation {

// Holds one partition's tables at a time: asking for another partition drops the current one first,
// so references into a partition are valid only until another partition is asked for. The disc is
// borrowed and must outlive the cache.
class CPartitionCache
{
public:
    explicit CPartitionCache(NSAkaiFileSystem::CAkaiDiskMedia& disc);
    CPartitionCache(const CPartitionCache&) = delete;
    CPartitionCache& operator=(const CPartitionCache&) = delete;
    ~CPartitionCache();

    std::int16_t GetPartitionCount();
    // Throws std::out_of_range for a number outside 0 ... count - 1.
    const CPartition& GetPartition(std::int16_t number);
    CPartitionStatistics GetStatistics(std::int16_t number);
    NSAkaiFileSystem::CAkaiDiskMedia& GetDisc() { return mDisc; }

private:
    NSAkaiFileSystem::CAkaiDiskMedia& mDisc;
    std::unique_ptr<CPartition> mCurrent;
    std::int16_t mPartitionCount = -1;     // counted by the first request
};

} // namespace NSAkaiFileSystemImplementation
