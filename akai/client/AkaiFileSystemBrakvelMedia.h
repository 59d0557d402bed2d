#pragma once

// A drive's raw volume as the whole disc that the Akai file system reads.

#include "akai/filesystem/AkaiDiskMedia.h"

#include <cstdint>

namespace NSBrakvel {
class CVolumeHolder;
}

// Made on the stack for one test or one conversion; the volume holder is borrowed and must outlive it.
// The size is asked once: a volume does not change size while the program holds it, and the library
// measures the medium anew on every question.
class CAkaiFileSystemBrakvelMedia final : public NSAkaiFileSystem::IAkaiDiskMedia
{
public:
    explicit CAkaiFileSystemBrakvelMedia(NSBrakvel::CVolumeHolder& volume);
    CAkaiFileSystemBrakvelMedia(const CAkaiFileSystemBrakvelMedia&) = delete;
    CAkaiFileSystemBrakvelMedia& operator=(const CAkaiFileSystemBrakvelMedia&) = delete;

    // A failure throws the raw-disk client's exception and leaves the size to be asked again.
    std::int64_t GetSize() override;
    // A range past the disc's end throws std::invalid_argument.
    void ReadAt(std::int64_t position, std::int64_t length, void* buffer) override;

private:
    NSBrakvel::CVolumeHolder& mVolume;
    std::int64_t mSizeInBytes = -1;   // -1 until the volume has answered
};
