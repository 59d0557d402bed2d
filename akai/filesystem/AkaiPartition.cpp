#include "akai/filesystem/AkaiPartition.h"

#include "akai/filesystem/AkaiDiskMedia.h"
#include "akai/filesystem/AkaiNames.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Exceptions.h"

#include <algorithm>

namespace NSAkaiFileSystemImplementation {

using NSAkaiFileSystem::CAkaiDiskMedia;

namespace {

constexpr std::int32_t kVolumeFlagsOffset = 12;
constexpr std::int32_t kVolumeTypeOffset = 13;
constexpr std::int32_t kVolumeStartOffset = 14;
constexpr std::uint8_t kVolumeInUseFlag = 1;
constexpr std::uint8_t kVolumeLargeDirectoryFlag = 2;
// A volume's directory may start no later than this, relative to its partition.
constexpr std::uint32_t kVolumeStartLimit = 8191;

constexpr std::int32_t kFileAttributesOffset = 12;
constexpr std::int32_t kFileTypeOffset = 16;
constexpr std::int32_t kFileSizeOffset = 17;
constexpr std::int32_t kFileFirstBlockOffset = 20;
constexpr std::int32_t kFileExtraOffset = 22;
constexpr std::uint32_t kFileFirstBlockLimit = 8192;

// Too few partition blocks left on the disc to hold a partition of its own.
constexpr std::int32_t kMinimumBlocksPastEnd = 5;

constexpr std::uint16_t kChainEndEntry = 0xC000;

struct CTypeKind
{
    std::uint8_t type;
    int kind;
};

// The type bytes that name a kind of their own. A directory entry holds a file when its type byte gives
// a kind other than none, empty or other.
constexpr CTypeKind kTypeKinds[] = {
    {0, kKindNone},
    {99, kKindTypeC},
    {240, kKindProgram},
    {243, kKindSample},
    {112, kKindLargeProgram},
    {115, kKindLargeSample},
    {100, kKindTypeD},
    {120, kKindTypeX},
    {113, kKindTypeQ},
    {237, kKindType237},
    {255, kKindEmpty},
};

bool HoldsOnlyAkaiCharacters(const std::uint8_t* storedName)
{
    return NSAkaiFileSystem::AkaiNameToString(storedName).find('~') == std::string::npos;
}

std::int32_t DirectoryLength(bool hasLargeDirectory)
{
    return hasLargeDirectory ? kLargeDirectoryLength : kSmallDirectoryLength;
}

std::int64_t DiscSize(CAkaiDiskMedia& disc)
{
    return disc.GetSize();
}

std::vector<std::uint8_t> ReadVolumeTable(CAkaiDiskMedia& disc, std::int32_t block)
{
    std::vector<std::uint8_t> table(kVolumeTableLength * kVolumeEntrySizeInBytes);
    ReadDisc(disc, block * kBlockSizeInBytes + kVolumeTableOffset, static_cast<std::int64_t>(table.size()),
             table.data());
    return table;
}

bool DirectoryHoldsValidEntry(CAkaiDiskMedia& disc, std::int64_t directoryBlock, bool hasLargeDirectory)
{
    std::vector<std::uint8_t> directory(
        static_cast<std::size_t>(DirectoryLength(hasLargeDirectory) * kDirectoryEntrySizeInBytes));
    ReadDisc(disc, directoryBlock * kBlockSizeInBytes, static_cast<std::int64_t>(directory.size()),
             directory.data());
    for (std::size_t offset = 0; offset < directory.size(); offset += kDirectoryEntrySizeInBytes) {
        if (IsValidFileEntry(&directory[offset])) {
            return true;
        }
    }
    return false;
}

} // namespace

int KindOfType(std::uint8_t type)
{
    for (const CTypeKind& typeKind : kTypeKinds) {
        if (typeKind.type == type)
            return typeKind.kind;
    }
    return kKindOther;
}

bool IsProgramKind(int kind)
{
    return kind == kKindProgram || kind == kKindLargeProgram;
}

bool IsSampleKind(int kind)
{
    return kind == kKindSample || kind == kKindLargeSample;
}

void ReadDisc(CAkaiDiskMedia& disc, std::int64_t position, std::int64_t length, void* buffer)
{
    if (position < 0 || length < 0 || length > DiscSize(disc) - position) {
        throw NSTramvell::XRead();
    }
    if (length > 0) {
        disc.ReadAt(static_cast<std::int32_t>(position), static_cast<std::int32_t>(length), buffer);
    }
}

std::uint16_t ReadBlockWord(CAkaiDiskMedia& disc, std::int64_t block, std::int64_t index)
{
    std::uint8_t bytes[2] = {};
    ReadDisc(disc, block * kBlockSizeInBytes + 2 * index, sizeof bytes, bytes);
    return NSTramvell::ReadLittleEndian16(bytes);
}

bool IsValidVolumeEntry(const std::uint8_t* entry)
{
    return (entry[kVolumeFlagsOffset] & kVolumeInUseFlag) != 0 && HoldsOnlyAkaiCharacters(entry) &&
           NSTramvell::ReadLittleEndian16(entry + kVolumeStartOffset) < kVolumeStartLimit;
}

bool IsValidFileEntry(const std::uint8_t* entry)
{
    if (!HoldsOnlyAkaiCharacters(entry) ||
        NSTramvell::ReadLittleEndian16(entry + kFileFirstBlockOffset) >= kFileFirstBlockLimit) {
        return false;
    }
    const int kind = KindOfType(entry[kFileTypeOffset]);
    return kind != kKindNone && kind != kKindEmpty && kind != kKindOther;
}

CVolumeEntry MakeVolumeRecord(const std::uint8_t* entry, std::uint16_t tablePosition)
{
    CVolumeEntry record;
    record.name = NSAkaiFileSystem::AkaiNameToString(entry);
    record.isInUse = (entry[kVolumeFlagsOffset] & kVolumeInUseFlag) != 0;
    record.hasLargeDirectory = (entry[kVolumeFlagsOffset] & kVolumeLargeDirectoryFlag) != 0;
    record.type = entry[kVolumeTypeOffset];
    record.startBlock = NSTramvell::ReadLittleEndian16(entry + kVolumeStartOffset);
    record.tablePosition = tablePosition;
    return record;
}

CFileEntry MakeFileRecord(const std::uint8_t* entry, std::uint16_t directoryPosition)
{
    CFileEntry record;
    record.directoryPosition = directoryPosition;
    record.name = NSAkaiFileSystem::AkaiNameToString(entry);
    std::copy_n(entry + kFileAttributesOffset, record.attributes.size(), record.attributes.begin());
    record.kind = KindOfType(entry[kFileTypeOffset]);
    record.sizeInBytes = NSTramvell::ReadLittleEndian24(entry + kFileSizeOffset);
    record.firstBlock = NSTramvell::ReadLittleEndian16(entry + kFileFirstBlockOffset);
    record.extra = NSTramvell::ReadLittleEndian16(entry + kFileExtraOffset);
    return record;
}

bool IsValidPartition(CAkaiDiskMedia& disc, std::int32_t block)
{
    const std::int64_t discSize = DiscSize(disc);
    const std::int64_t totalBlocks = discSize / kBlockSizeInBytes;
    if (block < 0 || (totalBlocks - block) * kBlockSizeInBytes <= kAllocationTableOffset) {
        return false;
    }
    const std::int64_t sizeInBlocks = ReadBlockWord(disc, block, 0);
    if (sizeInBlocks > kMaximumPartitionSizeInBlocks) {
        return false;
    }
    if (block + sizeInBlocks > totalBlocks && block + kMinimumBlocksPastEnd > totalBlocks) {
        return false;
    }

    const std::vector<std::uint8_t> table = ReadVolumeTable(disc, block);
    for (std::size_t offset = 0; offset < table.size(); offset += kVolumeEntrySizeInBytes) {
        const std::uint8_t* entry = &table[offset];
        if (!IsValidVolumeEntry(entry)) {
            continue;
        }
        const CVolumeEntry volume = MakeVolumeRecord(entry, 0);
        const std::int64_t directoryBlock = block + static_cast<std::int64_t>(volume.startBlock);
        // The directory is read only when two whole blocks of it lie on the disc.
        if (directoryBlock < totalBlocks && (directoryBlock + 2) * kBlockSizeInBytes <= discSize &&
            DirectoryHoldsValidEntry(disc, directoryBlock, volume.hasLargeDirectory)) {
            return true;
        }
    }
    return false;
}

std::int32_t GetNextPartitionStart(CAkaiDiskMedia& disc, std::int32_t block)
{
    const std::int32_t sizeInBlocks = ReadBlockWord(disc, block, 0);
    if (sizeInBlocks == 0) {
        return -1;
    }
    if (IsValidPartition(disc, block + sizeInBlocks)) {
        return block + sizeInBlocks;
    }

    // The entries past the partition's own table may still name where the next partition starts.
    const std::int64_t tablePosition = block * kBlockSizeInBytes + kAllocationTableOffset;
    const std::int64_t entriesOnDisc = std::max<std::int64_t>(0, (DiscSize(disc) - tablePosition) / 2);
    const std::int64_t entryCount = std::min<std::int64_t>(2 * sizeInBlocks, entriesOnDisc);
    std::vector<std::uint8_t> entries(static_cast<std::size_t>(2 * entryCount));
    ReadDisc(disc, tablePosition, static_cast<std::int64_t>(entries.size()), entries.data());
    for (std::int64_t index = sizeInBlocks; index < entryCount; ++index) {
        if (NSTramvell::ReadLittleEndian16(&entries[static_cast<std::size_t>(2 * index)]) != 0) {
            const std::int32_t next = block + static_cast<std::int32_t>(index);
            return IsValidPartition(disc, next) ? next : -1;
        }
    }
    return -1;
}

std::int16_t CountPartitions(CAkaiDiskMedia& disc)
{
    std::int16_t count = 0;
    std::int32_t block = 0;
    while (block != -1 && count < kMaximumPartitionCount && IsValidPartition(disc, block)) {
        ++count;
        block = GetNextPartitionStart(disc, block);
    }
    return count;
}

CPartitionPlace FindPartition(CAkaiDiskMedia& disc, std::int16_t number, std::int16_t partitionCount)
{
    if (number < 0) {
        return {};
    }
    if (number >= partitionCount) {
        throw std::out_of_range("invalid vector<T> subscript");
    }
    std::int32_t start = 0;
    for (std::int16_t step = 0; step < number; ++step) {
        start = GetNextPartitionStart(disc, start);
        if (start < 0) {
            // The disc no longer holds as many partitions as were counted.
            throw std::out_of_range("invalid vector<T> subscript");
        }
    }
    const std::int32_t next = GetNextPartitionStart(disc, start);
    CPartitionPlace place;
    place.startBlock = start;
    place.sizeInBlocks = next == -1 ? ReadBlockWord(disc, start, 0) : next - start;
    return place;
}

std::int16_t CountValidVolumes(CAkaiDiskMedia& disc, std::int32_t block)
{
    const std::vector<std::uint8_t> table = ReadVolumeTable(disc, block);
    std::int16_t count = 0;
    for (std::size_t offset = 0; offset < table.size(); offset += kVolumeEntrySizeInBytes) {
        if (IsValidVolumeEntry(&table[offset])) {
            ++count;
        }
    }
    return count;
}

CVolumeSummary SummarizeVolume(const CAkaiVolume& volume)
{
    CVolumeSummary summary;
    summary.name = volume.entry.name;
    summary.hasLargeDirectory = volume.entry.hasLargeDirectory;
    summary.partitionSizeInBlocks = volume.partitionSizeInBlocks;
    summary.fileCount = static_cast<std::uint32_t>(volume.files.size());
    for (const CFileEntry& file : volume.files) {
        summary.bytesUsed += file.sizeInBytes;
        summary.blocksUsed += static_cast<std::uint32_t>((file.sizeInBytes + kBlockSizeInBytes - 1) / kBlockSizeInBytes);
        if (IsSampleKind(file.kind)) {
            ++summary.sampleCount;
        } else if (IsProgramKind(file.kind)) {
            ++summary.programCount;
        }
    }
    return summary;
}

// CPartition

CPartition::CPartition(CAkaiDiskMedia& disc, std::int16_t number, std::int16_t partitionCount)
    : mNumber(number), mPlace(FindPartition(disc, number, partitionCount))
{
    ReadAllocationTable(disc);
    ReadVolumes(disc);
}

const CAkaiVolume& CPartition::GetVolume(std::int64_t volume) const
{
    return ElementAt(mVolumes, volume);
}

const CFileEntry& CPartition::GetFile(std::int64_t volume, std::int64_t file) const
{
    return ElementAt(GetVolume(volume).files, file);
}

CPartitionStatistics CPartition::ComputeStatistics() const
{
    CPartitionStatistics statistics;
    statistics.partitionSizeInBlocks = static_cast<std::uint32_t>(mPlace.sizeInBlocks);
    for (const std::uint16_t entry : mAllocationTable) {
        if (entry == 0) {
            ++statistics.freeBlocks;
        } else if (entry < kMaximumPartitionSizeInBlocks || entry == kChainEndEntry) {
            ++statistics.usedBlocks;
        }
    }
    statistics.volumeCount = static_cast<std::uint16_t>(mVolumes.size());
    for (const CAkaiVolume& volume : mVolumes) {
        const CVolumeSummary summary = SummarizeVolume(volume);
        statistics.fileCount += summary.fileCount;
        statistics.sampleCount += summary.sampleCount;
        statistics.programCount += summary.programCount;
        statistics.bytesUsed += summary.bytesUsed;
    }
    return statistics;
}

void CPartition::ReadAllocationTable(CAkaiDiskMedia& disc)
{
    std::vector<std::uint8_t> entries(static_cast<std::size_t>(2 * mPlace.sizeInBlocks));
    ReadDisc(disc, mPlace.startBlock * kBlockSizeInBytes + kAllocationTableOffset,
             static_cast<std::int64_t>(entries.size()), entries.data());
    mAllocationTable.resize(static_cast<std::size_t>(mPlace.sizeInBlocks));
    for (std::size_t i = 0; i < mAllocationTable.size(); ++i) {
        mAllocationTable[i] = NSTramvell::ReadLittleEndian16(&entries[2 * i]);
    }
}

void CPartition::ReadVolumes(CAkaiDiskMedia& disc)
{
    const std::vector<std::uint8_t> table = ReadVolumeTable(disc, mPlace.startBlock);
    for (std::int32_t position = 0; position < kVolumeTableLength; ++position) {
        const std::uint8_t* entry = &table[static_cast<std::size_t>(position * kVolumeEntrySizeInBytes)];
        if (!IsValidVolumeEntry(entry)) {
            continue;
        }
        CAkaiVolume volume;
        volume.entry = MakeVolumeRecord(entry, static_cast<std::uint16_t>(position));
        volume.partitionSizeInBlocks = static_cast<std::uint32_t>(mPlace.sizeInBlocks);
        ReadDirectory(disc, volume);
        mVolumes.push_back(std::move(volume));
    }
}

void CPartition::ReadDirectory(CAkaiDiskMedia& disc, CAkaiVolume& volume) const
{
    // A directory that runs off the disc (a trimmed image) keeps only the entries that lie wholly on it.
    const std::int64_t position =
        (mPlace.startBlock + static_cast<std::int64_t>(volume.entry.startBlock)) * kBlockSizeInBytes;
    const std::int64_t entriesOnDisc = std::max<std::int64_t>(0, (DiscSize(disc) - position) / kDirectoryEntrySizeInBytes);
    const std::int64_t entryCount =
        std::min<std::int64_t>(DirectoryLength(volume.entry.hasLargeDirectory), entriesOnDisc);
    if (entryCount == 0) {
        return;
    }
    std::vector<std::uint8_t> directory(static_cast<std::size_t>(entryCount * kDirectoryEntrySizeInBytes));
    ReadDisc(disc, position, static_cast<std::int64_t>(directory.size()), directory.data());
    for (std::int64_t i = 0; i < entryCount; ++i) {
        const std::uint8_t* entry = &directory[static_cast<std::size_t>(i * kDirectoryEntrySizeInBytes)];
        if (IsValidFileEntry(entry)) {
            volume.files.push_back(MakeFileRecord(entry, static_cast<std::uint16_t>(i)));
        }
    }
}

} // namespace NSAkaiFileSystemImplementation
