// The progress bar's geometry and values, shared with the windows that feed it counts.

#include "framework/views/controls/ProgressBarView.h"

#include "framework/gui/dialogs/DialogTemplate.h"

#include <cmath>

namespace NSTramvell {

CRect CProgressBarView::FrameFromItemRect(const CRect& itemRect)
{
    return CRect(itemRect.GetLeft(), itemRect.GetTop() - 1, itemRect.GetRight(), itemRect.GetBottom() + 2);
}

CRect CProgressBarView::FrameFromTemplate(const CDialogTemplate& dialogTemplate, std::uint16_t itemId)
{
    return FrameFromItemRect(dialogTemplate.GetItemRect(itemId));
}

CRect CProgressBarView::GetControlRect(const CRect& frame)
{
    CRect control = frame;
    control.InsetVertically(kControlInset);
    return control;
}

std::uint16_t CProgressBarView::ValueFromCounts(std::int32_t done, std::int32_t total)
{
    // A converter may report counts before it knows the total: without a total there is no fraction, and
    // a count beyond it must not run past the bar's end.
    if (done == -1 || total <= 0)
        return kUnknownProgress;
    const double thousandths = std::trunc(static_cast<double>(done) / total * kFullProgress);
    if (thousandths <= 0.0)
        return 0;
    if (thousandths >= kFullProgress)
        return kFullProgress;
    return static_cast<std::uint16_t>(thousandths);
}

} // namespace NSTramvell
