#include "framework/views/groups/FoldableGroupView.h"

#include "framework/gui/windows/DrawSpecs.h"
#include "framework/views/groups/ClippedGroupDrawing.h"

namespace NSTramvell {

void CFoldableGroupView::Draw(CABCViewDrawSpec& drawSpec)
{
    DrawGroupClippedToFrame(*this, drawSpec);
}

} // namespace NSTramvell
