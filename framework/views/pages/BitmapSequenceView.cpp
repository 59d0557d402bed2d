#include "framework/views/pages/BitmapSequenceView.h"

#include "framework/foundation/platform/TimeBase.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/images/BitmapSequence.h"
#include "framework/gui/windows/DrawSpecs.h"
#include "framework/views/pages/SequenceFrames.h"

namespace NSTramvell {

CBitmapSequenceView::CBitmapSequenceView(CABCGroupView* parent, const CABCBitmapSequence& sequence)
    : CView(parent, CRect())
    , mSequence(sequence)
{
    SetFrameRect(GetSequenceFrameSize(sequence));
}

void CBitmapSequenceView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* const canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CClipGuard clip(canvas, *GetFrame());
    DrawSequenceFrame(*canvas, mSequence, GetFrame()->GetTopLeft(), mFrameIndex);
}

void CBitmapSequenceView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CBitmapSequenceView::SetFrameIndex(std::uint16_t index)
{
    if (index == mFrameIndex)
        return;
    mFrameIndex = index;
    Invalidate();
}

CAnimatedBitmapSequenceView::CAnimatedBitmapSequenceView(CABCGroupView* parent, const CABCBitmapSequence& sequence)
    : CBitmapSequenceView(parent, sequence)
    , mTimer(MicrosecondsToClock(kFrameLengthInMicroseconds))
    , mIdleClient(kIdleIntervalCode, this, &CAnimatedBitmapSequenceView::Advance)
{
}

void CAnimatedBitmapSequenceView::Advance(const CIdleInfo& info)
{
    const std::int32_t frames = mTimer.Advance(info.mNow);
    const std::uint16_t count = GetSequence().GetFrameCount();
    if (frames <= 0 || count == 0)
        return;
    SetFrameIndex(static_cast<std::uint16_t>((GetFrameIndex() + frames % count) % count));
}

} // namespace NSTramvell
