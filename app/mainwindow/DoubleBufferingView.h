#pragma once

// CDoubleBufferingView, a group that paints its children into one off-screen bitmap and copies that to the
// window at once, so that the skin and the text drawn over it never flicker. It covers its whole frame.
// The bitmap lives for one paint, owned by Draw.

#include "framework/gui/views/GroupView.h"

class CDoubleBufferingView : public NSTramvell::CStandardGroupView
{
public:
    CDoubleBufferingView(NSTramvell::CABCGroupView* parent, const NSTramvell::CRect& frame);

    void Draw(NSTramvell::CABCViewDrawSpec& drawSpec) override;
    NSTramvell::CRegion GetDrawRegion() const override { return NSTramvell::CRegion(*GetFrame()); }
};
