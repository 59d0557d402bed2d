#pragma once

// The library's byte media over a block device: byte ranges become whole-block reads, and only a part
// block at the head or tail of a request passes through the one-block scratch buffer.

#include "framework/foundation/core/Media.h"
#include "libs/rawdisk/BlockDevice.h"

#include <cstdint>
#include <memory>

namespace NSBrakvelImplementation {

// Reads length bytes from position into destination; whole blocks go straight to the destination.
// scratch holds one block.
void ReadByteRange(NSBlockDevice::IBlockDevice& device, std::uint64_t position, std::uint64_t length,
                   std::uint8_t* destination, std::uint8_t* scratch);

class CBlockyMedia : public NSTramvell::CMedia
{
public:
    // Takes the device; when the construction fails the device is released all the same.
    explicit CBlockyMedia(std::unique_ptr<NSBlockDevice::IBlockDevice> device);
    CBlockyMedia(const CBlockyMedia&) = delete;
    CBlockyMedia& operator=(const CBlockyMedia&) = delete;
    ~CBlockyMedia() override;

    // Throws XFile for a medium over 2,147,483,647 bytes, which 32-bit positions cannot reach.
    std::int32_t GetSize() const override;
    std::int32_t GetPosition() const override;
    void SetPosition(std::int32_t position) override;
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override;
    // A read-only medium: writing does nothing.
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override;

private:
    struct CReleaseDevice
    {
        void operator()(NSBlockDevice::IBlockDevice* device) const { device->Release(); }
    };

    std::unique_ptr<NSBlockDevice::IBlockDevice, CReleaseDevice> mDevice;
    std::unique_ptr<std::uint8_t[]> mScratch;
    std::int64_t mPosition = 0;
};

} // namespace NSBrakvelImplementation
