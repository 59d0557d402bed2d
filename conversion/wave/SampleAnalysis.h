#pragma once

// Phase 2 of a volume's conversion: which WAVE files the volume's samples become, and which file each
// zone of each program plays.

#include "conversion/patch/OutputSampleRecord.h"
#include "conversion/patch/ZoneSamples.h"

#include <memory>
#include <vector>

namespace NSAkaiParser {
class IAkaiProgram;
}

namespace NSAkaiConversion {

using CParsedPrograms = std::vector<const NSAkaiParser::IAkaiProgram*>;

// Every keygroup of every program in order, then the samples no zone used, in file order. The zone
// table is filled; the records come back in the order they were made.
COutputSampleRecords AnalyseSamples(const CParsedPrograms& programs, const CParsedSamples& samples,
                                    CZoneTable& sampleNameTable);

} // namespace NSAkaiConversion
