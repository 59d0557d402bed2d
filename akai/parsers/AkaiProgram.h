#pragma once

// An Akai program: one header record followed by its keygroups. Header format 7 has 150-byte
// records; every other format has 192-byte records.

#include "akai/parsers/KeyGroup.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace NSAkaiParser {

class IAkaiFileMedia;

// A parsed program; it owns its keygroups.
class IAkaiProgram
{
public:
    virtual ~IAkaiProgram() = default;
    virtual std::string GetName() const = 0;
    virtual std::uint8_t GetPolyphony() const = 0;
    virtual std::int32_t GetHeaderFormat() const = 0;
    virtual std::uint8_t GetLowKey() const = 0;
    virtual std::uint8_t GetHighKey() const = 0;
    virtual std::uint8_t GetMixOutputLevel() const = 0;
    virtual std::int8_t GetMixOutputPan() const = 0;
    virtual std::uint8_t GetVolume() const = 0;
    virtual std::int8_t GetVelocityToVolume() const = 0;
    virtual std::uint8_t GetPanLFORate() const = 0;
    virtual std::uint8_t GetPanLFODepth() const = 0;
    virtual std::uint8_t GetPanLFODelay() const = 0;
    virtual std::uint8_t GetLFORate() const = 0;
    virtual std::uint8_t GetLFODepth() const = 0;
    virtual std::uint8_t GetLFODelay() const = 0;
    virtual std::uint8_t GetModToLFODepth() const = 0;
    virtual std::uint8_t GetPressureToLFODepth() const = 0;
    virtual std::uint8_t GetVelocityToLFODepth() const = 0;
    virtual std::uint8_t GetBendToPitch() const = 0;
    virtual std::int8_t GetPressureToPitch() const = 0;
    virtual std::uint8_t GetKeyGroupCrossfade() const = 0;
    virtual std::vector<std::int8_t> GetKeyTemperament() const = 0;
    virtual bool GetLFODesync() const = 0;
    virtual std::uint8_t GetSoftpedToVolume() const = 0;
    virtual std::uint8_t GetSoftpedToAttack() const = 0;
    virtual std::uint8_t GetSoftpedToFilter() const = 0;
    virtual std::int32_t GetTuneCents() const = 0;
    virtual std::uint8_t GetVoiceOutputScale() const = 0;
    virtual bool GetMonoLegatoModeEnabled() const = 0;
    virtual std::uint8_t GetBendwheelRangeDecrease() const = 0;
    virtual std::int8_t GetIncomingMIDIPitchShift() const = 0;
    virtual std::int32_t GetPanMod1Source() const = 0;
    virtual std::int32_t GetPanMod2Source() const = 0;
    virtual std::int32_t GetPanMod3Source() const = 0;
    virtual std::int32_t GetAmpMod1Source() const = 0;
    virtual std::int32_t GetAmpMod2Source() const = 0;
    virtual std::int32_t GetLFORateModSource() const = 0;
    virtual std::int32_t GetLFODepthModSource() const = 0;
    virtual std::int32_t GetLFODelayModSource() const = 0;
    virtual std::int32_t GetFilterMod1Source() const = 0;
    virtual std::int32_t GetFilterMod2Source() const = 0;
    virtual std::int32_t GetFilterMod3Source() const = 0;
    virtual std::int32_t GetPitchModSource() const = 0;
    virtual std::int32_t GetAmpMod3Source() const = 0;
    virtual std::int8_t GetPanMod1Depth() const = 0;
    virtual std::int8_t GetPanMod2Depth() const = 0;
    virtual std::int8_t GetPanMod3Depth() const = 0;
    virtual std::int8_t GetAmpMod1Depth() const = 0;
    virtual std::int8_t GetAmpMod2Depth() const = 0;
    virtual std::int8_t GetLFORateMod() const = 0;
    virtual std::int8_t GetLFODepthModDepth() const = 0;
    virtual std::int8_t GetLFODelayModDepth() const = 0;
    virtual std::int32_t GetLFO1Waveform() const = 0;
    virtual std::int32_t GetLFO2Waveform() const = 0;
    virtual std::uint8_t GetFilter2Mod1Source() const = 0;
    virtual std::uint8_t GetFilter2Mod2Source() const = 0;
    virtual std::uint8_t GetFilter2Mod3Source() const = 0;
    virtual bool GetLFO2Retrigger() const = 0;
    virtual std::uint8_t GetPortamentoTime() const = 0;
    virtual bool GetPortamentoOn() const = 0;
    virtual std::int8_t GetOctaveShift() const = 0;
    // The kept keygroups in header order; the pointers live as long as the program.
    virtual std::vector<const IKeyGroup*> GetKeyGroups() const = 0;
};

// Parses a whole program. Out-of-range values are clamped and reported into reports; the parse fails
// with NSTramvell::XBadFormat past its error thresholds, for a keygroup count outside 1 to 99, or when
// no keygroup is kept. A failing read passes the file's exception.
std::unique_ptr<IAkaiProgram> CreateAkaiProgram(IAkaiFileMedia& file, std::int32_t headerFormat,
                                                std::vector<std::string>& reports);

} // namespace NSAkaiParser

namespace NSAkaiParserImplementation {

class CHeaderReader;

// A program parsed whole at construction and unchanged afterwards. The file is only read while it is
// built.
class CAkaiProgram : public NSAkaiParser::IAkaiProgram
{
public:
    CAkaiProgram(NSAkaiParser::IAkaiFileMedia& file, std::int32_t headerFormat, std::vector<std::string>& reports);

    std::string GetName() const override { return mName; }
    std::uint8_t GetPolyphony() const override { return mPolyphony; }
    std::int32_t GetHeaderFormat() const override { return mHeaderFormat; }
    std::uint8_t GetLowKey() const override { return mLowKey; }
    std::uint8_t GetHighKey() const override { return mHighKey; }
    std::uint8_t GetMixOutputLevel() const override { return mMixOutputLevel; }
    std::int8_t GetMixOutputPan() const override { return mMixOutputPan; }
    std::uint8_t GetVolume() const override { return mVolume; }
    std::int8_t GetVelocityToVolume() const override { return mVelocityToVolume; }
    std::uint8_t GetPanLFORate() const override { return mPanLFORate; }
    std::uint8_t GetPanLFODepth() const override { return mPanLFODepth; }
    std::uint8_t GetPanLFODelay() const override { return mPanLFODelay; }
    std::uint8_t GetLFORate() const override { return mLFORate; }
    std::uint8_t GetLFODepth() const override { return mLFODepth; }
    std::uint8_t GetLFODelay() const override { return mLFODelay; }
    std::uint8_t GetModToLFODepth() const override { return mModToLFODepth; }
    std::uint8_t GetPressureToLFODepth() const override { return mPressureToLFODepth; }
    std::uint8_t GetVelocityToLFODepth() const override { return mVelocityToLFODepth; }
    std::uint8_t GetBendToPitch() const override { return mBendToPitch; }
    std::int8_t GetPressureToPitch() const override { return mPressureToPitch; }
    std::uint8_t GetKeyGroupCrossfade() const override { return mKeyGroupCrossfade; }
    std::vector<std::int8_t> GetKeyTemperament() const override { return mKeyTemperament; }
    bool GetLFODesync() const override { return mLFODesync; }
    std::uint8_t GetSoftpedToVolume() const override { return mSoftpedToVolume; }
    std::uint8_t GetSoftpedToAttack() const override { return mSoftpedToAttack; }
    std::uint8_t GetSoftpedToFilter() const override { return mSoftpedToFilter; }
    std::int32_t GetTuneCents() const override { return mTuneCents; }
    std::uint8_t GetVoiceOutputScale() const override { return mVoiceOutputScale; }
    bool GetMonoLegatoModeEnabled() const override { return mMonoLegatoModeEnabled; }
    std::uint8_t GetBendwheelRangeDecrease() const override { return mBendwheelRangeDecrease; }
    std::int8_t GetIncomingMIDIPitchShift() const override { return mIncomingMIDIPitchShift; }
    std::int32_t GetPanMod1Source() const override { return mPanMod1Source; }
    std::int32_t GetPanMod2Source() const override { return mPanMod2Source; }
    std::int32_t GetPanMod3Source() const override { return mPanMod3Source; }
    std::int32_t GetAmpMod1Source() const override { return mAmpMod1Source; }
    std::int32_t GetAmpMod2Source() const override { return mAmpMod2Source; }
    std::int32_t GetLFORateModSource() const override { return mLFORateModSource; }
    std::int32_t GetLFODepthModSource() const override { return mLFODepthModSource; }
    std::int32_t GetLFODelayModSource() const override { return mLFODelayModSource; }
    std::int32_t GetFilterMod1Source() const override { return mFilterMod1Source; }
    std::int32_t GetFilterMod2Source() const override { return mFilterMod2Source; }
    std::int32_t GetFilterMod3Source() const override { return mFilterMod3Source; }
    std::int32_t GetPitchModSource() const override { return mPitchModSource; }
    std::int32_t GetAmpMod3Source() const override { return mAmpMod3Source; }
    std::int8_t GetPanMod1Depth() const override { return mPanMod1Depth; }
    std::int8_t GetPanMod2Depth() const override { return mPanMod2Depth; }
    std::int8_t GetPanMod3Depth() const override { return mPanMod3Depth; }
    std::int8_t GetAmpMod1Depth() const override { return mAmpMod1Depth; }
    std::int8_t GetAmpMod2Depth() const override { return mAmpMod2Depth; }
    std::int8_t GetLFORateMod() const override { return mLFORateMod; }
    std::int8_t GetLFODepthModDepth() const override { return mLFODepthModDepth; }
    std::int8_t GetLFODelayModDepth() const override { return mLFODelayModDepth; }
    std::int32_t GetLFO1Waveform() const override { return mLFO1Waveform; }
    std::int32_t GetLFO2Waveform() const override { return mLFO2Waveform; }
    std::uint8_t GetFilter2Mod1Source() const override { return mFilter2Mod1Source; }
    std::uint8_t GetFilter2Mod2Source() const override { return mFilter2Mod2Source; }
    std::uint8_t GetFilter2Mod3Source() const override { return mFilter2Mod3Source; }
    bool GetLFO2Retrigger() const override { return mLFO2Retrigger; }
    std::uint8_t GetPortamentoTime() const override { return mPortamentoTime; }
    bool GetPortamentoOn() const override { return mPortamentoOn; }
    std::int8_t GetOctaveShift() const override { return mOctaveShift; }
    std::vector<const NSAkaiParser::IKeyGroup*> GetKeyGroups() const override;

private:
    void ReadKeyGroups(NSAkaiParser::IAkaiFileMedia& file, std::vector<std::string>& reports,
                       std::uint8_t keyGroupCount);
    void ReadFormat7Fields(CHeaderReader& reader);
    void ReadExtendedFields(CHeaderReader& reader);

    std::int32_t mHeaderFormat;
    std::string mName;
    std::uint8_t mPolyphony = 0;
    std::uint8_t mLowKey = 0;
    std::uint8_t mHighKey = 0;
    std::uint8_t mMixOutputLevel = 0;
    std::int8_t mMixOutputPan = 0;
    std::uint8_t mVolume = 0;
    std::int8_t mVelocityToVolume = 0;
    std::uint8_t mPanLFORate = 0;
    std::uint8_t mPanLFODepth = 0;
    std::uint8_t mPanLFODelay = 0;
    std::uint8_t mLFORate = 0;
    std::uint8_t mLFODepth = 0;
    std::uint8_t mLFODelay = 0;
    std::uint8_t mModToLFODepth = 0;
    std::uint8_t mPressureToLFODepth = 0;
    std::uint8_t mVelocityToLFODepth = 0;
    std::uint8_t mBendToPitch = 0;
    std::int8_t mPressureToPitch = 0;
    std::uint8_t mKeyGroupCrossfade = 0;
    std::vector<std::int8_t> mKeyTemperament;
    bool mLFODesync = false;
    std::uint8_t mSoftpedToVolume = 0;
    std::uint8_t mSoftpedToAttack = 0;
    std::uint8_t mSoftpedToFilter = 0;
    std::int32_t mTuneCents = 0;
    std::uint8_t mVoiceOutputScale = 0;
    bool mMonoLegatoModeEnabled = false;
    std::uint8_t mBendwheelRangeDecrease = 0;
    std::int8_t mIncomingMIDIPitchShift = 0;
    std::int32_t mPanMod1Source = 0;
    std::int32_t mPanMod2Source = 0;
    std::int32_t mPanMod3Source = 0;
    std::int32_t mAmpMod1Source = 0;
    std::int32_t mAmpMod2Source = 0;
    std::int32_t mLFORateModSource = 0;
    std::int32_t mLFODepthModSource = 0;
    std::int32_t mLFODelayModSource = 0;
    std::int32_t mFilterMod1Source = 0;
    std::int32_t mFilterMod2Source = 0;
    std::int32_t mFilterMod3Source = 0;
    std::int32_t mPitchModSource = 0;
    std::int32_t mAmpMod3Source = 0;
    std::int8_t mPanMod1Depth = 0;
    std::int8_t mPanMod2Depth = 0;
    std::int8_t mPanMod3Depth = 0;
    std::int8_t mAmpMod1Depth = 0;
    std::int8_t mAmpMod2Depth = 0;
    std::int8_t mLFORateMod = 0;
    std::int8_t mLFODepthModDepth = 0;
    std::int8_t mLFODelayModDepth = 0;
    std::int32_t mLFO1Waveform = 0;
    std::int32_t mLFO2Waveform = 0;
    std::uint8_t mFilter2Mod1Source = 0;
    std::uint8_t mFilter2Mod2Source = 0;
    std::uint8_t mFilter2Mod3Source = 0;
    bool mLFO2Retrigger = false;
    std::uint8_t mPortamentoTime = 0;
    bool mPortamentoOn = false;
    std::int8_t mOctaveShift = 0;
    std::vector<CKeyGroup> mKeyGroups;
};

} // namespace NSAkaiParserImplementation
