#pragma once

// The sampler patch file (".mqp"): an IFF "FORM" of type "PTCH" holding a "CAT " group "REFS" with one
// "REFE" chunk per referenced sample file, then "DESC", "AUTH", "PARM" and "BODY". Every number is
// big-endian; every string is a 32-bit length followed by its bytes.

#include "conversion/patch/OutputFileMemoryMedia.h"
#include "conversion/patch/OutputSampleRecord.h"
#include "conversion/patch/PatchModel.h"
#include "conversion/patch/ZoneSamples.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace NSAkaiParser {
class IAkaiProgram;
}

namespace NSTramvell {
class CIFFFileWriter;
}

namespace NSConverterImplementation {

constexpr std::int32_t kPatchFileInitialCapacityInBytes = 100000;
constexpr std::string_view kPatchProductName = "Quenholt Dravim";
constexpr std::string_view kPatchMakerWebAddress = "http://www.quenholt.com/";
constexpr std::string_view kPatchSamplerName = "Mirq Digital Sampler";

// Assembles the program's patch model and writes the whole file. references and missingSamples, handed
// in empty, come back filled by the assembly. The caller owns the result and stores it. Failures (memory,
// the program's own) pass on; nothing is kept of a partly written file.
std::unique_ptr<COutputFileMemoryMedia> WritePatchFile(const NSAkaiParser::IAkaiProgram& program,
                                                       const NSAkaiConversion::COutputSampleRecords& records,
                                                       const NSAkaiConversion::CZoneTable& table,
                                                       std::vector<std::string>& references,
                                                       std::vector<std::string>& missingSamples,
                                                       std::uint8_t outputMode);

// The chunk writers, in file order. Each opens its chunk in the writer's innermost group, writes its data
// and closes it.
// The "REFS" group with one "REFE" per name.
void WriteReferenceGroup(NSTramvell::CIFFFileWriter& writer, const std::vector<std::string>& references);
void WriteReferenceChunk(NSTramvell::CIFFFileWriter& writer, const std::string& name);
void WriteDescriptionChunk(NSTramvell::CIFFFileWriter& writer, const std::string& programName);
void WritePatchInfoChunk(NSTramvell::CIFFFileWriter& writer);
void WriteParameterChunk(NSTramvell::CIFFFileWriter& writer);
// The model, the sample-slot table (one entry per slot name: 0, or 1 and the index of the name among
// the references) and the constant tail. std::invalid_argument for a slot name that is not a reference.
void WriteSampleTableChunk(NSTramvell::CIFFFileWriter& writer, const CPatchModel& model,
                           const std::vector<std::string>& slotNames, const std::vector<std::string>& references);

} // namespace NSConverterImplementation
