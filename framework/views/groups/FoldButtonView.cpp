#include "framework/views/groups/FoldButtonView.h"

#include "framework/gui/drawing/Canvas.h"

namespace NSTramvell {

CFoldButtonView::CFoldButtonView(CABCGroupView* parent) : CView(parent, CRect())
{
    SetFrame(CRect(-16, -16, 0, 0));
}

CFoldButtonView::CFoldButtonView(CABCGroupView* parent, const CRect& frame) : CView(parent, frame) {}

CRect CFoldButtonView::GetBoxRect() const
{
    CRect box = *GetFrame();
    box.Inset(4);
    return box;
}

void CFoldButtonView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CRect box = GetBoxRect();
    const std::int32_t l = box.GetLeft();
    const std::int32_t t = box.GetTop();
    const std::int32_t r = box.GetRight();
    const std::int32_t b = box.GetBottom();
    canvas->DrawLine(l, t, l, b, kColorGray119);
    canvas->DrawLine(r, t, r, b, kColorGray119);
    canvas->DrawLine(l + 1, t, r - 1, t, kColorGray119);
    canvas->DrawLine(l + 1, b, r - 1, b, kColorGray119);
    canvas->FillRect(CRect(l + 1, t + 1, r, b), IsEnabled() ? kColorWhite : kColorGray204);
    const CColor sign = IsEnabled() ? kColorBlack : kColorGray119;
    canvas->DrawLine(l + 2, t + 4, r - 2, t + 4, sign);
    if (mFolded)
        canvas->DrawLine(l + 4, t + 2, l + 4, b - 2, sign);
}

CMouseDownResult CFoldButtonView::HandleMouseDown(const CMouseEvent& event)
{
    if (!GetBoxRect().Contains(event.GetPosition()))
        return CMouseDownResult(false);
    Click();
    return CMouseDownResult(true);
}

bool CFoldButtonView::WasClicked()
{
    const bool clicked = mClicked;
    mClicked = false;
    return clicked;
}

void CFoldButtonView::Click()
{
    mClicked = true;
    NotifyViewChanged(this);
    mClicked = false;
}

void CFoldButtonView::SetFolded(bool folded)
{
    if (folded == mFolded)
        return;
    mFolded = folded;
    Invalidate();
}

} // namespace NSTramvell
