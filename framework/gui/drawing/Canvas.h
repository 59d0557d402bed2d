#pragma once

// The surface views draw on. A canvas draws through the drawing state attached to it (owned by the
// concrete canvas) and keeps its clip region in its own coordinates. Colours and fonts reach the
// platform only when they differ from what the state last applied.

#include "framework/gui/drawing/FontSpec.h"
#include "framework/gui/drawing/NativeHandles.h"
#include "framework/gui/geometry/Point.h"
#include "framework/gui/geometry/Rect.h"
#include "framework/gui/regions/Color.h"
#include "framework/gui/regions/Region.h"

#include <cstdint>
#include <string>

namespace NSTramvell {

class CABCImage;
class CCanvasDrawingState;

class CABCCanvas
{
public:
    CABCCanvas() = default;
    virtual CPoint GetOrigin() const;
    virtual ~CABCCanvas();
    // The bitmap a canvas draws into; window canvases have none.
    virtual CABCImage* GetTargetBitmap() = 0;

    CABCCanvas(const CABCCanvas&) = delete;
    CABCCanvas& operator=(const CABCCanvas&) = delete;

    // Borrowed; null detaches and keeps the clip. Otherwise the clip becomes the context's own.
    void AttachContext(CCanvasDrawingState* context);
    CCanvasDrawingState* GetContext() const noexcept { return mContext; }

    CRegion GetClipRegion() const { return mClip; }
    void SetClipRegion(const CRegion& region);

    // Every drawing and measuring call below throws XOutOfMemory on a canvas without a context.
    void FillRect(const CRect& rect, const CColor& color);
    void FrameRect(const CRect& rect, const CColor& color);
    void InvertFrameRect(const CRect& rect, const CColor& color);
    // Both end points are drawn.
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const CColor& color);
    void InvertLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const CColor& color);
    // y is the baseline.
    void DrawText(std::int32_t x, std::int32_t y, const std::string& text, const CFontSpec& font,
                  const CColor& color);
    // Laid out by the platform: words wrapped within the rectangle's width, '&' printed as it stands.
    void DrawTextInRect(const CRect& rect, const std::string& text, const CFontSpec& font, const CColor& color);
    std::int32_t GetTextWidth(const std::string& text, const CFontSpec& font);
    // (0, 0, width, font height).
    CRect MeasureText(const std::string& text, const CFontSpec& font);
    std::int32_t GetFontHeight(const CFontSpec& font);
    std::int32_t GetFontAscent(const CFontSpec& font);
    void SelectFont(const CFontSpec& font);

private:
    CCanvasDrawingState& RequireContext() const;
    CCanvasDrawingState& UseFill(const CColor& color);
    CCanvasDrawingState& UseLine(const CColor& color);
    CCanvasDrawingState& UseFont(const CFontSpec& font);
    CCanvasDrawingState& UseText(const CFontSpec& font, const CColor& color);
    void DrawOutline(const CRect& rect, const CColor& color);
    void DrawLineWithEnd(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const CColor& color);

    CCanvasDrawingState* mContext = nullptr;   // borrowed from the concrete canvas
    CRegion mClip;
};

// The platform's drawing origin of a context and its clip region in canvas coordinates; hasClip tells
// whether the context has a clip at all (the region then covers everything).
CPoint QueryCanvasPoint(HDC context);
CRegion QueryNativeClipRegion(HDC context, bool& hasClip);

} // namespace NSTramvell
