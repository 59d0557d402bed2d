#pragma once

// Which mouse messages the tool-tip controls see. A press is relayed with a release right after it, so
// that the tip hides at once instead of waiting for the real release, which may go to another window.

#include <cstdint>

namespace NSTramvell {

struct CToolTipRelay
{
    std::uint32_t mMessage = 0;   // 0: nothing is relayed
    std::uint32_t mFollowUp = 0;  // the release sent after a press, 0 for none
};

CToolTipRelay GetToolTipRelay(std::uint32_t message) noexcept;

} // namespace NSTramvell
