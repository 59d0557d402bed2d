#pragma once

// The Akai on-disc layout as this program reads it: the validity rules, the partition test and walk,
// and one partition's tables read into memory. Nothing here writes to the disc.

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace NSAkaiFileSystem {
class CAkaiDiskMedia;
}

namespace NSAkaiFileSystemImplementation {

constexpr std::int64_t kBlockSizeInBytes = 8192;
constexpr std::int32_t kVolumeTableOffset = 202;
constexpr std::int32_t kVolumeEntrySizeInBytes = 16;
constexpr std::int32_t kVolumeTableLength = 100;
constexpr std::int32_t kAllocationTableOffset = 1802;
constexpr std::int32_t kDirectoryEntrySizeInBytes = 24;
constexpr std::int32_t kSmallDirectoryLength = 128;
constexpr std::int32_t kLargeDirectoryLength = 510;
constexpr std::int32_t kMaximumPartitionSizeInBlocks = 8192;
// The walk stops here even when a damaged disc chains on.
constexpr std::int16_t kMaximumPartitionCount = 255;

// File kinds, from the directory's type byte.
constexpr int kKindNone = 32;
constexpr int kKindProgram = 34;
constexpr int kKindSample = 35;
constexpr int kKindLargeProgram = 36;
constexpr int kKindLargeSample = 37;
constexpr int kKindEmpty = 42;
constexpr int kKindOther = 43;
// Files that are neither programs nor samples. Nothing here reads them, so each is named after its
// type byte, as a character where it is one.
constexpr int kKindTypeC = 33;
constexpr int kKindTypeD = 38;
constexpr int kKindTypeX = 39;
constexpr int kKindTypeQ = 40;
constexpr int kKindType237 = 41;

int KindOfType(std::uint8_t type);
bool IsProgramKind(int kind);
bool IsSampleKind(int kind);

// One valid entry of a partition's volume table.
struct CVolumeEntry
{
    std::string name;
    bool isInUse = false;
    bool hasLargeDirectory = false;
    std::uint8_t type = 0;
    std::uint32_t startBlock = 0;      // of the directory, relative to the partition
    std::uint16_t tablePosition = 0;   // 0-99
};

// One valid entry of a volume's directory.
struct CFileEntry
{
    std::uint16_t directoryPosition = 0;
    std::string name;
    std::array<std::uint8_t, 4> attributes{};
    int kind = kKindNone;
    std::uint32_t sizeInBytes = 0;
    std::uint32_t firstBlock = 0;      // relative to the partition
    std::uint16_t extra = 0;
};

struct CAkaiVolume
{
    CVolumeEntry entry;
    std::uint32_t partitionSizeInBlocks = 0;
    std::vector<CFileEntry> files;     // numbered by their place here, not by directory position
};

struct CVolumeSummary
{
    std::string name;
    bool hasLargeDirectory = false;
    std::uint32_t partitionSizeInBlocks = 0;
    std::uint32_t fileCount = 0;
    std::uint32_t sampleCount = 0;
    std::uint32_t programCount = 0;
    std::uint32_t blocksUsed = 0;
    std::uint32_t bytesUsed = 0;
};

struct CPartitionStatistics
{
    std::uint32_t freeBlocks = 0;
    std::uint32_t partitionSizeInBlocks = 0;
    std::uint32_t usedBlocks = 0;
    std::uint32_t bytesUsed = 0;
    std::uint16_t volumeCount = 0;
    std::uint32_t fileCount = 0;
    std::uint32_t sampleCount = 0;
    std::uint32_t programCount = 0;
};

struct CPartitionPlace
{
    std::int32_t startBlock = 0;
    std::int32_t sizeInBlocks = 0;
};

// Takes element index of a list whose index came from a caller or from the disc.
template <typename T>
const T& ElementAt(const std::vector<T>& list, std::int64_t index)
{
    if (index < 0 || index >= static_cast<std::int64_t>(list.size())) {
        throw std::out_of_range("invalid vector<T> subscript");
    }
    return list[static_cast<std::size_t>(index)];
}

// Reads a range of the disc; positions are 64-bit so that no block number can wrap them, and a range
// that does not lie on the disc (as far as 32-bit offsets reach) throws NSTramvell::XRead.
void ReadDisc(NSAkaiFileSystem::CAkaiDiskMedia& disc, std::int64_t position, std::int64_t length, void* buffer);
std::uint16_t ReadBlockWord(NSAkaiFileSystem::CAkaiDiskMedia& disc, std::int64_t block, std::int64_t index);

// entry points at 16 stored bytes of a volume table, or 24 of a directory.
bool IsValidVolumeEntry(const std::uint8_t* entry);
bool IsValidFileEntry(const std::uint8_t* entry);
CVolumeEntry MakeVolumeRecord(const std::uint8_t* entry, std::uint16_t tablePosition);
CFileEntry MakeFileRecord(const std::uint8_t* entry, std::uint16_t directoryPosition);

bool IsValidPartition(NSAkaiFileSystem::CAkaiDiskMedia& disc, std::int32_t block);
// The start of the partition after the one at block, or -1. The result is always past block, so the
// walk cannot stand still on a partition whose size word is 0.
std::int32_t GetNextPartitionStart(NSAkaiFileSystem::CAkaiDiskMedia& disc, std::int32_t block);
std::int16_t CountPartitions(NSAkaiFileSystem::CAkaiDiskMedia& disc);
// A negative number gives start 0 and size 0; a number at or past partitionCount throws std::out_of_range.
CPartitionPlace FindPartition(NSAkaiFileSystem::CAkaiDiskMedia& disc, std::int16_t number,
                              std::int16_t partitionCount);
std::int16_t CountValidVolumes(NSAkaiFileSystem::CAkaiDiskMedia& disc, std::int32_t block);

CVolumeSummary SummarizeVolume(const CAkaiVolume& volume);

// One partition's allocation table, volumes and directories, read when it is made.
class CPartition
{
public:
    CPartition(NSAkaiFileSystem::CAkaiDiskMedia& disc, std::int16_t number, std::int16_t partitionCount);

    std::int16_t GetNumber() const { return mNumber; }
    std::int32_t GetStartBlock() const { return mPlace.startBlock; }
    std::int32_t GetSizeInBlocks() const { return mPlace.sizeInBlocks; }
    const std::vector<std::uint16_t>& GetAllocationTable() const { return mAllocationTable; }
    const std::vector<CAkaiVolume>& GetVolumes() const { return mVolumes; }
    // Throws std::out_of_range for a number outside the list.
    const CAkaiVolume& GetVolume(std::int64_t volume) const;
    const CFileEntry& GetFile(std::int64_t volume, std::int64_t file) const;

    CPartitionStatistics ComputeStatistics() const;

private:
    void ReadAllocationTable(NSAkaiFileSystem::CAkaiDiskMedia& disc);
    void ReadVolumes(NSAkaiFileSystem::CAkaiDiskMedia& disc);
    void ReadDirectory(NSAkaiFileSystem::CAkaiDiskMedia& disc, CAkaiVolume& volume) const;

    std::int16_t mNumber;
    CPartitionPlace mPlace;
    std::vector<std::uint16_t> mAllocationTable;
    std::vector<CAkaiVolume> mVolumes;
};

} // namespace NSAkaiFileSystemImplementation
