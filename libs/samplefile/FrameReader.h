#pragma once

// Opens a PCM WAVE file that the caller offers through an IByteReader, reports its FormatInfo and reads
// frames from any position as floats on the 24-bit scale.

#include "libs/samplefile/ByteStreamMedia.h"
#include "libs/samplefile/LibraryMemory.h"
#include "libs/samplefile/Sondrel.h"

#include <cstdint>

namespace NSSondrel {

class CFrameReaderImpl : public IFrameReader, public CLibraryAllocated
{
public:
    // Parses the header; throws the framework's exceptions for a malformed (XBadFormat, XPosition) or
    // unsupported (XUnsupportedFormat) file. source is borrowed and must outlive the reader;
    // sizeInBytes must lie in 0..2^31 - 1.
    CFrameReaderImpl(IByteReader& source, std::int32_t sizeInBytes);
    CFrameReaderImpl(const CFrameReaderImpl&) = delete;
    CFrameReaderImpl& operator=(const CFrameReaderImpl&) = delete;
    ~CFrameReaderImpl() override;

    const FormatInfo& GetFormatInfo() const { return mInfo; }

    std::int32_t IsValid() const noexcept override;
    std::int32_t ReadFrames(std::int32_t firstFrame, float* samples, std::int32_t frameCount) noexcept override;

private:
    void ReadHeader();
    void ReadSamplerChunk();
    void ReadSamples(std::int64_t position, std::int64_t sampleCount, float* samples);

    CMyReadMedia mMedia;
    FormatInfo mInfo;
    std::int64_t mDataOffset = 0;
};

} // namespace NSSondrel
