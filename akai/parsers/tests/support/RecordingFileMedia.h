#pragma once

// An Akai file held in memory that logs every read, so tests can see which bytes a parser asks for.
// A read past the end throws NSTramvell::XBadFormat, as the Akai file does.

#include "akai/parsers/IAkaiFileMedia.h"

#include <cstdint>
#include <vector>

namespace NSAkaiTestSupport {

struct CFileRead
{
    std::uint64_t position;
    std::uint64_t length;
};

class CRecordingFileMedia final : public NSAkaiParser::IAkaiFileMedia
{
public:
    explicit CRecordingFileMedia(std::vector<std::uint8_t> bytes);

    std::uint64_t GetSize() override;
    void ReadAt(std::uint64_t position, std::uint64_t length, void* buffer) override;

    const std::vector<CFileRead>& GetReads() const { return mReads; }
    // True when a logged read other than those of probeLength bytes touches a byte in first..last.
    bool WasAnyByteRead(std::uint64_t first, std::uint64_t last, std::uint64_t probeLength = 0) const;
    // The highest byte position any read reached, plus one.
    std::uint64_t GetReadExtent() const;

private:
    std::vector<std::uint8_t> mBytes;
    std::vector<CFileRead> mReads;
};

} // namespace NSAkaiTestSupport
