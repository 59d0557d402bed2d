#include "framework/views/scrolling/SeparatorLineView.h"

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/DrawingFunctions.h"

namespace NSTramvell {

CSeparatorLineView::CSeparatorLineView(CABCGroupView* parent, std::int32_t kind, const CRect& frame)
    : CView(parent, frame), mKind(kind)
{
}

CSeparatorLineView::CSeparatorLineView(CABCGroupView* parent, const CRect& frame)
    : CSeparatorLineView(parent, GetLineKind(frame), frame)
{
}

CSeparatorLineView::CSeparatorLineView(CABCGroupView* parent, const CDescription& description)
    : CSeparatorLineView(parent, description.kind, description.frame)
{
}

CSeparatorLineView::CDescription CSeparatorLineView::MakeLineDescription(const CRect& layout)
{
    CDescription description{layout, GetLineKind(layout)};
    if (description.kind == kVertical)
        description.frame.SetWidth(2);
    else
        description.frame.SetHeight(2);
    return description;
}

CSeparatorLineView::CDescription CSeparatorLineView::MakeDescription(const CDialogTemplate& layout,
                                                                     std::uint16_t itemId, std::int32_t kind)
{
    CDescription description = MakeLineDescription(layout.GetItemRect(itemId));
    description.kind = kind;
    return description;
}

void CSeparatorLineView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CRect& frame = *GetFrame();
    canvas->FillRect(frame, CView::GetBackgroundColor(this));
    if (mKind == kVertical)
        DrawSeparatorVertical(*canvas, frame.GetLeft(), frame.GetTop(), frame.GetBottom());
    else
        DrawSeparatorHorizontal(*canvas, frame.GetTop(), frame.GetLeft(), frame.GetRight());
}

} // namespace NSTramvell
