#pragma once

// A canonical text listing of an Akai disc as the reader sees it, so that two ways of reading the
// same disc can be compared whole.

#include <cstdint>
#include <string>
#include <vector>

namespace NSAkaiFileSystem {
class IAkaiDiskMedia;
}

namespace NSAkaiTestSupport {

std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t length);

// One line for each partition, volume and file:
//   "partition <number> volumes <count>"
//   "  volume <number> \"<name>\" files <count>"
//   "    file <number> \"<name>\" kind <kind> size <bytes> crc <8 hex digits>"  (or "damaged")
// A file is damaged when reading it whole throws NSTramvell::XBadFormat; other exceptions pass.
std::string ListDisc(NSAkaiFileSystem::IAkaiDiskMedia& disc);

} // namespace NSAkaiTestSupport
