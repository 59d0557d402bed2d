#include "app/mainwindow/DoubleBufferingView.h"

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/images/Bitmap.h"
#include "framework/gui/windows/DrawSpecs.h"

#include <memory>

CDoubleBufferingView::CDoubleBufferingView(NSTramvell::CABCGroupView* parent, const NSTramvell::CRect& frame)
    : CStandardGroupView(parent, frame)
{
}

void CDoubleBufferingView::Draw(NSTramvell::CABCViewDrawSpec& drawSpec)
{
    auto* target = dynamic_cast<NSTramvell::CViewDrawSpec*>(&drawSpec);
    if (target == nullptr || target->GetCanvas() == nullptr)
        return;
    const NSTramvell::CRect frame = *GetFrame();
    if (frame.IsEmpty())
        return;
    NSTramvell::CABCCanvas& canvas = *target->GetCanvas();
    // The off-screen canvas borrows the bitmap: this scope frees it, once, after the canvas is gone.
    const auto bitmap = std::make_unique<NSTramvell::CBitmap32>(frame.GetWidth(), frame.GetHeight());
    NSTramvell::COffscreenDrawSpec offscreen(canvas, *bitmap, frame);
    offscreen.GetCanvas()->FillRect(frame, NSTramvell::CColor(255, 255, 255));
    CStandardGroupView::Draw(offscreen);
    // The bitmap answers in window coordinates while the off-screen canvas lives.
    bitmap->Draw(canvas, frame.GetLeft(), frame.GetTop(), frame.GetLeft(), frame.GetTop(), frame.GetWidth(),
                 frame.GetHeight());
}
