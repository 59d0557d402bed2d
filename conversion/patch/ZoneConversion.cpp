#include "conversion/patch/ZoneConversion.h"

#include "akai/parsers/AkaiProgram.h"
#include "akai/parsers/AkaiSample.h"
#include "akai/parsers/AkaiSampleParameters.h"
#include "akai/parsers/KeyGroup.h"
#include "akai/parsers/SplitHundreds.h"
#include "conversion/patch/LoopAndStereoRules.h"
#include "conversion/patch/PatchUnits.h"
#include "conversion/patch/ZoneCurves.h"
#include "framework/foundation/core/ByteOrder.h"

#include <array>
#include <cfloat>
#include <cstdlib>
#include <limits>

static_assert(FLT_EVAL_METHOD == 0, "build with SSE arithmetic (-msse2 -mfpmath=sse)");

namespace NSAkaiConversion {
namespace {

using NSAkaiParser::CAkaiSampleParameters;
using NSAkaiParser::IAkaiProgram;
using NSAkaiParser::IAkaiSample;
using NSAkaiParser::IKeyGroup;
using NSConverterImplementation::CAmplitudeEnvelopeBlock;
using NSConverterImplementation::CFilterBlock;
using NSConverterImplementation::CModulationBlock;
using NSConverterImplementation::CModulationEnvelopeBlock;
using NSConverterImplementation::CPanBlock;
using NSConverterImplementation::CPanLfoBlock;
using NSConverterImplementation::CPatchZone;
using NSConverterImplementation::CPitchLfoBlock;
using NSConverterImplementation::CSampleMapBlock;
using NSConverterImplementation::CTuningBlock;
using NSConverterImplementation::TenthDbToGainUnit;
using NSTramvell::Clamp;

constexpr std::int32_t kHighestKey = 127;
constexpr std::int32_t kNoSampleRootKey = 60;
constexpr std::int32_t kHighestVolume = 109;
constexpr std::int32_t kHighestCutoff = 109;
constexpr std::int32_t kOpenFilter = 99;
constexpr std::int32_t kKind7 = 7;
constexpr std::int32_t kKind8 = 8;
// Program modulation sources that the conversion follows.
constexpr std::int32_t kModulationSourceKey = 5;
constexpr std::int32_t kModulationSourcePanLfo = 8;
constexpr std::int32_t kModulationSourceEnvelope2 = 10;
constexpr std::int32_t kHoldUntilReleaseLoopMode = 4;
constexpr std::int32_t kMaximumReleaseTimeCents = 6774;
constexpr std::int32_t kFullFilterSweepCents = 14100;

std::array<std::int32_t, 3> FilterModulationSources(const IAkaiProgram& program)
{
    return {program.GetFilterMod1Source(), program.GetFilterMod2Source(), program.GetFilterMod3Source()};
}

std::array<std::int32_t, 3> FilterModulationAmounts(const IKeyGroup& keyGroup)
{
    return {keyGroup.GetMod1ToFilter(), keyGroup.GetMod2ToFilter(), keyGroup.GetMod3ToFilter()};
}

// The keygroup's amount for the first program source that is the key; 0 when none is.
std::int32_t KeyFilterModulation(const IAkaiProgram& program, const IKeyGroup& keyGroup)
{
    const auto sources = FilterModulationSources(program);
    const auto amounts = FilterModulationAmounts(keyGroup);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (sources[i] == kModulationSourceKey)
            return amounts[i];
    }
    return 0;
}

// The sum of the keygroup's amounts whose program source is envelope 2, clamped to -50..50.
std::int32_t Envelope2FilterModulation(const IAkaiProgram& program, const IKeyGroup& keyGroup)
{
    const auto sources = FilterModulationSources(program);
    const auto amounts = FilterModulationAmounts(keyGroup);
    std::int32_t sum = 0;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (sources[i] == kModulationSourceEnvelope2)
            sum += amounts[i];
    }
    return Clamp(sum, -50, 50);
}

// Values that later blocks take from earlier ones.
struct CZoneContext
{
    std::int32_t lfoModulationRatio = 0;
    std::int32_t filterModulation = 0;
    std::int32_t levelGain = 0;
};

CSampleMapBlock BuildSampleMap(const IAkaiProgram& program, const IAkaiSample* sample,
                               const CAkaiSampleParameters& velocityZone, const IKeyGroup& keyGroup)
{
    CSampleMapBlock block;
    std::int32_t lowKey = keyGroup.GetLowKey();
    std::int32_t highKey = keyGroup.GetHighKey();
    std::int32_t rootKey = kNoSampleRootKey;
    std::int32_t fineTune = 0;
    if (sample != nullptr) {
        // Shifted in int and clamped: the keys must stop at the keyboard's ends, not wrap round to the
        // other one.
        const std::int32_t pitchShift = program.GetIncomingMIDIPitchShift();
        lowKey = Clamp(lowKey - pitchShift, 0, kHighestKey);
        highKey = Clamp(highKey - pitchShift, 0, kHighestKey);
        std::int8_t semitones = 0;
        std::int8_t cents = 0;
        NSAkaiParser::SplitHundreds(sample->GetTuneCents(), semitones, cents);
        fineTune = cents;
        rootKey = Clamp(sample->GetMIDIRootNote() - semitones - pitchShift, 0, kHighestKey);

        const std::int32_t frameCount = GetFrameCount(*sample);
        const CLoopWindow loop = GetZoneLoopWindow(*sample);
        block.SetSampleStart(static_cast<std::int32_t>(
            std::min<std::uint32_t>(sample->GetSampleStart(), std::numeric_limits<std::int32_t>::max())));
        block.SetSampleEnd(static_cast<std::int32_t>(
            std::min<std::uint32_t>(sample->GetSampleEnd(), std::numeric_limits<std::int32_t>::max())));
        block.SetLoopStart(loop.start);
        block.SetLoopEnd(loop.end);
        block.SetFrameCount(frameCount);
        block.SetLoopMode(GetZoneLoopMode(velocityZone.GetLoopMode(), *sample));
    } else {
        block.SetSampleStart(0);
        block.SetSampleEnd(0);
        block.SetLoopStart(0);
        block.SetLoopEnd(0);
        block.SetFrameCount(0);
        block.SetLoopMode(0);
    }
    if (lowKey > highKey) {
        lowKey = 0;
        highKey = 0;
    }

    std::int32_t lowVelocity = velocityZone.GetLowVelocity() == 0 ? 1 : velocityZone.GetLowVelocity();
    const std::int32_t highVelocity = velocityZone.GetHighVelocity() == 0 ? 1 : velocityZone.GetHighVelocity();
    // No velocity plays an inverted zone on the sampler; the narrowest range keeps it nearly as silent.
    if (lowVelocity > highVelocity)
        lowVelocity = highVelocity;

    block.SetLowKey(lowKey);
    block.SetHighKey(highKey);
    block.SetLowVelocity(lowVelocity);
    block.SetHighVelocity(highVelocity);
    block.SetRootKey(rootKey);
    block.SetFineTune(fineTune);
    block.SetFirstReserved(0);
    block.SetVelocityFadeLow(0);
    block.SetVelocityFadeHigh(128);
    block.SetSecondReserved(0);
    block.ClampToRanges();
    return block;
}

CPitchLfoBlock BuildPitchLfo(const IAkaiProgram& program, const IKeyGroup& keyGroup, CZoneContext& context)
{
    const std::int32_t kind = program.GetHeaderFormat();
    const std::int32_t lfoDepth = program.GetLFODepth();
    const std::int32_t modulationToDepth = program.GetModToLFODepth();
    const std::int32_t lfoToPitch = keyGroup.GetLFO1ToPitch();

    std::int32_t depth = lfoDepth + modulationToDepth;
    if (kind != kKind7)
        depth = NSTramvell::MulDiv(Clamp(depth, 0, 99), std::abs(2 * lfoToPitch), 100);
    if (depth != lfoDepth && depth > 0)
        context.lfoModulationRatio = modulationToDepth * 1000 / depth;

    std::int32_t pitchAmount = kind == kKind7 ? depth * 7 / 2 : depth * 12;
    if (kind == kKind8 && lfoToPitch < 0)
        pitchAmount = -pitchAmount;

    const std::int32_t delay = DelaySamplesToTimeCents(LfoDelaySamples(program.GetLFODelay()) / 2);
    // The type, step, target and end bytes and the two other amounts are the same in every zone: the
    // block's defaults.
    CPitchLfoBlock block;
    block.SetRate(PitchLfoRateCents(kind, program.GetLFORate()));
    block.SetDelay(delay);
    block.SetPitchAmount(pitchAmount);
    block.ClampToRanges();
    return block;
}

CPanLfoBlock BuildPanLfo(const IAkaiProgram& program)
{
    const std::int32_t kind = program.GetHeaderFormat();
    std::int32_t depth = program.GetPanLFODepth();
    if (kind != kKind7) {
        const std::array<std::int32_t, 3> sources = {program.GetPanMod1Source(), program.GetPanMod2Source(),
                                                     program.GetPanMod3Source()};
        const std::array<std::int32_t, 3> depths = {program.GetPanMod1Depth(), program.GetPanMod2Depth(),
                                                    program.GetPanMod3Depth()};
        std::int32_t modulation = 0;
        for (std::size_t i = 0; i < sources.size(); ++i) {
            if (sources[i] == kModulationSourcePanLfo) {
                modulation = depths[i];
                break;
            }
        }
        depth = NSTramvell::MulDiv(program.GetPanLFODepth(), modulation, 50);
    }
    CPanLfoBlock block(PanLfoRateCents(kind, program.GetPanLFORate()),
                       DelaySamplesToTimeCents(LfoDelaySamples(program.GetPanLFODelay())),
                       CPanLfoBlock().GetPitchAmount(), depth * 10);
    block.ClampToRanges();
    return block;
}

CFilterBlock BuildFilter(const IAkaiProgram& program, const CAkaiSampleParameters& velocityZone,
                         const IKeyGroup& keyGroup, CZoneContext& context)
{
    const std::int32_t kind = program.GetHeaderFormat();
    const std::int32_t modulation = KeyFilterModulation(program, keyGroup);
    std::int32_t cutoff = keyGroup.GetFilter() + velocityZone.GetFilter();
    if (modulation != 0) {
        cutoff -= modulation / 2;
        const std::int32_t sweep = CutoffCents(kind, Clamp(cutoff + modulation, 0, kHighestCutoff)) -
                                   CutoffCents(kind, Clamp(cutoff, 0, kHighestCutoff));
        const std::int32_t value = std::abs(sweep) * 1000 / kFullFilterSweepCents;
        context.filterModulation = modulation < 0 ? -value : value;
    }
    const std::int32_t keyTracking = Clamp(keyGroup.GetKeyToFilter(), 0, 24) * 100 / 6;
    // The mode, the resonance and the type byte are the same in every zone: the block's defaults.
    CFilterBlock block;
    block.SetFrequency(CutoffCents(kind, Clamp(cutoff, 0, kHighestCutoff)));
    block.SetKeyTracking(keyTracking);
    block.ClampToRanges();
    return block;
}

CModulationBlock BuildModulation(const IAkaiProgram& program, const CAkaiSampleParameters& velocityZone,
                                 const IKeyGroup& keyGroup, CZoneContext& context)
{
    const std::int32_t volume = program.GetVolume();
    const std::int32_t velocityToVolume = program.GetVelocityToVolume();
    const std::int32_t maxVolume = Clamp(std::abs(velocityToVolume) + volume, 0, kHighestVolume);
    const std::int32_t sensitivity = Clamp(velocityToVolume + keyGroup.GetVelocityToVolumeOffset(), -50, 50);
    const std::int32_t total = volume + velocityZone.GetLoudness();
    const std::int32_t low = Clamp(total - std::abs(sensitivity), 0, kHighestVolume);
    const std::int32_t high = Clamp(total + std::abs(sensitivity), 0, kHighestVolume);

    std::int32_t velocityToLevel = 0;
    if (low < high) {
        velocityToLevel = (high - low) * 1000 / high;
        if (sensitivity < 0)
            velocityToLevel = -velocityToLevel;
    }

    std::int32_t steps = high - maxVolume;
    if (steps + maxVolume > kHighestVolume)
        steps = kHighestVolume - maxVolume;
    context.levelGain = TenthDbToGainUnit(VolumeStepsToTenthDb(steps));

    // The other amounts and every switch are the same in every zone: the block's defaults.
    CModulationBlock block;
    block.SetLfoModulationRatio(context.lfoModulationRatio);
    block.SetFilterModulation(context.filterModulation);
    block.SetVelocityToLevel(velocityToLevel);
    block.ClampToRanges();
    return block;
}

CModulationEnvelopeBlock BuildModulationEnvelope(const IAkaiProgram& program, const IKeyGroup& keyGroup)
{
    const CModulationEnvelopeBlock defaults;
    CModulationEnvelopeBlock block(defaults.GetDelay(), Envelope2AttackTimeCents(keyGroup.GetEnv2Attack()),
                                   defaults.GetHold(), Envelope2DecayTimeCents(keyGroup.GetEnv2Decay()),
                                   keyGroup.GetEnv2Sustain() * 10, ReleaseTimeCents(keyGroup.GetEnv2Release()), 0,
                                   Envelope2FilterModulation(program, keyGroup) * 20, keyGroup.GetEnv2ToPitch() * 12);
    block.ClampToRanges();
    return block;
}

CTuningBlock BuildTuning(const IAkaiProgram& program, const CAkaiSampleParameters& velocityZone,
                         const IKeyGroup& keyGroup)
{
    // The three tunes together reach far beyond an octave's byte; the split runs in 32 bits and only its
    // parts are clamped.
    const std::int32_t total = velocityZone.GetTuneCents() + keyGroup.GetTuneCents() + program.GetTuneCents();
    std::int32_t semitones = 0;
    std::int32_t cents = 0;
    SplitCents(total, semitones, cents);
    CTuningBlock block(program.GetBendToPitch(), semitones / 12, semitones % 12, cents,
                       velocityZone.GetKeyTracking() != 0 ? 100 : 0);
    block.ClampToRanges();
    return block;
}

CAmplitudeEnvelopeBlock BuildAmplitudeEnvelope(const CAkaiSampleParameters& velocityZone, const IKeyGroup& keyGroup,
                                               const CZoneContext& context)
{
    const CAmplitudeEnvelopeBlock defaults;
    const std::int32_t sustainGain =
        Clamp(TenthDbToGainUnit(VolumeStepsToTenthDb(-(99 - keyGroup.GetEnv1Sustain()))), -1440, 0);
    const std::int32_t release = velocityZone.GetLoopMode() == kHoldUntilReleaseLoopMode
                                     ? kMaximumReleaseTimeCents
                                     : ReleaseTimeCents(keyGroup.GetEnv1Release());
    CAmplitudeEnvelopeBlock block(defaults.GetDelay(), Envelope1AttackTimeCents(keyGroup.GetEnv1Attack()),
                                  defaults.GetHold(), ReleaseTimeCents(keyGroup.GetEnv1Decay()), sustainGain, release, 0,
                                  context.levelGain);
    block.ClampToRanges();
    return block;
}

CPanBlock BuildPan(const IAkaiSample* sample, const CAkaiSampleParameters& velocityZone, bool stereoPair)
{
    const bool mono = sample != nullptr && !stereoPair;
    // The type byte and the amount are the same in every zone: the block's defaults.
    CPanBlock block;
    block.SetPan(mono ? velocityZone.GetPan() * 20 : 0);
    block.ClampToRanges();
    return block;
}

} // namespace

void SplitCents(std::int32_t cents, std::int32_t& semitones, std::int32_t& remainder)
{
    // The single-precision 0.01 lies just below the exact value, which sends exact halves toward zero.
    const double scaled = static_cast<double>(cents) * static_cast<double>(0.01f);
    semitones = static_cast<std::int32_t>(scaled >= 0.0 ? scaled + 0.5 : scaled - 0.5);
    remainder = cents - 100 * semitones;
}

CPatchZone BuildZone(const IAkaiProgram& program, const IAkaiSample* sample, const CAkaiSampleParameters& velocityZone,
                     const IKeyGroup& keyGroup, bool stereoPair)
{
    CZoneContext context;
    const CSampleMapBlock sampleMap = BuildSampleMap(program, sample, velocityZone, keyGroup);
    const CPitchLfoBlock pitchLfo = BuildPitchLfo(program, keyGroup, context);
    const CFilterBlock filter = BuildFilter(program, velocityZone, keyGroup, context);
    const CModulationBlock modulation = BuildModulation(program, velocityZone, keyGroup, context);
    const CPanLfoBlock panLfo = BuildPanLfo(program);
    const CModulationEnvelopeBlock modulationEnvelope = BuildModulationEnvelope(program, keyGroup);
    const CTuningBlock tuning = BuildTuning(program, velocityZone, keyGroup);
    const CAmplitudeEnvelopeBlock amplitudeEnvelope = BuildAmplitudeEnvelope(velocityZone, keyGroup, context);
    const CPanBlock pan = BuildPan(sample, velocityZone, stereoPair);
    return CPatchZone(sampleMap, modulation, pitchLfo, panLfo, modulationEnvelope, tuning, filter, amplitudeEnvelope,
                      pan);
}

CPatchZone BuildDefaultZone()
{
    return CPatchZone();
}

bool IsFilterNeutral(const IAkaiProgram& program, const IKeyGroup& keyGroup)
{
    return keyGroup.GetFilter() == kOpenFilter && KeyFilterModulation(program, keyGroup) == 0 &&
           Envelope2FilterModulation(program, keyGroup) == 0;
}

} // namespace NSAkaiConversion
