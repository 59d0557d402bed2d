#pragma once

// What the WAVE and AIFF readers and writers share: moving all frames of a sample between its accessor
// and stored data in blocks, and the checks on the loop and on what can be written.

#include "framework/foundation/audio/SampleFormat.h"

#include <cstdint>

namespace NSTramvell {

class CMedia;
class CWaveSample;

struct CStoredSampleLayout
{
    std::int32_t byteOrder;
    std::int32_t encoding8Bit;
};

constexpr CStoredSampleLayout kWAVELayout = {kLittleEndianSamples, kUnsigned8BitSamples};
constexpr CStoredSampleLayout kAIFFLayout = {kBigEndianSamples, kSigned8BitSamples};

// All of the sample's frames from the media's position, stored in storedBits.
void ReadFramesIntoSample(CMedia& media, const CStoredSampleLayout& layout, std::int32_t storedBits,
                          CWaveSample& sample);
void WriteFramesFromSample(CMedia& media, const CStoredSampleLayout& layout, std::int32_t storedBits,
                           CWaveSample& sample);

bool IsReadableDepth(std::int32_t bits);
// Depths other than 8, 16 and 24 and a rate of 0 throw XUnsupportedFormat: a file with them could not
// be read back.
void RequireWritableSample(const CWaveSample& sample, std::int32_t bits);

// The loop clamped to [0, frameCount]; one that does not end after its start is no loop at all.
void ClampLoopToFrames(CSampleInfo& info, std::int32_t frameCount);

} // namespace NSTramvell
