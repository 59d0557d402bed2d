#pragma once

// The block device over one open drive, which it owns and closes.

#include "libs/rawdisk/BlockDevice.h"
#include "libs/rawdisk/win32/DriveHandle.h"

namespace NSBrakvelImplementation {

class CDiskBlockDevice : public NSBlockDevice::IBlockDevice
{
public:
    explicit CDiskBlockDevice(CDriveHandle&& drive);

    // Counts the first data track of a multi-track data disc, otherwise the whole geometry.
    std::uint64_t GetBlockCount() override;
    // Throws XFile for 0 or for more than 65,536 bytes, which no drive reports.
    std::uint64_t GetBlockSize() override;
    // Reads whole blocks into a buffer aligned to the block size, in one device read. Throws XFile when
    // the seek or the read fails, or when the read delivers fewer bytes than asked.
    void ReadBlocks(std::uint64_t firstBlock, std::uint64_t blockCount, void* destination) override;
    void Release() override;

private:
    CDriveHandle mDrive;
};

} // namespace NSBrakvelImplementation
