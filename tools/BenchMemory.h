#pragma once

#include <cstdint>

// The largest working set the process has had, in bytes (0 when the system does not tell).
std::uint64_t GetPeakWorkingSetInBytes();
