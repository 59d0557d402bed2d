#pragma once

// Byte streams in memory for the tests, as a caller of the library would implement them, with a way to
// make one call fail and a record of what the library asked for.

#include "libs/samplefile/Sondrel.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace NSSondrelTest {

// Serves bytes from memory. Notes any request outside [0, size) instead of serving it.
class CMemoryByteReader : public NSSondrel::IByteReader
{
public:
    explicit CMemoryByteReader(std::vector<std::uint8_t> bytes) : mBytes(std::move(bytes)) {}

    std::int32_t Read(std::int64_t position, std::int64_t length, void* destination) noexcept override
    {
        ++mCallCount;
        const auto size = static_cast<std::int64_t>(mBytes.size());
        if (position < 0 || length < 0 || position > size || length > size - position) {
            mAskedOutside = true;
            return 5999;
        }
        if (mCallCount >= mFailFromCall) {
            return mFailureCode;
        }
        if (length > 0) {
            std::memcpy(destination, mBytes.data() + position, static_cast<std::size_t>(length));
        }
        return NSSondrel::kByteReaderSuccess;
    }

    // Calls from the nth on (1 = the first) answer code.
    void FailFromCall(std::int32_t n, std::int32_t code)
    {
        mFailFromCall = n;
        mFailureCode = code;
    }

    std::int64_t GetSize() const { return static_cast<std::int64_t>(mBytes.size()); }
    std::int32_t GetCallCount() const { return mCallCount; }
    bool WasAskedOutside() const { return mAskedOutside; }

private:
    std::vector<std::uint8_t> mBytes;
    std::int32_t mCallCount = 0;
    std::int32_t mFailFromCall = INT32_MAX;
    std::int32_t mFailureCode = 0;
    bool mAskedOutside = false;
};

// Collects what is written, growing as needed; bytes never written read 0xCD.
class CMemoryByteWriter : public NSSondrel::IByteWriter
{
public:
    std::int32_t Write(std::int64_t position, std::int64_t length, const void* source) noexcept override
    {
        ++mCallCount;
        if (mCallCount >= mFailFromCall) {
            return mFailureCode;
        }
        if (position < 0 || length < 0) {
            return 6999;
        }
        const auto end = static_cast<std::size_t>(position + length);
        if (end > mBytes.size()) {
            mBytes.resize(end, 0xCD);
        }
        if (length > 0) {
            std::memcpy(mBytes.data() + position, source, static_cast<std::size_t>(length));
        }
        return NSSondrel::kByteWriterSuccess;
    }

    std::int32_t GetSize(std::int64_t* sizeInBytes) noexcept override
    {
        ++mCallCount;
        if (mCallCount >= mFailFromCall) {
            return mFailureCode;
        }
        *sizeInBytes = static_cast<std::int64_t>(mBytes.size());
        return NSSondrel::kByteWriterSuccess;
    }

    // Calls from the nth on (1 = the first) answer code and store nothing.
    void FailFromCall(std::int32_t n, std::int32_t code)
    {
        mFailFromCall = n;
        mFailureCode = code;
    }

    const std::vector<std::uint8_t>& GetBytes() const { return mBytes; }
    std::int32_t GetCallCount() const { return mCallCount; }

private:
    std::vector<std::uint8_t> mBytes;
    std::int32_t mCallCount = 0;
    std::int32_t mFailFromCall = INT32_MAX;
    std::int32_t mFailureCode = 0;
};

inline NSSondrel::FormatInfo MakeFormat(std::uint32_t channels, std::int32_t bitsPerSample,
                                        std::int32_t sampleRate = 44100)
{
    NSSondrel::FormatInfo info{};
    info.channels = channels;
    info.bitsPerSample = bitsPerSample;
    info.sampleRate = sampleRate;
    info.loopMode = NSSondrel::kLoopNone;
    info.alternate = NSSondrel::kAlternateNo;
    return info;
}

inline NSSondrel::FormatInfo WithLoop(NSSondrel::FormatInfo info, std::int32_t loopMode, std::uint32_t loopStart,
                                      std::uint32_t loopEnd, std::int32_t alternate = NSSondrel::kAlternateNo)
{
    info.loopMode = loopMode;
    info.loopStart = loopStart;
    info.loopEnd = loopEnd;
    info.alternate = alternate;
    return info;
}

inline NSSondrel::FormatInfo WithRoot(NSSondrel::FormatInfo info, std::uint32_t rootKey, std::int32_t fineTune)
{
    info.hasRoot = 1;
    info.rootKey = rootKey;
    info.fineTune = fineTune;
    return info;
}

} // namespace NSSondrelTest
