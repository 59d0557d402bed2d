#include "framework/views/groups/ClippedGroupDrawing.h"

#include "framework/gui/views/GroupView.h"
#include "framework/gui/windows/DrawSpecs.h"

namespace NSTramvell {

void DrawGroupClippedToFrame(CABCGroupView& group, CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<CViewDrawSpec*>(&drawSpec);
    CABCCanvas* canvas = viewSpec != nullptr ? viewSpec->GetCanvas() : nullptr;
    if (canvas == nullptr) {
        group.CABCGroupView::Draw(drawSpec);
        return;
    }
    const CClipGuard clip(canvas, *group.GetFrame());
    group.CABCGroupView::Draw(drawSpec);
}

} // namespace NSTramvell
