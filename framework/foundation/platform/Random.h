#pragma once

// The framework's pseudo-random numbers (random temporary file names, for instance). The generator state
// is one plain process-wide word, meant for the main thread.

#include <cstdint>

namespace NSTramvell {

// Steps the generator and returns the new state; the first call seeds it from the millisecond timer.
std::uint32_t Random();
// A number from lo to hi inclusive; lo == hi returns lo without stepping the generator.
int RandomInRange(int lo, int hi);
// a × b / c with a 64-bit intermediate, limited to the signed 32-bit range. c must not be 0.
int ScaleSaturated(int a, int b, int c);
// One step of the generator: state × 196314165 + 907633515, modulo 2^32.
std::uint32_t StepRandomState(std::uint32_t state);

namespace NSRandomInternal {
// Seeds the generator, so that a test can pin its sequence.
void SetRandomState(std::uint32_t state);
} // namespace NSRandomInternal

} // namespace NSTramvell
