// The push button's geometry, shared with the dialogs that lay buttons out.

#include "framework/views/controls/PushButtonView.h"

#include "framework/gui/dialogs/DialogTemplate.h"

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

CPushButtonView::CDescription CPushButtonView::MakeDescription(const CDialogTemplate& dialogTemplate,
                                                              std::uint16_t itemId, std::int32_t kind)
{
    const CDialogItem item = dialogTemplate.FindItem(itemId);
    return CDescription{item.GetText(), FrameFromItemRect(item.GetRect()), kind};
}

} // namespace NSTramvell
