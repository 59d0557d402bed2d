#pragma once

// The parsers' view of one open file of the Akai file system.

#include "akai/parsers/IAkaiFileMedia.h"

#include <cstdint>

namespace NSAkaiFileSystem {
class CAkaiFile;
}

namespace NSAkaiConversionImplementation {

// Made on the stack for each file the conversion parses; the file is borrowed and outlives it.
class CAkaiFileMedia final : public NSAkaiParser::IAkaiFileMedia
{
public:
    explicit CAkaiFileMedia(NSAkaiFileSystem::CAkaiFile& file);

    std::uint64_t GetSize() override;
    // Fails as the file's read fails: NSTramvell::XBadFormat past the end or on a damaged file.
    void ReadAt(std::uint64_t position, std::uint64_t length, void* buffer) override;

private:
    NSAkaiFileSystem::CAkaiFile& mFile;
};

} // namespace NSAkaiConversionImplementation
