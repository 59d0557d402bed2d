#include "framework/views/lists/TerminalView.h"

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/NativeFont.h"
#include "framework/gui/windows/DrawSpecs.h"
#include "framework/gui/windows/WindowCanvas.h"
#include "framework/views/lists/StringList.h"
#include "framework/views/lists/TerminalLayout.h"

#include <algorithm>

namespace NSTramvell {

CTerminalView::CTerminalView(CABCGroupView* parent, IStringList& list) : CView(parent, CRect(0, 0, 0, 0)), mList(list)
{
}

std::int32_t CTerminalView::GetLineHeight() const
{
    CWindowReadOnlyCanvas canvas(GetWindow());
    return canvas.GetFontHeight(GetSystemFontSpec());
}

void CTerminalView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CRect& frame = *GetFrame();
    canvas->FillRect(frame, CView::GetBackgroundColor(this));
    const CClipGuard clip(canvas, frame);
    if (clip.IsEmpty())
        return;
    const CFontSpec font = GetSystemFontSpec();
    const std::int32_t lineHeight = canvas->GetFontHeight(font);
    const CTerminalMetrics metrics{frame.GetLeft(), frame.GetBottom(), lineHeight, canvas->GetFontAscent(font),
                                   GetTerminalVisibleLineCount(frame.GetHeight(), lineHeight)};
    for (const CTerminalRow& row : GetTerminalRows(mList, metrics, mScroll))
        canvas->DrawText(row.mX, row.mBaseline, row.mText, font, kColorBlack);
}

void CTerminalView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    mScroll = std::min(mScroll, GetMaxScroll());
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CTerminalView::AddLine(const std::string& text)
{
    mList.AddLine(text);
    Invalidate();
}

void CTerminalView::Clear()
{
    mList.Clear();
}

std::int32_t CTerminalView::GetLineCount() const
{
    return mList.GetLineCount();
}

void CTerminalView::SetScroll(std::int32_t scroll)
{
    mScroll = scroll;
    Invalidate();
}

std::int32_t CTerminalView::GetVisibleLineCount() const
{
    return GetTerminalVisibleLineCount(GetFrame()->GetHeight(), GetLineHeight());
}

std::int32_t CTerminalView::GetMaxScroll() const
{
    return GetTerminalMaxScroll(GetLineCount(), GetVisibleLineCount());
}

void CTerminalView::ClampScroll()
{
    mScroll = std::min(mScroll, GetMaxScroll());
}

std::int32_t CTerminalView::GetVisibleProportion() const
{
    return GetTerminalVisibleProportion(GetLineCount(), GetVisibleLineCount());
}

void CTerminalView::WriteLines(CMedia& media) const
{
    NSTramvell::WriteLines(mList, media);
}

} // namespace NSTramvell
