#pragma once

// The replay's stand-in for the fuzzer's allocation limit: this program's operator new notes the
// largest single request, so a test can tell whether one input asked for more than the limit.

#include <cstddef>

namespace NSFuzzTargets {

// The limit of one allocation for one input, as the fuzzer runs with it.
constexpr std::size_t kAllocationLimitInBytes = std::size_t{256} * 1024 * 1024;

void ForgetLargestAllocation();
std::size_t GetLargestAllocation();

} // namespace NSFuzzTargets
