#include "framework/gui/drawing/CanvasDrawingState.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/NativeFont.h"

namespace NSTramvell {

namespace {

// The description no view asks for, so the first text drawn always makes its font.
const char kUnusedFace[] = "xxx";
constexpr std::uint16_t kUnusedSize = 66;

} // namespace

CCanvasDrawingState::CCanvasDrawingState(HDC context)
    : mContext(context)
    , mTextColor(kColorBlack)
    , mFillColor(kColorWhite)
    , mLineColor(kColorBlack)
    , mFontSpec(kUnusedFace, kUnusedSize)
{
    CWindowTable& table = GetWindowTable();
    table.SetBkMode(mContext, TRANSPARENT);
    table.SetBkColor(mContext, kColorWhite.ToNative());
    table.SetTextColor(mContext, kColorBlack.ToNative());
    table.SelectObject(mContext, table.GetStockObject(WHITE_BRUSH));
    table.SelectObject(mContext, table.GetStockObject(BLACK_PEN));
}

CCanvasDrawingState::~CCanvasDrawingState()
{
    CWindowTable& table = GetWindowTable();
    const auto giveBack = [&](HGDIOBJ& own, HGDIOBJ initial) {
        if (own == nullptr)
            return;
        table.SelectObject(mContext, initial);
        table.DeleteObject(own);
        own = nullptr;
    };
    giveBack(mOwnPen, mInitialPen);
    giveBack(mOwnFill, mInitialFill);
    giveBack(mOwnFont, mInitialFont);
}

void CCanvasDrawingState::ApplyTextColor() { GetWindowTable().SetTextColor(mContext, mTextColor.ToNative()); }

void CCanvasDrawingState::ApplyFillColor()
{
    HBRUSH fill = GetWindowTable().CreateSolidBrush(mFillColor.ToNative());
    if (fill == nullptr)
        throw XOutOfMemory();
    Replace(fill, mOwnFill, mInitialFill);
}

void CCanvasDrawingState::ApplyLineColor()
{
    HPEN pen = GetWindowTable().CreatePen(PS_SOLID, 1, mLineColor.ToNative());
    if (pen == nullptr)
        throw XOutOfMemory();
    Replace(pen, mOwnPen, mInitialPen);
}

void CCanvasDrawingState::ApplyFont()
{
    Replace(CreateNativeFont(mFontSpec), mOwnFont, mInitialFont);
    TEXTMETRICA metrics{};
    GetWindowTable().GetTextMetricsA(mContext, &metrics);
    mFontHeight = metrics.tmHeight;
    mFontAscent = metrics.tmAscent;
}

void CCanvasDrawingState::Replace(HGDIOBJ made, HGDIOBJ& own, HGDIOBJ& initial) noexcept
{
    CWindowTable& table = GetWindowTable();
    HGDIOBJ displaced = table.SelectObject(mContext, made);
    if (own != nullptr)
        table.DeleteObject(own);   // it was the one displaced
    own = made;
    if (initial == nullptr)
        initial = displaced;
}

} // namespace NSTramvell
