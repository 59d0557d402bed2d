#include "libs/rawdisk/win32/DiskBlockDevice.h"

#include "libs/rawdisk/BrakvelExceptions.h"
#include "libs/rawdisk/win32/DeviceTable.h"
#include "libs/rawdisk/win32/Drive.h"

#include <cstring>
#include <limits>
#include <memory>

namespace NSBrakvelImplementation {

namespace {

constexpr std::uint64_t kLargestBlockSizeInBytes = 65536;
constexpr std::uint64_t kBytesPerFrame = 2048;
// Positions and sizes of the media above are signed 32-bit; the seek takes a signed 32-bit distance.
constexpr std::uint64_t kLargestByteCount = std::numeric_limits<std::int32_t>::max();

std::uint64_t MultiplyOrThrow(std::uint64_t a, std::uint64_t b)
{
    std::uint64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        throw XFile();
    return product;
}

} // namespace

CDiskBlockDevice::CDiskBlockDevice(CDriveHandle&& drive)
    : mDrive(std::move(drive))
{
}

std::uint64_t CDiskBlockDevice::GetBlockCount()
{
    if (IsMultiTrackDataCD(mDrive.Get())) {
        const std::int64_t frames = GetFirstDataTrackFrames(mDrive.Get());
        if (frames <= 0)
            return 0;
        return static_cast<std::uint64_t>(frames) * kBytesPerFrame / GetBlockSize();
    }
    const CDiskGeometry geometry = GetDriveGeometry(mDrive.Get());
    if (geometry.cylinders < 0)
        throw XFile();
    return MultiplyOrThrow(MultiplyOrThrow(static_cast<std::uint64_t>(geometry.cylinders),
                                           geometry.tracksPerCylinder),
                           geometry.sectorsPerTrack);
}

std::uint64_t CDiskBlockDevice::GetBlockSize()
{
    const std::uint64_t blockSize = GetDriveGeometry(mDrive.Get()).bytesPerSector;
    if (blockSize == 0 || blockSize > kLargestBlockSizeInBytes)
        throw XFile();
    return blockSize;
}

void CDiskBlockDevice::ReadBlocks(std::uint64_t firstBlock, std::uint64_t blockCount, void* destination)
{
    const std::uint64_t blockSize = GetBlockSize();
    if (blockCount > kLargestByteCount / blockSize || firstBlock > kLargestByteCount / blockSize)
        throw XFile();
    const std::uint64_t sizeInBytes = blockCount * blockSize;
    const std::uint64_t positionInBytes = firstBlock * blockSize;

    // Raw device reads want a buffer aligned to the block size; the spare block leaves room to align.
    const std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[sizeInBytes + blockSize]);
    const std::uint64_t misalignment = reinterpret_cast<std::uintptr_t>(buffer.get()) % blockSize;
    std::uint8_t* aligned = buffer.get() + (blockSize - misalignment);

    const CDeviceTable& table = GetDeviceTable();
    if (table.SetFilePointer(mDrive.Get(), static_cast<LONG>(positionInBytes), nullptr, FILE_BEGIN) ==
        INVALID_SET_FILE_POINTER)
        throw XFile();
    DWORD bytesRead = 0;
    if (!table.ReadFile(mDrive.Get(), aligned, static_cast<DWORD>(sizeInBytes), &bytesRead, nullptr))
        throw XFile();
    // A short read at the end of a medium would otherwise hand on bytes nobody wrote.
    if (bytesRead != sizeInBytes)
        throw XFile();
    std::memcpy(destination, aligned, static_cast<std::size_t>(sizeInBytes));
}

void CDiskBlockDevice::Release()
{
    delete this;
}

} // namespace NSBrakvelImplementation
