#include "conversion/patch/PatchZone.h"

#include <limits>
#include <stdexcept>
#include <utility>

namespace NSConverterImplementation {
namespace {

constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();

// Bytes that no conversion varies still carry a range, the byte's own, so reading clamps nothing.
constexpr CZoneFieldLayout Byte(const char* name, std::int32_t defaultValue)
{
    return {name, 1, CRange32(0, 255, defaultValue), false, false};
}
constexpr CZoneFieldLayout Byte(const char* name, std::int32_t minimum, std::int32_t maximum, std::int32_t defaultValue)
{
    return {name, 1, CRange32(minimum, maximum, defaultValue), false, false};
}
constexpr CZoneFieldLayout Word16(const char* name, std::int32_t minimum, std::int32_t maximum, std::int32_t defaultValue)
{
    return {name, 2, CRange32(minimum, maximum, defaultValue), false, false};
}
constexpr CZoneFieldLayout Word32(const char* name, std::int32_t minimum, std::int32_t maximum, std::int32_t defaultValue)
{
    return {name, 4, CRange32(minimum, maximum, defaultValue), false, false};
}
constexpr CZoneFieldLayout FlaggedWord32(const char* name, std::int32_t minimum, std::int32_t maximum,
                                         std::int32_t defaultValue)
{
    return {name, 4, CRange32(minimum, maximum, defaultValue), true, false};
}
constexpr CZoneFieldLayout FrameWord32(const char* name)
{
    return {name, 4, CRange32(0, kLargest, 0), false, true};
}

// One entry of a block's layout table beside the field it describes.
template <typename TBlock>
struct CPlacedField
{
    typename TBlock::EField field;
    CZoneFieldLayout layout;
};

// The layout table of a block; an entry out of its field's place in the zone record does not compile.
template <typename TBlock, std::size_t N>
consteval std::array<CZoneFieldLayout, N> InFieldOrder(const CPlacedField<TBlock> (&fields)[N])
{
    static_assert(N == TBlock::kFieldCount, "every field of the block has its layout");
    for (std::size_t i = 0; i < N; ++i) {
        if (fields[i].field != i)
            throw "a layout entry out of its field's place";
    }
    return [&]<std::size_t... kIndex>(std::index_sequence<kIndex...>) {
        return std::array<CZoneFieldLayout, N>{fields[kIndex].layout...};
    }(std::make_index_sequence<N>());
}

constexpr auto kSampleMapLayout = InFieldOrder<CSampleMapBlock>({
    {CSampleMapBlock::kLowKey, Byte("lowKey", 0, 127, 36)},
    {CSampleMapBlock::kHighKey, Byte("highKey", 0, 127, 96)},
    {CSampleMapBlock::kLowVelocity, Byte("lowVelocity", 1, 127, 1)},
    {CSampleMapBlock::kHighVelocity, Byte("highVelocity", 1, 127, 127)},
    {CSampleMapBlock::kRootKey, Byte("rootKey", 0, 127, 60)},
    {CSampleMapBlock::kFineTune, Word16("fineTune", -50, 50, 0)},
    {CSampleMapBlock::kSampleStart, FrameWord32("sampleStart")},
    {CSampleMapBlock::kSampleEnd, FrameWord32("sampleEnd")},
    {CSampleMapBlock::kLoopStart, FrameWord32("loopStart")},
    {CSampleMapBlock::kLoopEnd, FrameWord32("loopEnd")},
    {CSampleMapBlock::kFrameCount, FrameWord32("frameCount")},
    {CSampleMapBlock::kLoopMode, Byte("loopMode", 0, 3, 0)},
    {CSampleMapBlock::kFirstReserved, Byte("firstReserved", 0)},
    {CSampleMapBlock::kVelocityFadeLow, Byte("velocityFadeLow", 0, 127, 0)},
    {CSampleMapBlock::kVelocityFadeHigh, Byte("velocityFadeHigh", 1, 128, 128)},
    {CSampleMapBlock::kSecondReserved, Byte("secondReserved", 0)},
});

constexpr std::array<CZoneFieldLayout, 23> kModulationLayout = {{
    Word32("amount1", -1000, 1000, 0),  Word32("amount2", -1000, 1000, 0),  Word32("amount3", -1000, 1000, 0),
    Word32("amount4", -1000, 1000, 0),  Word32("amount5", -1000, 1000, 0),  Word32("amount6", -1000, 1000, 0),
    Word32("amount7", -1000, 1000, 0),  Word32("amount8", -1000, 1000, 0),  Word32("amount9", -1000, 1000, 0),
    Word32("amount10", -1000, 1000, 0), Word32("amount11", -1000, 1000, 0),
    Byte("switch1", 1),  Byte("switch2", 1),  Byte("switch3", 1),  Byte("switch4", 0),
    Byte("switch5", 0),  Byte("switch6", 0),  Byte("switch7", 0),  Byte("switch8", 0),
    Byte("switch9", 0),  Byte("switch10", 1), Byte("switch11", 1), Byte("switch12", 1),
}};

constexpr auto kPitchLfoLayout = InFieldOrder<CPitchLfoBlock>({
    {CPitchLfoBlock::kTypeByte, Byte("lfo1.typeByte", 1)},
    {CPitchLfoBlock::kRate, Word32("lfo1.rate", -9700, 4500, -536)},
    {CPitchLfoBlock::kStepByte, Byte("lfo1.stepByte", 0, 15, 10)},
    {CPitchLfoBlock::kDelay, FlaggedWord32("lfo1.delay", -10500, 3986, -10500)},
    {CPitchLfoBlock::kTargetByte, Byte("lfo1.targetByte", 101)},
    {CPitchLfoBlock::kPitchAmount, Word32("lfo1.pitchAmount", -2400, 2400, 0)},
    {CPitchLfoBlock::kFirstAmount, Word32("lfo1.firstAmount", -1000, 1000, 0)},
    {CPitchLfoBlock::kSecondAmount, Word32("lfo1.secondAmount", -1000, 1000, 0)},
    {CPitchLfoBlock::kEndByte, Byte("lfo1.endByte", 89)},
});

constexpr auto kPanLfoLayout = InFieldOrder<CPanLfoBlock>({
    {CPanLfoBlock::kRate, Word32("lfo2.rate", -9700, 4500, -536)},
    {CPanLfoBlock::kDelay, FlaggedWord32("lfo2.delay", -10500, 3986, -10500)},
    {CPanLfoBlock::kPitchAmount, Word32("lfo2.pitchAmount", -2400, 2400, 0)},
    {CPanLfoBlock::kAmount, Word32("lfo2.amount", -1000, 1000, 0)},
});

constexpr auto kModulationEnvelopeLayout = InFieldOrder<CModulationEnvelopeBlock>({
    {CModulationEnvelopeBlock::kDelay, FlaggedWord32("modEnv.delay", -10500, 3986, -10500)},
    {CModulationEnvelopeBlock::kAttack, FlaggedWord32("modEnv.attack", -14400, 6774, -13159)},
    {CModulationEnvelopeBlock::kHold, FlaggedWord32("modEnv.hold", -14400, 6774, -14400)},
    {CModulationEnvelopeBlock::kDecay, Word32("modEnv.decay", -14400, 6774, -1200)},
    {CModulationEnvelopeBlock::kSustain, Word32("modEnv.sustain", 0, 1000, 0)},
    {CModulationEnvelopeBlock::kRelease, Word32("modEnv.release", -14400, 6774, -1200)},
    {CModulationEnvelopeBlock::kCurve, Word32("modEnv.curve", -200, 200, 0)},
    {CModulationEnvelopeBlock::kAmount, Word32("modEnv.amount", -1000, 1000, 0)},
    {CModulationEnvelopeBlock::kPitchAmount, Word32("modEnv.pitchAmount", -4800, 4800, 0)},
});

constexpr auto kTuningLayout = InFieldOrder<CTuningBlock>({
    {CTuningBlock::kBendRange, Byte("bendRange", 0, 24, 7)},
    {CTuningBlock::kOctave, Byte("octave", -5, 5, 0)},
    {CTuningBlock::kSemitone, Word16("semitone", -12, 12, 0)},
    {CTuningBlock::kCents, Word16("cents", -50, 50, 0)},
    {CTuningBlock::kKeyTracking, Word32("pitchKeyTracking", 0, 1200, 100)},
});

constexpr auto kFilterLayout = InFieldOrder<CFilterBlock>({
    {CFilterBlock::kMode, Byte("filter.mode", 1)},
    {CFilterBlock::kFrequency, Word32("filter.frequency", 0, 14100, 14100)},
    {CFilterBlock::kResonance, Word32("filter.resonance", 0, 1000, 0)},
    {CFilterBlock::kTypeByte, Byte("filter.typeByte", 61)},
    {CFilterBlock::kKeyTracking, Word32("filter.keyTracking", 0, 1200, 0)},
});

constexpr auto kAmplitudeEnvelopeLayout = InFieldOrder<CAmplitudeEnvelopeBlock>({
    {CAmplitudeEnvelopeBlock::kDelay, FlaggedWord32("ampEnv.delay", -10500, 3986, -10500)},
    {CAmplitudeEnvelopeBlock::kAttack, FlaggedWord32("ampEnv.attack", -14400, 6774, -13159)},
    {CAmplitudeEnvelopeBlock::kHold, FlaggedWord32("ampEnv.hold", -14400, 6774, -14400)},
    {CAmplitudeEnvelopeBlock::kDecay, Word32("ampEnv.decay", -14400, 6774, -7271)},
    {CAmplitudeEnvelopeBlock::kSustainGain, Word32("ampEnv.sustainGain", -1440, 0, 0)},
    {CAmplitudeEnvelopeBlock::kRelease, Word32("ampEnv.release", -14400, 6774, -7271)},
    {CAmplitudeEnvelopeBlock::kCurve, Word32("ampEnv.curve", -200, 200, 0)},
    {CAmplitudeEnvelopeBlock::kLevel, Word32("level", -1440, 846, 0)},
});

constexpr auto kPanLayout = InFieldOrder<CPanBlock>({
    {CPanBlock::kPan, Word32("pan", -1000, 1000, 0)},
    {CPanBlock::kTypeByte, Byte("panTypeByte", 87)},
    {CPanBlock::kAmount, Word32("panAmount", 0, 1000, 0)},
});

} // namespace

const std::array<CZoneFieldLayout, 16>& CSampleMapBlock::GetLayout()
{
    return kSampleMapLayout;
}

CSampleMapBlock::CSampleMapBlock() : CPatchBlock(kSampleMapLayout) {}

CSampleMapBlock::CSampleMapBlock(std::int32_t lowKey, std::int32_t highKey, std::int32_t lowVelocity,
                                 std::int32_t highVelocity, std::int32_t rootKey, std::int32_t fineTune,
                                 std::int32_t sampleStart, std::int32_t sampleEnd, std::int32_t loopStart,
                                 std::int32_t loopEnd, std::int32_t frameCount, std::int32_t loopMode,
                                 std::int32_t firstReserved, std::int32_t velocityFadeLow,
                                 std::int32_t velocityFadeHigh, std::int32_t secondReserved)
    : CPatchBlock(std::array<std::int32_t, 16>{lowKey, highKey, lowVelocity, highVelocity, rootKey, fineTune,
                                               sampleStart, sampleEnd, loopStart, loopEnd, frameCount, loopMode,
                                               firstReserved, velocityFadeLow, velocityFadeHigh, secondReserved})
{
}

const std::array<CZoneFieldLayout, 23>& CModulationBlock::GetLayout()
{
    return kModulationLayout;
}

CModulationBlock::CModulationBlock() : CPatchBlock(kModulationLayout) {}

std::size_t CModulationBlock::AmountField(std::size_t index)
{
    if (index >= kAmountCount)
        throw std::out_of_range("no such amount");
    return index;
}

std::size_t CModulationBlock::SwitchField(std::size_t index)
{
    if (index >= kSwitchCount)
        throw std::out_of_range("no such switch");
    return kAmountCount + index;
}

CModulationBlock::CModulationBlock(const std::array<std::int32_t, kAmountCount>& amounts,
                                   const std::array<std::int32_t, kSwitchCount>& switches)
    : CPatchBlock(kModulationLayout)
{
    for (std::size_t i = 0; i < kAmountCount; ++i)
        mValues[i] = amounts[i];
    for (std::size_t i = 0; i < kSwitchCount; ++i)
        mValues[kAmountCount + i] = switches[i];
}

const std::array<CZoneFieldLayout, 9>& CPitchLfoBlock::GetLayout()
{
    return kPitchLfoLayout;
}

CPitchLfoBlock::CPitchLfoBlock() : CPatchBlock(kPitchLfoLayout) {}

CPitchLfoBlock::CPitchLfoBlock(std::int32_t typeByte, std::int32_t rate, std::int32_t stepByte, std::int32_t delay,
                               std::int32_t targetByte, std::int32_t pitchAmount, std::int32_t firstAmount,
                               std::int32_t secondAmount, std::int32_t endByte)
    : CPatchBlock(std::array<std::int32_t, 9>{typeByte, rate, stepByte, delay, targetByte, pitchAmount, firstAmount,
                                              secondAmount, endByte})
{
}

const std::array<CZoneFieldLayout, 4>& CPanLfoBlock::GetLayout()
{
    return kPanLfoLayout;
}

CPanLfoBlock::CPanLfoBlock() : CPatchBlock(kPanLfoLayout) {}

CPanLfoBlock::CPanLfoBlock(std::int32_t rate, std::int32_t delay, std::int32_t pitchAmount, std::int32_t amount)
    : CPatchBlock(std::array<std::int32_t, 4>{rate, delay, pitchAmount, amount})
{
}

const std::array<CZoneFieldLayout, 9>& CModulationEnvelopeBlock::GetLayout()
{
    return kModulationEnvelopeLayout;
}

CModulationEnvelopeBlock::CModulationEnvelopeBlock() : CPatchBlock(kModulationEnvelopeLayout) {}

CModulationEnvelopeBlock::CModulationEnvelopeBlock(std::int32_t delay, std::int32_t attack, std::int32_t hold,
                                                   std::int32_t decay, std::int32_t sustain, std::int32_t release,
                                                   std::int32_t curve, std::int32_t amount, std::int32_t pitchAmount)
    : CPatchBlock(std::array<std::int32_t, 9>{delay, attack, hold, decay, sustain, release, curve, amount, pitchAmount})
{
}

const std::array<CZoneFieldLayout, 5>& CTuningBlock::GetLayout()
{
    return kTuningLayout;
}

CTuningBlock::CTuningBlock() : CPatchBlock(kTuningLayout) {}

CTuningBlock::CTuningBlock(std::int32_t bendRange, std::int32_t octave, std::int32_t semitone, std::int32_t cents,
                           std::int32_t keyTracking)
    : CPatchBlock(std::array<std::int32_t, 5>{bendRange, octave, semitone, cents, keyTracking})
{
}

const std::array<CZoneFieldLayout, 5>& CFilterBlock::GetLayout()
{
    return kFilterLayout;
}

CFilterBlock::CFilterBlock() : CPatchBlock(kFilterLayout) {}

CFilterBlock::CFilterBlock(std::int32_t mode, std::int32_t frequency, std::int32_t resonance, std::int32_t typeByte,
                           std::int32_t keyTracking)
    : CPatchBlock(std::array<std::int32_t, 5>{mode, frequency, resonance, typeByte, keyTracking})
{
}

const std::array<CZoneFieldLayout, 8>& CAmplitudeEnvelopeBlock::GetLayout()
{
    return kAmplitudeEnvelopeLayout;
}

CAmplitudeEnvelopeBlock::CAmplitudeEnvelopeBlock() : CPatchBlock(kAmplitudeEnvelopeLayout) {}

CAmplitudeEnvelopeBlock::CAmplitudeEnvelopeBlock(std::int32_t delay, std::int32_t attack, std::int32_t hold,
                                                 std::int32_t decay, std::int32_t sustainGain, std::int32_t release,
                                                 std::int32_t curve, std::int32_t level)
    : CPatchBlock(std::array<std::int32_t, 8>{delay, attack, hold, decay, sustainGain, release, curve, level})
{
}

const std::array<CZoneFieldLayout, 3>& CPanBlock::GetLayout()
{
    return kPanLayout;
}

CPanBlock::CPanBlock() : CPatchBlock(kPanLayout) {}

CPanBlock::CPanBlock(std::int32_t pan, std::int32_t typeByte, std::int32_t amount)
    : CPatchBlock(std::array<std::int32_t, 3>{pan, typeByte, amount})
{
}

CPatchZone::CPatchZone() = default;

CPatchZone::CPatchZone(const CSampleMapBlock& sampleMap, const CModulationBlock& modulation,
                       const CPitchLfoBlock& pitchLfo, const CPanLfoBlock& panLfo,
                       const CModulationEnvelopeBlock& modulationEnvelope, const CTuningBlock& tuning,
                       const CFilterBlock& filter, const CAmplitudeEnvelopeBlock& amplitudeEnvelope,
                       const CPanBlock& pan)
    : mSampleMap(sampleMap)
    , mModulation(modulation)
    , mPitchLfo(pitchLfo)
    , mPanLfo(panLfo)
    , mModulationEnvelope(modulationEnvelope)
    , mTuning(tuning)
    , mFilter(filter)
    , mAmplitudeEnvelope(amplitudeEnvelope)
    , mPan(pan)
{
}

} // namespace NSConverterImplementation
