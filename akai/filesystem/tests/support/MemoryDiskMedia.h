#pragma once

// A disc served from memory for tests; it records what it was asked, so a test can see how the reader
// reads.

#include "akai/filesystem/AkaiDiskMedia.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace NSAkaiTestSupport {

class CDiscImage;

class CMemoryDiskMedia final : public NSAkaiFileSystem::IAkaiDiskMedia
{
public:
    explicit CMemoryDiskMedia(std::vector<std::uint8_t> bytes);
    explicit CMemoryDiskMedia(const CDiscImage& image);

    std::int64_t GetSize() override;
    // A range outside the bytes throws NSTramvell::XRead, as a device's failed read would.
    void ReadAt(std::int64_t position, std::int64_t length, void* buffer) override;

    // The bytes may be changed between reads, as a disc that changes under the reader.
    std::vector<std::uint8_t>& Bytes() { return mBytes; }
    const std::vector<std::pair<std::int64_t, std::int64_t>>& GetReads() const { return mReads; }
    void ForgetReads() { mReads.clear(); }
    int GetSizeQueryCount() const { return mSizeQueryCount; }

private:
    std::vector<std::uint8_t> mBytes;
    std::vector<std::pair<std::int64_t, std::int64_t>> mReads;   // position, length
    int mSizeQueryCount = 0;
};

} // namespace NSAkaiTestSupport
