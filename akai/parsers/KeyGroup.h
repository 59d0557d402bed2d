#pragma once

// An Akai keygroup: a key range of a program mapped onto up to four samples, one per velocity zone,
// with its own filters, envelopes and modulation.

#include "akai/parsers/AkaiSampleParameters.h"

#include <cstdint>
#include <string>
#include <vector>

namespace NSAkaiParser {

class IAkaiFileMedia;

// A parsed keygroup; owned by its program.
class IKeyGroup
{
public:
    virtual ~IKeyGroup() = default;
    virtual std::uint8_t GetLowKey() const = 0;
    virtual std::uint8_t GetHighKey() const = 0;
    virtual std::int32_t GetTuneCents() const = 0;
    virtual std::uint8_t GetFilter() const = 0;
    virtual std::int8_t GetKeyToFilter() const = 0;
    virtual std::uint8_t GetEnv1Attack() const = 0;
    virtual std::uint8_t GetEnv1Decay() const = 0;
    virtual std::uint8_t GetEnv1Sustain() const = 0;
    virtual std::uint8_t GetEnv1Release() const = 0;
    virtual std::int8_t GetEnv1VelocityToAttack() const = 0;
    virtual std::int8_t GetEnv1VelocityToRelease() const = 0;
    virtual std::int8_t GetEnv1OffVelocityToRelease() const = 0;
    virtual std::int8_t GetEnv1KeyToDecayAndRelease() const = 0;
    virtual std::uint8_t GetEnv2Attack() const = 0;
    virtual std::uint8_t GetEnv2Decay() const = 0;
    virtual std::uint8_t GetEnv2Sustain() const = 0;
    virtual std::uint8_t GetEnv2Release() const = 0;
    virtual std::int8_t GetEnv2VelocityToAttack() const = 0;
    virtual std::int8_t GetEnv2VelocityToRelease() const = 0;
    virtual std::int8_t GetEnv2OffVelocityToRelease() const = 0;
    virtual std::int8_t GetEnv2KeyToDecayAndRelease() const = 0;
    virtual std::int8_t GetVelocityToEnv2ToFilter() const = 0;
    virtual std::int8_t GetEnv2ToPitch() const = 0;
    virtual bool GetVelocityZoneCrossfade() const = 0;
    virtual std::uint8_t GetVelocityZonesUsed() const = 0;
    virtual std::int8_t GetBeatDetune() const = 0;
    virtual bool GetHoldAttackUntilLoop() const = 0;
    virtual std::int8_t GetVelocityToVolumeOffset() const = 0;
    virtual std::uint8_t GetFilter1Resonance() const = 0;
    virtual std::int8_t GetLFO1ToPitch() const = 0;
    virtual std::int8_t GetMod1ToFilter() const = 0;
    virtual std::int8_t GetMod2ToFilter() const = 0;
    virtual std::int8_t GetMod3ToFilter() const = 0;
    virtual std::int8_t GetModToPitch() const = 0;
    virtual std::int8_t GetMod3ToAmp() const = 0;
    virtual std::uint8_t GetEnv2L1() const = 0;
    virtual std::uint8_t GetEnv2R2() const = 0;
    virtual std::uint8_t GetEnv2L2() const = 0;
    virtual std::uint8_t GetEnv2L4() const = 0;
    virtual std::uint8_t GetKeyGroupMute() const = 0;
    virtual std::uint8_t GetLSI2On() const = 0;
    virtual std::uint8_t GetFilter2Gain() const = 0;
    virtual std::int32_t GetFilter2Mode() const = 0;
    virtual std::uint8_t GetFilter2Resonance() const = 0;
    virtual std::uint8_t GetToneFrequency() const = 0;
    virtual std::int8_t GetToneSlope() const = 0;
    virtual std::int8_t GetMod1ToFilter2() const = 0;
    virtual std::int8_t GetMod2ToFilter2() const = 0;
    virtual std::int8_t GetMod3ToFilter2() const = 0;
    virtual std::uint8_t GetFilter2Frequency() const = 0;
    virtual std::int8_t GetKeyToFilter2Frequency() const = 0;
    virtual std::uint8_t GetEnv3R1() const = 0;
    virtual std::uint8_t GetEnv3L1() const = 0;
    virtual std::uint8_t GetEnv3R2() const = 0;
    virtual std::uint8_t GetEnv3L2() const = 0;
    virtual std::uint8_t GetEnv3R3() const = 0;
    virtual std::uint8_t GetEnv3L3() const = 0;
    virtual std::uint8_t GetEnv3R4() const = 0;
    virtual std::uint8_t GetEnv3L4() const = 0;
    virtual std::int8_t GetVAtt3() const = 0;
    virtual std::int8_t GetVRel3() const = 0;
    virtual std::int8_t GetORel3() const = 0;
    virtual std::int8_t GetKDar3() const = 0;
    virtual std::int8_t GetVEnv3() const = 0;
    // The four velocity zones in zone order, a copy.
    virtual std::vector<CAkaiSampleParameters> GetSampleParameters() const = 0;
};

} // namespace NSAkaiParser

namespace NSAkaiParserImplementation {

class CHeaderReader;

// One keygroup record parsed at construction; a value, copied whole with its four zones. Every
// report it writes names its keygroup.
class CKeyGroup : public NSAkaiParser::IKeyGroup
{
public:
    // Throws NSTramvell::XBadFormat when more than 10 values were out of range; the reports stay.
    CKeyGroup(NSAkaiParser::IAkaiFileMedia& file, std::int32_t headerFormat, std::vector<std::string>& reports,
              std::uint64_t recordStart, std::int32_t keyGroupIndex);

    std::uint8_t GetLowKey() const override { return mLowKey; }
    std::uint8_t GetHighKey() const override { return mHighKey; }
    std::int32_t GetTuneCents() const override { return mTuneCents; }
    std::uint8_t GetFilter() const override { return mFilter; }
    std::int8_t GetKeyToFilter() const override { return mKeyToFilter; }
    std::uint8_t GetEnv1Attack() const override { return mEnv1Attack; }
    std::uint8_t GetEnv1Decay() const override { return mEnv1Decay; }
    std::uint8_t GetEnv1Sustain() const override { return mEnv1Sustain; }
    std::uint8_t GetEnv1Release() const override { return mEnv1Release; }
    std::int8_t GetEnv1VelocityToAttack() const override { return mEnv1VelocityToAttack; }
    std::int8_t GetEnv1VelocityToRelease() const override { return mEnv1VelocityToRelease; }
    std::int8_t GetEnv1OffVelocityToRelease() const override { return mEnv1OffVelocityToRelease; }
    std::int8_t GetEnv1KeyToDecayAndRelease() const override { return mEnv1KeyToDecayAndRelease; }
    std::uint8_t GetEnv2Attack() const override { return mEnv2Attack; }
    std::uint8_t GetEnv2Decay() const override { return mEnv2Decay; }
    std::uint8_t GetEnv2Sustain() const override { return mEnv2Sustain; }
    std::uint8_t GetEnv2Release() const override { return mEnv2Release; }
    std::int8_t GetEnv2VelocityToAttack() const override { return mEnv2VelocityToAttack; }
    std::int8_t GetEnv2VelocityToRelease() const override { return mEnv2VelocityToRelease; }
    std::int8_t GetEnv2OffVelocityToRelease() const override { return mEnv2OffVelocityToRelease; }
    std::int8_t GetEnv2KeyToDecayAndRelease() const override { return mEnv2KeyToDecayAndRelease; }
    std::int8_t GetVelocityToEnv2ToFilter() const override { return mVelocityToEnv2ToFilter; }
    std::int8_t GetEnv2ToPitch() const override { return mEnv2ToPitch; }
    bool GetVelocityZoneCrossfade() const override { return mVelocityZoneCrossfade; }
    std::uint8_t GetVelocityZonesUsed() const override { return mVelocityZonesUsed; }
    std::int8_t GetBeatDetune() const override { return mBeatDetune; }
    bool GetHoldAttackUntilLoop() const override { return mHoldAttackUntilLoop; }
    std::int8_t GetVelocityToVolumeOffset() const override { return mVelocityToVolumeOffset; }
    std::uint8_t GetFilter1Resonance() const override { return mFilter1Resonance; }
    std::int8_t GetLFO1ToPitch() const override { return mLFO1ToPitch; }
    std::int8_t GetMod1ToFilter() const override { return mMod1ToFilter; }
    std::int8_t GetMod2ToFilter() const override { return mMod2ToFilter; }
    std::int8_t GetMod3ToFilter() const override { return mMod3ToFilter; }
    std::int8_t GetModToPitch() const override { return mModToPitch; }
    std::int8_t GetMod3ToAmp() const override { return mMod3ToAmp; }
    std::uint8_t GetEnv2L1() const override { return mEnv2L1; }
    std::uint8_t GetEnv2R2() const override { return mEnv2R2; }
    std::uint8_t GetEnv2L2() const override { return mEnv2L2; }
    std::uint8_t GetEnv2L4() const override { return mEnv2L4; }
    std::uint8_t GetKeyGroupMute() const override { return mKeyGroupMute; }
    std::uint8_t GetLSI2On() const override { return mLSI2On; }
    std::uint8_t GetFilter2Gain() const override { return mFilter2Gain; }
    std::int32_t GetFilter2Mode() const override { return mFilter2Mode; }
    std::uint8_t GetFilter2Resonance() const override { return mFilter2Resonance; }
    std::uint8_t GetToneFrequency() const override { return mToneFrequency; }
    std::int8_t GetToneSlope() const override { return mToneSlope; }
    std::int8_t GetMod1ToFilter2() const override { return mMod1ToFilter2; }
    std::int8_t GetMod2ToFilter2() const override { return mMod2ToFilter2; }
    std::int8_t GetMod3ToFilter2() const override { return mMod3ToFilter2; }
    std::uint8_t GetFilter2Frequency() const override { return mFilter2Frequency; }
    std::int8_t GetKeyToFilter2Frequency() const override { return mKeyToFilter2Frequency; }
    std::uint8_t GetEnv3R1() const override { return mEnv3R1; }
    std::uint8_t GetEnv3L1() const override { return mEnv3L1; }
    std::uint8_t GetEnv3R2() const override { return mEnv3R2; }
    std::uint8_t GetEnv3L2() const override { return mEnv3L2; }
    std::uint8_t GetEnv3R3() const override { return mEnv3R3; }
    std::uint8_t GetEnv3L3() const override { return mEnv3L3; }
    std::uint8_t GetEnv3R4() const override { return mEnv3R4; }
    std::uint8_t GetEnv3L4() const override { return mEnv3L4; }
    std::int8_t GetVAtt3() const override { return mVAtt3; }
    std::int8_t GetVRel3() const override { return mVRel3; }
    std::int8_t GetORel3() const override { return mORel3; }
    std::int8_t GetKDar3() const override { return mKDar3; }
    std::int8_t GetVEnv3() const override { return mVEnv3; }
    std::vector<NSAkaiParser::CAkaiSampleParameters> GetSampleParameters() const override { return mZones; }

private:
    void ReadZones(CHeaderReader& reader, std::int32_t keyGroupIndex);
    void ReadFormat7Fields(CHeaderReader& reader);
    void ReadExtendedFields(CHeaderReader& reader);
    void SetExtendedFieldsToDefaults();

    std::uint8_t mLowKey = 0;
    std::uint8_t mHighKey = 0;
    std::int32_t mTuneCents = 0;
    std::uint8_t mFilter = 0;
    std::int8_t mKeyToFilter = 0;
    std::uint8_t mEnv1Attack = 0;
    std::uint8_t mEnv1Decay = 0;
    std::uint8_t mEnv1Sustain = 0;
    std::uint8_t mEnv1Release = 0;
    std::int8_t mEnv1VelocityToAttack = 0;
    std::int8_t mEnv1VelocityToRelease = 0;
    std::int8_t mEnv1OffVelocityToRelease = 0;
    std::int8_t mEnv1KeyToDecayAndRelease = 0;
    std::uint8_t mEnv2Attack = 0;
    std::uint8_t mEnv2Decay = 0;
    std::uint8_t mEnv2Sustain = 0;
    std::uint8_t mEnv2Release = 0;
    std::int8_t mEnv2VelocityToAttack = 0;
    std::int8_t mEnv2VelocityToRelease = 0;
    std::int8_t mEnv2OffVelocityToRelease = 0;
    std::int8_t mEnv2KeyToDecayAndRelease = 0;
    std::int8_t mVelocityToEnv2ToFilter = 0;
    std::int8_t mEnv2ToPitch = 0;
    bool mVelocityZoneCrossfade = false;
    std::uint8_t mVelocityZonesUsed = 0;
    std::int8_t mBeatDetune = 0;
    bool mHoldAttackUntilLoop = false;
    std::int8_t mVelocityToVolumeOffset = 0;
    std::uint8_t mFilter1Resonance = 0;
    std::int8_t mLFO1ToPitch = 0;
    std::int8_t mMod1ToFilter = 0;
    std::int8_t mMod2ToFilter = 0;
    std::int8_t mMod3ToFilter = 0;
    std::int8_t mModToPitch = 0;
    std::int8_t mMod3ToAmp = 0;
    std::uint8_t mEnv2L1 = 0;
    std::uint8_t mEnv2R2 = 0;
    std::uint8_t mEnv2L2 = 0;
    std::uint8_t mEnv2L4 = 0;
    std::uint8_t mKeyGroupMute = 0;
    std::uint8_t mLSI2On = 0;
    std::uint8_t mFilter2Gain = 0;
    std::int32_t mFilter2Mode = 0;
    std::uint8_t mFilter2Resonance = 0;
    std::uint8_t mToneFrequency = 0;
    std::int8_t mToneSlope = 0;
    std::int8_t mMod1ToFilter2 = 0;
    std::int8_t mMod2ToFilter2 = 0;
    std::int8_t mMod3ToFilter2 = 0;
    std::uint8_t mFilter2Frequency = 0;
    std::int8_t mKeyToFilter2Frequency = 0;
    std::uint8_t mEnv3R1 = 0;
    std::uint8_t mEnv3L1 = 0;
    std::uint8_t mEnv3R2 = 0;
    std::uint8_t mEnv3L2 = 0;
    std::uint8_t mEnv3R3 = 0;
    std::uint8_t mEnv3L3 = 0;
    std::uint8_t mEnv3R4 = 0;
    std::uint8_t mEnv3L4 = 0;
    std::int8_t mVAtt3 = 0;
    std::int8_t mVRel3 = 0;
    std::int8_t mORel3 = 0;
    std::int8_t mKDar3 = 0;
    std::int8_t mVEnv3 = 0;
    std::vector<NSAkaiParser::CAkaiSampleParameters> mZones;
};

} // namespace NSAkaiParserImplementation
