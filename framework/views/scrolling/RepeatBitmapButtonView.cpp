#include "framework/views/scrolling/RepeatBitmapButtonView.h"

#include "framework/foundation/platform/TimeBase.h"
#include "framework/gui/images/BitmapSequence.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/views/scrolling/RepeatTiming.h"

namespace NSTramvell {

namespace {
constexpr std::uint16_t kNoStepCount = 666;
} // namespace

CRepeatBitmapButtonView::CRepeatBitmapButtonView(CABCGroupView* parent, const CABCBitmapSequence& sequence)
    : CControlView(parent, CRect()), mSequence(sequence)
{
    CPoint size;
    mSequence.GetFrameSize(size);
    SetFrame(CRect(-size.GetX(), -size.GetY(), 0, 0));
}

std::uint32_t CRepeatBitmapButtonView::Now()
{
    return static_cast<std::uint32_t>(GetTimeCounter());
}

void CRepeatBitmapButtonView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas != nullptr)
        mSequence.DrawFrame(*canvas, GetFrame()->GetLeft(), GetFrame()->GetTop(), mPressed ? 1 : 0);
}

CMouseDownResult CRepeatBitmapButtonView::HandleMouseDown(const CMouseEvent& event)
{
    CControlView::HandleMouseDown(event);
    if (!HasMouseCapture(this) && BeginTracking(this))
        Press();
    return CMouseDownResult(true);
}

void CRepeatBitmapButtonView::TrackMouse()
{
    if (IsMouseInside())
        Tick();
    else
        mRestart = true;
}

void CRepeatBitmapButtonView::HandleMouseUp(std::int32_t cause)
{
    if (cause == kMouseUpReleased)
        EndTracking(this);
    Release();
    CView::HandleMouseUp(cause);
}

bool CRepeatBitmapButtonView::HandleKeyDown(const CKeyEvent& event)
{
    if (!IsEnabled() || HasMouseCapture(this))
        return false;
    if (IsTrackingView(this))
        return true;
    if (!CaptureMouse(this))
        return false;
    Press();
    mKeyCode = event.GetKeyCode();
    return true;
}

bool CRepeatBitmapButtonView::HandleKey(const CKeyEvent& event)
{
    if (event.GetKind() != kKeyUp || !HasMouseCapture(this) || event.GetKeyCode() != mKeyCode)
        return false;
    Release();
    ReleaseMouseCapture();
    return true;
}

void CRepeatBitmapButtonView::Press()
{
    mStartTime = Now();
    mStepsSent = 0;
    mPressed = true;
    Invalidate();
    UpdateWindowNow();
    NotifySteps(1);
    mRestart = false;
}

void CRepeatBitmapButtonView::Release()
{
    mPressed = false;
    Invalidate();
    UpdateWindowNow();
    mRestart = true;
    mChanged = false;
    NotifyViewChanged(this);
}

bool CRepeatBitmapButtonView::TakeStepCount(std::uint16_t& count)
{
    if (!mChanged)
        return false;
    count = mStepCount;
    mStepCount = 0;
    mChanged = false;
    return true;
}

void CRepeatBitmapButtonView::NotifySteps(std::uint16_t count)
{
    mStepCount = count;
    mChanged = true;
    NotifyViewChanged(this);
    mStepCount = kNoStepCount;
    mChanged = false;
}

std::int32_t CRepeatBitmapButtonView::GetStepsDue() const
{
    return GetRepeatStepsDue(Now() - mStartTime);
}

void CRepeatBitmapButtonView::Tick()
{
    if (mRestart) {
        // Back over the button: the pause starts again, and the time outside counts for nothing.
        mStartTime = Now();
        mRestart = false;
        mStepsSent = 0;
        return;
    }
    const std::int32_t due = GetStepsDue();
    if (due == mStepsSent)
        return;
    NotifySteps(static_cast<std::uint16_t>(due - mStepsSent));
    mStepsSent = due;
}

} // namespace NSTramvell
