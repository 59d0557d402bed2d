#include "akai/filesystem/AkaiPartitionCache.h"

#include "akai/filesystem/AkaiDiskMedia.h"

#include <stdexcept>

namespace NSAkaiFileSystemImplementation {

CPartitionCache::CPartitionCache(NSAkaiFileSystem::CAkaiDiskMedia& disc) : mDisc(disc) {}

CPartitionCache::~CPartitionCache() = default;

std::int16_t CPartitionCache::GetPartitionCount()
{
    if (mPartitionCount < 0) {
        mPartitionCount = CountPartitions(mDisc);
    }
    return mPartitionCount;
}

const CPartition& CPartitionCache::GetPartition(std::int16_t number)
{
    if (mCurrent && mCurrent->GetNumber() == number) {
        return *mCurrent;
    }
    const std::int16_t partitionCount = GetPartitionCount();
    if (number < 0 || number >= partitionCount) {
        throw std::out_of_range("invalid vector<T> subscript");
    }
    // Dropped before the new one is read, so that a failed read leaves no partition behind and the
    // next request reads it again.
    mCurrent.reset();
    mCurrent = std::make_unique<CPartition>(mDisc, number, partitionCount);
    return *mCurrent;
}

CPartitionStatistics CPartitionCache::GetStatistics(std::int16_t number)
{
    return GetPartition(number).ComputeStatistics();
}

} // namespace NSAkaiFileSystemImplementation
