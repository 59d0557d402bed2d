#pragma once

// How one step of a conversion ends: go on, or stop and keep or delete the output written so far. Every
// step of the walk and of a volume answers with it, so a stop reaches ConvertDisk through the compiler's
// checks instead of through plain numbers.

#include <cstdint>

namespace NSConverter {

enum class [[nodiscard]] EStepOutcome : std::uint32_t
{
    kGoOn,
    kStopKeepOutput,
    kStopDeleteOutput,
};

constexpr bool IsStop(EStepOutcome outcome)
{
    return outcome != EStepOutcome::kGoOn;
}

} // namespace NSConverter
