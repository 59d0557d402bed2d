#pragma once

// Akai programs, keygroups and samples whose every value a test sets directly. Values a test leaves
// alone are 0 (false, empty).

#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/AkaiSample.h"
#include "akai/parsers/AkaiSampleParameters.h"
#include "akai/parsers/KeyGroup.h"

#include <cstdint>
#include <string>
#include <vector>

namespace NSPatchTests {
class CFakeAkaiProgram : public NSAkaiParser::IAkaiProgram
{
public:
    std::string GetName() const override { return name; }
    std::uint8_t GetPolyphony() const override { return polyphony; }
    std::int32_t GetHeaderFormat() const override { return headerFormat; }
    std::uint8_t GetLowKey() const override { return lowKey; }
    std::uint8_t GetHighKey() const override { return highKey; }
    std::uint8_t GetMixOutputLevel() const override { return mixOutputLevel; }
    std::int8_t GetMixOutputPan() const override { return mixOutputPan; }
    std::uint8_t GetVolume() const override { return volume; }
    std::int8_t GetVelocityToVolume() const override { return velocityToVolume; }
    std::uint8_t GetPanLFORate() const override { return panLFORate; }
    std::uint8_t GetPanLFODepth() const override { return panLFODepth; }
    std::uint8_t GetPanLFODelay() const override { return panLFODelay; }
    std::uint8_t GetLFORate() const override { return lfoRate; }
    std::uint8_t GetLFODepth() const override { return lfoDepth; }
    std::uint8_t GetLFODelay() const override { return lfoDelay; }
    std::uint8_t GetModToLFODepth() const override { return modToLFODepth; }
    std::uint8_t GetPressureToLFODepth() const override { return pressureToLFODepth; }
    std::uint8_t GetVelocityToLFODepth() const override { return velocityToLFODepth; }
    std::uint8_t GetBendToPitch() const override { return bendToPitch; }
    std::int8_t GetPressureToPitch() const override { return pressureToPitch; }
    std::uint8_t GetKeyGroupCrossfade() const override { return keyGroupCrossfade; }
    std::vector<std::int8_t> GetKeyTemperament() const override { return keyTemperament; }
    bool GetLFODesync() const override { return lfoDesync; }
    std::uint8_t GetSoftpedToVolume() const override { return softpedToVolume; }
    std::uint8_t GetSoftpedToAttack() const override { return softpedToAttack; }
    std::uint8_t GetSoftpedToFilter() const override { return softpedToFilter; }
    std::int32_t GetTuneCents() const override { return tuneCents; }
    std::uint8_t GetVoiceOutputScale() const override { return voiceOutputScale; }
    bool GetMonoLegatoModeEnabled() const override { return monoLegatoModeEnabled; }
    std::uint8_t GetBendwheelRangeDecrease() const override { return bendwheelRangeDecrease; }
    std::int8_t GetIncomingMIDIPitchShift() const override { return incomingMIDIPitchShift; }
    std::int32_t GetPanMod1Source() const override { return panMod1Source; }
    std::int32_t GetPanMod2Source() const override { return panMod2Source; }
    std::int32_t GetPanMod3Source() const override { return panMod3Source; }
    std::int32_t GetAmpMod1Source() const override { return ampMod1Source; }
    std::int32_t GetAmpMod2Source() const override { return ampMod2Source; }
    std::int32_t GetLFORateModSource() const override { return lfoRateModSource; }
    std::int32_t GetLFODepthModSource() const override { return lfoDepthModSource; }
    std::int32_t GetLFODelayModSource() const override { return lfoDelayModSource; }
    std::int32_t GetFilterMod1Source() const override { return filterMod1Source; }
    std::int32_t GetFilterMod2Source() const override { return filterMod2Source; }
    std::int32_t GetFilterMod3Source() const override { return filterMod3Source; }
    std::int32_t GetPitchModSource() const override { return pitchModSource; }
    std::int32_t GetAmpMod3Source() const override { return ampMod3Source; }
    std::int8_t GetPanMod1Depth() const override { return panMod1Depth; }
    std::int8_t GetPanMod2Depth() const override { return panMod2Depth; }
    std::int8_t GetPanMod3Depth() const override { return panMod3Depth; }
    std::int8_t GetAmpMod1Depth() const override { return ampMod1Depth; }
    std::int8_t GetAmpMod2Depth() const override { return ampMod2Depth; }
    std::int8_t GetLFORateMod() const override { return lfoRateMod; }
    std::int8_t GetLFODepthModDepth() const override { return lfoDepthModDepth; }
    std::int8_t GetLFODelayModDepth() const override { return lfoDelayModDepth; }
    std::int32_t GetLFO1Waveform() const override { return lfo1Waveform; }
    std::int32_t GetLFO2Waveform() const override { return lfo2Waveform; }
    std::uint8_t GetFilter2Mod1Source() const override { return filter2Mod1Source; }
    std::uint8_t GetFilter2Mod2Source() const override { return filter2Mod2Source; }
    std::uint8_t GetFilter2Mod3Source() const override { return filter2Mod3Source; }
    bool GetLFO2Retrigger() const override { return lfo2Retrigger; }
    std::uint8_t GetPortamentoTime() const override { return portamentoTime; }
    bool GetPortamentoOn() const override { return portamentoOn; }
    std::int8_t GetOctaveShift() const override { return octaveShift; }
    std::vector<const NSAkaiParser::IKeyGroup*> GetKeyGroups() const override { return keyGroups; }

    std::string name{};
    std::uint8_t polyphony{};
    std::int32_t headerFormat{};
    std::uint8_t lowKey{};
    std::uint8_t highKey{};
    std::uint8_t mixOutputLevel{};
    std::int8_t mixOutputPan{};
    std::uint8_t volume{};
    std::int8_t velocityToVolume{};
    std::uint8_t panLFORate{};
    std::uint8_t panLFODepth{};
    std::uint8_t panLFODelay{};
    std::uint8_t lfoRate{};
    std::uint8_t lfoDepth{};
    std::uint8_t lfoDelay{};
    std::uint8_t modToLFODepth{};
    std::uint8_t pressureToLFODepth{};
    std::uint8_t velocityToLFODepth{};
    std::uint8_t bendToPitch{};
    std::int8_t pressureToPitch{};
    std::uint8_t keyGroupCrossfade{};
    std::vector<std::int8_t> keyTemperament{};
    bool lfoDesync{};
    std::uint8_t softpedToVolume{};
    std::uint8_t softpedToAttack{};
    std::uint8_t softpedToFilter{};
    std::int32_t tuneCents{};
    std::uint8_t voiceOutputScale{};
    bool monoLegatoModeEnabled{};
    std::uint8_t bendwheelRangeDecrease{};
    std::int8_t incomingMIDIPitchShift{};
    std::int32_t panMod1Source{};
    std::int32_t panMod2Source{};
    std::int32_t panMod3Source{};
    std::int32_t ampMod1Source{};
    std::int32_t ampMod2Source{};
    std::int32_t lfoRateModSource{};
    std::int32_t lfoDepthModSource{};
    std::int32_t lfoDelayModSource{};
    std::int32_t filterMod1Source{};
    std::int32_t filterMod2Source{};
    std::int32_t filterMod3Source{};
    std::int32_t pitchModSource{};
    std::int32_t ampMod3Source{};
    std::int8_t panMod1Depth{};
    std::int8_t panMod2Depth{};
    std::int8_t panMod3Depth{};
    std::int8_t ampMod1Depth{};
    std::int8_t ampMod2Depth{};
    std::int8_t lfoRateMod{};
    std::int8_t lfoDepthModDepth{};
    std::int8_t lfoDelayModDepth{};
    std::int32_t lfo1Waveform{};
    std::int32_t lfo2Waveform{};
    std::uint8_t filter2Mod1Source{};
    std::uint8_t filter2Mod2Source{};
    std::uint8_t filter2Mod3Source{};
    bool lfo2Retrigger{};
    std::uint8_t portamentoTime{};
    bool portamentoOn{};
    std::int8_t octaveShift{};
    std::vector<const NSAkaiParser::IKeyGroup*> keyGroups{};
};

class CFakeKeyGroup : public NSAkaiParser::IKeyGroup
{
public:
    std::uint8_t GetLowKey() const override { return lowKey; }
    std::uint8_t GetHighKey() const override { return highKey; }
    std::int32_t GetTuneCents() const override { return tuneCents; }
    std::uint8_t GetFilter() const override { return filter; }
    std::int8_t GetKeyToFilter() const override { return keyToFilter; }
    std::uint8_t GetEnv1Attack() const override { return env1Attack; }
    std::uint8_t GetEnv1Decay() const override { return env1Decay; }
    std::uint8_t GetEnv1Sustain() const override { return env1Sustain; }
    std::uint8_t GetEnv1Release() const override { return env1Release; }
    std::int8_t GetEnv1VelocityToAttack() const override { return env1VelocityToAttack; }
    std::int8_t GetEnv1VelocityToRelease() const override { return env1VelocityToRelease; }
    std::int8_t GetEnv1OffVelocityToRelease() const override { return env1OffVelocityToRelease; }
    std::int8_t GetEnv1KeyToDecayAndRelease() const override { return env1KeyToDecayAndRelease; }
    std::uint8_t GetEnv2Attack() const override { return env2Attack; }
    std::uint8_t GetEnv2Decay() const override { return env2Decay; }
    std::uint8_t GetEnv2Sustain() const override { return env2Sustain; }
    std::uint8_t GetEnv2Release() const override { return env2Release; }
    std::int8_t GetEnv2VelocityToAttack() const override { return env2VelocityToAttack; }
    std::int8_t GetEnv2VelocityToRelease() const override { return env2VelocityToRelease; }
    std::int8_t GetEnv2OffVelocityToRelease() const override { return env2OffVelocityToRelease; }
    std::int8_t GetEnv2KeyToDecayAndRelease() const override { return env2KeyToDecayAndRelease; }
    std::int8_t GetVelocityToEnv2ToFilter() const override { return velocityToEnv2ToFilter; }
    std::int8_t GetEnv2ToPitch() const override { return env2ToPitch; }
    bool GetVelocityZoneCrossfade() const override { return velocityZoneCrossfade; }
    std::uint8_t GetVelocityZonesUsed() const override { return velocityZonesUsed; }
    std::int8_t GetBeatDetune() const override { return beatDetune; }
    bool GetHoldAttackUntilLoop() const override { return holdAttackUntilLoop; }
    std::int8_t GetVelocityToVolumeOffset() const override { return velocityToVolumeOffset; }
    std::uint8_t GetFilter1Resonance() const override { return filter1Resonance; }
    std::int8_t GetLFO1ToPitch() const override { return lfo1ToPitch; }
    std::int8_t GetMod1ToFilter() const override { return mod1ToFilter; }
    std::int8_t GetMod2ToFilter() const override { return mod2ToFilter; }
    std::int8_t GetMod3ToFilter() const override { return mod3ToFilter; }
    std::int8_t GetModToPitch() const override { return modToPitch; }
    std::int8_t GetMod3ToAmp() const override { return mod3ToAmp; }
    std::uint8_t GetEnv2L1() const override { return env2L1; }
    std::uint8_t GetEnv2R2() const override { return env2R2; }
    std::uint8_t GetEnv2L2() const override { return env2L2; }
    std::uint8_t GetEnv2L4() const override { return env2L4; }
    std::uint8_t GetKeyGroupMute() const override { return keyGroupMute; }
    std::uint8_t GetLSI2On() const override { return lsi2On; }
    std::uint8_t GetFilter2Gain() const override { return filter2Gain; }
    std::int32_t GetFilter2Mode() const override { return filter2Mode; }
    std::uint8_t GetFilter2Resonance() const override { return filter2Resonance; }
    std::uint8_t GetToneFrequency() const override { return toneFrequency; }
    std::int8_t GetToneSlope() const override { return toneSlope; }
    std::int8_t GetMod1ToFilter2() const override { return mod1ToFilter2; }
    std::int8_t GetMod2ToFilter2() const override { return mod2ToFilter2; }
    std::int8_t GetMod3ToFilter2() const override { return mod3ToFilter2; }
    std::uint8_t GetFilter2Frequency() const override { return filter2Frequency; }
    std::int8_t GetKeyToFilter2Frequency() const override { return keyToFilter2Frequency; }
    std::uint8_t GetEnv3R1() const override { return env3R1; }
    std::uint8_t GetEnv3L1() const override { return env3L1; }
    std::uint8_t GetEnv3R2() const override { return env3R2; }
    std::uint8_t GetEnv3L2() const override { return env3L2; }
    std::uint8_t GetEnv3R3() const override { return env3R3; }
    std::uint8_t GetEnv3L3() const override { return env3L3; }
    std::uint8_t GetEnv3R4() const override { return env3R4; }
    std::uint8_t GetEnv3L4() const override { return env3L4; }
    std::int8_t GetVAtt3() const override { return vAtt3; }
    std::int8_t GetVRel3() const override { return vRel3; }
    std::int8_t GetORel3() const override { return oRel3; }
    std::int8_t GetKDar3() const override { return kDar3; }
    std::int8_t GetVEnv3() const override { return vEnv3; }
    std::vector<NSAkaiParser::CAkaiSampleParameters> GetSampleParameters() const override { return sampleParameters; }

    std::uint8_t lowKey{};
    std::uint8_t highKey{};
    std::int32_t tuneCents{};
    std::uint8_t filter{};
    std::int8_t keyToFilter{};
    std::uint8_t env1Attack{};
    std::uint8_t env1Decay{};
    std::uint8_t env1Sustain{};
    std::uint8_t env1Release{};
    std::int8_t env1VelocityToAttack{};
    std::int8_t env1VelocityToRelease{};
    std::int8_t env1OffVelocityToRelease{};
    std::int8_t env1KeyToDecayAndRelease{};
    std::uint8_t env2Attack{};
    std::uint8_t env2Decay{};
    std::uint8_t env2Sustain{};
    std::uint8_t env2Release{};
    std::int8_t env2VelocityToAttack{};
    std::int8_t env2VelocityToRelease{};
    std::int8_t env2OffVelocityToRelease{};
    std::int8_t env2KeyToDecayAndRelease{};
    std::int8_t velocityToEnv2ToFilter{};
    std::int8_t env2ToPitch{};
    bool velocityZoneCrossfade{};
    std::uint8_t velocityZonesUsed{};
    std::int8_t beatDetune{};
    bool holdAttackUntilLoop{};
    std::int8_t velocityToVolumeOffset{};
    std::uint8_t filter1Resonance{};
    std::int8_t lfo1ToPitch{};
    std::int8_t mod1ToFilter{};
    std::int8_t mod2ToFilter{};
    std::int8_t mod3ToFilter{};
    std::int8_t modToPitch{};
    std::int8_t mod3ToAmp{};
    std::uint8_t env2L1{};
    std::uint8_t env2R2{};
    std::uint8_t env2L2{};
    std::uint8_t env2L4{};
    std::uint8_t keyGroupMute{};
    std::uint8_t lsi2On{};
    std::uint8_t filter2Gain{};
    std::int32_t filter2Mode{};
    std::uint8_t filter2Resonance{};
    std::uint8_t toneFrequency{};
    std::int8_t toneSlope{};
    std::int8_t mod1ToFilter2{};
    std::int8_t mod2ToFilter2{};
    std::int8_t mod3ToFilter2{};
    std::uint8_t filter2Frequency{};
    std::int8_t keyToFilter2Frequency{};
    std::uint8_t env3R1{};
    std::uint8_t env3L1{};
    std::uint8_t env3R2{};
    std::uint8_t env3L2{};
    std::uint8_t env3R3{};
    std::uint8_t env3L3{};
    std::uint8_t env3R4{};
    std::uint8_t env3L4{};
    std::int8_t vAtt3{};
    std::int8_t vRel3{};
    std::int8_t oRel3{};
    std::int8_t kDar3{};
    std::int8_t vEnv3{};
    std::vector<NSAkaiParser::CAkaiSampleParameters> sampleParameters;
};

class CFakeAkaiSample : public NSAkaiParser::IAkaiSample
{
public:
    std::uint8_t GetMIDIRootNote() const override { return midiRootNote; }
    std::string GetName() const override { return name; }
    std::int32_t GetLoopMode() const override { return loopMode; }
    std::int32_t GetTuneCents() const override { return tuneCents; }
    std::uint32_t GetSampleLength() const override { return sampleLength; }
    std::uint32_t GetSampleStart() const override { return sampleStart; }
    std::uint32_t GetSampleEnd() const override { return sampleEnd; }
    std::vector<NSAkaiParser::CAkaiLoop> GetLoops() const override { return loops; }
    std::uint16_t GetSampleRate() const override { return sampleRate; }
    std::int8_t GetLoopTuneOffset() const override { return loopTuneOffset; }
    const NSAkaiParser::CSampleData* GetSampleData() const override { return &sampleData; }

    std::uint8_t midiRootNote{};
    std::string name{};
    std::int32_t loopMode{};
    std::int32_t tuneCents{};
    std::uint32_t sampleLength{};
    std::uint32_t sampleStart{};
    std::uint32_t sampleEnd{};
    std::vector<NSAkaiParser::CAkaiLoop> loops{};
    std::uint16_t sampleRate{};
    std::int8_t loopTuneOffset{};
    NSAkaiParser::CSampleData sampleData;
};

// One velocity zone; the fields not given are those of a plain, centred zone over all velocities.
struct CZoneValues
{
    std::string sampleName;
    std::uint8_t keyTracking = 1;
    std::int16_t velocityToSampleStart = 0;
    std::uint8_t lowVelocity = 0;
    std::uint8_t highVelocity = 127;
    std::int32_t tuneCents = 0;
    std::int8_t loudness = 0;
    std::int8_t filter = 0;
    std::int8_t pan = 0;
    std::int32_t loopMode = 0;
};

inline NSAkaiParser::CAkaiSampleParameters MakeZone(const CZoneValues& v)
{
    return NSAkaiParser::CAkaiSampleParameters(v.keyTracking, v.velocityToSampleStart, v.sampleName, v.lowVelocity,
                                               v.highVelocity, v.tuneCents, v.loudness, v.filter, v.pan, v.loopMode);
}

// Four zones: the given ones, then empty ones.
std::vector<NSAkaiParser::CAkaiSampleParameters> MakeZones(const std::vector<CZoneValues>& zones);

// A sample of frameCount frames whose play range is the whole sample and which has no loop.
CFakeAkaiSample MakeSample(const std::string& name, std::uint32_t frameCount = 100);

// The converter's two texts, as the application hands them over.
void UseConverterTestStrings();

} // namespace NSPatchTests
