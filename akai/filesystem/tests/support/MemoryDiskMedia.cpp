#include "akai/filesystem/tests/support/MemoryDiskMedia.h"

#include "akai/filesystem/tests/support/DiscImageBuilder.h"
#include "framework/foundation/core/Exceptions.h"

#include <cstring>

namespace NSAkaiTestSupport {

CMemoryDiskMedia::CMemoryDiskMedia(std::vector<std::uint8_t> bytes) : mBytes(std::move(bytes)) {}

CMemoryDiskMedia::CMemoryDiskMedia(const CDiscImage& image) : mBytes(image.Bytes()) {}

std::int64_t CMemoryDiskMedia::GetSize()
{
    ++mSizeQueryCount;
    return static_cast<std::int64_t>(mBytes.size());
}

void CMemoryDiskMedia::ReadAt(std::int64_t position, std::int64_t length, void* buffer)
{
    mReads.emplace_back(position, length);
    const auto size = static_cast<std::int64_t>(mBytes.size());
    if (position < 0 || length < 0 || length > size - position) {
        throw NSTramvell::XRead();
    }
    if (length > 0) {
        std::memcpy(buffer, mBytes.data() + position, static_cast<std::size_t>(length));
    }
}

} // namespace NSAkaiTestSupport
