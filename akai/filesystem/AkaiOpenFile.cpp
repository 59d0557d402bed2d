#include "akai/filesystem/AkaiOpenFile.h"

#include "akai/filesystem/AkaiDiskMedia.h"
#include "akai/filesystem/AkaiPartition.h"
#include "akai/filesystem/AkaiPartitionCache.h"
#include "framework/foundation/core/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>
#include <stdexcept>
#include <utility>

namespace NSAkaiFileSystemImplementation {

namespace {

// A file's contents come in one buffer, taken from the framework's kept blocks: a conversion opens file
// after file, and each takes the pages of the one before.
NSTramvell::CKeptBlockPointer TakeBuffer(std::uint32_t sizeInBytes)
{
    return NSTramvell::CKeptBlockPointer(NSTramvell::TakeBlock(sizeInBytes));
}

} // namespace

std::optional<std::vector<std::uint32_t>> FollowBlockChain(NSAkaiFileSystem::CAkaiDiskMedia& disc,
                                                           const CPartition& partition,
                                                           std::uint32_t sizeInBytes, std::uint32_t firstBlock)
{
    const std::int64_t partitionSize = partition.GetSizeInBlocks();
    const std::int64_t discSize = disc.GetSize();
    const std::vector<std::uint16_t>& table = partition.GetAllocationTable();
    std::vector<bool> seen(static_cast<std::size_t>(std::max<std::int64_t>(partitionSize, 0)), false);
    std::vector<std::uint32_t> blocks;
    std::uint32_t block = firstBlock;
    for (std::int64_t done = 0; done < sizeInBytes; done += kBlockSizeInBytes) {
        if (!blocks.empty()) {
            block = table[blocks.back()];
        }
        if (block < 1 || block >= partitionSize || seen[block]) {
            return std::nullopt;
        }
        seen[block] = true;
        const std::int64_t bytesInBlock = std::min<std::int64_t>(kBlockSizeInBytes, sizeInBytes - done);
        const std::int64_t position = (partition.GetStartBlock() + static_cast<std::int64_t>(block)) * kBlockSizeInBytes;
        if (bytesInBlock > discSize - position) {
            return std::nullopt;
        }
        blocks.push_back(block);
    }
    return blocks;
}

bool IsFragmented(const std::vector<std::uint32_t>& blocks)
{
    for (std::size_t i = 1; i < blocks.size(); ++i) {
        if (blocks[i] != blocks[i - 1] + 1) {
            return true;
        }
    }
    return false;
}

// CInternalAkaiOpenFile

CInternalAkaiOpenFile::CInternalAkaiOpenFile(CPartitionCache& partitionCache, std::int32_t partition,
                                             std::int32_t volume, std::int32_t file)
    : mPartition(static_cast<std::uint16_t>(partition)), mPartitionCache(&partitionCache)
{
    if (partition < 0 || partition > std::numeric_limits<std::int16_t>::max()) {
        throw std::out_of_range("invalid vector<T> subscript");
    }
    const CPartition& contents = partitionCache.GetPartition(static_cast<std::int16_t>(partition));
    const CFileEntry& entry = contents.GetFile(volume, file);
    mSizeInBytes = entry.sizeInBytes;
    mFirstBlock = entry.firstBlock;

    NSAkaiFileSystem::CAkaiDiskMedia& disc = partitionCache.GetDisc();
    const std::optional<std::vector<std::uint32_t>> blocks =
        FollowBlockChain(disc, contents, mSizeInBytes, mFirstBlock);
    if (!blocks) {
        mIsDamaged = true;
        return;
    }
    if (mSizeInBytes == 0) {
        return;
    }
    mContents = TakeBuffer(mSizeInBytes);
    const std::int64_t partitionStart = contents.GetStartBlock();
    if (!IsFragmented(*blocks)) {
        ReadDisc(disc, (partitionStart + mFirstBlock) * kBlockSizeInBytes, mSizeInBytes, mContents.get());
        return;
    }
    std::int64_t done = 0;
    for (const std::uint32_t block : *blocks) {
        const std::int64_t count = std::min<std::int64_t>(kBlockSizeInBytes, mSizeInBytes - done);
        ReadDisc(disc, (partitionStart + block) * kBlockSizeInBytes, count,
                 mContents.get() + static_cast<std::size_t>(done));
        done += count;
    }
}

CInternalAkaiOpenFile::CInternalAkaiOpenFile(const CInternalAkaiOpenFile& other)
    : NSTramvell::CMedia(other), mSizeInBytes(other.mSizeInBytes), mFirstBlock(other.mFirstBlock),
      mPartition(other.mPartition), mPartitionCache(other.mPartitionCache), mPosition(other.mPosition),
      mIsDamaged(other.mIsDamaged)
{
    if (other.mContents) {
        mContents = TakeBuffer(mSizeInBytes);
        std::memcpy(mContents.get(), other.mContents.get(), mSizeInBytes);
    }
}

CInternalAkaiOpenFile::~CInternalAkaiOpenFile() = default;

std::int32_t CInternalAkaiOpenFile::GetSize() const
{
    return static_cast<std::int32_t>(mSizeInBytes);
}

std::int32_t CInternalAkaiOpenFile::GetPosition() const
{
    return mPosition;
}

void CInternalAkaiOpenFile::SetPosition(std::int32_t position)
{
    mPosition = position;
}

void CInternalAkaiOpenFile::ReadAt(std::int32_t position, std::int32_t length, void* destination)
{
    if (mIsDamaged || position < 0 || length < 0 || length > GetSize() - position) {
        throw NSTramvell::XBadFormat();
    }
    if (length > 0) {
        std::memcpy(destination, mContents.get() + position, static_cast<std::size_t>(length));
    }
    mPosition = position + length;
}

void CInternalAkaiOpenFile::WriteAt(std::int32_t, std::int32_t, const void*)
{
    throw std::exception();
}

// CAkaiOpenFile

CAkaiOpenFile::CAkaiOpenFile(std::unique_ptr<CInternalAkaiOpenFile> file) : mFile(std::move(file)) {}

CAkaiOpenFile::CAkaiOpenFile(const CAkaiOpenFile& other)
    : NSTramvell::CMedia(other), mFile(std::make_unique<CInternalAkaiOpenFile>(*other.mFile))
{
}

CAkaiOpenFile::~CAkaiOpenFile() = default;

std::int32_t CAkaiOpenFile::GetSize() const
{
    return mFile->GetSize();
}

std::int32_t CAkaiOpenFile::GetPosition() const
{
    return mFile->GetPosition();
}

void CAkaiOpenFile::SetPosition(std::int32_t position)
{
    mFile->SetPosition(position);
}

void CAkaiOpenFile::ReadAt(std::int32_t position, std::int32_t length, void* destination)
{
    mFile->ReadAt(position, length, destination);
}

void CAkaiOpenFile::WriteAt(std::int32_t, std::int32_t, const void*)
{
    throw std::exception();
}

} // namespace NSAkaiFileSystemImplementation
