#include "framework/views/controls/IconView.h"

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/Canvas.h"

namespace NSTramvell {

namespace {
constexpr std::uint32_t kNoteIcon = 15;
} // namespace

CIconView::CIconView(CABCGroupView* parent, const CRect& frame)
    : CIconView(parent, CIconRef(kNoteIcon), frame)
{
}

CIconView::CIconView(CABCGroupView* parent, const CIconRef& icon, const CRect& frame)
    : CView(parent, frame)
    , mIcon(icon)
{
}

CIconView::CIconView(CABCGroupView* parent, const CDescription& description)
    : CIconView(parent, description.mIcon, description.mFrame)
{
}

CIconView::CDescription CIconView::MakeDescription(const CDialogTemplate& dialogTemplate, std::uint16_t itemId,
                                                   const CIconRef& icon)
{
    return CDescription{dialogTemplate.FindItem(itemId).GetRect(), icon};
}

void CIconView::EnabledChanged(bool)
{
    Invalidate();
}

void CIconView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    mIcon.Draw(*canvas, *GetFrame(), 0, mHighlighted, mOpen);
}

void CIconView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CIconView::SetIcon(const CIconRef& icon)
{
    mIcon = icon;
    Invalidate();
}

void CIconView::SetIcon(std::uint32_t stockKind)
{
    SetIcon(CIconRef(stockKind));
}

void CIconView::SetIcon(const CFileSpec& file)
{
    SetIcon(CIconRef(file));
}

void CIconView::SetIcon(const CDirSpec& folder)
{
    SetIcon(CIconRef(folder));
}

void CIconView::SetIconState(bool highlighted)
{
    if (highlighted == mHighlighted)
        return;
    mHighlighted = highlighted;
    Invalidate();
}

bool CIconView::IconContains(const CPoint& point) const
{
    CRegion shape = mIcon.GetRegion();
    shape.Offset(GetFrame()->GetLeft(), GetFrame()->GetTop());
    return shape.ContainsPoint(point);
}

} // namespace NSTramvell
