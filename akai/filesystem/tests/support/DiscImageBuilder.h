#pragma once

// Builds synthetic Akai disc images for tests, and damages them on purpose. It is written from the
// on-disc layout alone, with its own character table and byte writers, so that it cannot share a
// mistake with the reader it tests.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace NSAkaiTestSupport {

constexpr std::size_t kImageBlockSizeInBytes = 8192;
constexpr std::size_t kImageVolumeTableOffset = 202;
constexpr std::size_t kImageVolumeEntrySizeInBytes = 16;
constexpr std::size_t kImageVolumeTableLength = 100;
constexpr std::size_t kImageAllocationTableOffset = 1802;
constexpr std::size_t kImageDirectoryEntrySizeInBytes = 24;

constexpr std::uint16_t kChainEnd = 0xC000;
constexpr std::uint16_t kDirectoryEnd = 0x8000;
constexpr std::uint16_t kHeaderBlockMark = 0x4000;

// The value of byte 12 of a volume entry: bit 0 in use, bit 1 the 510-entry directory.
enum class EVolumeKind : std::uint8_t
{
    kS1000 = 1,
    kS3000 = 3,
    kCD3000 = 7,
};

std::size_t DirectoryLengthOf(EVolumeKind kind);  // 128 or 510 entries

struct CVolumeDescription
{
    explicit CVolumeDescription(std::string volumeName, EVolumeKind volumeKind = EVolumeKind::kS1000,
                                std::uint8_t volumeLoadNumber = 0)
        : name(std::move(volumeName)), kind(volumeKind), loadNumber(volumeLoadNumber)
    {
    }

    std::string name;
    EVolumeKind kind = EVolumeKind::kS1000;
    std::uint8_t loadNumber = 0;                    // byte 13
    std::optional<std::size_t> tablePosition;       // default: the next free entry of the table
};

struct CFileDescription
{
    CFileDescription(std::string fileName, std::uint8_t fileType, std::vector<std::uint8_t> fileContents,
                     std::vector<std::uint16_t> fileBlocks = {},
                     std::optional<std::size_t> fileDirectoryPosition = std::nullopt)
        : name(std::move(fileName)), type(fileType), contents(std::move(fileContents)),
          directoryPosition(fileDirectoryPosition), blocks(std::move(fileBlocks))
    {
    }

    std::string name;
    std::uint8_t type = 243;                        // a sample
    std::vector<std::uint8_t> contents;
    std::optional<std::size_t> directoryPosition;   // default: the next free entry of the directory
    // Blocks relative to the partition, in chain order; default: the next free contiguous blocks.
    std::vector<std::uint16_t> blocks;
};

// Deterministic contents for a file: byte i is (i * 7 + seed) mod 251.
std::vector<std::uint8_t> MakeFileContents(std::size_t sizeInBytes, std::uint8_t seed = 0);

// A built image and where the builder put everything. Volume and file numbers are the order of
// AddVolume and AddFile; block numbers are relative to the partition, as on the disc.
class CDiscImage
{
public:
    std::vector<std::uint8_t>& Bytes() { return mBytes; }
    const std::vector<std::uint8_t>& Bytes() const { return mBytes; }

    std::size_t GetPartitionCount() const { return mPartitions.size(); }
    std::uint32_t GetPartitionStartBlock(std::size_t partition) const;
    std::uint16_t GetPartitionSizeInBlocks(std::size_t partition) const;
    std::uint16_t GetDirectoryBlock(std::size_t partition, std::size_t volume) const;
    const std::vector<std::uint16_t>& GetFileBlocks(std::size_t partition, std::size_t volume,
                                                    std::size_t file) const;

    // Byte offsets in the image.
    std::size_t PartitionOffset(std::size_t partition) const;
    std::size_t VolumeEntryOffset(std::size_t partition, std::size_t volume) const;
    std::size_t DirectoryEntryOffset(std::size_t partition, std::size_t volume, std::size_t file) const;
    std::size_t AllocationEntryOffset(std::size_t partition, std::size_t block) const;
    std::size_t FileDataOffset(std::size_t partition, std::uint16_t block) const;

    // Damage, each a field written over.
    void SetPartitionSizeWord(std::size_t partition, std::uint16_t sizeInBlocks);
    void ZeroHeaderMagicWords(std::size_t partition);
    void SetVolumeFlags(std::size_t partition, std::size_t volume, std::uint8_t flags);
    void SetVolumeStartBlock(std::size_t partition, std::size_t volume, std::uint16_t block);
    void SetVolumeNameByte(std::size_t partition, std::size_t volume, std::size_t index, std::uint8_t code);
    void SetFileNameByte(std::size_t partition, std::size_t volume, std::size_t file, std::size_t index,
                         std::uint8_t code);
    void SetFileType(std::size_t partition, std::size_t volume, std::size_t file, std::uint8_t type);
    void SetFileSize(std::size_t partition, std::size_t volume, std::size_t file, std::uint32_t sizeInBytes);
    void SetFileFirstBlock(std::size_t partition, std::size_t volume, std::size_t file, std::uint16_t block);
    void SetAllocationEntry(std::size_t partition, std::size_t block, std::uint16_t value);
    // Sets the allocation entry of the file's link-th block, i.e. where that block's chain goes next.
    void SetChainLink(std::size_t partition, std::size_t volume, std::size_t file, std::size_t link,
                      std::uint16_t value);
    // Cuts the image to its first sizeInBytes bytes.
    void Trim(std::size_t sizeInBytes);
    // Adds zero blocks at the end of the image, outside every partition.
    void AppendBlocks(std::size_t count);

private:
    friend class CDiscImageBuilder;

    struct CVolumeLayout
    {
        std::size_t tablePosition = 0;
        std::uint16_t directoryBlock = 0;
        std::vector<std::size_t> directoryPositions;
        std::vector<std::vector<std::uint16_t>> fileBlocks;
    };
    struct CPartitionLayout
    {
        std::uint32_t startBlock = 0;
        std::uint16_t sizeInBlocks = 0;
        std::vector<CVolumeLayout> volumes;
    };

    void WriteWord(std::size_t offset, std::uint16_t value);
    const CVolumeLayout& Volume(std::size_t partition, std::size_t volume) const;

    std::vector<std::uint8_t> mBytes;
    std::vector<CPartitionLayout> mPartitions;
};

// Collects partitions, volumes and files, then lays them out: partitions one after the other, each
// chained to the next by its size word; in each, the header blocks, then the volumes' directories,
// then the files that have no explicit blocks. Throws std::logic_error when a description does not fit.
class CDiscImageBuilder
{
public:
    std::size_t AddPartition(std::uint16_t sizeInBlocks);
    std::size_t AddVolume(std::size_t partition, const CVolumeDescription& volume);
    std::size_t AddFile(std::size_t partition, std::size_t volume, const CFileDescription& file);

    CDiscImage Build() const;

    // The smallest image the reader accepts: one partition of 4 blocks, one S1000 volume "VOLUME 1"
    // holding one sample file "SAMPLE 1" of 100 bytes.
    static CDiscImage BuildMinimalDisc();

private:
    struct CVolumePlan
    {
        CVolumeDescription description;
        std::vector<CFileDescription> files;
    };
    struct CPartitionPlan
    {
        std::uint16_t sizeInBlocks = 0;
        std::vector<CVolumePlan> volumes;
    };

    std::vector<CPartitionPlan> mPartitions;
};

// Encodes a name into 12 Akai character codes, blank-padded; throws std::logic_error on a character
// outside the table, so that a test never builds a damaged name by accident.
void EncodeImageName(const std::string& name, std::uint8_t* codes);

} // namespace NSAkaiTestSupport
