#include "framework/gui/windows/Staggering.h"

#include <algorithm>

namespace NSTramvell {

CPoint GetStaggerCorner(const CPoint& origin, std::int32_t step, std::int32_t slot)
{
    return CPoint(origin.GetX() + slot * step, origin.GetY() + slot * step);
}

std::int32_t ChooseStaggerSlot(const CPoint& origin, std::int32_t step, const std::vector<CPoint>& otherTopLefts)
{
    std::int32_t bestSlot = 0;
    std::ptrdiff_t bestCount = 0;
    for (std::int32_t slot = 0; slot < kStaggerSlotCount; ++slot) {
        const CPoint corner = GetStaggerCorner(origin, step, slot);
        const std::ptrdiff_t count = std::count(otherTopLefts.begin(), otherTopLefts.end(), corner);
        if (slot == 0 || count < bestCount) {
            bestSlot = slot;
            bestCount = count;
        }
    }
    return bestSlot;
}

} // namespace NSTramvell
