#pragma once

// CStaticBitmapView shows one bitmap resource with its top-left corner at the frame's, unscaled; whatever
// of the bitmap lies outside the frame is cut off. It paints nothing else, so where the frame is larger
// than the bitmap, what lies beneath shows.

#include "framework/gui/images/BitmapKey.h"
#include "framework/gui/views/View.h"

namespace NSTramvell {

class CStaticBitmapView : public CView
{
public:
    // A frame of (0, 0, 0, 0), which the owner sets afterwards.
    CStaticBitmapView(CABCGroupView* parent, const CBitmapKey& key);

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    // Only the part of the frame that the bitmap covers.
    CRegion GetDrawRegion() const override;
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override { InvalidateOldAndNew(oldFrame, newFrame); }

    const CBitmapKey& GetBitmapKey() const { return mKey; }

private:
    CBitmapKey mKey;
};

} // namespace NSTramvell
