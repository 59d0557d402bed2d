#include "framework/foundation/audio/tests/fuzz/AudioSeeds.h"

#include "framework/foundation/audio/AIFFFile.h"
#include "framework/foundation/audio/LoopSlicerFiles.h"
#include "framework/foundation/audio/WAVEFile.h"
#include "framework/foundation/audio/WaveSample.h"
#include "framework/foundation/core/ByteOrder.h"
#include "framework/foundation/core/Media.h"
#include "tests/fuzz/SeedFiles.h"

#include <memory>
#include <string>
#include <vector>

namespace NSFuzzTargets {

namespace {

std::vector<std::uint8_t> ContentsOf(const NSTramvell::COwnedMemoryMedia& media)
{
    return std::vector<std::uint8_t>(media.GetBuffer(), media.GetBuffer() + media.GetSize());
}

std::unique_ptr<NSTramvell::CWaveSample> MakeSample(std::int16_t channels, std::int32_t frames)
{
    auto sample =
        std::make_unique<NSTramvell::CWaveSample>(NSTramvell::CWaveSampleParams(channels, 16, 44100, frames));
    std::vector<std::int16_t> values(static_cast<std::size_t>(frames) * channels);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<std::int16_t>(i * 977);
    sample->Write16BitStereoFrames(0, frames, values.data());
    return sample;
}

NSTramvell::CSampleInfo LoopedAndTuned(std::int32_t mode)
{
    NSTramvell::CSampleInfo info;
    info.mLoopMode = mode;
    info.mAlternating = 1;
    info.mLoopStart = 2;
    info.mLoopEnd = 9;
    info.mTuningPresent = 1;
    info.mRootKey = 61;
    info.mFineTuneInCents = -7;
    info.mKeyRangePresent = 1;
    info.mLowKey = 50;
    info.mHighKey = 70;
    return info;
}

} // namespace

void WriteAudioFileSeeds(const std::filesystem::path& folder)
{
    for (const std::int16_t channels : {std::int16_t{1}, std::int16_t{2}}) {
        for (const std::int32_t bits : {8, 16, 24}) {
            const auto sample = MakeSample(channels, 11);
            const NSTramvell::CSampleInfo info =
                LoopedAndTuned(bits == 16 ? NSTramvell::kLoopModeKeptNotLooping : NSTramvell::kLoopModeLooping);
            const std::string name = std::to_string(channels) + "x" + std::to_string(bits);
            NSTramvell::COwnedMemoryMedia wave;
            NSTramvell::WriteWAVE(wave, *sample, &info, bits);
            WriteSeedFile(folder, name + ".wav", ContentsOf(wave));
            NSTramvell::COwnedMemoryMedia aiff;
            NSTramvell::WriteAIFF(aiff, *sample, &info, bits);
            WriteSeedFile(folder, name + ".aiff", ContentsOf(aiff));
        }
    }

    const auto sample = MakeSample(1, 4);
    std::vector<std::uint8_t> slicedLoop(1016 + 12 * 3, 0);
    NSTramvell::WriteBigEndian32(slicedLoop.data(), 0xD1D1D1DA);
    slicedLoop[4] = 1;
    NSTramvell::WriteBigEndian16(slicedLoop.data() + 10, 3);
    NSTramvell::COwnedMemoryMedia sliced;
    NSTramvell::WriteAIFF(sliced, *sample, nullptr, 16, NSTramvell::CFourCharCode("JVQ "), slicedLoop.data(),
                          static_cast<std::int32_t>(slicedLoop.size()));
    WriteSeedFile(folder, "sliced-loop.aiff", ContentsOf(sliced));

    NSTramvell::CLoopSlicerDocument document;
    document.mMagic = 0xD1DADED0;
    document.mVersion = NSTramvell::CVersion(1, 0);
    document.mSliceCount = 3;
    const NSTramvell::CLoopSlicerSlice slices[3] = {{1, true, 100, 7}, {2, false, 200, 8}, {3, true, 300, 9}};
    std::vector<std::uint8_t> record(NSTramvell::kLoopSlicerDocumentSizeInBytes);
    NSTramvell::BuildLoopSlicerDocument(document, record.data(), slices);
    NSTramvell::COwnedMemoryMedia loopSlicer;
    NSTramvell::WriteAIFF(loopSlicer, *sample, nullptr, 16, NSTramvell::CFourCharCode("FnDr"), record.data(),
                          static_cast<std::int32_t>(record.size()));
    WriteSeedFile(folder, "loop-slicer.fnd", ContentsOf(loopSlicer));
}

} // namespace NSFuzzTargets
