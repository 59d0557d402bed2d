#pragma once

// One zone of a sampler patch: two header words, nine parameter blocks and the index of its sample slot.
// Each block holds its values in the order of the zone record in the patch file; a layout table per
// block gives each value's stored width, its range record and whether a flag byte follows it.

#include "conversion/patch/PatchRange.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace NSConverterImplementation {

struct CZoneFieldLayout
{
    const char* name;
    std::int32_t widthInBytes; // 1, 2 or 4 in the file
    CRange32 range;
    // A byte follows the value in the file: 1 when the value is its range's minimum, else 0.
    bool flagFollows;
    // A negative stored value makes the file unreadable rather than being clamped.
    bool negativeIsBadFormat;
};

template <std::size_t N>
class CPatchBlock
{
public:
    static constexpr std::size_t kFieldCount = N;

    std::int32_t GetField(std::size_t index) const { return mValues.at(index); }
    void SetField(std::size_t index, std::int32_t value) { mValues.at(index) = value; }
    bool operator==(const CPatchBlock&) const = default;

protected:
    explicit CPatchBlock(const std::array<CZoneFieldLayout, N>& layout)
    {
        for (std::size_t i = 0; i < N; ++i)
            mValues[i] = layout[i].range.GetDefault();
    }
    explicit CPatchBlock(const std::array<std::int32_t, N>& values) : mValues(values) {}

    void ClampFields(const std::array<CZoneFieldLayout, N>& layout)
    {
        for (std::size_t i = 0; i < N; ++i)
            mValues[i] = layout[i].range.Clamp(mValues[i]);
    }

    std::array<std::int32_t, N> mValues;
};

// Block 1: keys, velocities, tuning, the sample window and the loop.
class CSampleMapBlock : public CPatchBlock<16>
{
public:
    // The fields in their order in the zone record, which the layout table follows.
    enum EField : std::size_t
    {
        kLowKey,
        kHighKey,
        kLowVelocity,
        kHighVelocity,
        kRootKey,
        kFineTune,
        kSampleStart,
        kSampleEnd,
        kLoopStart,
        kLoopEnd,
        kFrameCount,
        kLoopMode,
        kFirstReserved,
        kVelocityFadeLow,
        kVelocityFadeHigh,
        kSecondReserved,
    };

    static const std::array<CZoneFieldLayout, kFieldCount>& GetLayout();

    CSampleMapBlock();
    CSampleMapBlock(std::int32_t lowKey, std::int32_t highKey, std::int32_t lowVelocity, std::int32_t highVelocity,
                    std::int32_t rootKey, std::int32_t fineTune, std::int32_t sampleStart, std::int32_t sampleEnd,
                    std::int32_t loopStart, std::int32_t loopEnd, std::int32_t frameCount, std::int32_t loopMode,
                    std::int32_t firstReserved, std::int32_t velocityFadeLow, std::int32_t velocityFadeHigh,
                    std::int32_t secondReserved);
    void ClampToRanges() { ClampFields(GetLayout()); }
    bool operator==(const CSampleMapBlock&) const = default;

    std::int32_t GetLowKey() const { return mValues[kLowKey]; }
    void SetLowKey(std::int32_t value) { mValues[kLowKey] = value; }
    std::int32_t GetHighKey() const { return mValues[kHighKey]; }
    void SetHighKey(std::int32_t value) { mValues[kHighKey] = value; }
    std::int32_t GetLowVelocity() const { return mValues[kLowVelocity]; }
    void SetLowVelocity(std::int32_t value) { mValues[kLowVelocity] = value; }
    std::int32_t GetHighVelocity() const { return mValues[kHighVelocity]; }
    void SetHighVelocity(std::int32_t value) { mValues[kHighVelocity] = value; }
    std::int32_t GetRootKey() const { return mValues[kRootKey]; }
    void SetRootKey(std::int32_t value) { mValues[kRootKey] = value; }
    std::int32_t GetFineTune() const { return mValues[kFineTune]; }
    void SetFineTune(std::int32_t value) { mValues[kFineTune] = value; }
    std::int32_t GetSampleStart() const { return mValues[kSampleStart]; }
    void SetSampleStart(std::int32_t value) { mValues[kSampleStart] = value; }
    std::int32_t GetSampleEnd() const { return mValues[kSampleEnd]; }
    void SetSampleEnd(std::int32_t value) { mValues[kSampleEnd] = value; }
    std::int32_t GetLoopStart() const { return mValues[kLoopStart]; }
    void SetLoopStart(std::int32_t value) { mValues[kLoopStart] = value; }
    std::int32_t GetLoopEnd() const { return mValues[kLoopEnd]; }
    void SetLoopEnd(std::int32_t value) { mValues[kLoopEnd] = value; }
    std::int32_t GetFrameCount() const { return mValues[kFrameCount]; }
    void SetFrameCount(std::int32_t value) { mValues[kFrameCount] = value; }
    std::int32_t GetLoopMode() const { return mValues[kLoopMode]; }
    void SetLoopMode(std::int32_t value) { mValues[kLoopMode] = value; }
    std::int32_t GetFirstReserved() const { return mValues[kFirstReserved]; }
    void SetFirstReserved(std::int32_t value) { mValues[kFirstReserved] = value; }
    std::int32_t GetVelocityFadeLow() const { return mValues[kVelocityFadeLow]; }
    void SetVelocityFadeLow(std::int32_t value) { mValues[kVelocityFadeLow] = value; }
    std::int32_t GetVelocityFadeHigh() const { return mValues[kVelocityFadeHigh]; }
    void SetVelocityFadeHigh(std::int32_t value) { mValues[kVelocityFadeHigh] = value; }
    std::int32_t GetSecondReserved() const { return mValues[kSecondReserved]; }
    void SetSecondReserved(std::int32_t value) { mValues[kSecondReserved] = value; }
};

// Block 2: eleven modulation amounts and twelve switch bytes.
class CModulationBlock : public CPatchBlock<23>
{
public:
    // The amounts that the conversion fills by name; the others keep their defaults.
    enum EField : std::size_t
    {
        kLfoModulationRatio = 2,
        kFilterModulation = 6,
        kVelocityToLevel = 8,
    };

    static constexpr std::size_t kAmountCount = 11;
    static constexpr std::size_t kSwitchCount = 12;
    static const std::array<CZoneFieldLayout, kFieldCount>& GetLayout();

    CModulationBlock();
    CModulationBlock(const std::array<std::int32_t, kAmountCount>& amounts,
                     const std::array<std::int32_t, kSwitchCount>& switches);
    void ClampToRanges() { ClampFields(GetLayout()); }
    bool operator==(const CModulationBlock&) const = default;

    std::int32_t GetAmount(std::size_t index) const { return GetField(AmountField(index)); }
    void SetAmount(std::size_t index, std::int32_t value) { SetField(AmountField(index), value); }
    std::int32_t GetSwitch(std::size_t index) const { return GetField(SwitchField(index)); }
    void SetSwitch(std::size_t index, std::int32_t value) { SetField(SwitchField(index), value); }

    std::int32_t GetLfoModulationRatio() const { return mValues[kLfoModulationRatio]; }
    void SetLfoModulationRatio(std::int32_t value) { mValues[kLfoModulationRatio] = value; }
    std::int32_t GetFilterModulation() const { return mValues[kFilterModulation]; }
    void SetFilterModulation(std::int32_t value) { mValues[kFilterModulation] = value; }
    std::int32_t GetVelocityToLevel() const { return mValues[kVelocityToLevel]; }
    void SetVelocityToLevel(std::int32_t value) { mValues[kVelocityToLevel] = value; }

private:
    // std::out_of_range past the amounts or the switches.
    static std::size_t AmountField(std::size_t index);
    static std::size_t SwitchField(std::size_t index);
};

// Block 3: the first LFO, which modulates pitch.
class CPitchLfoBlock : public CPatchBlock<9>
{
public:
    // The fields in their order in the zone record, which the layout table follows.
    enum EField : std::size_t
    {
        kTypeByte,
        kRate,
        kStepByte,
        kDelay,
        kTargetByte,
        kPitchAmount,
        kFirstAmount,
        kSecondAmount,
        kEndByte,
    };

    static const std::array<CZoneFieldLayout, kFieldCount>& GetLayout();

    CPitchLfoBlock();
    CPitchLfoBlock(std::int32_t typeByte, std::int32_t rate, std::int32_t stepByte, std::int32_t delay,
                   std::int32_t targetByte, std::int32_t pitchAmount, std::int32_t firstAmount,
                   std::int32_t secondAmount, std::int32_t endByte);
    void ClampToRanges() { ClampFields(GetLayout()); }
    bool operator==(const CPitchLfoBlock&) const = default;

    std::int32_t GetTypeByte() const { return mValues[kTypeByte]; }
    void SetTypeByte(std::int32_t value) { mValues[kTypeByte] = value; }
    std::int32_t GetRate() const { return mValues[kRate]; }
    void SetRate(std::int32_t value) { mValues[kRate] = value; }
    std::int32_t GetStepByte() const { return mValues[kStepByte]; }
    void SetStepByte(std::int32_t value) { mValues[kStepByte] = value; }
    std::int32_t GetDelay() const { return mValues[kDelay]; }
    void SetDelay(std::int32_t value) { mValues[kDelay] = value; }
    std::int32_t GetTargetByte() const { return mValues[kTargetByte]; }
    void SetTargetByte(std::int32_t value) { mValues[kTargetByte] = value; }
    std::int32_t GetPitchAmount() const { return mValues[kPitchAmount]; }
    void SetPitchAmount(std::int32_t value) { mValues[kPitchAmount] = value; }
    std::int32_t GetFirstAmount() const { return mValues[kFirstAmount]; }
    void SetFirstAmount(std::int32_t value) { mValues[kFirstAmount] = value; }
    std::int32_t GetSecondAmount() const { return mValues[kSecondAmount]; }
    void SetSecondAmount(std::int32_t value) { mValues[kSecondAmount] = value; }
    std::int32_t GetEndByte() const { return mValues[kEndByte]; }
    void SetEndByte(std::int32_t value) { mValues[kEndByte] = value; }
};

// Block 4: the second LFO, which moves the pan.
class CPanLfoBlock : public CPatchBlock<4>
{
public:
    // The fields in their order in the zone record, which the layout table follows.
    enum EField : std::size_t
    {
        kRate,
        kDelay,
        kPitchAmount,
        kAmount,
    };

    static const std::array<CZoneFieldLayout, kFieldCount>& GetLayout();

    CPanLfoBlock();
    CPanLfoBlock(std::int32_t rate, std::int32_t delay, std::int32_t pitchAmount, std::int32_t amount);
    void ClampToRanges() { ClampFields(GetLayout()); }
    bool operator==(const CPanLfoBlock&) const = default;

    std::int32_t GetRate() const { return mValues[kRate]; }
    void SetRate(std::int32_t value) { mValues[kRate] = value; }
    std::int32_t GetDelay() const { return mValues[kDelay]; }
    void SetDelay(std::int32_t value) { mValues[kDelay] = value; }
    std::int32_t GetPitchAmount() const { return mValues[kPitchAmount]; }
    void SetPitchAmount(std::int32_t value) { mValues[kPitchAmount] = value; }
    std::int32_t GetAmount() const { return mValues[kAmount]; }
    void SetAmount(std::int32_t value) { mValues[kAmount] = value; }
};

// Blocks 5 and 8 share their first seven values: delay, attack, hold, decay, sustain, release, curve.
// Block 5: the modulation envelope, which drives the filter and the pitch.
class CModulationEnvelopeBlock : public CPatchBlock<9>
{
public:
    // The fields in their order in the zone record, which the layout table follows.
    enum EField : std::size_t
    {
        kDelay,
        kAttack,
        kHold,
        kDecay,
        kSustain,
        kRelease,
        kCurve,
        kAmount,
        kPitchAmount,
    };

    static const std::array<CZoneFieldLayout, kFieldCount>& GetLayout();

    CModulationEnvelopeBlock();
    CModulationEnvelopeBlock(std::int32_t delay, std::int32_t attack, std::int32_t hold, std::int32_t decay,
                             std::int32_t sustain, std::int32_t release, std::int32_t curve, std::int32_t amount,
                             std::int32_t pitchAmount);
    void ClampToRanges() { ClampFields(GetLayout()); }
    bool operator==(const CModulationEnvelopeBlock&) const = default;

    std::int32_t GetDelay() const { return mValues[kDelay]; }
    void SetDelay(std::int32_t value) { mValues[kDelay] = value; }
    std::int32_t GetAttack() const { return mValues[kAttack]; }
    void SetAttack(std::int32_t value) { mValues[kAttack] = value; }
    std::int32_t GetHold() const { return mValues[kHold]; }
    void SetHold(std::int32_t value) { mValues[kHold] = value; }
    std::int32_t GetDecay() const { return mValues[kDecay]; }
    void SetDecay(std::int32_t value) { mValues[kDecay] = value; }
    std::int32_t GetSustain() const { return mValues[kSustain]; }
    void SetSustain(std::int32_t value) { mValues[kSustain] = value; }
    std::int32_t GetRelease() const { return mValues[kRelease]; }
    void SetRelease(std::int32_t value) { mValues[kRelease] = value; }
    std::int32_t GetCurve() const { return mValues[kCurve]; }
    void SetCurve(std::int32_t value) { mValues[kCurve] = value; }
    std::int32_t GetAmount() const { return mValues[kAmount]; }
    void SetAmount(std::int32_t value) { mValues[kAmount] = value; }
    std::int32_t GetPitchAmount() const { return mValues[kPitchAmount]; }
    void SetPitchAmount(std::int32_t value) { mValues[kPitchAmount] = value; }
};

// Block 6: bend range, transposition and key tracking of the pitch.
class CTuningBlock : public CPatchBlock<5>
{
public:
    // The fields in their order in the zone record, which the layout table follows.
    enum EField : std::size_t
    {
        kBendRange,
        kOctave,
        kSemitone,
        kCents,
        kKeyTracking,
    };

    static const std::array<CZoneFieldLayout, kFieldCount>& GetLayout();

    CTuningBlock();
    CTuningBlock(std::int32_t bendRange, std::int32_t octave, std::int32_t semitone, std::int32_t cents,
                 std::int32_t keyTracking);
    void ClampToRanges() { ClampFields(GetLayout()); }
    bool operator==(const CTuningBlock&) const = default;

    std::int32_t GetBendRange() const { return mValues[kBendRange]; }
    void SetBendRange(std::int32_t value) { mValues[kBendRange] = value; }
    std::int32_t GetOctave() const { return mValues[kOctave]; }
    void SetOctave(std::int32_t value) { mValues[kOctave] = value; }
    std::int32_t GetSemitone() const { return mValues[kSemitone]; }
    void SetSemitone(std::int32_t value) { mValues[kSemitone] = value; }
    std::int32_t GetCents() const { return mValues[kCents]; }
    void SetCents(std::int32_t value) { mValues[kCents] = value; }
    std::int32_t GetKeyTracking() const { return mValues[kKeyTracking]; }
    void SetKeyTracking(std::int32_t value) { mValues[kKeyTracking] = value; }
};

// Block 7: the filter.
class CFilterBlock : public CPatchBlock<5>
{
public:
    // The fields in their order in the zone record, which the layout table follows.
    enum EField : std::size_t
    {
        kMode,
        kFrequency,
        kResonance,
        kTypeByte,
        kKeyTracking,
    };

    static const std::array<CZoneFieldLayout, kFieldCount>& GetLayout();

    CFilterBlock();
    CFilterBlock(std::int32_t mode, std::int32_t frequency, std::int32_t resonance, std::int32_t typeByte,
                 std::int32_t keyTracking);
    void ClampToRanges() { ClampFields(GetLayout()); }
    bool operator==(const CFilterBlock&) const = default;

    std::int32_t GetMode() const { return mValues[kMode]; }
    void SetMode(std::int32_t value) { mValues[kMode] = value; }
    std::int32_t GetFrequency() const { return mValues[kFrequency]; }
    void SetFrequency(std::int32_t value) { mValues[kFrequency] = value; }
    std::int32_t GetResonance() const { return mValues[kResonance]; }
    void SetResonance(std::int32_t value) { mValues[kResonance] = value; }
    std::int32_t GetTypeByte() const { return mValues[kTypeByte]; }
    void SetTypeByte(std::int32_t value) { mValues[kTypeByte] = value; }
    std::int32_t GetKeyTracking() const { return mValues[kKeyTracking]; }
    void SetKeyTracking(std::int32_t value) { mValues[kKeyTracking] = value; }
};

// Block 8: the amplitude envelope and the zone's level.
class CAmplitudeEnvelopeBlock : public CPatchBlock<8>
{
public:
    // The fields in their order in the zone record, which the layout table follows.
    enum EField : std::size_t
    {
        kDelay,
        kAttack,
        kHold,
        kDecay,
        kSustainGain,
        kRelease,
        kCurve,
        kLevel,
    };

    static const std::array<CZoneFieldLayout, kFieldCount>& GetLayout();

    CAmplitudeEnvelopeBlock();
    CAmplitudeEnvelopeBlock(std::int32_t delay, std::int32_t attack, std::int32_t hold, std::int32_t decay,
                            std::int32_t sustainGain, std::int32_t release, std::int32_t curve, std::int32_t level);
    void ClampToRanges() { ClampFields(GetLayout()); }
    bool operator==(const CAmplitudeEnvelopeBlock&) const = default;

    std::int32_t GetDelay() const { return mValues[kDelay]; }
    void SetDelay(std::int32_t value) { mValues[kDelay] = value; }
    std::int32_t GetAttack() const { return mValues[kAttack]; }
    void SetAttack(std::int32_t value) { mValues[kAttack] = value; }
    std::int32_t GetHold() const { return mValues[kHold]; }
    void SetHold(std::int32_t value) { mValues[kHold] = value; }
    std::int32_t GetDecay() const { return mValues[kDecay]; }
    void SetDecay(std::int32_t value) { mValues[kDecay] = value; }
    std::int32_t GetSustainGain() const { return mValues[kSustainGain]; }
    void SetSustainGain(std::int32_t value) { mValues[kSustainGain] = value; }
    std::int32_t GetRelease() const { return mValues[kRelease]; }
    void SetRelease(std::int32_t value) { mValues[kRelease] = value; }
    std::int32_t GetCurve() const { return mValues[kCurve]; }
    void SetCurve(std::int32_t value) { mValues[kCurve] = value; }
    std::int32_t GetLevel() const { return mValues[kLevel]; }
    void SetLevel(std::int32_t value) { mValues[kLevel] = value; }
};

// Block 9: the pan.
class CPanBlock : public CPatchBlock<3>
{
public:
    // The fields in their order in the zone record, which the layout table follows.
    enum EField : std::size_t
    {
        kPan,
        kTypeByte,
        kAmount,
    };

    static const std::array<CZoneFieldLayout, kFieldCount>& GetLayout();

    CPanBlock();
    CPanBlock(std::int32_t pan, std::int32_t typeByte, std::int32_t amount);
    void ClampToRanges() { ClampFields(GetLayout()); }
    bool operator==(const CPanBlock&) const = default;

    std::int32_t GetPan() const { return mValues[kPan]; }
    void SetPan(std::int32_t value) { mValues[kPan] = value; }
    std::int32_t GetTypeByte() const { return mValues[kTypeByte]; }
    void SetTypeByte(std::int32_t value) { mValues[kTypeByte] = value; }
    std::int32_t GetAmount() const { return mValues[kAmount]; }
    void SetAmount(std::int32_t value) { mValues[kAmount] = value; }
};

// A value: copied whole, compared field by field.
class CPatchZone
{
public:
    static constexpr std::int32_t kHeaderWord = 666;
    // The size of the zone record in the file.
    static constexpr std::int32_t kRecordSizeInBytes = 241;

    // Every block at its defaults, header words 666 and sample-slot index 0.
    CPatchZone();
    CPatchZone(const CSampleMapBlock& sampleMap, const CModulationBlock& modulation, const CPitchLfoBlock& pitchLfo,
               const CPanLfoBlock& panLfo, const CModulationEnvelopeBlock& modulationEnvelope,
               const CTuningBlock& tuning, const CFilterBlock& filter,
               const CAmplitudeEnvelopeBlock& amplitudeEnvelope, const CPanBlock& pan);
    bool operator==(const CPatchZone&) const = default;

    std::int32_t GetFirstHeaderWord() const { return mHeaderWords[0]; }
    std::int32_t GetSecondHeaderWord() const { return mHeaderWords[1]; }
    void SetHeaderWords(std::int32_t first, std::int32_t second) { mHeaderWords = {first, second}; }

    const CSampleMapBlock& GetSampleMap() const { return mSampleMap; }
    void SetSampleMap(const CSampleMapBlock& block) { mSampleMap = block; }
    const CModulationBlock& GetModulation() const { return mModulation; }
    void SetModulation(const CModulationBlock& block) { mModulation = block; }
    const CPitchLfoBlock& GetPitchLfo() const { return mPitchLfo; }
    void SetPitchLfo(const CPitchLfoBlock& block) { mPitchLfo = block; }
    const CPanLfoBlock& GetPanLfo() const { return mPanLfo; }
    void SetPanLfo(const CPanLfoBlock& block) { mPanLfo = block; }
    const CModulationEnvelopeBlock& GetModulationEnvelope() const { return mModulationEnvelope; }
    void SetModulationEnvelope(const CModulationEnvelopeBlock& block) { mModulationEnvelope = block; }
    const CTuningBlock& GetTuning() const { return mTuning; }
    void SetTuning(const CTuningBlock& block) { mTuning = block; }
    const CFilterBlock& GetFilter() const { return mFilter; }
    void SetFilter(const CFilterBlock& block) { mFilter = block; }
    const CAmplitudeEnvelopeBlock& GetAmplitudeEnvelope() const { return mAmplitudeEnvelope; }
    void SetAmplitudeEnvelope(const CAmplitudeEnvelopeBlock& block) { mAmplitudeEnvelope = block; }
    const CPanBlock& GetPan() const { return mPan; }
    void SetPan(const CPanBlock& block) { mPan = block; }

    std::int32_t GetSampleSlotIndex() const { return mSampleSlotIndex; }
    void SetSampleSlotIndex(std::int32_t index) { mSampleSlotIndex = index; }

private:
    std::array<std::int32_t, 2> mHeaderWords = {kHeaderWord, kHeaderWord};
    CSampleMapBlock mSampleMap;
    CModulationBlock mModulation;
    CPitchLfoBlock mPitchLfo;
    CPanLfoBlock mPanLfo;
    CModulationEnvelopeBlock mModulationEnvelope;
    CTuningBlock mTuning;
    CFilterBlock mFilter;
    CAmplitudeEnvelopeBlock mAmplitudeEnvelope;
    CPanBlock mPan;
    std::int32_t mSampleSlotIndex = 0;
};

} // namespace NSConverterImplementation
