#pragma once

// Mono and stereo PCM WAVE files between a media and a CWaveSample, with the loop and tuning of a
// "smpl" chunk. Stored depths of 8, 16, 20, 22 and 24 bits are read; 8, 16 and 24 are written.

#include "framework/foundation/audio/SampleFormat.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CMedia;
class CWaveSample;
class RIFF_READER;
class RIFF_WRITER;

// Reads from position 0. A missing "fmt ", zero channels, rate or byte rate throw XBadFormat; more than
// two channels, a format other than PCM or an unsupported depth XUnsupportedFormat. A damaged "smpl"
// leaves the loop and tuning at their defaults.
CWaveSampleDescription ReadWAVEParams(CMedia& media);
// All frames; a file without "data" throws XBadFormat.
std::unique_ptr<CWaveSample> ReadWAVESample(CMedia& media);
// Without info, no "smpl" chunk. Depths other than 8, 16 and 24, and a rate of 0, throw
// XUnsupportedFormat before anything is written.
void WriteWAVE(CMedia& media, CWaveSample& sample, const CSampleInfo* info, std::int32_t bits);

// One block of frames at the media's position, through the stored-sample conversion in WAVE layout.
void ReadWAVEFrames(RIFF_READER& reader, float* values, std::int32_t frameCount, const CWaveSampleParams& params);
void WriteWAVEFrames(RIFF_WRITER& writer, const float* values, std::int32_t frameCount, std::int16_t channelCount,
                     std::int32_t bits);

void BeginDataChunk(RIFF_WRITER& writer);
void EndDataChunk(RIFF_WRITER& writer);
// Leaves the media at the data and returns its size; XBadFormat when there is no "data".
std::int32_t FindDataChunk(RIFF_READER& reader);

// Fills the loop and tuning from "smpl", when there is one. XBadFormat for a damaged chunk, with info
// left partly filled: the caller reads into a copy.
void ReadSamplerChunk(RIFF_READER& reader, CSampleInfo& info);

} // namespace NSTramvell
