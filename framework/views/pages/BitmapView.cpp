#include "framework/views/pages/BitmapView.h"

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/windows/DrawSpecs.h"
#include "framework/gui/images/BitmapDrawing.h"

namespace NSTramvell {

CBitmapView::CBitmapView(CABCGroupView* parent, const CBitmapKey& key) : CBitmapView(parent, CRect(), key) {}

CBitmapView::CBitmapView(CABCGroupView* parent, const CRect& frame, const CBitmapKey& key)
    : CControlView(parent, frame)
    , mBitmapKey(key)
{
}

void CBitmapView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* const canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CRect frame = *GetFrame();
    if (mBitmapKey.GetResourceId() == kNoBitmap) {
        canvas->FrameRect(frame, kColorBlack);
        return;
    }
    const CPoint size = GetBitmapSize(mBitmapKey);
    CRect placed(0, 0, size.GetX(), size.GetY());
    placed.AlignIn(frame);
    DrawBitmap(*canvas, placed.GetLeft(), placed.GetTop(), mBitmapKey);
}

void CBitmapView::FrameChanged(const CRect& oldFrame, const CRect& newFrame)
{
    InvalidateOldAndNew(oldFrame, newFrame);
}

void CBitmapView::SetBitmapKey(const CBitmapKey& key)
{
    if (key == mBitmapKey)
        return;
    mBitmapKey = key;
    Invalidate();
}

} // namespace NSTramvell
