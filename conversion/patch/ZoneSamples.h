#pragma once

// Which sample file each velocity zone plays. Akai programs play stereo material as two mono halves in
// two zones of one keygroup, panned hard left and right; such a pair becomes one two-channel file and one
// patch zone. The steps here build the volume's output sample records and the zone table that the patch
// assembly reads.

#include "conversion/patch/OutputSampleRecord.h"

#include <cstdint>
#include <vector>

namespace NSAkaiParser {
class CAkaiSampleParameters;
class IAkaiProgram;
class IAkaiSample;
class IKeyGroup;
} // namespace NSAkaiParser

namespace NSAkaiConversion {

// One patch zone to build: a velocity zone of a keygroup and the record of the file it plays (-1: none).
struct CZoneTableEntry
{
    const NSAkaiParser::IKeyGroup* keyGroup; // borrowed from its program
    std::int32_t recordIndex;
    std::int32_t velocityZoneIndex;
};

// The entries of every keygroup of a volume's programs, in the order they were found.
using CZoneTable = std::vector<CZoneTableEntry>;
// The volume's parsed samples in file order, borrowed.
using CParsedSamples = std::vector<const NSAkaiParser::IAkaiSample*>;

// The keygroup's entries, in order.
std::vector<CZoneTableEntry> GetZoneTableEntries(const CZoneTable& table, const NSAkaiParser::IKeyGroup& keyGroup);

// One zone names a left half panned -50, the other a right half panned +50, and they agree in every
// other parameter that shapes the sound.
bool IsStereoZonePair(const NSAkaiParser::CAkaiSampleParameters& a, const NSAkaiParser::CAkaiSampleParameters& b);

// Pairs the keygroup's zones, adds the records their samples need and the keygroup's zone-table entries.
void AddKeyGroupSamples(const NSAkaiParser::IAkaiProgram& program, const NSAkaiParser::IKeyGroup& keyGroup,
                        const CParsedSamples& samples, COutputSampleRecords& records, CZoneTable& table);

// After all programs: records for the samples no zone used, stereo where two halves pair up; a pair or
// sample that a record already holds is not added again.
void AddLeftOverSamples(const CParsedSamples& samples, COutputSampleRecords& records);

} // namespace NSAkaiConversion
