#pragma once

// A medium seen as equal blocks, read whole. The byte media above it turns byte ranges into block reads.

#include <cstdint>

namespace NSBlockDevice {

class IBlockDevice
{
public:
    virtual ~IBlockDevice() = default;
    virtual std::uint64_t GetBlockCount() = 0;
    // Never 0: a device that reports no block size throws instead.
    virtual std::uint64_t GetBlockSize() = 0;
    virtual void ReadBlocks(std::uint64_t firstBlock, std::uint64_t blockCount, void* destination) = 0;
    // Deletes the device.
    virtual void Release() = 0;
};

} // namespace NSBlockDevice
