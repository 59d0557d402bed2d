#include "akai/parsers/tests/support/RecordingFileMedia.h"

#include "framework/foundation/core/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace NSAkaiTestSupport {

CRecordingFileMedia::CRecordingFileMedia(std::vector<std::uint8_t> bytes) : mBytes(std::move(bytes))
{
}

std::uint64_t CRecordingFileMedia::GetSize()
{
    return mBytes.size();
}

void CRecordingFileMedia::ReadAt(std::uint64_t position, std::uint64_t length, void* buffer)
{
    mReads.push_back({position, length});
    if (position > mBytes.size() || length > mBytes.size() - position)
        throw NSTramvell::XBadFormat();
    if (length != 0)
        std::memcpy(buffer, mBytes.data() + position, static_cast<std::size_t>(length));
}

bool CRecordingFileMedia::WasAnyByteRead(std::uint64_t first, std::uint64_t last, std::uint64_t probeLength) const
{
    return std::any_of(mReads.begin(), mReads.end(), [&](const CFileRead& read) {
        if (read.length == 0 || read.length == probeLength)
            return false;
        return read.position <= last && first < read.position + read.length;
    });
}

std::uint64_t CRecordingFileMedia::GetReadExtent() const
{
    std::uint64_t extent = 0;
    for (const CFileRead& read : mReads)
        extent = std::max(extent, read.position + read.length);
    return extent;
}

} // namespace NSAkaiTestSupport
