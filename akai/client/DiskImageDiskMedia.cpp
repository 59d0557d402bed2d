#include "akai/client/DiskImageDiskMedia.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/files/FileSpec.h"

CDiskImageDiskMedia::CDiskImageDiskMedia(NSTramvell::CFileSpec image)
    : mFile(image)
{
}

CDiskImageDiskMedia::~CDiskImageDiskMedia() = default;

std::int64_t CDiskImageDiskMedia::GetSize()
{
    if (mSizeInBytes < 0)
        mSizeInBytes = mFile.GetSize();
    return mSizeInBytes;
}

void CDiskImageDiskMedia::ReadAt(std::int64_t position, std::int64_t length, void* buffer)
{
    // Checked whole before the file's 32-bit read sees it: cut to 32 bits, a range far outside the image
    // could land inside it.
    const std::int64_t sizeInBytes = GetSize();
    if (position < 0 || length < 0 || position > sizeInBytes || length > sizeInBytes - position)
        throw NSTramvell::XRead();
    mFile.ReadAt(static_cast<std::int32_t>(position), static_cast<std::int32_t>(length), buffer);
}
