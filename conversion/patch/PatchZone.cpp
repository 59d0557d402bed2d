#include "conversion/patch/PatchZone.h"

#include <limits>
#include <stdexcept>

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

constexpr std::array<CZoneFieldLayout, 16> kSampleMapLayout = {{
    Byte("lowKey", 0, 127, 36),
    Byte("highKey", 0, 127, 96),
    Byte("lowVelocity", 1, 127, 1),
    Byte("highVelocity", 1, 127, 127),
    Byte("rootKey", 0, 127, 60),
    Word16("fineTune", -50, 50, 0),
    FrameWord32("sampleStart"),
    FrameWord32("sampleEnd"),
    FrameWord32("loopStart"),
    FrameWord32("loopEnd"),
    FrameWord32("frameCount"),
    Byte("loopMode", 0, 3, 0),
    Byte("firstReserved", 0),
    Byte("velocityFadeLow", 0, 127, 0),
    Byte("velocityFadeHigh", 1, 128, 128),
    Byte("secondReserved", 0),
}};

constexpr std::array<CZoneFieldLayout, 23> kModulationLayout = {{
    Word32("amount1", -1000, 1000, 0),  Word32("amount2", -1000, 1000, 0),  Word32("amount3", -1000, 1000, 0),
    Word32("amount4", -1000, 1000, 0),  Word32("amount5", -1000, 1000, 0),  Word32("amount6", -1000, 1000, 0),
    Word32("amount7", -1000, 1000, 0),  Word32("amount8", -1000, 1000, 0),  Word32("amount9", -1000, 1000, 0),
    Word32("amount10", -1000, 1000, 0), Word32("amount11", -1000, 1000, 0),
    Byte("switch1", 1),  Byte("switch2", 1),  Byte("switch3", 1),  Byte("switch4", 0),
    Byte("switch5", 0),  Byte("switch6", 0),  Byte("switch7", 0),  Byte("switch8", 0),
    Byte("switch9", 0),  Byte("switch10", 1), Byte("switch11", 1), Byte("switch12", 1),
}};

constexpr std::array<CZoneFieldLayout, 9> kPitchLfoLayout = {{
    Byte("lfo1.typeByte", 1),
    Word32("lfo1.rate", -9700, 4500, -536),
    Byte("lfo1.stepByte", 0, 15, 10),
    FlaggedWord32("lfo1.delay", -10500, 3986, -10500),
    Byte("lfo1.targetByte", 101),
    Word32("lfo1.pitchAmount", -2400, 2400, 0),
    Word32("lfo1.firstAmount", -1000, 1000, 0),
    Word32("lfo1.secondAmount", -1000, 1000, 0),
    Byte("lfo1.endByte", 89),
}};

constexpr std::array<CZoneFieldLayout, 4> kPanLfoLayout = {{
    Word32("lfo2.rate", -9700, 4500, -536),
    FlaggedWord32("lfo2.delay", -10500, 3986, -10500),
    Word32("lfo2.pitchAmount", -2400, 2400, 0),
    Word32("lfo2.amount", -1000, 1000, 0),
}};

constexpr std::array<CZoneFieldLayout, 9> kModulationEnvelopeLayout = {{
    FlaggedWord32("modEnv.delay", -10500, 3986, -10500),
    FlaggedWord32("modEnv.attack", -14400, 6774, -13159),
    FlaggedWord32("modEnv.hold", -14400, 6774, -14400),
    Word32("modEnv.decay", -14400, 6774, -1200),
    Word32("modEnv.sustain", 0, 1000, 0),
    Word32("modEnv.release", -14400, 6774, -1200),
    Word32("modEnv.curve", -200, 200, 0),
    Word32("modEnv.amount", -1000, 1000, 0),
    Word32("modEnv.pitchAmount", -4800, 4800, 0),
}};

constexpr std::array<CZoneFieldLayout, 5> kTuningLayout = {{
    Byte("bendRange", 0, 24, 7),
    Byte("octave", -5, 5, 0),
    Word16("semitone", -12, 12, 0),
    Word16("cents", -50, 50, 0),
    Word32("pitchKeyTracking", 0, 1200, 100),
}};

constexpr std::array<CZoneFieldLayout, 5> kFilterLayout = {{
    Byte("filter.mode", 1),
    Word32("filter.frequency", 0, 14100, 14100),
    Word32("filter.resonance", 0, 1000, 0),
    Byte("filter.typeByte", 61),
    Word32("filter.keyTracking", 0, 1200, 0),
}};

constexpr std::array<CZoneFieldLayout, 8> kAmplitudeEnvelopeLayout = {{
    FlaggedWord32("ampEnv.delay", -10500, 3986, -10500),
    FlaggedWord32("ampEnv.attack", -14400, 6774, -13159),
    FlaggedWord32("ampEnv.hold", -14400, 6774, -14400),
    Word32("ampEnv.decay", -14400, 6774, -7271),
    Word32("ampEnv.sustainGain", -1440, 0, 0),
    Word32("ampEnv.release", -14400, 6774, -7271),
    Word32("ampEnv.curve", -200, 200, 0),
    Word32("level", -1440, 846, 0),
}};

constexpr std::array<CZoneFieldLayout, 3> kPanLayout = {{
    Word32("pan", -1000, 1000, 0),
    Byte("panTypeByte", 87),
    Word32("panAmount", 0, 1000, 0),
}};

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
