#pragma once

#include <cstdint>

// The largest working set the process has had, in bytes (0 when the system does not tell).
std::uint64_t GetPeakWorkingSetInBytes();
// The processor time the process has used so far, user and system together, in seconds.
double GetProcessorSeconds();
