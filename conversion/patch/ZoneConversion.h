#pragma once

// One velocity zone of an Akai keygroup becomes one zone of a sampler patch.

#include "conversion/patch/PatchZone.h"

namespace NSAkaiParser {
class CAkaiSampleParameters;
class IAkaiProgram;
class IAkaiSample;
class IKeyGroup;
} // namespace NSAkaiParser

namespace NSAkaiConversion {

// sample is the zone's sample, or the left half of a stereo pair (stereoPair true), or null when the
// volume lacks it. Every value is clamped to its range; the sample-slot index is 0.
NSConverterImplementation::CPatchZone BuildZone(const NSAkaiParser::IAkaiProgram& program,
                                                const NSAkaiParser::IAkaiSample* sample,
                                                const NSAkaiParser::CAkaiSampleParameters& velocityZone,
                                                const NSAkaiParser::IKeyGroup& keyGroup, bool stereoPair);

// Every block at its defaults, header words 666 and sample-slot index 0.
NSConverterImplementation::CPatchZone BuildDefaultZone();

// True when the keygroup's filter is fully open and nothing modulates it.
bool IsFilterNeutral(const NSAkaiParser::IAkaiProgram& program, const NSAkaiParser::IKeyGroup& keyGroup);

// Splits cents into semitones, rounded to the nearest with exact halves toward zero, and the remaining
// cents, in 32 bits: 150 gives (1, 50), -250 gives (-2, -50).
void SplitCents(std::int32_t cents, std::int32_t& semitones, std::int32_t& remainder);

} // namespace NSAkaiConversion
