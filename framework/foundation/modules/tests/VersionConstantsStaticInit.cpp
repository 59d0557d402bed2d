// Reads every framework constant from a static initialiser of its own translation unit, which may run
// before the constants' unit is initialised.

#include "framework/foundation/modules/FrameworkConstants.h"

#include <string>
#include <vector>

namespace {

struct CSeenAtStart
{
    std::vector<std::string> codes;
    std::vector<std::string> signatures;
    std::vector<std::string> versions;

    CSeenAtStart()
    {
        using namespace NSTramvell;
        for (const CFourCharCode* code :
             {&GetAIFFTypeCode(), &GetAIFCTypeCode(), &GetAIFFFormCode(), &GetAIFFApplicationChunkCode(),
              &GetAIFFInstrumentChunkCode(), &GetAIFFMarkerChunkCode(), &GetAIFFCommonChunkCode(),
              &GetAIFFSoundDataChunkCode(), &GetAIFCNoCompressionCode(), &GetMIDIFormCode(),
              &GetMIDIHeaderChunkCode(), &GetMIDITrackChunkCode(), &GetRIFFChunkCode(), &GetWaveDataChunkCode(),
              &GetWaveSamplerChunkCode(), &GetWaveFormatChunkCode(), &GetWaveRIFFChunkCode(), &GetWaveTypeCode()})
            codes.push_back(code->GetString());
        signatures.push_back(GetTraceServerSignature().GetString());
        for (std::size_t i = 0; i < kTraceLogSignatureCount; ++i)
            signatures.push_back(GetTraceLogSignature(i).GetString());
        for (const CVersion* version : {&GetVolumeSpecFormatVersion(), &GetShellItemListFormatVersion(),
                                        &GetVerifyVersion(), &GetAIFFCodesVersion(), &GetRIFFCodesVersion()})
            versions.push_back(version->GetText(CVersion::kTextMajorMinorBugfix));
    }
};

const CSeenAtStart gSeenAtStart;

} // namespace

const std::vector<std::string>& GetCodesSeenAtStart()
{
    return gSeenAtStart.codes;
}

const std::vector<std::string>& GetSignaturesSeenAtStart()
{
    return gSeenAtStart.signatures;
}

const std::vector<std::string>& GetVersionsSeenAtStart()
{
    return gSeenAtStart.versions;
}
