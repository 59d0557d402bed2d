#pragma once

// One Akai sample, or a stereo pair of two, as a complete WAVE file in memory.

#include "conversion/patch/OutputFileMemoryMedia.h"
#include "libs/samplefile/Sondrel.h"

#include <memory>

namespace NSAkaiParser {
class IAkaiSample;
}

namespace NSConverterImplementation {

// The WAVE format of the sample (the partner, the right half of a pair, only adds a channel): 16 bits at
// the sample's rate; a forward loop from its hold loop when it has one and its Akai loop mode is 0 or 1,
// else no loop over the whole sample; the root key is the root note lowered by the tune's whole
// semitones, the fine tune the negated remaining cents.
NSSondrel::FormatInfo MakeSampleFormatInfo(const NSAkaiParser::IAkaiSample& sample, bool stereo);

// Writes the WAVE file through the sample-file library. partner is null for a mono file; for a pair the
// sample is the left channel and the partner the right. A library status 992 throws std::bad_alloc, any
// other failure a plain std::exception.
std::unique_ptr<COutputFileMemoryMedia> WriteSampleFile(const NSAkaiParser::IAkaiSample& sample,
                                                        const NSAkaiParser::IAkaiSample* partner);

} // namespace NSConverterImplementation
