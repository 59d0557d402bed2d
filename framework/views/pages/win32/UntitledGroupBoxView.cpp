#include "framework/views/pages/UntitledGroupBoxView.h"

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/CanvasDrawingState.h"
#include "framework/gui/drawing/DrawingFunctions.h"
#include "framework/gui/drawing/NativeFont.h"
#include "framework/gui/windows/DrawSpecs.h"

namespace NSTramvell {

CUntitledGroupBoxView::CUntitledGroupBoxView(CABCGroupView* parent, std::int32_t edgeStyle)
    : CStandardGroupView(parent, CRect())
    , mEdgeStyle(edgeStyle)
{
}

CUntitledGroupBoxView::CUntitledGroupBoxView(CABCGroupView* parent, const CRect& frame, std::int32_t edgeStyle)
    : CStandardGroupView(parent, frame)
    , mEdgeStyle(edgeStyle)
{
    const CReadOnlyViewDrawSpec measuring(*this);
    const std::int32_t fontHeight = measuring.GetCanvas()->GetFontHeight(GetControlFontSpec());
    CRect lowered = frame;
    lowered.SetTop(frame.GetTop() + fontHeight / 2);
    SetFrameRect(lowered);
}

CRect CUntitledGroupBoxView::FrameFromTemplate(const CDialogTemplate& dialogTemplate, std::uint16_t itemId)
{
    return dialogTemplate.GetItemRect(itemId);
}

void CUntitledGroupBoxView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateOldAndNew(oldFrame, newFrame);
}

CRect CUntitledGroupBoxView::GetContentRect() const
{
    CRect content = *GetFrame();
    content.Inset(2);
    return content;
}

void CUntitledGroupBoxView::DrawBackground(CABCViewDrawSpec& drawSpec)
{
    CStandardGroupView::DrawBackground(drawSpec);
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* const canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr || canvas->GetContext() == nullptr)
        return;
    DrawPlatformEdge(*canvas, *GetFrame(), mEdgeStyle == kEtchedStyle ? kEdgeEtched : kEdgeSunkenOuter, kEdgeAllSides);
}

} // namespace NSTramvell
