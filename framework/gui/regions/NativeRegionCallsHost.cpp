// The host build has no platform regions: every shape the inline kinds cannot hold is refused as the
// platform refuses one it cannot make.

#include "framework/gui/regions/NativeRegionCalls.h"

#include "framework/foundation/core/Exceptions.h"

namespace NSTramvell {
namespace NSRegionPlatform {

HRGN CreateRectangleRegion(const CRect&)
{
    return nullptr;
}

void DeleteRegion(HRGN) noexcept {}

std::int32_t CombineRegions(HRGN, HRGN, HRGN, std::int32_t)
{
    return 0;
}

std::int32_t GetRegionBox(HRGN, CRect&)
{
    return 0;
}

void OffsetRegion(HRGN, std::int32_t, std::int32_t)
{
    throw XBase();
}

bool RegionContainsPoint(HRGN, std::int32_t, std::int32_t)
{
    throw XBase();
}

bool RegionMeetsRect(HRGN, const CRect&)
{
    throw XBase();
}

bool RegionsEqual(HRGN, HRGN)
{
    throw XBase();
}

} // namespace NSRegionPlatform
} // namespace NSTramvell
