#include "framework/views/scrolling/StaticBitmapView.h"

#include "framework/gui/images/BitmapDrawing.h"
#include "framework/gui/windows/DrawSpecs.h"

namespace NSTramvell {

CStaticBitmapView::CStaticBitmapView(CABCGroupView* parent, const CBitmapKey& key)
    : CView(parent, CRect())
    , mKey(key)
{
}

CRegion CStaticBitmapView::GetDrawRegion() const
{
    CRect covered = *GetFrame();
    const CPoint size = GetBitmapSize(mKey);
    covered.Intersect(CRect(covered.GetLeft(), covered.GetTop(), covered.GetLeft() + size.GetX(),
                            covered.GetTop() + size.GetY()));
    return CRegion(covered);
}

void CStaticBitmapView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* const canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr)
        return;
    const CRect frame = *GetFrame();
    const CClipGuard clip(canvas, frame);
    DrawBitmap(*canvas, frame.GetLeft(), frame.GetTop(), mKey);
}

} // namespace NSTramvell
