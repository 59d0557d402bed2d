#include "framework/views/groups/FoldableGroupView.h"

#include "framework/gui/windows/DrawSpecs.h"

namespace NSTramvell {

void CFoldableGroupView::Draw(CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr) {
        CStandardGroupView::Draw(drawSpec);
        return;
    }
    const CClipGuard clip(canvas, *GetFrame());
    CStandardGroupView::Draw(drawSpec);
}

} // namespace NSTramvell
