#include "framework/views/toolbars/ToolbarView.h"

#include "framework/gui/dialogs/DialogTemplate.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/views/toolbars/ToolbarAppearance.h"

#include <vector>

namespace NSTramvell {

namespace {

CABCCanvas* CanvasOf(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    return viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
}

void DrawUpright(CABCCanvas& canvas, const CRect& line, const CColor& background)
{
    const std::int32_t bottom = line.GetBottom() - 1;
    canvas.DrawLine(line.GetLeft(), line.GetTop(), line.GetLeft(), bottom, GetToolbarDarkColor(background));
    canvas.DrawLine(line.GetLeft() + 1, line.GetTop(), line.GetLeft() + 1, bottom, kColorWhite);
}

} // namespace

CToolbarView::CToolbarView(CABCGroupView* parent, std::int32_t alignment, const CRect& frame)
    : CStandardGroupView(parent, frame), mAlignment(alignment)
{
}

CToolbarView::CToolbarView(CABCGroupView* parent, const CDescription& description)
    : CToolbarView(parent, description.alignment, description.frame)
{
}

CRect CToolbarView::MakeToolbarFrame(const CRect& rect)
{
    CRect frame = rect;
    frame.SetHeight(kToolbarHeight);
    return frame;
}

CToolbarView::CDescription CToolbarView::MakeDescription(const CDialogTemplate& layout, std::uint16_t itemId,
                                                         std::int32_t alignment)
{
    return CDescription{MakeToolbarFrame(layout.GetItemRect(itemId)), alignment};
}

void CToolbarView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateFrameChange(oldFrame, newFrame);
    LayOutChildren();
}

void CToolbarView::LayOutChildren()
{
    std::vector<CPoint> sizes;
    for (std::uint32_t index = 0; index < GetChildCount(); ++index)
        sizes.push_back(GetChild(index)->GetFrame()->GetSize());
    const std::vector<CRect> frames = LayOutToolbar(*GetFrame(), mAlignment, sizes);
    for (std::uint32_t index = 0; index < GetChildCount(); ++index)
        GetChild(index)->SetFrame(frames[index]);
}

CToolbarSeparatorView::CToolbarSeparatorView(CABCGroupView* parent) : CView(parent, CRect(-8, -28, 0, 0)) {}

CRect CToolbarSeparatorView::GetLineRect() const
{
    const CRect& frame = *GetFrame();
    return CRect(frame.GetLeft() + 4, frame.GetTop() + 3, frame.GetLeft() + 6, frame.GetTop() + 26);
}

void CToolbarSeparatorView::Draw(CABCViewDrawSpec& drawSpec)
{
    if (CABCCanvas* canvas = CanvasOf(drawSpec))
        DrawUpright(*canvas, GetLineRect(), CView::GetBackgroundColor(this));
}

CRect CToolbarSeparatorView2::GetLineRect() const
{
    const CRect& frame = *GetFrame();
    const std::int32_t left = frame.GetLeft() + (frame.GetWidth() - 2) / 2;
    return CRect(left, frame.GetTop() + 3, left + 2, frame.GetTop() + 26);
}

void CToolbarSeparatorView2::Draw(CABCViewDrawSpec& drawSpec)
{
    CABCCanvas* canvas = CanvasOf(drawSpec);
    if (canvas == nullptr)
        return;
    canvas->FillRect(GetLineRect(), kColorGreen);
    DrawUpright(*canvas, GetLineRect(), CView::GetBackgroundColor(this));
}

CToolbarSpaceView::CToolbarSpaceView(CABCGroupView* parent, std::int32_t width)
    : CView(parent, CRect(-width, -28, 0, 0))
{
}

} // namespace NSTramvell
