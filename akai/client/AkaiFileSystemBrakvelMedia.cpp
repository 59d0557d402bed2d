#include "akai/client/AkaiFileSystemBrakvelMedia.h"

#include "akai/client/VolumeHolder.h"

#include <stdexcept>

CAkaiFileSystemBrakvelMedia::CAkaiFileSystemBrakvelMedia(NSBrakvel::CVolumeHolder& volume)
    : mVolume(volume)
{
}

std::int64_t CAkaiFileSystemBrakvelMedia::GetSize()
{
    if (mSizeInBytes < 0)
        mSizeInBytes = mVolume.GetSize();
    return mSizeInBytes;
}

void CAkaiFileSystemBrakvelMedia::ReadAt(std::int64_t position, std::int64_t length, void* buffer)
{
    // As unsigned numbers a negative position and length could add up to a range inside the medium.
    if (position < 0 || length < 0)
        throw std::invalid_argument("");
    mVolume.Read(static_cast<std::uint64_t>(position), static_cast<std::uint64_t>(length), buffer);
}
