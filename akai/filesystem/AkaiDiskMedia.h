#pragma once

// A whole Akai disc as a source of bytes, and the same disc seen through the framework's media.

#include "framework/foundation/core/Media.h"

#include <cstdint>

namespace NSAkaiFileSystem {

// The disc as the Akai file system reads it: a drive's raw volume or an image file. Whoever made an
// implementation destroys it as its own type, hence no virtual destructor.
class IAkaiDiskMedia
{
public:
    virtual std::int64_t GetSize() = 0;
    // Fills the buffer with the byte range or throws.
    virtual void ReadAt(std::int64_t position, std::int64_t length, void* buffer) = 0;

protected:
    ~IAkaiDiskMedia() = default;
};

// The disc as a read-only media. Media positions are 32-bit, so a disc larger than 2 GB is read only
// as far as they reach. Writes are ignored. The disc is borrowed and must outlive this media.
class CAkaiDiskMedia : public NSTramvell::CMedia
{
public:
    explicit CAkaiDiskMedia(IAkaiDiskMedia& disc);
    CAkaiDiskMedia(const CAkaiDiskMedia&) = delete;
    CAkaiDiskMedia& operator=(const CAkaiDiskMedia&) = delete;
    ~CAkaiDiskMedia() override;

    // The disc's size clamped to 0 ... 2,147,483,647, so a negative size reads as an empty disc.
    std::int32_t GetSize() const override;
    std::int32_t GetPosition() const override;
    void SetPosition(std::int32_t position) override;
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override;
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override;

private:
    IAkaiDiskMedia& mDisc;
    std::int32_t mPosition = 0;
};

} // namespace NSAkaiFileSystem
