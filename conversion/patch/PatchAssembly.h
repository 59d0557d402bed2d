#pragma once

// Turns one parsed Akai program into a patch model: one zone per used velocity zone of every keygroup,
// the sample file each zone plays, and the patch's parameter record.

#include "conversion/patch/OutputSampleRecord.h"
#include "conversion/patch/PatchModel.h"
#include "conversion/patch/ZoneSamples.h"

#include <cstdint>
#include <string>
#include <vector>

namespace NSAkaiParser {
class IAkaiProgram;
}

namespace NSAkaiConversion {

constexpr std::uint8_t kOutputModeArchive = 0;
constexpr std::uint8_t kOutputModeFolder = 1;

// references and missingSamples are filled (each name once, in order of first use); slotNames gets one
// name per zone of the model, empty for a zone without a file. A zone whose record was not written keeps
// its name in folder mode and loses it in archive mode. Each zone's sample-slot index is its position.
NSConverterImplementation::CPatchModel AssemblePatch(const NSAkaiParser::IAkaiProgram& program,
                                                     const COutputSampleRecords& records, const CZoneTable& table,
                                                     std::vector<std::string>& references,
                                                     std::vector<std::string>& missingSamples,
                                                     std::vector<std::string>& slotNames, std::uint8_t outputMode);

// The velocity ranges of zone a and another zone b. The upper end of b when b starts and ends below a,
// else 0; the lower end of b when b starts and ends above a, else 128.
std::int32_t GetLowerOverlap(std::int32_t aLow, std::int32_t aHigh, std::int32_t bLow, std::int32_t bHigh);
std::int32_t GetUpperOverlap(std::int32_t aLow, std::int32_t aHigh, std::int32_t bLow, std::int32_t bHigh);

// Sets the velocity fades of one keygroup's zones from how their velocity ranges overlap.
void SetVelocityFades(std::vector<NSConverterImplementation::CPatchZone>& zones);

} // namespace NSAkaiConversion
