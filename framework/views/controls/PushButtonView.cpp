// The push button's geometry, shared with the dialogs that lay buttons out.

#include "framework/views/controls/PushButtonView.h"

namespace NSTramvell {

CRect CPushButtonView::FrameFromItemRect(const CRect& itemRect)
{
    CRect frame = itemRect;
    frame.GrowVertically(kControlInset);
    return frame;
}

CRect CPushButtonView::GetControlRect(const CRect& frame)
{
    CRect control = frame;
    control.Inset(kControlInset);
    return control;
}

} // namespace NSTramvell
