#pragma once

// AIFF sample files between a media and a CWaveSample, with loop and tuning in "INST" and "MARK", and
// uncompressed AIFC files read as well. A second writer adds an application chunk ("APPL").

#include "framework/foundation/audio/SampleFormat.h"
#include "framework/foundation/strings/RulingString.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CIFFReader;
class CMedia;
class CWaveSample;

// A missing or short "COMM", zero channels or rate, a rate that is no whole number of Hz in 32 bits or a
// negative frame count throw XBadFormat; a compression other than "NONE", more than two channels or an
// unsupported depth XUnsupportedFormat. A damaged "INST" or "MARK" leaves loop and tuning at their defaults.
CWaveSampleDescription ReadAIFFParams(CMedia& media);
// The sample records bits as its depth; the file's own depth converts the frames. A missing "SSND" or one
// too short for the frames throws XBadFormat before the sample is made.
std::unique_ptr<CWaveSample> ReadAIFFSample(CMedia& media, std::int32_t bits);
// Without info, no "INST" and "MARK". Depths other than 8, 16 and 24, and a rate of 0, throw
// XUnsupportedFormat before anything is written.
void WriteAIFF(CMedia& media, CWaveSample& sample, const CSampleInfo* info, std::int32_t bits);
void WriteAIFF(CMedia& media, CWaveSample& sample, const CSampleInfo* info, std::int32_t bits,
               const CFourCharCode& signature, const void* data, std::int32_t length);

// False when there is no "APPL". Otherwise the signature and at most maximum bytes of the data behind it;
// a chunk too short for a signature throws XBadFormat.
bool ReadAPPLChunk(CIFFReader& reader, CFourCharCode& signature, void* buffer, std::int32_t maximum);

} // namespace NSTramvell
