#include "conversion/log/LogTree.h"

#include <stdexcept>

namespace NSLogger {
namespace {

template <typename T>
const T& At(const std::vector<T>& list, std::size_t index)
{
    if (index >= list.size())
        throw std::out_of_range("invalid vector<T> subscript");
    return list[index];
}

} // namespace

const CPatchEntry& CLogVolume::GetPatch(std::size_t index) const
{
    return At(mPatches, index);
}

const CSampleEntry& CLogVolume::GetSample(std::size_t index) const
{
    return At(mSamples, index);
}

const CSkippedEntry& CLogVolume::GetSkippedProgram(std::size_t index) const
{
    return At(mSkippedPrograms, index);
}

const CSkippedEntry& CLogVolume::GetSkippedSample(std::size_t index) const
{
    return At(mSkippedSamples, index);
}

std::uint64_t CLogVolume::GetSizeInBytes() const
{
    std::uint64_t size = 0;
    for (const CPatchEntry& patch : mPatches)
        size += patch.sizeInBytes;
    for (const CSampleEntry& sample : mSamples)
        size += sample.sizeInBytes;
    return size;
}

std::uint64_t CLogVolume::GetPatchSizeWithSamples(std::size_t patchIndex) const
{
    const CPatchEntry& patch = GetPatch(patchIndex);
    std::uint64_t size = patch.sizeInBytes;
    for (const std::string& name : patch.referencedSamples) {
        const std::int64_t sample = FindSample(name);
        if (sample >= 0)
            size += mSamples[static_cast<std::size_t>(sample)].sizeInBytes;
    }
    return size;
}

std::int64_t CLogVolume::FindSample(const std::string& itemName) const
{
    for (std::size_t i = mSamples.size(); i > 0; --i) {
        if (mSamples[i - 1].itemName == itemName)
            return static_cast<std::int64_t>(i - 1);
    }
    return -1;
}

bool CLogVolume::HasNotes() const
{
    for (const CPatchEntry& patch : mPatches) {
        if (!patch.notes.empty())
            return true;
    }
    for (const CSampleEntry& sample : mSamples) {
        if (!sample.notes.empty())
            return true;
    }
    return false;
}

const CLogVolume& CLogPartition::GetVolume(std::size_t index) const
{
    return At(mVolumes, index);
}

CLogVolume& CLogPartition::FindOrAddVolume(const std::string& name)
{
    for (CLogVolume& volume : mVolumes) {
        if (volume.GetName() == name)
            return volume;
    }
    return mVolumes.emplace_back(name);
}

const CLogPartition& CLogTree::GetPartition(std::size_t index) const
{
    return At(mPartitions, index);
}

std::uint64_t CLogTree::GetTotalSizeInBytes() const
{
    std::uint64_t size = 0;
    for (const CLogPartition& partition : mPartitions) {
        for (std::size_t v = 0; v < partition.GetVolumeCount(); ++v)
            size += partition.GetVolume(v).GetSizeInBytes();
    }
    return size;
}

bool CLogTree::HasNotes() const
{
    for (const CLogPartition& partition : mPartitions) {
        for (std::size_t v = 0; v < partition.GetVolumeCount(); ++v) {
            if (partition.GetVolume(v).HasNotes())
                return true;
        }
    }
    return false;
}

CLogVolume& CLogTree::FindOrAddVolume(const std::string& partitionName, const std::string& volumeName)
{
    for (CLogPartition& partition : mPartitions) {
        if (partition.GetName() == partitionName)
            return partition.FindOrAddVolume(volumeName);
    }
    return mPartitions.emplace_back(partitionName).FindOrAddVolume(volumeName);
}

} // namespace NSLogger
