#pragma once

// The caller's byte streams seen as framework media, so that the framework's RIFF reader and writer can
// work on them. Both borrow the stream: the caller keeps it alive while the media lives.

#include "framework/foundation/core/Media.h"
#include "libs/samplefile/Sondrel.h"

#include <cstdint>

namespace NSSondrel {

// Reads from an IByteReader of a known size. Nothing outside [0, size) ever reaches the reader.
class CMyReadMedia : public NSTramvell::CMedia
{
public:
    // sizeInBytes must fit the media family's signed 32-bit range; the caller checks that.
    CMyReadMedia(IByteReader& source, std::int32_t sizeInBytes);
    ~CMyReadMedia() override;

    std::int32_t GetSize() const override;
    std::int32_t GetPosition() const override;
    void SetPosition(std::int32_t position) override;
    // A negative or out-of-range request throws XPosition without calling the reader; a failed read
    // throws XRead, or the out-of-memory exception when the reader says so.
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override;
    // Read only: throws XBase.
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override;

private:
    IByteReader& mSource;
    const std::int32_t mSizeInBytes;
    std::int32_t mPosition = 0;
};

// Writes to an IByteWriter. A file cannot grow past the signed 32-bit range: such a write throws
// XUnsupportedFormat before the writer is called.
class CMyWriteMedia : public NSTramvell::CMedia
{
public:
    explicit CMyWriteMedia(IByteWriter& sink);
    ~CMyWriteMedia() override;

    // The writer's size; one beyond the 32-bit range throws XUnsupportedFormat rather than wrapping.
    std::int32_t GetSize() const override;
    std::int32_t GetPosition() const override;
    void SetPosition(std::int32_t position) override;
    // Write only: throws XBase.
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override;
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override;

private:
    IByteWriter& mSink;
    std::int32_t mPosition = 0;
};

} // namespace NSSondrel
