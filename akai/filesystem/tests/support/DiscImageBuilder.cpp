#include "akai/filesystem/tests/support/DiscImageBuilder.h"

#include <algorithm>
#include <stdexcept>

namespace NSAkaiTestSupport {

namespace {

constexpr char kImageCharacters[] = "0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ#+-.";
constexpr std::size_t kNameLengthInBytes = 12;
constexpr std::uint8_t kBlankCode = 10;

// Bytes of the header that the reader does not interpret: the builder fills them, so that a test can
// show that the reader does not depend on them.
constexpr std::size_t kMagicWordsOffset = 2;
constexpr std::size_t kMagicWordsEnd = kImageVolumeTableOffset;

constexpr std::size_t kVolumeFlagsOffset = 12;
constexpr std::size_t kVolumeLoadNumberOffset = 13;
constexpr std::size_t kVolumeStartOffset = 14;
constexpr std::size_t kFileTypeOffset = 16;
constexpr std::size_t kFileSizeOffset = 17;
constexpr std::size_t kFileFirstBlockOffset = 20;

void PutWord(std::uint8_t* at, std::uint16_t value)
{
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void PutTriple(std::uint8_t* at, std::uint32_t value)
{
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    at[2] = static_cast<std::uint8_t>((value >> 16) & 0xFF);
}

std::size_t BlocksFor(std::size_t sizeInBytes)
{
    return (sizeInBytes + kImageBlockSizeInBytes - 1) / kImageBlockSizeInBytes;
}

std::size_t HeaderBlocksFor(std::size_t partitionSizeInBlocks)
{
    return BlocksFor(kImageAllocationTableOffset + 2 * partitionSizeInBlocks);
}

void Require(bool condition, const char* what)
{
    if (!condition) {
        throw std::logic_error(what);
    }
}

// Free and used blocks of one partition while it is laid out.
class CBlockMap
{
public:
    explicit CBlockMap(std::size_t sizeInBlocks) : mUsed(sizeInBlocks, false) {}

    void Claim(std::size_t block)
    {
        Require(block < mUsed.size(), "block outside the partition");
        Require(!mUsed[block], "block claimed twice");
        mUsed[block] = true;
    }

    std::uint16_t ClaimRun(std::size_t count)
    {
        for (std::size_t first = 0; first + count <= mUsed.size(); ++first) {
            std::size_t length = 0;
            while (length < count && !mUsed[first + length]) {
                ++length;
            }
            if (length == count) {
                for (std::size_t i = 0; i < count; ++i) {
                    mUsed[first + i] = true;
                }
                return static_cast<std::uint16_t>(first);
            }
        }
        throw std::logic_error("partition full");
    }

private:
    std::vector<bool> mUsed;
};

std::size_t NextFreePosition(std::vector<bool>& taken)
{
    for (std::size_t i = 0; i < taken.size(); ++i) {
        if (!taken[i]) {
            return i;
        }
    }
    throw std::logic_error("table full");
}

std::size_t TakePosition(std::vector<bool>& taken, const std::optional<std::size_t>& wanted)
{
    const std::size_t position = wanted ? *wanted : NextFreePosition(taken);
    Require(position < taken.size(), "position outside the table");
    Require(!taken[position], "position taken twice");
    taken[position] = true;
    return position;
}

} // namespace

std::size_t DirectoryLengthOf(EVolumeKind kind)
{
    return (static_cast<std::uint8_t>(kind) & 2) != 0 ? 510 : 128;
}

std::vector<std::uint8_t> MakeFileContents(std::size_t sizeInBytes, std::uint8_t seed)
{
    std::vector<std::uint8_t> contents(sizeInBytes);
    for (std::size_t i = 0; i < sizeInBytes; ++i) {
        contents[i] = static_cast<std::uint8_t>((i * 7 + seed) % 251);
    }
    return contents;
}

void EncodeImageName(const std::string& name, std::uint8_t* codes)
{
    Require(name.size() <= kNameLengthInBytes, "name longer than 12 characters");
    const std::string table(kImageCharacters);
    for (std::size_t i = 0; i < kNameLengthInBytes; ++i) {
        if (i >= name.size()) {
            codes[i] = kBlankCode;
            continue;
        }
        const std::size_t code = table.find(name[i]);
        Require(code != std::string::npos, "character outside the Akai table");
        codes[i] = static_cast<std::uint8_t>(code);
    }
}

// CDiscImage

std::uint32_t CDiscImage::GetPartitionStartBlock(std::size_t partition) const
{
    return mPartitions.at(partition).startBlock;
}

std::uint16_t CDiscImage::GetPartitionSizeInBlocks(std::size_t partition) const
{
    return mPartitions.at(partition).sizeInBlocks;
}

std::uint16_t CDiscImage::GetDirectoryBlock(std::size_t partition, std::size_t volume) const
{
    return Volume(partition, volume).directoryBlock;
}

const std::vector<std::uint16_t>& CDiscImage::GetFileBlocks(std::size_t partition, std::size_t volume,
                                                            std::size_t file) const
{
    return Volume(partition, volume).fileBlocks.at(file);
}

std::size_t CDiscImage::PartitionOffset(std::size_t partition) const
{
    return static_cast<std::size_t>(mPartitions.at(partition).startBlock) * kImageBlockSizeInBytes;
}

std::size_t CDiscImage::VolumeEntryOffset(std::size_t partition, std::size_t volume) const
{
    return PartitionOffset(partition) + kImageVolumeTableOffset +
           Volume(partition, volume).tablePosition * kImageVolumeEntrySizeInBytes;
}

std::size_t CDiscImage::DirectoryEntryOffset(std::size_t partition, std::size_t volume, std::size_t file) const
{
    const CVolumeLayout& layout = Volume(partition, volume);
    return FileDataOffset(partition, layout.directoryBlock) +
           layout.directoryPositions.at(file) * kImageDirectoryEntrySizeInBytes;
}

std::size_t CDiscImage::AllocationEntryOffset(std::size_t partition, std::size_t block) const
{
    return PartitionOffset(partition) + kImageAllocationTableOffset + 2 * block;
}

std::size_t CDiscImage::FileDataOffset(std::size_t partition, std::uint16_t block) const
{
    return PartitionOffset(partition) + static_cast<std::size_t>(block) * kImageBlockSizeInBytes;
}

void CDiscImage::SetPartitionSizeWord(std::size_t partition, std::uint16_t sizeInBlocks)
{
    WriteWord(PartitionOffset(partition), sizeInBlocks);
}

void CDiscImage::ZeroHeaderMagicWords(std::size_t partition)
{
    const std::size_t offset = PartitionOffset(partition);
    for (std::size_t i = kMagicWordsOffset; i < kMagicWordsEnd; ++i) {
        mBytes.at(offset + i) = 0;
    }
}

void CDiscImage::SetVolumeFlags(std::size_t partition, std::size_t volume, std::uint8_t flags)
{
    mBytes.at(VolumeEntryOffset(partition, volume) + kVolumeFlagsOffset) = flags;
}

void CDiscImage::SetVolumeStartBlock(std::size_t partition, std::size_t volume, std::uint16_t block)
{
    WriteWord(VolumeEntryOffset(partition, volume) + kVolumeStartOffset, block);
}

void CDiscImage::SetVolumeNameByte(std::size_t partition, std::size_t volume, std::size_t index,
                                   std::uint8_t code)
{
    Require(index < kNameLengthInBytes, "name byte outside the name");
    mBytes.at(VolumeEntryOffset(partition, volume) + index) = code;
}

void CDiscImage::SetFileNameByte(std::size_t partition, std::size_t volume, std::size_t file, std::size_t index,
                                 std::uint8_t code)
{
    Require(index < kNameLengthInBytes, "name byte outside the name");
    mBytes.at(DirectoryEntryOffset(partition, volume, file) + index) = code;
}

void CDiscImage::SetFileType(std::size_t partition, std::size_t volume, std::size_t file, std::uint8_t type)
{
    mBytes.at(DirectoryEntryOffset(partition, volume, file) + kFileTypeOffset) = type;
}

void CDiscImage::SetFileSize(std::size_t partition, std::size_t volume, std::size_t file,
                             std::uint32_t sizeInBytes)
{
    const std::size_t offset = DirectoryEntryOffset(partition, volume, file) + kFileSizeOffset;
    Require(offset + 3 <= mBytes.size(), "field outside the image");
    PutTriple(&mBytes[offset], sizeInBytes);
}

void CDiscImage::SetFileFirstBlock(std::size_t partition, std::size_t volume, std::size_t file,
                                   std::uint16_t block)
{
    WriteWord(DirectoryEntryOffset(partition, volume, file) + kFileFirstBlockOffset, block);
}

void CDiscImage::SetAllocationEntry(std::size_t partition, std::size_t block, std::uint16_t value)
{
    WriteWord(AllocationEntryOffset(partition, block), value);
}

void CDiscImage::SetChainLink(std::size_t partition, std::size_t volume, std::size_t file, std::size_t link,
                              std::uint16_t value)
{
    SetAllocationEntry(partition, GetFileBlocks(partition, volume, file).at(link), value);
}

void CDiscImage::Trim(std::size_t sizeInBytes)
{
    Require(sizeInBytes <= mBytes.size(), "trimming to more than the image holds");
    mBytes.resize(sizeInBytes);
}

void CDiscImage::AppendBlocks(std::size_t count)
{
    mBytes.resize(mBytes.size() + count * kImageBlockSizeInBytes, 0);
}

void CDiscImage::WriteWord(std::size_t offset, std::uint16_t value)
{
    Require(offset + 2 <= mBytes.size(), "field outside the image");
    PutWord(&mBytes[offset], value);
}

const CDiscImage::CVolumeLayout& CDiscImage::Volume(std::size_t partition, std::size_t volume) const
{
    return mPartitions.at(partition).volumes.at(volume);
}

// CDiscImageBuilder

std::size_t CDiscImageBuilder::AddPartition(std::uint16_t sizeInBlocks)
{
    Require(sizeInBlocks > HeaderBlocksFor(sizeInBlocks), "partition too small for its header");
    mPartitions.push_back(CPartitionPlan{sizeInBlocks, {}});
    return mPartitions.size() - 1;
}

std::size_t CDiscImageBuilder::AddVolume(std::size_t partition, const CVolumeDescription& volume)
{
    std::vector<CVolumePlan>& volumes = mPartitions.at(partition).volumes;
    volumes.push_back(CVolumePlan{volume, {}});
    return volumes.size() - 1;
}

std::size_t CDiscImageBuilder::AddFile(std::size_t partition, std::size_t volume, const CFileDescription& file)
{
    Require(file.contents.size() < (1u << 24), "file too large for a 24-bit size");
    std::vector<CFileDescription>& files = mPartitions.at(partition).volumes.at(volume).files;
    files.push_back(file);
    return files.size() - 1;
}

CDiscImage CDiscImageBuilder::Build() const
{
    CDiscImage image;
    std::size_t totalBlocks = 0;
    for (const CPartitionPlan& partition : mPartitions) {
        totalBlocks += partition.sizeInBlocks;
    }
    image.mBytes.assign(totalBlocks * kImageBlockSizeInBytes, 0);

    std::uint32_t startBlock = 0;
    for (const CPartitionPlan& plan : mPartitions) {
        CDiscImage::CPartitionLayout layout;
        layout.startBlock = startBlock;
        layout.sizeInBlocks = plan.sizeInBlocks;
        std::uint8_t* const base = &image.mBytes[static_cast<std::size_t>(startBlock) * kImageBlockSizeInBytes];
        std::uint8_t* const allocation = base + kImageAllocationTableOffset;
        std::uint8_t* const volumeTable = base + kImageVolumeTableOffset;

        PutWord(base, plan.sizeInBlocks);
        for (std::size_t i = kMagicWordsOffset; i < kMagicWordsEnd; ++i) {
            base[i] = static_cast<std::uint8_t>(0x41 + (i * 13) % 64);
        }

        CBlockMap blocks(plan.sizeInBlocks);
        for (std::size_t block = 0; block < HeaderBlocksFor(plan.sizeInBlocks); ++block) {
            blocks.Claim(block);
            PutWord(allocation + 2 * block, kHeaderBlockMark);
        }
        for (const CVolumePlan& volume : plan.volumes) {
            for (const CFileDescription& file : volume.files) {
                Require(file.blocks.empty() || file.blocks.size() == BlocksFor(file.contents.size()),
                        "block list does not match the file size");
                for (std::uint16_t block : file.blocks) {
                    blocks.Claim(block);
                }
            }
        }

        std::vector<bool> tableTaken(kImageVolumeTableLength, false);
        for (const CVolumePlan& volume : plan.volumes) {
            CDiscImage::CVolumeLayout volumeLayout;
            volumeLayout.tablePosition = TakePosition(tableTaken, volume.description.tablePosition);
            const std::size_t directoryLength = DirectoryLengthOf(volume.description.kind);
            const std::size_t directoryBlocks = BlocksFor(directoryLength * kImageDirectoryEntrySizeInBytes);
            volumeLayout.directoryBlock = blocks.ClaimRun(directoryBlocks);
            for (std::size_t i = 0; i < directoryBlocks; ++i) {
                const std::size_t block = volumeLayout.directoryBlock + i;
                PutWord(allocation + 2 * block,
                        i + 1 < directoryBlocks ? static_cast<std::uint16_t>(block + 1) : kDirectoryEnd);
            }

            std::uint8_t* const volumeEntry = volumeTable + volumeLayout.tablePosition * kImageVolumeEntrySizeInBytes;
            EncodeImageName(volume.description.name, volumeEntry);
            volumeEntry[kVolumeFlagsOffset] = static_cast<std::uint8_t>(volume.description.kind);
            volumeEntry[kVolumeLoadNumberOffset] = volume.description.loadNumber;
            PutWord(volumeEntry + kVolumeStartOffset, volumeLayout.directoryBlock);

            std::uint8_t* const directory = base + volumeLayout.directoryBlock * kImageBlockSizeInBytes;
            std::vector<bool> directoryTaken(directoryLength, false);
            for (const CFileDescription& file : volume.files) {
                const std::size_t position = TakePosition(directoryTaken, file.directoryPosition);
                std::vector<std::uint16_t> fileBlocks = file.blocks;
                if (fileBlocks.empty() && !file.contents.empty()) {
                    const std::size_t count = BlocksFor(file.contents.size());
                    const std::uint16_t first = blocks.ClaimRun(count);
                    for (std::size_t i = 0; i < count; ++i) {
                        fileBlocks.push_back(static_cast<std::uint16_t>(first + i));
                    }
                }
                for (std::size_t i = 0; i < fileBlocks.size(); ++i) {
                    PutWord(allocation + 2 * fileBlocks[i], i + 1 < fileBlocks.size() ? fileBlocks[i + 1] : kChainEnd);
                    const std::size_t from = i * kImageBlockSizeInBytes;
                    const std::size_t count = std::min(kImageBlockSizeInBytes, file.contents.size() - from);
                    std::copy_n(file.contents.begin() + static_cast<std::ptrdiff_t>(from), count,
                                base + static_cast<std::size_t>(fileBlocks[i]) * kImageBlockSizeInBytes);
                }

                std::uint8_t* const entry = directory + position * kImageDirectoryEntrySizeInBytes;
                EncodeImageName(file.name, entry);
                entry[kFileTypeOffset] = file.type;
                PutTriple(entry + kFileSizeOffset, static_cast<std::uint32_t>(file.contents.size()));
                PutWord(entry + kFileFirstBlockOffset, fileBlocks.empty() ? 0 : fileBlocks.front());
                volumeLayout.directoryPositions.push_back(position);
                volumeLayout.fileBlocks.push_back(std::move(fileBlocks));
            }
            layout.volumes.push_back(std::move(volumeLayout));
        }
        image.mPartitions.push_back(std::move(layout));
        startBlock += plan.sizeInBlocks;
    }
    return image;
}

CDiscImage CDiscImageBuilder::BuildMinimalDisc()
{
    CDiscImageBuilder builder;
    const std::size_t partition = builder.AddPartition(4);
    const std::size_t volume = builder.AddVolume(partition, CVolumeDescription("VOLUME 1"));
    builder.AddFile(partition, volume, CFileDescription("SAMPLE 1", 243, MakeFileContents(100)));
    return builder.Build();
}

} // namespace NSAkaiTestSupport
