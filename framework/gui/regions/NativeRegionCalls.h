#pragma once

// The platform's region operations as the region type needs them, one function each, so the region
// logic builds without the platform: Windows builds bind them to the bound tables, the host build to
// stand-ins that refuse (there the inline kinds are all there is).

#include "framework/gui/geometry/Rect.h"

#include <cstdint>

struct HRGN__;
typedef struct HRGN__* HRGN;

namespace NSTramvell {
namespace NSRegionPlatform {

// Null when the platform cannot make it.
HRGN CreateRectangleRegion(const CRect& rect);
void DeleteRegion(HRGN region) noexcept;
// The platform's answer: 0 failure, 1 empty, 2 one rectangle, 3 more complex.
std::int32_t CombineRegions(HRGN target, HRGN first, HRGN second, std::int32_t mode);
// The same answers; the box is filled for 2 and 3.
std::int32_t GetRegionBox(HRGN region, CRect& box);
void OffsetRegion(HRGN region, std::int32_t dx, std::int32_t dy);
bool RegionContainsPoint(HRGN region, std::int32_t x, std::int32_t y);
bool RegionMeetsRect(HRGN region, const CRect& rect);
bool RegionsEqual(HRGN first, HRGN second);

} // namespace NSRegionPlatform
} // namespace NSTramvell
