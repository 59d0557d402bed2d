#include "libs/samplefile/tests/fuzz/FuzzSampleFile.h"

#include "libs/samplefile/Sondrel.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace NSFuzzTargets {

namespace {

constexpr std::int32_t kFramesPerRead = 4096;
// Frames come as floats on the 24-bit scale, whatever the stored depth.
constexpr float kLowestSample = -8388608.0f;
constexpr float kHighestSample = 8388607.0f;

// The fuzzer's bytes as the caller's stream; a request outside them fails as a read error.
class CFuzzedByteReader final : public NSSondrel::IByteReader
{
public:
    CFuzzedByteReader(const std::uint8_t* data, std::size_t size) : mData(data), mSize(static_cast<std::int64_t>(size)) {}

    std::int32_t Read(std::int64_t position, std::int64_t length, void* destination) noexcept override
    {
        if (position < 0 || length < 0 || position > mSize || length > mSize - position) {
            return NSSondrel::kByteReaderSuccess + 999;
        }
        if (length > 0) {
            std::memcpy(destination, mData + position, static_cast<std::size_t>(length));
        }
        return NSSondrel::kByteReaderSuccess;
    }

private:
    const std::uint8_t* mData;
    std::int64_t mSize;
};

struct CDeleteThroughSlot
{
    template <typename T>
    void operator()(T* object) const { delete object; }
};

void ReadEveryFrame(NSSondrel::IFrameReader& reader, const NSSondrel::FormatInfo& info)
{
    // The frame count is the reader's own and no larger than the stream holds, but it is read in pieces
    // all the same, so the buffer here never depends on it.
    std::vector<float> samples(static_cast<std::size_t>(kFramesPerRead) * std::max<std::uint32_t>(info.channels, 1));
    for (std::int32_t first = 0; first < info.frameCount; first += kFramesPerRead) {
        const std::int32_t count = std::min(kFramesPerRead, info.frameCount - first);
        if (reader.ReadFrames(first, samples.data(), count) != NSSondrel::kSondrelSuccess) {
            return;
        }
        const auto end = samples.begin() + static_cast<std::ptrdiff_t>(count) * info.channels;
        if (std::any_of(samples.begin(), end, [](float s) { return !(s >= kLowestSample && s <= kHighestSample); })) {
            std::abort();
        }
    }
    // One frame past the reported end must be refused, never read.
    if (info.frameCount >= 0 && info.frameCount < INT32_MAX &&
        reader.ReadFrames(info.frameCount, samples.data(), 1) == NSSondrel::kSondrelSuccess) {
        std::abort();
    }
}

} // namespace

int FuzzSampleFile(const std::uint8_t* data, std::size_t size)
{
    std::int32_t status = 0;
    const std::unique_ptr<NSSondrel::ISondrel, CDeleteThroughSlot> library(Sondrel_Create("ISondrel", &status));
    if (!library) {
        std::abort();
    }
    CFuzzedByteReader source(data, size);
    NSSondrel::FormatInfo info{};
    const std::unique_ptr<NSSondrel::IFrameReader, CDeleteThroughSlot> reader(
        library->CreateFrameReader(&source, static_cast<std::int64_t>(size), &info, &status));
    if (!reader) {
        // A refused file says why.
        if (status == NSSondrel::kSondrelSuccess) {
            std::abort();
        }
        return 0;
    }
    if (info.channels < 1 || info.channels > 2 || info.frameCount < 0) {
        std::abort();
    }
    ReadEveryFrame(*reader, info);
    return 0;
}

} // namespace NSFuzzTargets
