#pragma once

// A disc image file, a byte-for-byte copy of a disc, as the whole disc that the Akai file system reads.

#include "akai/filesystem/AkaiDiskMedia.h"
#include "framework/foundation/files/FileMedia.h"

#include <cstdint>

namespace NSTramvell {
class CFileSpec;
}

// Holds the file open, read-only and shared with readers, for its whole life, and asks its size once:
// an image does not change while it is read, and each question costs the platform a file query. Made
// and destroyed as its own type by whoever uses it.
class CDiskImageDiskMedia final : public NSAkaiFileSystem::IAkaiDiskMedia
{
public:
    // Failures are those of opening a file: a missing image throws XFileNotFound.
    explicit CDiskImageDiskMedia(NSTramvell::CFileSpec image);
    CDiskImageDiskMedia(const CDiskImageDiskMedia&) = delete;
    CDiskImageDiskMedia& operator=(const CDiskImageDiskMedia&) = delete;
    ~CDiskImageDiskMedia();

    // A failed query throws NSTramvell::XPosition and is asked again next time.
    std::int64_t GetSize() override;
    // A range outside the image throws NSTramvell::XRead.
    void ReadAt(std::int64_t position, std::int64_t length, void* buffer) override;

private:
    NSTramvell::COpenFile mFile;
    std::int64_t mSizeInBytes = -1;  // -1 until asked
};
