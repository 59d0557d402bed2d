#pragma once

// The conversion log as a tree of partitions and volumes, each list in the order its entries came.
// Partitions and volumes exist only once an entry named them; names compare byte by byte.

#include "conversion/log/Log.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace NSLogger {

class CLogVolume
{
public:
    explicit CLogVolume(std::string name) : mName(std::move(name)) {}

    const std::string& GetName() const { return mName; }
    // Every index out of range throws std::out_of_range("invalid vector<T> subscript").
    std::size_t GetPatchCount() const { return mPatches.size(); }
    const CPatchEntry& GetPatch(std::size_t index) const;
    std::size_t GetSampleCount() const { return mSamples.size(); }
    const CSampleEntry& GetSample(std::size_t index) const;
    std::size_t GetSkippedProgramCount() const { return mSkippedPrograms.size(); }
    const CSkippedEntry& GetSkippedProgram(std::size_t index) const;
    std::size_t GetSkippedSampleCount() const { return mSkippedSamples.size(); }
    const CSkippedEntry& GetSkippedSample(std::size_t index) const;

    // The patches' and the samples' sizes added up.
    std::uint64_t GetSizeInBytes() const;
    // The patch's own size plus, for each referenced name (repeats counted), the size of the sample
    // entry of that item name; when two share the name the later counts, and a name without one adds 0.
    std::uint64_t GetPatchSizeWithSamples(std::size_t patchIndex) const;
    // The sample entry with the item name (the later of two), or -1.
    std::int64_t FindSample(const std::string& itemName) const;
    bool HasNotes() const;

    void AddPatch(const CPatchEntry& entry) { mPatches.push_back(entry); }
    void AddSample(const CSampleEntry& entry) { mSamples.push_back(entry); }
    void AddSkippedProgram(const CSkippedEntry& entry) { mSkippedPrograms.push_back(entry); }
    void AddSkippedSample(const CSkippedEntry& entry) { mSkippedSamples.push_back(entry); }

private:
    std::string mName;
    std::vector<CPatchEntry> mPatches;
    std::vector<CSampleEntry> mSamples;
    std::vector<CSkippedEntry> mSkippedPrograms;
    std::vector<CSkippedEntry> mSkippedSamples;
};

class CLogPartition
{
public:
    explicit CLogPartition(std::string name) : mName(std::move(name)) {}

    const std::string& GetName() const { return mName; }
    std::size_t GetVolumeCount() const { return mVolumes.size(); }
    const CLogVolume& GetVolume(std::size_t index) const;
    // The volume of that name, appended when there is none.
    CLogVolume& FindOrAddVolume(const std::string& name);

private:
    std::string mName;
    std::vector<CLogVolume> mVolumes;
};

class CLogTree
{
public:
    std::size_t GetPartitionCount() const { return mPartitions.size(); }
    const CLogPartition& GetPartition(std::size_t index) const;
    std::uint64_t GetTotalSizeInBytes() const;
    // Whether any patch or sample entry carries a note.
    bool HasNotes() const;

    // The volume of the two names, partition and volume appended as needed.
    CLogVolume& FindOrAddVolume(const std::string& partitionName, const std::string& volumeName);

private:
    std::vector<CLogPartition> mPartitions;
};

} // namespace NSLogger
