#pragma once

// Recurring drawing jobs on top of a canvas: a line of text in a rectangle, bevels, edges, separators
// and nested frames.

#include "framework/gui/drawing/FontSpec.h"
#include "framework/gui/geometry/Rect.h"
#include "framework/gui/regions/Color.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CABCCanvas;

// One line, its font's cell centred vertically (truncated), 2 pixels in from the left, not clipped:
// a rectangle shorter than the font gets the text starting above its top.
void DrawTextInRect(CABCCanvas& canvas, const CRect& rect, const std::string& text, const CFontSpec& font,
                    const CColor& color);
// The measured text centred both ways.
void DrawTextCenteredInRect(CABCCanvas& canvas, const CRect& rect, const std::string& text, const CFontSpec& font,
                            const CColor& color);

void DrawVerticalLine(CABCCanvas& canvas, std::int32_t x, std::int32_t y1, std::int32_t y2, const CColor& color);
void DrawHorizontalLine(CABCCanvas& canvas, std::int32_t y, std::int32_t x1, std::int32_t x2, const CColor& color);

// topLeft on the top and left edges, bottomRight on the bottom and right ones; the two far corners
// belong to bottomRight.
void DrawBevel(CABCCanvas& canvas, const CRect& rect, const CColor& topLeft, const CColor& bottomRight);
// Light above and left, grey below and right: raised. The pressed twin swaps them.
void DrawHighlightBevel(CABCCanvas& canvas, const CRect& rect);
void DrawPressedHighlightBevel(CABCCanvas& canvas, const CRect& rect);
// DrawBevel's two colours with a third between them on the two corners where light meets shade (top
// right, bottom left).
void DrawHighlightBevel(CABCCanvas& canvas, const CRect& rect, const CColor& light, const CColor& middle,
                        const CColor& shade);

// The platform's three-dimensional edge about a rectangle, in any of its styles and on any of its sides.
inline constexpr std::uint32_t kEdgeSideLeft = 1;
inline constexpr std::uint32_t kEdgeSideTop = 2;
inline constexpr std::uint32_t kEdgeSideRight = 4;
inline constexpr std::uint32_t kEdgeSideBottom = 8;
inline constexpr std::uint32_t kEdgeAllSides = 15;
// The platform's edge codes: a thin sunken line, raised, etched.
inline constexpr std::uint32_t kEdgeSunkenOuter = 2;
inline constexpr std::uint32_t kEdgeRaised = 5;
inline constexpr std::uint32_t kEdgeEtched = 6;
void DrawPlatformEdge(CABCCanvas& canvas, const CRect& rect, std::uint32_t style, std::uint32_t sides);

// The platform's three-dimensional edges about a rectangle.
void DrawSunkenEdge(CABCCanvas& canvas, const CRect& rect);
void DrawRaisedEdge(CABCCanvas& canvas, const CRect& rect);
void DrawSoftSunkenEdge(CABCCanvas& canvas, const CRect& rect);
void DrawSoftRaisedEdge(CABCCanvas& canvas, const CRect& rect);

// An etched groove one pixel wide (vertical) or high (horizontal).
void DrawSeparatorVertical(CABCCanvas& canvas, std::int32_t x, std::int32_t y1, std::int32_t y2);
void DrawSeparatorHorizontal(CABCCanvas& canvas, std::int32_t y, std::int32_t x1, std::int32_t x2);

// The platform's size grip, drawn into the rectangle.
void DrawSizeGrip(CABCCanvas& canvas, const CRect& rect);

// count one-pixel outlines, each inset by one from the last.
void DrawNestedFrames(CABCCanvas& canvas, const CRect& rect, std::int32_t count, const CColor& color);
void DrawSelectionFrames(CABCCanvas& canvas, const CRect& rect, std::int32_t count);

} // namespace NSTramvell
