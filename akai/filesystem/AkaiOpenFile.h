#pragma once

// An Akai file read whole into memory when it is opened, as a read-only media.

#include "framework/foundation/core/KeptBlocks.h"
#include "framework/foundation/core/Media.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace NSAkaiFileSystem {
class CAkaiDiskMedia;
}

namespace NSAkaiFileSystemImplementation {

class CPartition;
class CPartitionCache;

// The blocks that hold a file of sizeInBytes, in order, or nothing when the file is damaged: every
// block its bytes need must lie in 1 ... partition size - 1, appear once, and its bytes must lie on
// the disc. Only the allocation entries that the size needs are followed, so no end mark is required.
std::optional<std::vector<std::uint32_t>> FollowBlockChain(NSAkaiFileSystem::CAkaiDiskMedia& disc,
                                                           const CPartition& partition,
                                                           std::uint32_t sizeInBytes, std::uint32_t firstBlock);
// True when the chain leaves its run of consecutive blocks.
bool IsFragmented(const std::vector<std::uint32_t>& blocks);

// A file's contents, or, for a damaged file, its directory size and no contents: then every ReadAt
// throws NSTramvell::XBadFormat, so only the code that reads the file learns of the damage.
class CInternalAkaiOpenFile : public NSTramvell::CMedia
{
public:
    // Reads file of volume of partition; read errors of the disc pass unchanged, numbers outside
    // the lists throw std::out_of_range.
    CInternalAkaiOpenFile(CPartitionCache& partitionCache, std::int32_t partition, std::int32_t volume,
                          std::int32_t file);
    CInternalAkaiOpenFile(const CInternalAkaiOpenFile& other);
    CInternalAkaiOpenFile& operator=(const CInternalAkaiOpenFile&) = delete;
    ~CInternalAkaiOpenFile() override;

    std::int32_t GetSize() const override;
    std::int32_t GetPosition() const override;
    void SetPosition(std::int32_t position) override;
    // Throws NSTramvell::XBadFormat unless 0 <= position and position + length <= size.
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override;
    // Throws std::exception: the file is read-only.
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override;

private:
    std::uint32_t mSizeInBytes = 0;
    std::uint32_t mFirstBlock = 0;
    std::uint16_t mPartition = 0;
    CPartitionCache* mPartitionCache;      // borrowed from the file system
    std::int32_t mPosition = 0;
    // The file's mSizeInBytes bytes; none for a damaged or empty file.
    NSTramvell::CKeptBlockPointer mContents;
    bool mIsDamaged = false;
};

// Owns one internal open file and forwards to it; copying copies the contents.
class CAkaiOpenFile : public NSTramvell::CMedia
{
public:
    explicit CAkaiOpenFile(std::unique_ptr<CInternalAkaiOpenFile> file);
    CAkaiOpenFile(const CAkaiOpenFile& other);
    CAkaiOpenFile& operator=(const CAkaiOpenFile&) = delete;
    ~CAkaiOpenFile() override;

    std::int32_t GetSize() const override;
    std::int32_t GetPosition() const override;
    void SetPosition(std::int32_t position) override;
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override;
    // Throws std::exception: the file is read-only.
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override;

private:
    std::unique_ptr<CInternalAkaiOpenFile> mFile;
};

} // namespace NSAkaiFileSystemImplementation
