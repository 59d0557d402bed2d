#include "akai/filesystem/tests/fuzz/FuzzDiscImage.h"

#include "akai/filesystem/AkaiDiskMedia.h"
#include "akai/filesystem/AkaiFile.h"
#include "akai/filesystem/AkaiFileSystem.h"
#include "akai/filesystem/AkaiPartitionCache.h"
#include "akai/filesystem/AkaiUIStrings.h"
#include "framework/foundation/core/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace NSFuzzTargets {

namespace {

// The fuzzer's bytes as a disc, borrowed for one run. A range off the bytes fails as a drive's read would.
class CFuzzedDisc final : public NSAkaiFileSystem::IAkaiDiskMedia
{
public:
    CFuzzedDisc(const std::uint8_t* data, std::size_t size) : mData(data), mSize(static_cast<std::int64_t>(size)) {}

    std::int64_t GetSize() override { return mSize; }

    void ReadAt(std::int64_t position, std::int64_t length, void* buffer) override
    {
        if (position < 0 || length < 0 || length > mSize - position) {
            throw NSTramvell::XRead();
        }
        if (length > 0) {
            std::memcpy(buffer, mData + position, static_cast<std::size_t>(length));
        }
    }

private:
    const std::uint8_t* mData;
    std::int64_t mSize;
};

constexpr std::int64_t kPieceSizeInBytes = 65536;

// A file's directory size may claim far more than the disc holds, so it is read in pieces rather than
// into one buffer of that size.
void ReadWholeFile(NSAkaiFileSystem::CAkaiFile& file, std::vector<std::uint8_t>& piece)
{
    const std::int64_t size = file.GetSize();
    for (std::int64_t position = 0; position < size; position += kPieceSizeInBytes) {
        file.ReadAt(position, std::min(kPieceSizeInBytes, size - position), piece.data());
    }
}

void WalkVolume(const NSAkaiFileSystem::CAkaiFileSystem& fileSystem, std::int16_t partition, std::int16_t volume,
                std::vector<std::uint8_t>& piece)
{
    static_cast<void>(fileSystem.GetVolumeName(partition, volume));
    const int fileCount = fileSystem.GetFileCount(partition, volume);
    for (int file = 0; file < fileCount; ++file) {
        NSAkaiFileSystem::CAkaiFile akaiFile(fileSystem, partition, volume, file);
        static_cast<void>(akaiFile.GetName());
        static_cast<void>(akaiFile.GetKind());
        try {
            ReadWholeFile(akaiFile, piece);
        } catch (const NSTramvell::XBadFormat&) {
            // A damaged file costs only itself.
        }
    }
}

// The application installs the file system's texts at start-up; the fuzzer has no start-up of its own.
void InstallUIStringsOnce()
{
    static const bool installed = [] {
        NSAkaiFileSystem::SetUIStrings({{NSAkaiFileSystem::kPartitionNameStringId, "Partition ^0"}});
        return true;
    }();
    static_cast<void>(installed);
}

void WalkDisc(NSAkaiFileSystem::IAkaiDiskMedia& disc)
{
    InstallUIStringsOnce();
    if (!NSAkaiFileSystem::IsAkaiDisk(disc)) {
        return;
    }
    NSAkaiFileSystem::CAkaiFileSystem fileSystem(disc);
    std::vector<std::uint8_t> piece(kPieceSizeInBytes);
    const std::int16_t partitionCount = fileSystem.GetPartitionCount();
    for (std::int16_t partition = 0; partition < partitionCount; ++partition) {
        try {
            static_cast<void>(fileSystem.GetPartitionName(partition));
            static_cast<void>(fileSystem.GetPartitionCache().GetStatistics(partition));
            const std::int16_t volumeCount = fileSystem.GetVolumeCount(partition);
            for (std::int16_t volume = 0; volume < volumeCount; ++volume) {
                WalkVolume(fileSystem, partition, volume, piece);
            }
        } catch (const NSTramvell::XBase&) {
            // A partition that cannot be read leaves the others to be read.
        }
    }
}

} // namespace

int FuzzDiscImage(const std::uint8_t* data, std::size_t size)
{
    CFuzzedDisc disc(data, size);
    try {
        WalkDisc(disc);
    } catch (const NSTramvell::XBase&) {
        // Bad input is reported by the framework's exceptions; any other one escapes as a finding.
    }
    return 0;
}

} // namespace NSFuzzTargets
