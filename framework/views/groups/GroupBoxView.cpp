#include "framework/views/groups/GroupBoxView.h"

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/NativeFont.h"
#include "framework/gui/drawing/SystemColors.h"
#include "framework/gui/windows/DrawSpecs.h"
#include "framework/gui/drawing/DrawingFunctions.h"

namespace NSTramvell {

namespace {
} // namespace

CGroupBoxView::CGroupBoxView(CABCGroupView* parent, const std::string& title, std::int32_t kind, const CRect& frame)
    : CStandardGroupView(parent, frame), mKind(kind), mTitle(title)
{
}

CGroupBoxView::CGroupBoxView(CABCGroupView* parent, const CDescription& description)
    : CGroupBoxView(parent, description.GetTitle(), description.GetKind(), description.GetFrame())
{
}

CGroupBoxView::CGroupBoxView(CABCGroupView* parent, const CDialogItem& item, std::int32_t kind)
    : CGroupBoxView(parent, item.GetText(), kind, item.GetRect())
{
}

CGroupBoxView::CDescription CGroupBoxView::MakeDescription(const CDialogTemplate& layout, std::uint16_t itemId,
                                                           std::int32_t kind)
{
    const CDialogItem item = layout.FindItem(itemId);
    return CDescription(item.GetText(), kind, item.GetRect());
}

CRect CGroupBoxView::GetContentRect() const
{
    const CReadOnlyViewDrawSpec measuring(*this);
    const std::int32_t height = measuring.GetCanvas()->GetFontHeight(GetControlFontSpec());
    const CRect& frame = *GetFrame();
    return CRect(frame.GetLeft() + 4, frame.GetTop() + height + 2, frame.GetRight() - 4, frame.GetBottom() - 4);
}

void CGroupBoxView::DrawBackground(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CFontSpec font = GetControlFontSpec();
    const CRect& frame = *GetFrame();
    const std::int32_t left = frame.GetLeft();
    const std::int32_t top = frame.GetTop();
    const std::int32_t width = canvas->GetTextWidth(mTitle, font);
    const std::int32_t height = canvas->GetFontHeight(font);
    const std::int32_t half = height / 2 + 1;

    DrawPlatformEdge(*canvas, CRect(left, top + half, frame.GetRight(), frame.GetBottom()),
                     mKind == kEtchedKind ? kEdgeEtched : kEdgeSunkenOuter, kEdgeAllSides);
    // The edge stops short of the title on both sides.
    canvas->FillRect(CRect(left + 7, top, left + width + 11, top + height + 1), CView::GetBackgroundColor(this));
    if (IsEnabled()) {
        canvas->DrawText(left + 9, top + height - 1, mTitle, font, kColorBlack);
    } else {
        canvas->DrawText(left + 10, top + height, mTitle, font, GetSystemHighlightColor());
        canvas->DrawText(left + 9, top + height - 1, mTitle, font, GetSystemShadowColor());
    }
}

void CGroupBoxView::SetTitle(const std::string& title)
{
    if (title == mTitle)
        return;
    mTitle = title;
    Invalidate();
}

} // namespace NSTramvell
