#pragma once

// The one boundary of the sample-file library Sondrel.dll: reading and writing PCM WAVE files frame by
// frame over byte streams that the caller supplies. Only integers, floats, byte buffers, FormatInfo and
// pointers to objects with virtual operations cross it, and every operation answers with a status code.
//
// The virtual operations keep their declaration order: the program and the library index one vtable.
// No exception crosses in either direction; with the static runtime an i686 exception cannot even
// unwind from one module into the other. The operations a caller implements are therefore noexcept.

#include <cstdint>

#if defined(_WIN32)
#define SONDREL_CDECL __cdecl
#else
#define SONDREL_CDECL
#endif

namespace NSSondrel {

// Status codes of every library operation.
constexpr std::int32_t kSondrelSuccess = 991;
constexpr std::int32_t kSondrelOutOfMemory = 992;
constexpr std::int32_t kSondrelInvalidArgument = 993;
constexpr std::int32_t kSondrelInvariantCorrupt = 994;
constexpr std::int32_t kSondrelSequenceError = 995;
constexpr std::int32_t kSondrelLogicError = 996;
constexpr std::int32_t kSondrelReadFailure = 997;
constexpr std::int32_t kSondrelWriteFailure = 998;
constexpr std::int32_t kSondrelBadFormat = 999;
constexpr std::int32_t kSondrelDiskFull = 1000;
constexpr std::int32_t kSondrelUnsupportedFormat = 1001;
constexpr std::int32_t kSondrelOtherFailure = 1002;

// Result codes of the caller's byte streams; any other value is a read or write failure.
constexpr std::int32_t kByteReaderSuccess = 5000;
constexpr std::int32_t kByteReaderOutOfMemory = 5001;
constexpr std::int32_t kByteWriterSuccess = 6000;
constexpr std::int32_t kByteWriterOutOfMemory = 6001;
// The caller's medium has no room left: the library answers kSondrelDiskFull.
constexpr std::int32_t kByteWriterDiskFull = 6003;

// FormatInfo::loopMode
constexpr std::int32_t kLoopNone = 42;
constexpr std::int32_t kLoopBackward = 43;
constexpr std::int32_t kLoopForward = 44;
// FormatInfo::alternate
constexpr std::int32_t kAlternateNo = 99;
constexpr std::int32_t kAlternateYes = 100;
// What the reader puts in the root fields of a file without root information: outside every valid range.
constexpr std::uint32_t kNoRootKey = 253;
constexpr std::int32_t kNoFineTune = 123;
constexpr std::uint32_t kNoKeyValue = 253;

// One sample file's format, filled by the caller to create a writer and by the library when it opens a
// file. Thirteen 32-bit integers in this order; both sides rely on the exact layout.
struct FormatInfo
{
    std::uint32_t channels;      // 1 or 2; frames are interleaved, left first
    std::int32_t bitsPerSample;  // 8, 16, 20, 22 or 24
    std::int32_t sampleRate;     // Hz, not 0
    std::int32_t frameCount;     // frames in the file; a writer counts its own and ignores this
    std::int32_t loopMode;       // kLoopNone, kLoopBackward or kLoopForward
    std::int32_t alternate;      // kAlternateNo or kAlternateYes; read only when there is a loop
    std::uint32_t loopStart;     // first frame of the loop
    std::uint32_t loopEnd;       // one past the last frame of the loop
    std::int32_t hasRoot;        // 0: the four fields below carry nothing
    std::uint32_t rootKey;       // MIDI note 0..127 of the unity pitch
    std::int32_t fineTune;       // cents, -50..50
    std::uint32_t lowValue;      // 0..127; the reader gives 0, the writer does not store it
    std::uint32_t highValue;     // 0..127; the reader gives 127, the writer does not store it
};
static_assert(sizeof(FormatInfo) == 52, "FormatInfo is thirteen 32-bit integers on both sides");

// Implemented by the caller, who owns it and keeps it alive while a reader uses it.
class IByteReader
{
public:
    // Returns kByteReaderSuccess, kByteReaderOutOfMemory, or any other value for a read failure.
    virtual std::int32_t Read(std::int64_t position, std::int64_t length, void* destination) noexcept = 0;

protected:
    ~IByteReader() = default;
};

// Implemented by the caller, who owns it and keeps it alive while a writer uses it.
class IByteWriter
{
public:
    // Both return kByteWriterSuccess, kByteWriterOutOfMemory, kByteWriterDiskFull, or any other value for
    // a write failure.
    virtual std::int32_t Write(std::int64_t position, std::int64_t length, const void* source) noexcept = 0;
    virtual std::int32_t GetSize(std::int64_t* sizeInBytes) noexcept = 0;

protected:
    ~IByteWriter() = default;
};

// Accepted by ISondrel::SetDebugger for the slot layout's sake; the library never calls it.
class IDebugger
{
public:
    virtual void Reserved1() noexcept = 0;
    virtual void Reserved2() noexcept = 0;

protected:
    ~IDebugger() = default;
};

// Made by ISondrel::CreateFrameWriter; the caller closes it, then deletes it.
class IFrameWriter
{
public:
    virtual ~IFrameWriter() = default;
    virtual std::int32_t IsValid() const noexcept = 0;
    // samples: frameCount frames of interleaved floats on the 24-bit scale (-8388608..8388607).
    virtual std::int32_t WriteFrames(std::int32_t frameCount, const float* samples) noexcept = 0;
    virtual std::int32_t Close() noexcept = 0;
};

// Made by ISondrel::CreateFrameReader; the caller deletes it before its byte reader.
class IFrameReader
{
public:
    virtual ~IFrameReader() = default;
    virtual std::int32_t IsValid() const noexcept = 0;
    // Fills samples with frameCount frames from firstFrame on, as floats on the 24-bit scale.
    virtual std::int32_t ReadFrames(std::int32_t firstFrame, float* samples, std::int32_t frameCount) noexcept = 0;
};

// The library object, from Sondrel_Create("ISondrel", ...). Readers and writers may outlive it.
class ISondrel
{
public:
    virtual ~ISondrel() = default;
    virtual std::int32_t IsValid() const noexcept = 0;
    virtual std::int32_t SetDebugger(IDebugger* debugger) noexcept = 0;
    virtual IFrameReader* CreateFrameReader(IByteReader* source, std::int64_t sizeInBytes, FormatInfo* info,
                                            std::int32_t* status) noexcept = 0;
    virtual IFrameWriter* CreateFrameWriter(IByteWriter* sink, const FormatInfo* info,
                                            std::int32_t* status) noexcept = 0;
};

} // namespace NSSondrel

extern "C" {
// interfaceName must be "ISondrel"; any other name gives null and kSondrelInvalidArgument.
NSSondrel::ISondrel* SONDREL_CDECL Sondrel_Create(const char* interfaceName, std::int32_t* status) noexcept;
// Frees memory the library allocated; the objects it hands out already do this when deleted.
void SONDREL_CDECL Sondrel_DeleteMemory(void* memory) noexcept;
}
