#include "conversion/wave/SampleAnalysis.h"

#include "akai/parsers/AkaiProgram.h"

namespace NSAkaiConversion {

COutputSampleRecords AnalyseSamples(const CParsedPrograms& programs, const CParsedSamples& samples,
                                    CZoneTable& sampleNameTable)
{
    COutputSampleRecords records;
    for (const NSAkaiParser::IAkaiProgram* program : programs) {
        for (const NSAkaiParser::IKeyGroup* keyGroup : program->GetKeyGroups())
            AddKeyGroupSamples(*program, *keyGroup, samples, records, sampleNameTable);
    }
    AddLeftOverSamples(samples, records);
    return records;
}

} // namespace NSAkaiConversion
