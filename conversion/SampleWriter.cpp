#include "conversion/SampleWriter.h"

#include "akai/AkaiSample.h"
#include "akai/SplitHundreds.h"
#include "conversion/LoopAndStereoRules.h"
#include "conversion/WaveGlue.h"

#include <algorithm>
#include <limits>
#include <new>
#include <stdexcept>
#include <vector>

namespace NSConverterImplementation {
namespace {

// The library's scale is 24-bit; Akai data is 16-bit.
constexpr float kSampleScale = 256.0f;
constexpr std::int64_t kHeaderAllowanceInBytes = 512;

void CheckStatus(std::int32_t status)
{
    if (status == NSSondrel::kSondrelSuccess)
        return;
    if (status == NSSondrel::kSondrelOutOfMemory)
        throw std::bad_alloc();
    throw std::exception();
}

struct CLibraryDeleter
{
    void operator()(NSSondrel::ISondrel* library) const { delete library; }
    void operator()(NSSondrel::IFrameWriter* writer) const { delete writer; }
};

// Frames go to the library a piece at a time, so that no float copy of a whole sample is held.
constexpr std::size_t kFramesPerPiece = 16384;

// The frames first .. first + count of the sample (and its partner, interleaved left first) as floats.
void FillFrames(const std::vector<std::int16_t>& left, const std::vector<std::int16_t>* right, std::size_t first,
                std::size_t count, std::vector<float>& frames)
{
    if (right == nullptr) {
        for (std::size_t i = 0; i < count; ++i)
            frames[i] = static_cast<float>(left[first + i]) * kSampleScale;
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t frame = first + i;
        frames[2 * i] = static_cast<float>(left[frame]) * kSampleScale;
        // A right half shorter than the left (pairs are checked to match) is padded with silence.
        frames[2 * i + 1] = frame < right->size() ? static_cast<float>((*right)[frame]) * kSampleScale : 0.0f;
    }
}

} // namespace

NSSondrel::FormatInfo MakeSampleFormatInfo(const NSAkaiParser::IAkaiSample& sample, bool stereo)
{
    const std::uint32_t length = static_cast<std::uint32_t>(NSAkaiConversion::GetFrameCount(sample));
    NSSondrel::FormatInfo info{};
    info.channels = stereo ? 2 : 1;
    info.bitsPerSample = 16;
    info.sampleRate = sample.GetSampleRate();
    info.frameCount = static_cast<std::int32_t>(length);

    const std::vector<NSAkaiParser::CAkaiLoop> loops = sample.GetLoops();
    const std::int32_t holdLoop = NSAkaiConversion::FindHoldLoop(loops);
    const std::int32_t akaiLoopMode = sample.GetLoopMode();
    info.alternate = NSSondrel::kAlternateNo;
    if (length > 0 && holdLoop >= 0 && (akaiLoopMode == 0 || akaiLoopMode == 1)) {
        std::uint32_t start = 0;
        std::uint32_t end = 0;
        NSAkaiConversion::GetLoopPoints(loops[static_cast<std::size_t>(holdLoop)], start, end);
        start = std::min(start, length);
        end = std::min(end, length);
        if (end <= start) {
            if (start == length) {
                start = length - 1;
                end = length;
            } else {
                end = start + 1;
            }
        }
        info.loopMode = NSSondrel::kLoopForward;
        info.loopStart = start;
        info.loopEnd = end;
    } else {
        info.loopMode = NSSondrel::kLoopNone;
        info.loopStart = 0;
        info.loopEnd = length;
    }

    std::int8_t semitones = 0;
    std::int8_t cents = 0;
    NSAkaiParser::SplitHundreds(sample.GetTuneCents(), semitones, cents);
    info.hasRoot = 1;
    info.rootKey = static_cast<std::uint32_t>(std::clamp(sample.GetMIDIRootNote() - semitones, 0, 127));
    // A sample tuned up sounds its root note higher than written: the file's unity pitch lies below.
    info.fineTune = -cents;
    info.lowValue = 0;
    info.highValue = 127;
    return info;
}

std::unique_ptr<COutputFileMemoryMedia> WriteSampleFile(const NSAkaiParser::IAkaiSample& sample,
                                                        const NSAkaiParser::IAkaiSample* partner)
{
    static const std::vector<std::int16_t> kNoData;
    const NSSondrel::FormatInfo info = MakeSampleFormatInfo(sample, partner != nullptr);
    const std::vector<std::int16_t>& left = sample.GetSampleData() != nullptr ? *sample.GetSampleData() : kNoData;
    const std::vector<std::int16_t>* right = nullptr;
    if (partner != nullptr)
        right = partner->GetSampleData() != nullptr ? partner->GetSampleData() : &kNoData;

    std::int32_t status = NSSondrel::kSondrelSuccess;
    std::unique_ptr<NSSondrel::ISondrel, CLibraryDeleter> library(Sondrel_Create("ISondrel", &status));
    CheckStatus(status);
    if (library == nullptr)
        throw std::exception();

    const std::int64_t floatCount = static_cast<std::int64_t>(left.size()) * info.channels;
    const std::int64_t capacity = 2 * floatCount + kHeaderAllowanceInBytes;
    if (capacity > std::numeric_limits<std::int32_t>::max())
        throw std::bad_alloc();
    auto output = std::make_unique<COutputFileMemoryMedia>(static_cast<std::int32_t>(capacity));
    NSWAVEGlue::CCMediaByteWriter byteWriter(*output);

    std::unique_ptr<NSSondrel::IFrameWriter, CLibraryDeleter> writer(
        library->CreateFrameWriter(&byteWriter, &info, &status));
    CheckStatus(status);
    if (writer == nullptr)
        throw std::exception();
    const auto frameCount = static_cast<std::size_t>(info.frameCount);
    std::vector<float> frames(std::min(frameCount, kFramesPerPiece) * info.channels);
    for (std::size_t first = 0; first < frameCount; first += kFramesPerPiece) {
        const std::size_t count = std::min(kFramesPerPiece, frameCount - first);
        FillFrames(left, right, first, count, frames);
        CheckStatus(writer->WriteFrames(static_cast<std::int32_t>(count), frames.data()));
    }
    CheckStatus(writer->Close());
    return output;
}

} // namespace NSConverterImplementation
