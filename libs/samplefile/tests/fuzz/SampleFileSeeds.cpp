#include "libs/samplefile/tests/fuzz/SampleFileSeeds.h"

#include "libs/samplefile/Sondrel.h"
#include "tests/fuzz/SeedFiles.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace NSFuzzTargets {

namespace {

// Collects what the library writes.
class CSeedByteWriter final : public NSSondrel::IByteWriter
{
public:
    std::int32_t Write(std::int64_t position, std::int64_t length, const void* source) noexcept override
    {
        if (position < 0 || length < 0) {
            return NSSondrel::kByteWriterSuccess + 999;
        }
        const auto end = static_cast<std::size_t>(position + length);
        if (end > mBytes.size()) {
            mBytes.resize(end, 0);
        }
        if (length > 0) {
            std::memcpy(mBytes.data() + position, source, static_cast<std::size_t>(length));
        }
        return NSSondrel::kByteWriterSuccess;
    }

    std::int32_t GetSize(std::int64_t* sizeInBytes) noexcept override
    {
        *sizeInBytes = static_cast<std::int64_t>(mBytes.size());
        return NSSondrel::kByteWriterSuccess;
    }

    const std::vector<std::uint8_t>& GetBytes() const { return mBytes; }

private:
    std::vector<std::uint8_t> mBytes;
};

struct CDeleteThroughSlot
{
    template <typename T>
    void operator()(T* object) const { delete object; }
};

struct CSeedFormat
{
    const char* name;
    std::uint32_t channels;
    std::int32_t bitsPerSample;
    std::int32_t frameCount;
    std::int32_t loopMode;
    std::int32_t alternate;
    std::int32_t hasRoot;
};

const CSeedFormat kSeedFormats[] = {
    {"mono-8", 1, 8, 64, NSSondrel::kLoopNone, NSSondrel::kAlternateNo, 0},
    {"mono-16-loop-root", 1, 16, 48, NSSondrel::kLoopForward, NSSondrel::kAlternateNo, 1},
    {"stereo-16", 2, 16, 33, NSSondrel::kLoopNone, NSSondrel::kAlternateNo, 0},
    {"mono-20-backward-loop", 1, 20, 40, NSSondrel::kLoopBackward, NSSondrel::kAlternateNo, 1},
    {"stereo-22-alternating-loop", 2, 22, 25, NSSondrel::kLoopForward, NSSondrel::kAlternateYes, 1},
    {"stereo-24-root", 2, 24, 31, NSSondrel::kLoopNone, NSSondrel::kAlternateNo, 1},
    {"mono-16-no-frames", 1, 16, 0, NSSondrel::kLoopNone, NSSondrel::kAlternateNo, 0},
};

std::vector<std::uint8_t> WriteWave(NSSondrel::ISondrel& library, const CSeedFormat& seed)
{
    NSSondrel::FormatInfo info{};
    info.channels = seed.channels;
    info.bitsPerSample = seed.bitsPerSample;
    info.sampleRate = 22050;
    info.loopMode = seed.loopMode;
    info.alternate = seed.alternate;
    if (seed.loopMode != NSSondrel::kLoopNone) {
        info.loopStart = 4;
        info.loopEnd = static_cast<std::uint32_t>(seed.frameCount) - 3;
    }
    info.hasRoot = seed.hasRoot;
    info.rootKey = 60;
    info.fineTune = -12;
    info.highValue = 127;

    CSeedByteWriter sink;
    std::int32_t status = 0;
    const std::unique_ptr<NSSondrel::IFrameWriter, CDeleteThroughSlot> writer(
        library.CreateFrameWriter(&sink, &info, &status));
    if (!writer) {
        throw std::runtime_error(std::string("the library refused the seed format ") + seed.name);
    }
    std::vector<float> samples(static_cast<std::size_t>(seed.frameCount) * seed.channels);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = std::round(8000000.0f * std::sin(0.37f * static_cast<float>(i)));
    }
    if ((seed.frameCount > 0 && writer->WriteFrames(seed.frameCount, samples.data()) != NSSondrel::kSondrelSuccess) ||
        writer->Close() != NSSondrel::kSondrelSuccess) {
        throw std::runtime_error(std::string("writing the seed failed: ") + seed.name);
    }
    return sink.GetBytes();
}

} // namespace

void WriteSampleFileSeeds(const std::filesystem::path& folder)
{
    std::int32_t status = 0;
    const std::unique_ptr<NSSondrel::ISondrel, CDeleteThroughSlot> library(Sondrel_Create("ISondrel", &status));
    if (!library) {
        throw std::runtime_error("Sondrel_Create failed");
    }
    for (const CSeedFormat& seed : kSeedFormats) {
        WriteSeedFile(folder, std::string(seed.name) + ".wav", WriteWave(*library, seed));
    }
}

} // namespace NSFuzzTargets
