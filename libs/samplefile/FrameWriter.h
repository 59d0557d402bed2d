#pragma once

// Writes one PCM WAVE file through the caller's IByteWriter: "RIFF"/"WAVE", "fmt ", "smpl" when there is
// a loop, then "data", whose frames come in any number of WriteFrames calls. Close patches the sizes.

#include "framework/foundation/chunks/RIFF.h"
#include "libs/samplefile/ByteStreamMedia.h"
#include "libs/samplefile/LibraryMemory.h"
#include "libs/samplefile/Sondrel.h"

#include <cstdint>
#include <vector>

namespace NSSondrel {

class CFrameWriterImpl : public IFrameWriter, public CLibraryAllocated
{
public:
    // Writes the header and opens "data"; throws on failure. sink is borrowed and must outlive the
    // writer; info must pass the lenient validation.
    CFrameWriterImpl(IByteWriter& sink, const FormatInfo& info);
    CFrameWriterImpl(const CFrameWriterImpl&) = delete;
    CFrameWriterImpl& operator=(const CFrameWriterImpl&) = delete;
    // An unclosed file is left as it is: nothing more reaches the byte writer.
    ~CFrameWriterImpl() override;

    std::int32_t IsValid() const noexcept override;
    std::int32_t WriteFrames(std::int32_t frameCount, const float* samples) noexcept override;
    std::int32_t Close() noexcept override;

private:
    void WriteHeader();
    void WriteSamples(std::int64_t sampleCount, const float* samples);

    CMyWriteMedia mMedia;
    NSTramvell::RIFF_WRITER mRiffWriter;
    FormatInfo mInfo;              // frameCount counts the frames written so far
    NSTramvell::CMedia* mDataMedia; // while "data" is open; null once closed
    std::vector<std::uint8_t> mBlock; // the encoding of one block of samples, kept for the next call
};

} // namespace NSSondrel
