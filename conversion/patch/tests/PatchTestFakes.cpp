#include "conversion/patch/tests/PatchTestFakes.h"

#include "conversion/patch/ConverterStrings.h"

namespace NSPatchTests {

std::vector<NSAkaiParser::CAkaiSampleParameters> MakeZones(const std::vector<CZoneValues>& zones)
{
    std::vector<NSAkaiParser::CAkaiSampleParameters> result;
    for (const CZoneValues& zone : zones)
        result.push_back(MakeZone(zone));
    while (result.size() < 4)
        result.push_back(MakeZone({.sampleName = "", .lowVelocity = 0, .highVelocity = 0}));
    return result;
}

CFakeAkaiSample MakeSample(const std::string& name, std::uint32_t frameCount)
{
    CFakeAkaiSample sample;
    sample.name = name;
    sample.midiRootNote = 60;
    sample.sampleRate = 44100;
    sample.sampleLength = frameCount;
    sample.sampleStart = 0;
    sample.sampleEnd = frameCount;
    sample.sampleData.assign(frameCount, 0);
    return sample;
}

void UseConverterTestStrings()
{
    NSConverter::SetUIStrings({{401280050, ".wav"}, {401280052, "^0 (S)"}});
}

} // namespace NSPatchTests
