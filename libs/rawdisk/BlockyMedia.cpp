#include "libs/rawdisk/BlockyMedia.h"

#include "libs/rawdisk/BrakvelExceptions.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace NSBrakvelImplementation {

void ReadByteRange(NSBlockDevice::IBlockDevice& device, std::uint64_t position, std::uint64_t length,
                   std::uint8_t* destination, std::uint8_t* scratch)
{
    if (length == 0)
        return;
    const std::uint64_t blockSize = device.GetBlockSize();
    std::uint64_t block = position / blockSize;
    const std::uint64_t offsetInBlock = position % blockSize;
    if (offsetInBlock != 0) {
        device.ReadBlocks(block, 1, scratch);
        const std::uint64_t head = std::min(length, blockSize - offsetInBlock);
        std::memcpy(destination, scratch + offsetInBlock, static_cast<std::size_t>(head));
        destination += head;
        length -= head;
        ++block;
    }
    if (length >= blockSize) {
        const std::uint64_t wholeBlocks = length / blockSize;
        device.ReadBlocks(block, wholeBlocks, destination);
        block += wholeBlocks;
        destination += wholeBlocks * blockSize;
        length -= wholeBlocks * blockSize;
    }
    if (length != 0) {
        device.ReadBlocks(block, 1, scratch);
        std::memcpy(destination, scratch, static_cast<std::size_t>(length));
    }
}

CBlockyMedia::CBlockyMedia(std::unique_ptr<NSBlockDevice::IBlockDevice> device)
    : mDevice(device.release())
{
    mScratch = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(mDevice->GetBlockSize()));
}

CBlockyMedia::~CBlockyMedia()
{
    mScratch.reset();
    mDevice.reset();
}

std::int32_t CBlockyMedia::GetSize() const
{
    const std::uint64_t blockSize = mDevice->GetBlockSize();
    const std::uint64_t blockCount = mDevice->GetBlockCount();
    constexpr std::uint64_t kLargestSize = std::numeric_limits<std::int32_t>::max();
    if (blockCount > kLargestSize / blockSize)
        throw XFile();
    return static_cast<std::int32_t>(blockCount * blockSize);
}

std::int32_t CBlockyMedia::GetPosition() const
{
    return static_cast<std::int32_t>(mPosition);
}

void CBlockyMedia::SetPosition(std::int32_t position)
{
    mPosition = position;
}

void CBlockyMedia::ReadAt(std::int32_t position, std::int32_t length, void* destination)
{
    if (position < 0 || length < 0)
        throw std::invalid_argument("");
    ReadByteRange(*mDevice, static_cast<std::uint64_t>(position), static_cast<std::uint64_t>(length),
                  static_cast<std::uint8_t*>(destination), mScratch.get());
    mPosition = static_cast<std::int64_t>(position) + length;
}

void CBlockyMedia::WriteAt(std::int32_t, std::int32_t, const void*)
{
}

} // namespace NSBrakvelImplementation
