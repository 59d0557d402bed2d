#include "conversion/wave/SampleWriter.h"

#include "akai/parsers/AkaiSample.h"
#include "akai/parsers/SplitHundreds.h"
#include "conversion/patch/LoopAndStereoRules.h"
#include "conversion/wave/WaveGlue.h"

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

using NSWAVEGlue::CLibraryDeleter;

void CheckStatus(std::int32_t status)
{
    if (status == NSSondrel::kSondrelSuccess)
        return;
    if (status == NSSondrel::kSondrelOutOfMemory)
        throw std::bad_alloc();
    throw std::exception();
}

// Frames go to the library a piece at a time, so that no float copy of a whole sample is held. A piece is
// small enough that its floats and the library's encoding of them stay in the processor's nearest caches
// between being written and read back (a piece of stereo frames takes 16 KB).
constexpr std::size_t kFramesPerPiece = 2048;
// Frames are converted in groups of this many, a fixed count that the compiler turns into vector code.
constexpr std::size_t kGroupSize = 8;

float ToLibraryScale(std::int16_t value)
{
    return static_cast<float>(value) * kSampleScale;
}

// The frames first .. first + count of the sample (and its partner, interleaved left first) as floats.
void FillFrames(const NSAkaiParser::CSampleData& left, const NSAkaiParser::CSampleData* right, std::size_t first,
                std::size_t count, std::vector<float>& frames)
{
    const std::int16_t* leftData = left.data() + first;
    float* out = frames.data();
    std::size_t i = 0;
    if (right == nullptr) {
        for (; count - i >= kGroupSize; i += kGroupSize) {
            for (std::size_t k = 0; k < kGroupSize; ++k)
                out[i + k] = ToLibraryScale(leftData[i + k]);
        }
        for (; i < count; ++i)
            out[i] = ToLibraryScale(leftData[i]);
        return;
    }
    // A right half shorter than the left (pairs are checked to match) is padded with silence.
    const std::size_t pairedCount = first < right->size() ? std::min(count, right->size() - first) : 0;
    if (pairedCount > 0) {
        const std::int16_t* rightData = right->data() + first;
        for (; pairedCount - i >= kGroupSize; i += kGroupSize) {
            for (std::size_t k = 0; k < kGroupSize; ++k) {
                out[2 * (i + k)] = ToLibraryScale(leftData[i + k]);
                out[2 * (i + k) + 1] = ToLibraryScale(rightData[i + k]);
            }
        }
        for (; i < pairedCount; ++i) {
            out[2 * i] = ToLibraryScale(leftData[i]);
            out[2 * i + 1] = ToLibraryScale(rightData[i]);
        }
    }
    for (; i < count; ++i) {
        out[2 * i] = ToLibraryScale(leftData[i]);
        out[2 * i + 1] = 0.0f;
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
    static const NSAkaiParser::CSampleData kNoData;
    const NSSondrel::FormatInfo info = MakeSampleFormatInfo(sample, partner != nullptr);
    const NSAkaiParser::CSampleData& left = sample.GetSampleData() != nullptr ? *sample.GetSampleData() : kNoData;
    const NSAkaiParser::CSampleData* right = nullptr;
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
