#pragma once

// Adapters that let the sample-file library write into and read from the framework's media. The library
// sees only status codes: every failure of a media, exceptions included, becomes a code here, since no
// exception may cross into the library. A full disk keeps its kind: the library answers it with its own
// disk-full status, which ThrowForStatus turns back into XDiskFull.

#include "libs/samplefile/Sondrel.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {
class CMedia;
class CWaveSample;
}

namespace NSWAVEGlue {

// Further results of the byte streams, beside the library's success and out-of-memory codes.
constexpr std::int32_t kByteWriterFailure = 6002;
constexpr std::int32_t kByteWriterInvalidArgument = 6004;
constexpr std::int32_t kByteWriterInvalidObject = 6005;
constexpr std::int32_t kByteReaderFailure = 5002;
constexpr std::int32_t kByteReaderInvalidArgument = 5003;
constexpr std::int32_t kByteReaderInvalidObject = 5004;

// Deletes the library's objects through their own first virtual operation, so that the library frees them.
struct CLibraryDeleter
{
    void operator()(NSSondrel::ISondrel* library) const { delete library; }
    void operator()(NSSondrel::IFrameWriter* writer) const { delete writer; }
    void operator()(NSSondrel::IFrameReader* reader) const { delete reader; }
};

// Writes where the library asks, but never past the bytes written so far (no holes).
class CCMediaByteWriter final : public NSSondrel::IByteWriter
{
public:
    explicit CCMediaByteWriter(NSTramvell::CMedia& media) : mMedia(media) {}  // borrowed
    virtual ~CCMediaByteWriter() = default;

    std::int32_t Write(std::int64_t position, std::int64_t length, const void* source) noexcept override;
    std::int32_t GetSize(std::int64_t* sizeInBytes) noexcept override;
    bool IsValid() const { return mHighWaterInBytes >= 0; }

private:
    NSTramvell::CMedia& mMedia;
    std::int64_t mHighWaterInBytes = 0;
};

class CCMediaByteReader final : public NSSondrel::IByteReader
{
public:
    explicit CCMediaByteReader(NSTramvell::CMedia* media) : mMedia(media) {}  // borrowed, may be null
    virtual ~CCMediaByteReader() = default;

    std::int32_t Read(std::int64_t position, std::int64_t length, void* destination) noexcept override;
    std::int32_t GetSize(std::int64_t* sizeInBytes) noexcept;
    bool IsValid() const { return mMedia != nullptr; }

private:
    NSTramvell::CMedia* mMedia;
};

class CDebugger final : public NSSondrel::IDebugger
{
public:
    virtual ~CDebugger() = default;
    void Reserved1() noexcept override {}
    void Reserved2() noexcept override {}
};

// Turns a library status into the exception that tells it; success returns. 992 std::bad_alloc, 993
// std::invalid_argument, 994-996 std::logic_error, 997 XRead, 998 XWrite, 999 XBadFormat, 1000 XDiskFull,
// 1001 XUnsupportedFormat, 1002 a plain std::exception, any other code std::logic_error.
void ThrowForStatus(std::int32_t status);

// Reads the WAVE file that fills the media through the library into a sample held in memory, with the
// file's channels, rate and bit depth (the data is held in 16 bits). Library failures throw as
// ThrowForStatus says; a channel count other than 1 or 2 throws XBadFormat.
std::unique_ptr<NSTramvell::CWaveSample> ReadWaveSample(NSTramvell::CMedia& media);

} // namespace NSWAVEGlue
