#include "akai/filesystem/AkaiFile.h"

#include "akai/filesystem/AkaiFileSystem.h"
#include "akai/filesystem/AkaiOpenFile.h"
#include "akai/filesystem/AkaiPartition.h"
#include "akai/filesystem/AkaiPartitionCache.h"
#include "framework/foundation/core/Exceptions.h"

namespace NSAkaiFileSystem {

using namespace NSAkaiFileSystemImplementation;

CAkaiFile::CAkaiFile(const CAkaiFileSystem& fileSystem, std::int32_t partition, std::int32_t volume,
                     std::int32_t file)
    : CAkaiFile(fileSystem.GetPartitionCache(), partition, volume, file)
{
}

CAkaiFile::CAkaiFile(CPartitionCache& partitionCache, std::int32_t partition, std::int32_t volume,
                     std::int32_t file)
    : mPartitionCache(partitionCache), mPartition(partition), mVolume(volume), mFile(file),
      mOpenFile(std::make_unique<CAkaiOpenFile>(
          std::make_unique<CInternalAkaiOpenFile>(partitionCache, partition, volume, file)))
{
}

CAkaiFile::CAkaiFile(const CAkaiFile& other)
    : mPartitionCache(other.mPartitionCache), mPartition(other.mPartition), mVolume(other.mVolume),
      mFile(other.mFile), mOpenFile(std::make_unique<CAkaiOpenFile>(*other.mOpenFile))
{
}

CAkaiFile::~CAkaiFile() = default;

int CAkaiFile::GetKind() const
{
    return Entry().kind;
}

std::string CAkaiFile::GetName() const
{
    return Entry().name;
}

std::int64_t CAkaiFile::GetSize() const
{
    return mOpenFile->GetSize();
}

void CAkaiFile::ReadAt(std::int64_t position, std::int64_t length, void* buffer)
{
    // Checked in 64 bits, before the open file's 32-bit read could see a cut value.
    if (position < 0 || length < 0 || length > GetSize() - position) {
        throw NSTramvell::XBadFormat();
    }
    mOpenFile->ReadAt(static_cast<std::int32_t>(position), static_cast<std::int32_t>(length), buffer);
}

const CFileEntry& CAkaiFile::Entry() const
{
    // The numbers were checked when the file was opened.
    return mPartitionCache.GetPartition(static_cast<std::int16_t>(mPartition)).GetFile(mVolume, mFile);
}

} // namespace NSAkaiFileSystem
