#include "framework/foundation/modules/FrameworkConstants.h"

#include <array>
#include <stdexcept>

namespace NSTramvell {

#define DRAVIM_FOUR_CHAR_CODE(accessor, text)                                                               \
    const CFourCharCode& accessor()                                                                        \
    {                                                                                                      \
        static const CFourCharCode code(text);                                                             \
        return code;                                                                                       \
    }

DRAVIM_FOUR_CHAR_CODE(GetAIFFTypeCode, "AIFF")
DRAVIM_FOUR_CHAR_CODE(GetAIFCTypeCode, "AIFC")
DRAVIM_FOUR_CHAR_CODE(GetAIFFFormCode, "FORM")
DRAVIM_FOUR_CHAR_CODE(GetAIFFApplicationChunkCode, "APPL")
DRAVIM_FOUR_CHAR_CODE(GetAIFFInstrumentChunkCode, "INST")
DRAVIM_FOUR_CHAR_CODE(GetAIFFMarkerChunkCode, "MARK")
DRAVIM_FOUR_CHAR_CODE(GetAIFFCommonChunkCode, "COMM")
DRAVIM_FOUR_CHAR_CODE(GetAIFFSoundDataChunkCode, "SSND")
DRAVIM_FOUR_CHAR_CODE(GetAIFCNoCompressionCode, "NONE")

DRAVIM_FOUR_CHAR_CODE(GetMIDIFormCode, "FORM")
DRAVIM_FOUR_CHAR_CODE(GetMIDIHeaderChunkCode, "MThd")
DRAVIM_FOUR_CHAR_CODE(GetMIDITrackChunkCode, "MTrk")

DRAVIM_FOUR_CHAR_CODE(GetRIFFChunkCode, "RIFF")
DRAVIM_FOUR_CHAR_CODE(GetWaveDataChunkCode, "data")
DRAVIM_FOUR_CHAR_CODE(GetWaveSamplerChunkCode, "smpl")
DRAVIM_FOUR_CHAR_CODE(GetWaveFormatChunkCode, "fmt ")
DRAVIM_FOUR_CHAR_CODE(GetWaveRIFFChunkCode, "RIFF")
DRAVIM_FOUR_CHAR_CODE(GetWaveTypeCode, "WAVE")

#undef DRAVIM_FOUR_CHAR_CODE

const CApplicationDefinedSignature& GetTraceServerSignature()
{
    static const CApplicationDefinedSignature signature("SBOy");
    return signature;
}

const CApplicationDefinedSignature& GetTraceLogSignature(std::size_t index)
{
    static const std::array<CApplicationDefinedSignature, kTraceLogSignatureCount> signatures = {
        "TVLa", "TVLb", "TVLc", "TVLd", "TVLe", "TVLf", "TVLg", "TVLh", "TVLi", "TVLj"};
    return signatures.at(index);
}

const CVersion& GetVolumeSpecFormatVersion()
{
    static const CVersion version(1, 0);
    return version;
}

const CVersion& GetShellItemListFormatVersion()
{
    static const CVersion version(1, 0);
    return version;
}

const CVersion& GetVerifyVersion()
{
    static const CVersion version(1, 0, 0);
    return version;
}

const CVersion& GetAIFFCodesVersion()
{
    static const CVersion version(1, 0);
    return version;
}

const CVersion& GetRIFFCodesVersion()
{
    static const CVersion version(1, 0);
    return version;
}

} // namespace NSTramvell
