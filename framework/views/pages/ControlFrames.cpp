#include "framework/views/pages/ControlFrames.h"

namespace NSTramvell {

CRect PopupButtonFrameFromRect(const CRect& itemFrame) noexcept
{
    CRect frame = itemFrame;
    frame.SetTop(itemFrame.GetTop() - 1);
    frame.SetHeight(kPopupButtonHeight);
    return frame;
}

} // namespace NSTramvell
