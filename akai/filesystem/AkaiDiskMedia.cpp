#include "akai/filesystem/AkaiDiskMedia.h"

#include <algorithm>
#include <limits>

namespace NSAkaiFileSystem {

CAkaiDiskMedia::CAkaiDiskMedia(IAkaiDiskMedia& disc) : mDisc(disc) {}

CAkaiDiskMedia::~CAkaiDiskMedia() = default;

std::int32_t CAkaiDiskMedia::GetSize() const
{
    const std::int64_t sizeInBytes = mDisc.GetSize();
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(sizeInBytes, 0, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t CAkaiDiskMedia::GetPosition() const
{
    return mPosition;
}

void CAkaiDiskMedia::SetPosition(std::int32_t position)
{
    mPosition = position;
}

void CAkaiDiskMedia::ReadAt(std::int32_t position, std::int32_t length, void* destination)
{
    mDisc.ReadAt(position, length, destination);
    mPosition = static_cast<std::int32_t>(static_cast<std::int64_t>(position) + length);
}

void CAkaiDiskMedia::WriteAt(std::int32_t, std::int32_t, const void*)
{
}

} // namespace NSAkaiFileSystem
