#include "akai/filesystem/tests/support/DiscListing.h"

#include "akai/filesystem/AkaiFile.h"
#include "akai/filesystem/AkaiFileSystem.h"
#include "framework/foundation/core/Exceptions.h"

#include <cstdio>
#include <sstream>

namespace NSAkaiTestSupport {

std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t length)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < length; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

std::string ListDisc(NSAkaiFileSystem::IAkaiDiskMedia& disc)
{
    NSAkaiFileSystem::CAkaiFileSystem fileSystem(disc);
    std::ostringstream listing;
    const std::int16_t partitionCount = fileSystem.GetPartitionCount();
    for (std::int16_t partition = 0; partition < partitionCount; ++partition) {
        const std::int16_t volumeCount = fileSystem.GetVolumeCount(partition);
        listing << "partition " << partition << " volumes " << volumeCount << '\n';
        for (std::int16_t volume = 0; volume < volumeCount; ++volume) {
            const int fileCount = fileSystem.GetFileCount(partition, volume);
            listing << "  volume " << volume << " \"" << fileSystem.GetVolumeName(partition, volume)
                    << "\" files " << fileCount << '\n';
            for (int file = 0; file < fileCount; ++file) {
                NSAkaiFileSystem::CAkaiFile akaiFile(fileSystem, partition, volume, file);
                listing << "    file " << file << " \"" << akaiFile.GetName() << "\" kind " << akaiFile.GetKind()
                        << " size " << akaiFile.GetSize() << ' ';
                std::vector<std::uint8_t> contents(static_cast<std::size_t>(akaiFile.GetSize()));
                try {
                    akaiFile.ReadAt(0, akaiFile.GetSize(), contents.data());
                } catch (const NSTramvell::XBadFormat&) {
                    listing << "damaged\n";
                    continue;
                }
                char crc[16];
                std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(Crc32(contents.data(), contents.size())));
                listing << "crc " << crc << '\n';
            }
        }
    }
    return listing.str();
}

} // namespace NSAkaiTestSupport
