#include "framework/foundation/audio/tests/fuzz/FuzzAudioFiles.h"

#include "framework/foundation/audio/AIFFFile.h"
#include "framework/foundation/audio/LoopSlicerFiles.h"
#include "framework/foundation/audio/WAVEFile.h"
#include "framework/foundation/audio/WaveSample.h"
#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/Media.h"

#include <limits>
#include <memory>

namespace NSFuzzTargets {

namespace {

// Damaged input ends in one of the framework's exceptions; anything else is a finding.
template <typename Body>
void IgnoringBadInput(Body body)
{
    try {
        body();
    } catch (const NSTramvell::XBase&) {
    }
}

void WriteBack(NSTramvell::CWaveSample& sample, const NSTramvell::CSampleInfo& info)
{
    NSTramvell::COwnedMemoryMedia wave;
    NSTramvell::WriteWAVE(wave, sample, &info, 16);
    NSTramvell::COwnedMemoryMedia aiff;
    NSTramvell::WriteAIFF(aiff, sample, &info, 8);
}

} // namespace

int FuzzAudioFiles(const std::uint8_t* data, std::size_t size)
{
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return 0;
    NSTramvell::COwnedMemoryMedia media(static_cast<std::int32_t>(size), data);

    IgnoringBadInput([&] {
        const NSTramvell::CWaveSampleDescription description = NSTramvell::ReadWAVEParams(media);
        WriteBack(*NSTramvell::ReadWAVESample(media), description.mInfo);
    });
    IgnoringBadInput([&] {
        const NSTramvell::CWaveSampleDescription description = NSTramvell::ReadAIFFParams(media);
        WriteBack(*NSTramvell::ReadAIFFSample(media, 24), description.mInfo);
    });
    IgnoringBadInput([&] { static_cast<void>(NSTramvell::ReadSlicedLoop(media)); });
    IgnoringBadInput([&] {
        NSTramvell::CLoopSlicerDocument document;
        std::unique_ptr<NSTramvell::CLoopSlicerSlice[]> slices;
        NSTramvell::ReadLoopSlicerDocument(media, document, slices);
        std::uint8_t record[NSTramvell::kLoopSlicerDocumentSizeInBytes];
        NSTramvell::BuildLoopSlicerDocument(document, record, slices.get());
    });
    return 0;
}

} // namespace NSFuzzTargets
