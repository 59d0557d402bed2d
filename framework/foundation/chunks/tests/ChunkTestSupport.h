#pragma once

// Byte builders and fake media shared by the chunk tests.

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace NSChunkTests {

using TBytes = std::vector<std::uint8_t>;

inline TBytes operator+(TBytes a, const TBytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The characters of a text, without its terminator.
inline TBytes Text(const std::string& text)
{
    return TBytes(text.begin(), text.end());
}

inline TBytes BigEndian(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

inline TBytes LittleEndian(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

inline TBytes Zeros(std::size_t count)
{
    return TBytes(count, 0);
}

// A deterministic byte pattern, so that a shifted or cut copy shows.
inline TBytes Pattern(std::size_t count, std::uint8_t seed = 11)
{
    TBytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 37 + seed);
    return bytes;
}

inline NSTramvell::COwnedMemoryMedia MediaWith(const TBytes& bytes)
{
    return NSTramvell::COwnedMemoryMedia(static_cast<std::int32_t>(bytes.size()), bytes.data());
}

inline TBytes ContentsOf(const NSTramvell::COwnedMemoryMedia& media)
{
    return TBytes(media.GetBuffer(), media.GetBuffer() + media.GetSize());
}

// A memory media whose writes numbered from failFromWrite (counted from 0) fail, failCount of them in
// a row, with XWrite or std::bad_alloc (a memory media that cannot grow).
class CFailingMedia : public NSTramvell::CMedia
{
public:
    enum class EFailure
    {
        kWrite,
        kOutOfMemory
    };

    CFailingMedia(int failFromWrite, int failCount, EFailure failure)
        : mFailFromWrite(failFromWrite), mFailCount(failCount), mFailure(failure)
    {
    }

    std::int32_t GetSize() const override { return mMedia.GetSize(); }
    std::int32_t GetPosition() const override { return mMedia.GetPosition(); }
    void SetPosition(std::int32_t position) override { mMedia.SetPosition(position); }
    void ReadAt(std::int32_t position, std::int32_t length, void* destination) override
    {
        mMedia.ReadAt(position, length, destination);
    }
    void WriteAt(std::int32_t position, std::int32_t length, const void* source) override
    {
        const int write = mWriteCount++;
        if (write >= mFailFromWrite && write < mFailFromWrite + mFailCount) {
            ++mFailures;
            if (mFailure == EFailure::kWrite)
                throw NSTramvell::XWrite();
            throw std::bad_alloc();
        }
        mMedia.WriteAt(position, length, source);
    }

    const NSTramvell::COwnedMemoryMedia& GetContents() const { return mMedia; }
    int GetWriteCount() const { return mWriteCount; }
    int GetFailureCount() const { return mFailures; }

private:
    NSTramvell::COwnedMemoryMedia mMedia;
    int mFailFromWrite;
    int mFailCount;
    EFailure mFailure;
    int mWriteCount = 0;
    int mFailures = 0;
};

} // namespace NSChunkTests
