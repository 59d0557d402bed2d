#include "framework/gui/regions/NativeRegionCalls.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"

namespace NSTramvell {
namespace NSRegionPlatform {

HRGN CreateRectangleRegion(const CRect& rect)
{
    return GetWindowTable().CreateRectRgn(rect.GetLeft(), rect.GetTop(), rect.GetRight(), rect.GetBottom());
}

void DeleteRegion(HRGN region) noexcept
{
    if (region != nullptr)
        GetWindowTable().DeleteObject(region);
}

std::int32_t CombineRegions(HRGN target, HRGN first, HRGN second, std::int32_t mode)
{
    return GetWindowTable().CombineRgn(target, first, second, mode);
}

std::int32_t GetRegionBox(HRGN region, CRect& box)
{
    RECT native{};
    const int answer = GetWindowTable().GetRgnBox(region, &native);
    box = ToRect(native);
    return answer;
}

void OffsetRegion(HRGN region, std::int32_t dx, std::int32_t dy)
{
    GetWindowTable().OffsetRgn(region, dx, dy);
}

bool RegionContainsPoint(HRGN region, std::int32_t x, std::int32_t y)
{
    return GetWindowTable().PtInRegion(region, x, y) != FALSE;
}

bool RegionMeetsRect(HRGN region, const CRect& rect)
{
    const RECT native = ToNative(rect);
    return GetWindowTable().RectInRegion(region, &native) != FALSE;
}

bool RegionsEqual(HRGN first, HRGN second)
{
    return GetWindowTable().EqualRgn(first, second) != FALSE;
}

} // namespace NSRegionPlatform
} // namespace NSTramvell
