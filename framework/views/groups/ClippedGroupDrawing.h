#pragma once

// Groups whose children may reach past their frame (a scrolled view's contents, a folded group's) draw
// them clipped to that frame.

namespace NSTramvell {

class CABCGroupView;
class CABCViewDrawSpec;

// Draws the group as the group base does, inside a clip to the group's frame when the draw spec
// has a canvas.
void DrawGroupClippedToFrame(CABCGroupView& group, CABCViewDrawSpec& drawSpec);

} // namespace NSTramvell
