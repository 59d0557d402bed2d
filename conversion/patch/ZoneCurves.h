#pragma once

// The curves that carry Akai program and keygroup values over to the sampler's units. Each result is
// the value the zone stores: truncated toward zero and clamped to its field's range. The kind is the
// program's header format; 7 has its own curves, every other kind shares the second set.

#include <cstdint>

namespace NSAkaiConversion {

// Samples at 44100 Hz of an Akai LFO delay value (0..99; above it 0), joined linearly between the
// measured points in integer arithmetic.
std::int32_t LfoDelaySamples(std::int32_t akaiValue);
// A delay given in samples at 44100 Hz in time cents; no delay is the range minimum -10500.
std::int32_t DelaySamplesToTimeCents(std::int32_t samples);

// The first LFO's rate from the program's "LFO Rate", in pitch cents.
std::int32_t PitchLfoRateCents(std::int32_t kind, std::int32_t rate);
// The second LFO's rate from the program's "Pan LFO Rate" (taken as a signed byte), in pitch cents.
std::int32_t PanLfoRateCents(std::int32_t kind, std::int32_t rate);

// Envelope times in time cents from Akai values 0..255.
std::int32_t Envelope2AttackTimeCents(std::int32_t akaiValue);
std::int32_t Envelope2DecayTimeCents(std::int32_t akaiValue);
// Envelope 2's release and envelope 1's decay and release.
std::int32_t ReleaseTimeCents(std::int32_t akaiValue);
std::int32_t Envelope1AttackTimeCents(std::int32_t akaiValue);

// A filter cutoff 0..109 in pitch cents.
std::int32_t CutoffCents(std::int32_t kind, std::int32_t cutoff);

// Akai volume steps in tenths of a decibel: 20 x log10(2) tenths, about 6.02, per step.
std::int32_t VolumeStepsToTenthDb(std::int32_t steps);

} // namespace NSAkaiConversion
