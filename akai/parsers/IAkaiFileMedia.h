#pragma once

#include <cstdint>

namespace NSAkaiParser {

// Random-access view of one Akai file, as the parsers need it. The parsers borrow it and never
// delete it through this interface; its owner decides its lifetime. Reads past the file's end throw
// NSTramvell::XBadFormat. The slot order is fixed: GetSize, then ReadAt.
class IAkaiFileMedia
{
public:
    virtual std::uint64_t GetSize() = 0;
    virtual void ReadAt(std::uint64_t position, std::uint64_t length, void* buffer) = 0;

protected:
    ~IAkaiFileMedia() = default;
};

} // namespace NSAkaiParser
