#include "framework/gui/drawing/Canvas.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/CanvasDrawingState.h"
#include "framework/gui/geometry/win32/NativeGeometry.h"

namespace NSTramvell {

namespace {

// Words wrapped as an edit control wraps them, '&' printed as it stands.
constexpr UINT kRectLayout = DT_EDITCONTROL | DT_NOPREFIX | DT_WORDBREAK;
static_assert(kRectLayout == 0x2810);

int TextLength(const std::string& text) { return static_cast<int>(text.size()); }

// Inverts for the scope, so an exception while drawing cannot leave the context inverting.
class CInvertingScope
{
public:
    explicit CInvertingScope(HDC context) : mContext(context) { GetWindowTable().SetROP2(mContext, R2_NOT); }
    ~CInvertingScope() { GetWindowTable().SetROP2(mContext, R2_COPYPEN); }
    CInvertingScope(const CInvertingScope&) = delete;
    CInvertingScope& operator=(const CInvertingScope&) = delete;

private:
    HDC mContext;
};

bool IsZero(const CPoint& point) { return point.GetX() == 0 && point.GetY() == 0; }

} // namespace

CPoint CABCCanvas::GetOrigin() const { return CPoint(0, 0); }

CABCCanvas::~CABCCanvas() = default;

void CABCCanvas::AttachContext(CCanvasDrawingState* context)
{
    mContext = context;
    if (context == nullptr)
        return;
    bool hasClip = false;
    CRegion clip = QueryNativeClipRegion(context->GetHandle(), hasClip);
    if (hasClip) {
        const CPoint origin = QueryCanvasPoint(context->GetHandle());
        if (!IsZero(origin))
            clip.Offset(origin.GetX(), origin.GetY());
    }
    mClip = clip;
}

void CABCCanvas::SetClipRegion(const CRegion& region)
{
    HDC context = RequireContext().GetHandle();
    CRegion native = region;
    CWindowTable& table = GetWindowTable();
    table.SelectClipRgn(context, native.GetNative()->GetHandle());
    const CPoint origin = QueryCanvasPoint(context);
    if (!IsZero(origin))
        table.OffsetClipRgn(context, -origin.GetX(), -origin.GetY());
    mClip = region;
}

void CABCCanvas::FillRect(const CRect& rect, const CColor& color)
{
    CCanvasDrawingState& state = UseFill(color);
    const RECT native = ToNative(rect);
    GetWindowTable().FillRect(state.GetHandle(), &native, static_cast<HBRUSH>(state.GetOwnFill()));
}

void CABCCanvas::FrameRect(const CRect& rect, const CColor& color) { DrawOutline(rect, color); }

void CABCCanvas::InvertFrameRect(const CRect& rect, const CColor& color)
{
    CInvertingScope inverting(RequireContext().GetHandle());
    DrawOutline(rect, color);
}

void CABCCanvas::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const CColor& color)
{
    DrawLineWithEnd(x1, y1, x2, y2, color);
}

void CABCCanvas::InvertLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const CColor& color)
{
    CInvertingScope inverting(RequireContext().GetHandle());
    DrawLineWithEnd(x1, y1, x2, y2, color);
}

void CABCCanvas::DrawText(std::int32_t x, std::int32_t y, const std::string& text, const CFontSpec& font,
                          const CColor& color)
{
    CCanvasDrawingState& state = UseText(font, color);
    GetWindowTable().TextOutA(state.GetHandle(), x, y - state.GetFontAscent(), text.data(), TextLength(text));
}

void CABCCanvas::DrawTextInRect(const CRect& rect, const std::string& text, const CFontSpec& font,
                                const CColor& color)
{
    CCanvasDrawingState& state = UseText(font, color);
    RECT native = ToNative(rect);
    GetWindowTable().DrawTextA(state.GetHandle(), text.data(), TextLength(text), &native, kRectLayout);
}

std::int32_t CABCCanvas::GetTextWidth(const std::string& text, const CFontSpec& font)
{
    CCanvasDrawingState& state = UseFont(font);
    SIZE extent{};
    if (!text.empty())
        GetWindowTable().GetTextExtentPoint32A(state.GetHandle(), text.data(), TextLength(text), &extent);
    return extent.cx;
}

CRect CABCCanvas::MeasureText(const std::string& text, const CFontSpec& font)
{
    const std::int32_t width = GetTextWidth(text, font);
    return CRect(0, 0, width, RequireContext().GetFontHeight());
}

std::int32_t CABCCanvas::GetFontHeight(const CFontSpec& font) { return UseFont(font).GetFontHeight(); }

std::int32_t CABCCanvas::GetFontAscent(const CFontSpec& font) { return UseFont(font).GetFontAscent(); }

void CABCCanvas::SelectFont(const CFontSpec& font) { UseFont(font); }

CCanvasDrawingState& CABCCanvas::RequireContext() const
{
    // A canvas whose context could not be made must not draw through a null handle.
    if (mContext == nullptr)
        throw XOutOfMemory();
    return *mContext;
}

CCanvasDrawingState& CABCCanvas::UseFill(const CColor& color)
{
    CCanvasDrawingState& state = RequireContext();
    if (!state.HasOwnFill() || !(state.GetFillColor() == color)) {
        state.SetFillColor(color);
        state.ApplyFillColor();
    }
    return state;
}

CCanvasDrawingState& CABCCanvas::UseLine(const CColor& color)
{
    // The stock pen selected with the state is the initial black, so black needs no pen of its own.
    CCanvasDrawingState& state = RequireContext();
    if (!(state.GetLineColor() == color)) {
        state.SetLineColor(color);
        state.ApplyLineColor();
    }
    return state;
}

CCanvasDrawingState& CABCCanvas::UseFont(const CFontSpec& font)
{
    // The character set counts here although descriptions compare without it: a font made for another
    // character set draws other glyphs.
    CCanvasDrawingState& state = RequireContext();
    if (!state.HasOwnFont() || !state.GetFontSpec().IsSameFont(font)) {
        state.SetFontSpec(font);
        state.ApplyFont();
    }
    return state;
}

CCanvasDrawingState& CABCCanvas::UseText(const CFontSpec& font, const CColor& color)
{
    CCanvasDrawingState& state = UseFont(font);
    if (!(state.GetTextColor() == color)) {
        state.SetTextColor(color);
        state.ApplyTextColor();
    }
    return state;
}

void CABCCanvas::DrawOutline(const CRect& rect, const CColor& color)
{
    CCanvasDrawingState& state = UseLine(color);
    const POINT corners[] = {{rect.GetLeft(), rect.GetTop()},
                             {rect.GetRight() - 1, rect.GetTop()},
                             {rect.GetRight() - 1, rect.GetBottom() - 1},
                             {rect.GetLeft(), rect.GetBottom() - 1},
                             {rect.GetLeft(), rect.GetTop()}};
    GetWindowTable().Polyline(state.GetHandle(), corners, 5);
}

void CABCCanvas::DrawLineWithEnd(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                                 const CColor& color)
{
    CCanvasDrawingState& state = UseLine(color);
    const POINT ends[] = {{x1, y1}, {x2, y2}};
    CWindowTable& table = GetWindowTable();
    table.Polyline(state.GetHandle(), ends, 2);
    // The platform leaves a line's last pixel out.
    table.SetPixel(state.GetHandle(), x2, y2, color.ToNative());
}

CPoint QueryCanvasPoint(HDC context)
{
    POINT origin{};
    GetWindowTable().GetWindowOrgEx(context, &origin);
    return ToPoint(origin);
}

CRegion QueryNativeClipRegion(HDC context, bool& hasClip)
{
    hasClip = false;
    CWindowTable& table = GetWindowTable();
    HRGN region = table.CreateRectRgn(0, 0, 0, 0);
    if (region == nullptr)
        throw XOutOfMemory();
    if (table.GetClipRgn(context, region) == 1) {
        hasClip = true;
        return CRegion::FromNative(region);
    }
    table.DeleteObject(region);
    return CRegion(kEverythingRect);
}

} // namespace NSTramvell
