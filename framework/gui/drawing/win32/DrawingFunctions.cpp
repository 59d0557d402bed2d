#include "framework/gui/drawing/DrawingFunctions.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/CanvasDrawingState.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"

namespace NSTramvell {

namespace {

HDC RequireHandle(CABCCanvas& canvas)
{
    CCanvasDrawingState* state = canvas.GetContext();
    if (state == nullptr)
        throw XOutOfMemory();
    return state->GetHandle();
}

} // namespace

void DrawPlatformEdge(CABCCanvas& canvas, const CRect& rect, std::uint32_t style, std::uint32_t sides)
{
    RECT native = ToNative(rect);
    GetWindowTable().DrawEdge(RequireHandle(canvas), &native, style, sides);
}

void DrawTextInRect(CABCCanvas& canvas, const CRect& rect, const std::string& text, const CFontSpec& font,
                    const CColor& color)
{
    const std::int32_t height = canvas.GetFontHeight(font);
    const std::int32_t ascent = canvas.GetFontAscent(font);
    const std::int32_t top = rect.GetTop() + (rect.GetHeight() - height) / 2;
    canvas.DrawText(rect.GetLeft() + 2, top + ascent, text, font, color);
}

void DrawTextCenteredInRect(CABCCanvas& canvas, const CRect& rect, const std::string& text, const CFontSpec& font,
                            const CColor& color)
{
    const std::int32_t width = canvas.GetTextWidth(text, font);
    const std::int32_t height = canvas.GetFontHeight(font);
    const std::int32_t ascent = canvas.GetFontAscent(font);
    const std::int32_t left = rect.GetLeft() + (rect.GetWidth() - width) / 2;
    const std::int32_t top = rect.GetTop() + (rect.GetHeight() - height) / 2;
    canvas.DrawText(left, top + ascent, text, font, color);
}

void DrawVerticalLine(CABCCanvas& canvas, std::int32_t x, std::int32_t y1, std::int32_t y2, const CColor& color)
{
    canvas.DrawLine(x, y1, x, y2, color);
}

void DrawHorizontalLine(CABCCanvas& canvas, std::int32_t y, std::int32_t x1, std::int32_t x2, const CColor& color)
{
    canvas.DrawLine(x1, y, x2, y, color);
}

void DrawBevel(CABCCanvas& canvas, const CRect& rect, const CColor& topLeft, const CColor& bottomRight)
{
    const std::int32_t left = rect.GetLeft();
    const std::int32_t top = rect.GetTop();
    const std::int32_t right = rect.GetRight();
    const std::int32_t bottom = rect.GetBottom();
    canvas.DrawLine(left, top, right - 2, top, topLeft);
    canvas.DrawLine(left, top, left, bottom - 2, topLeft);
    canvas.DrawLine(left, bottom - 1, right - 2, bottom - 1, bottomRight);
    canvas.DrawLine(right - 1, bottom - 1, right - 1, top, bottomRight);
}

void DrawHighlightBevel(CABCCanvas& canvas, const CRect& rect)
{
    DrawBevel(canvas, rect, GetSystemHighlightColor(), kColorGray119);
}

void DrawPressedHighlightBevel(CABCCanvas& canvas, const CRect& rect)
{
    DrawBevel(canvas, rect, kColorGray119, GetSystemHighlightColor());
}

void DrawHighlightBevel(CABCCanvas& canvas, const CRect& rect, const CColor& light, const CColor& middle,
                        const CColor& shade)
{
    DrawBevel(canvas, rect, light, shade);
    const std::int32_t right = rect.GetRight() - 1;
    const std::int32_t bottom = rect.GetBottom() - 1;
    canvas.DrawLine(right, rect.GetTop(), right, rect.GetTop(), middle);
    canvas.DrawLine(rect.GetLeft(), bottom, rect.GetLeft(), bottom, middle);
}

void DrawSunkenEdge(CABCCanvas& canvas, const CRect& rect) { DrawPlatformEdge(canvas, rect, EDGE_SUNKEN, BF_RECT); }

void DrawRaisedEdge(CABCCanvas& canvas, const CRect& rect) { DrawPlatformEdge(canvas, rect, EDGE_RAISED, BF_RECT); }

void DrawSoftSunkenEdge(CABCCanvas& canvas, const CRect& rect)
{
    DrawPlatformEdge(canvas, rect, EDGE_SUNKEN, BF_RECT | BF_SOFT);
}

void DrawSoftRaisedEdge(CABCCanvas& canvas, const CRect& rect)
{
    DrawPlatformEdge(canvas, rect, EDGE_RAISED, BF_RECT | BF_SOFT);
}

void DrawSeparatorVertical(CABCCanvas& canvas, std::int32_t x, std::int32_t y1, std::int32_t y2)
{
    DrawPlatformEdge(canvas, CRect(x, y1, x + 1, y2), EDGE_ETCHED, BF_LEFT);
}

void DrawSeparatorHorizontal(CABCCanvas& canvas, std::int32_t y, std::int32_t x1, std::int32_t x2)
{
    DrawPlatformEdge(canvas, CRect(x1, y, x2, y + 1), EDGE_ETCHED, BF_TOP);
}

void DrawSizeGrip(CABCCanvas& canvas, const CRect& rect)
{
    RECT native = ToNative(rect);
    GetWindowTable().DrawFrameControl(RequireHandle(canvas), &native, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void DrawNestedFrames(CABCCanvas& canvas, const CRect& rect, std::int32_t count, const CColor& color)
{
    CRect frame = rect;
    for (std::int32_t i = 0; i < count; ++i) {
        canvas.FrameRect(frame, color);
        frame.Inset(1);
    }
}

void DrawSelectionFrames(CABCCanvas& canvas, const CRect& rect, std::int32_t count)
{
    DrawNestedFrames(canvas, rect, count, GetSystemSelectionColor());
}

static_assert(EDGE_SUNKEN == 10 && EDGE_RAISED == 5 && EDGE_ETCHED == 6 && BF_RECT == 15 &&
              (BF_RECT | BF_SOFT) == 0x100F && BF_LEFT == 1 && BF_TOP == 2);

} // namespace NSTramvell
