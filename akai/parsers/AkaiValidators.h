#pragma once

// The ranges of every numeric Akai parameter, and the checks that clamp, count and report a value
// outside its range. A damaged value never stops a parse by itself; each parser decides from its
// error count whether a record is beyond repair.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace NSAkaiParser {
class IAkaiFileMedia;
}

namespace NSAkaiParserImplementation {

// Row indices of the validator table, named after the parameter each row checks.
enum EParameterRow : std::size_t {
    kRowLowKey, // 0
    kRowHighKey, // 1
    kRowFilter, // 2
    kRowKeyToFilter, // 3
    kRowVelocityToFilter, // 4
    kRowPressureToFilter, // 5
    kRowEnv2ToFilter, // 6
    kRowEnv1Attack, // 7
    kRowEnv1Decay, // 8
    kRowEnv1Sustain, // 9
    kRowEnv1Release, // 10
    kRowEnv1VelocityToAttack, // 11
    kRowEnv1VelocityToRelease, // 12
    kRowEnv1OffVelocityToRelease, // 13
    kRowEnv1KeyToDecayAndRelease, // 14
    kRowEnv2Attack, // 15
    kRowEnv2Decay, // 16
    kRowEnv2Sustain, // 17
    kRowEnv2Release, // 18
    kRowEnv2VelocityToAttack, // 19
    kRowEnv2VelocityToRelease, // 20
    kRowEnv2OffVelocityToRelease, // 21
    kRowEnv2KeyToDecayAndRelease, // 22
    kRowVelocityToEnv2ToFilter, // 23
    kRowEnv2ToPitch, // 24
    kRowVelocityZonesUsed, // 25
    kRowSampleLowVelocity, // 26
    kRowSampleHighVelocity, // 27
    kRowSampleLoudness, // 28
    kRowSampleFilter, // 29
    kRowSamplePan, // 30
    kRowSampleLoopMode, // 31
    kRowBeatDetune, // 32
    kRowHoldAttackUntilLoop, // 33
    kRowSampleAuxOutOffset, // 34
    kRowSampleVelocityToSampleStart, // 35
    kRowVelocityToVolumeOffset, // 36
    kRowMIDIProgramNumber, // 37
    kRowPolyphony, // 38
    kRowPriority, // 39
    kRowOctaveShift, // 40
    kRowMixOutputLevel, // 41
    kRowMixOutputPan, // 42
    kRowVolume, // 43
    kRowVelocityToVolume, // 44
    kRowKeyToVolume, // 45
    kRowPressureToVolume, // 46
    kRowPanLFORate, // 47
    kRowPanLFODepth, // 48
    kRowPanLFODelay, // 49
    kRowKeyToPan, // 50
    kRowLFORate, // 51
    kRowLFODepth, // 52
    kRowLFODelay, // 53
    kRowModToLFODepth, // 54
    kRowPressureToLFODepth, // 55
    kRowVelocityToLFODepth, // 56
    kRowBendToPitch, // 57
    kRowPressureToPitch, // 58
    kRowKeyGroupCrossfade, // 59
    kRowNumberOfKeyGroups, // 60
    kRowKeyTemperament, // 61
    kRowFxOutput, // 62
    kRowModToPan, // 63
    kRowPitchLaw, // 64
    kRowVoiceReAssign, // 65
    kRowSoftpedToVolume, // 66
    kRowSoftpedToAttack, // 67
    kRowSoftpedToFilter, // 68
    kRowKeyToLFORate, // 69
    kRowKeyToLFODepth, // 70
    kRowKeyToLFODelay, // 71
    kRowVoiceOutputScaleSteps, // 72
    kRowStereoOutputScale, // 73
    kRowBandwidth, // 74
    kRowSampleRate, // 75
    kRowMIDIRootNote, // 76
    kRowNumberOfActiveLoops, // 77
    kRowFirstActiveLoop, // 78
    kRowLoopMode, // 79
    kRowTuneCents, // 80
    kRowLoopTuneOffset, // 81
    kRowLoopDwellTime, // 82
    kRowFilter1Resonance, // 83
    kRowLFO1ToPitch, // 84
    kRowMod1ToFilter, // 85
    kRowMod2ToFilter, // 86
    kRowMod3ToFilter, // 87
    kRowModToPitch, // 88
    kRowMod3ToAmp, // 89
    kRowEnv2L1, // 90
    kRowEnv2R2, // 91
    kRowEnv2L2, // 92
    kRowEnv2L4, // 93
    kRowKeyGroupMute, // 94
    kRowPFXChannel, // 95
    kRowPFXLevel, // 96
    kRowLSI2On, // 97
    kRowFilter2Gain, // 98
    kRowFilter2Mode, // 99
    kRowFilter2Resonance, // 100
    kRowToneFrequency, // 101
    kRowToneSlope, // 102
    kRowMod1ToFilter2, // 103
    kRowMod2ToFilter2, // 104
    kRowMod3ToFilter2, // 105
    kRowFilter2Frequency, // 106
    kRowKeyToFilter2Frequency, // 107
    kRowEnv3R1, // 108
    kRowEnv3L1, // 109
    kRowEnv3R2, // 110
    kRowEnv3L2, // 111
    kRowEnv3R3, // 112
    kRowEnv3L3, // 113
    kRowEnv3R4, // 114
    kRowEnv3L4, // 115
    kRowVAtt3, // 116
    kRowVRel3, // 117
    kRowORel3, // 118
    kRowKDar3, // 119
    kRowVEnv3, // 120
    kRowVoiceOutputScale, // 121
    kRowBendwheelRangeDecrease, // 122
    kRowBendHeldNotesOnly, // 123
    kRowIncomingMIDIPitchShift, // 124
    kRowPanMod1Source, // 125
    kRowPanMod2Source, // 126
    kRowPanMod3Source, // 127
    kRowAmpMod1Source, // 128
    kRowAmpMod2Source, // 129
    kRowLFORateModSource, // 130
    kRowLFODepthModSource, // 131
    kRowLFODelayModSource, // 132
    kRowFilterMod1Source, // 133
    kRowFilterMod2Source, // 134
    kRowFilterMod3Source, // 135
    kRowPitchModSource, // 136
    kRowAmpMod3Source, // 137
    kRowPanMod1Depth, // 138
    kRowPanMod2Depth, // 139
    kRowPanMod3Depth, // 140
    kRowAmpMod1Depth, // 141
    kRowAmpMod2Depth, // 142
    kRowLFORateMod, // 143
    kRowLFODepthModDepth, // 144
    kRowLFODelayModDepth, // 145
    kRowLFO1Waveform, // 146
    kRowLFO2Waveform, // 147
    kRowFilter2Mod1Source, // 148
    kRowFilter2Mod2Source, // 149
    kRowFilter2Mod3Source, // 150
    kRowPortamentoTime, // 151
    kRowFXBusSelect, // 152
    kRowFXSendLevel, // 153
    kParameterRowCount
};
static_assert(kParameterRowCount == 154);

// One row of the table: the range and default of a parameter and the reference number of its name.
struct CParameterRow
{
    std::size_t index;
    std::uint32_t nameId;
    std::int32_t minimum;
    std::int32_t maximum;
    std::int32_t defaultValue;
};

extern const std::array<CParameterRow, kParameterRowCount> kParameterRows;

// Tests one parameter against its range. The name is fetched from the parser strings the first time a
// value fails, and kept for the reports after it.
class CParameterValidator
{
public:
    CParameterValidator(std::int32_t minimum, std::int32_t maximum, std::int32_t defaultValue,
                        std::uint32_t nameId);
    virtual ~CParameterValidator();
    virtual bool IsInRange(std::int32_t value) const;

    std::int32_t GetDefault() const;

    // Gives value when it is in range; otherwise counts and reports it (prefix in front of the report)
    // and gives the nearer bound, never the default.
    std::int32_t Validate(std::int32_t value, std::vector<std::string>& errors, std::int32_t& errorCount,
                          const std::string& prefix);
    // Validate with the prefix "KeyGroup n: ", n counted from 1.
    std::int32_t ValidateInKeyGroup(std::int32_t value, std::vector<std::string>& errors,
                                    std::int32_t& errorCount, std::int32_t keyGroupIndex);

private:
    std::int32_t mMinimum;
    std::int32_t mMaximum;
    std::int32_t mDefault;
    std::string mName;
    std::uint32_t mNameId;
    // The report for mName and the text it was made from, so that a table with many damaged fields
    // builds each report once while a changed text still shows.
    std::string mReportText;
    std::string mReport;
};

// A whole set of validators, one per row. Each parser module keeps its own set, so the names cached by
// one module are not seen by another.
class CParameterValidatorTable
{
public:
    CParameterValidatorTable();
    CParameterValidator& operator[](EParameterRow row);

private:
    std::vector<CParameterValidator> mValidators;
};

// True when every character is one of the 41 of the Akai character table; an empty text passes.
bool HasOnlyAkaiCharacters(const std::string& text);

// "The parameter '<name>' was out of range."
std::string MakeOutOfRangeReport(const std::string& name);
// "KeyGroup n: " with n = keyGroupIndex + 1.
std::string MakeKeyGroupPrefix(std::int64_t keyGroupIndex);

} // namespace NSAkaiParserImplementation

namespace NSAkaiParser {

// Reads one byte as a flag: 0 is false and 1 true; any other byte is counted, reported with the name
// of nameId and gives defaultFlag.
bool ReadFlag(IAkaiFileMedia& file, std::uint64_t position, std::vector<std::string>& errors,
              std::int32_t& errorCount, std::uint32_t nameId, bool defaultFlag);
// ReadFlag whose report begins with the keygroup prefix.
bool ReadKeyGroupFlag(IAkaiFileMedia& file, std::uint64_t position, std::vector<std::string>& errors,
                      std::int32_t& errorCount, std::uint32_t nameId, bool defaultFlag,
                      std::uint32_t keyGroupIndex);

} // namespace NSAkaiParser
