#include "conversion/disc/AkaiFileMedia.h"

#include "akai/filesystem/AkaiFile.h"

namespace NSAkaiConversionImplementation {

CAkaiFileMedia::CAkaiFileMedia(NSAkaiFileSystem::CAkaiFile& file) : mFile(file) {}

std::uint64_t CAkaiFileMedia::GetSize()
{
    return static_cast<std::uint64_t>(mFile.GetSize());
}

void CAkaiFileMedia::ReadAt(std::uint64_t position, std::uint64_t length, void* buffer)
{
    // A value beyond the signed range turns negative here, which the file refuses.
    mFile.ReadAt(static_cast<std::int64_t>(position), static_cast<std::int64_t>(length), buffer);
}

} // namespace NSAkaiConversionImplementation
