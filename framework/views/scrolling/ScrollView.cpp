#include "framework/views/scrolling/ScrollView.h"

#include "framework/gui/windows/DrawSpecs.h"
#include "framework/views/groups/ClippedGroupDrawing.h"
#include "framework/gui/windows/Window.h"
#include "framework/views/scrollbars/ScrollBarRange.h"
#include "framework/views/scrolling/ScrollWindowContents.h"

namespace NSTramvell {

CScrollView::CScrollView(CABCGroupView* parent)
    : CStandardGroupView(parent, CRect()), mState(CRect(-10000, -10000, -9000, -9000), 0, 0, 100, 100)
{
}

void CScrollView::Draw(CABCViewDrawSpec& drawSpec)
{
    DrawGroupClippedToFrame(*this, drawSpec);
}

CRect CScrollView::GetContentRect() const
{
    const CRect& frame = *GetFrame();
    return CRect(frame.GetLeft() - mState.GetX(), frame.GetTop() - mState.GetY(), frame.GetRight(), frame.GetBottom());
}

CRect CScrollView::GetContentFrame() const
{
    const CRect& frame = *GetFrame();
    const std::int32_t left = frame.GetLeft() - mState.GetX();
    const std::int32_t top = frame.GetTop() - mState.GetY();
    return CRect(left, top, left + mState.GetWidth(), top + mState.GetHeight());
}

void CScrollView::MoveChildren(std::int32_t dx, std::int32_t dy)
{
    for (std::uint32_t index = 0; index < GetChildCount(); ++index)
        GetChild(index)->MoveBy(dx, dy);
}

void CScrollView::SetScrollState(const CScrollState& state)
{
    if (state == mState)
        return;
    const std::int32_t dx = state.GetX() - mState.GetX();
    const std::int32_t dy = state.GetY() - mState.GetY();
    const bool frameChanged = !(state.GetFrame() == *GetFrame());
    if (frameChanged)
        SetFrame(state.GetFrame());
    if (dx != 0 || dy != 0) {
        CABCWindow* window = GetWindow();
        if (!frameChanged && mFastScroll && window != nullptr) {
            // What is still to be painted must be painted before the pixels move, or it moves unpainted.
            window->UpdateNow();
            MoveChildren(-dx, -dy);
            ScrollWindowContents(window->GetWindowHandle(), -dx, -dy, *GetFrame());
        } else {
            MoveChildren(-dx, -dy);
            Invalidate();
        }
    }
    mState = state;
}

void CScrollView::ScrollHorizontallyTo(const CScrollBarRange& range)
{
    SetScrollState(
        CScrollState(*GetFrame(), range.GetVisibleStart(), mState.GetY(), mState.GetWidth(), mState.GetHeight()));
}

} // namespace NSTramvell
