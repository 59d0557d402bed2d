#include "framework/views/groups/IconButtonView.h"

namespace NSTramvell {

CIconButtonView::CIconButtonView(CABCGroupView* parent) : CIconView(parent, CRect(-100, -100, 0, 0)) {}

CIconButtonView::CIconButtonView(CABCGroupView* parent, const CDescription& description)
    : CIconView(parent, description)
{
}

CMouseDownResult CIconButtonView::HandleMouseDown(const CMouseEvent& event)
{
    if (!IsOnIcon(event.GetPosition()))
        return CMouseDownResult(false);
    if (BeginTracking(this))
        SetPressed(true);
    return CMouseDownResult(true);
}

void CIconButtonView::TrackMouse()
{
    SetPressed(IsOnIcon(GetMousePosition()));
}

void CIconButtonView::HandleMouseUp(std::int32_t cause)
{
    if (cause == kMouseUpReleased)
        EndTracking(this);
    if (!mPressed)
        return;
    SetPressed(false);
    Click();
}

void CIconButtonView::SetPressed(bool pressed)
{
    if (pressed == mPressed)
        return;
    mPressed = pressed;
    Invalidate();
}

bool CIconButtonView::WasClicked()
{
    const bool clicked = mClicked;
    mClicked = false;
    return clicked;
}

void CIconButtonView::Click()
{
    mClicked = true;
    NotifyViewChanged(this);
    mClicked = false;
}

} // namespace NSTramvell
