#pragma once

// The platform's three-dimensional edge about a rectangle, in any of its styles and on any of its sides.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>

namespace NSTramvell {

class CABCCanvas;

inline constexpr std::uint32_t kEdgeSideLeft = 1;
inline constexpr std::uint32_t kEdgeSideTop = 2;
inline constexpr std::uint32_t kEdgeSideRight = 4;
inline constexpr std::uint32_t kEdgeSideBottom = 8;
inline constexpr std::uint32_t kEdgeAllSides = 15;

// style is the platform's edge code: 2 a thin sunken line, 5 raised, 6 etched.
void DrawPlatformEdge(CABCCanvas& canvas, const CRect& rect, std::uint32_t style, std::uint32_t sides);

} // namespace NSTramvell
