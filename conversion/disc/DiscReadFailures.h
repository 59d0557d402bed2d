#pragma once

// The disc as a conversion reads it. A drive that fails under the raw-disk client (its device call
// fails, or it is no longer ready, as when the disc is pulled out) is a disc that cannot be read: both
// become the framework's read error, so that every file asked about and the alert that ends the run give
// the one cause, a disk error. Windows builds only (the raw-disk client's exceptions).

#include "akai/filesystem/AkaiDiskMedia.h"

#include <cstdint>

namespace NSAkaiConversion {

class CDiscReadFailures final : public NSAkaiFileSystem::IAkaiDiskMedia
{
public:
    explicit CDiscReadFailures(NSAkaiFileSystem::IAkaiDiskMedia& disc) : mDisc(disc) {}  // borrowed
    CDiscReadFailures(const CDiscReadFailures&) = delete;
    CDiscReadFailures& operator=(const CDiscReadFailures&) = delete;

    std::int64_t GetSize() override;
    void ReadAt(std::int64_t position, std::int64_t length, void* buffer) override;

private:
    NSAkaiFileSystem::IAkaiDiskMedia& mDisc;
};

} // namespace NSAkaiConversion
