#pragma once

// CBitmapView shows one bitmap resource centred in its frame, unscaled: a larger bitmap overflows the frame
// on both sides equally, clipped only by the canvas. A key with resource id 0xFFFF names no bitmap; the
// view then outlines its frame in black. It paints no background, so it never covers what lies beneath.

#include "framework/gui/images/BitmapKey.h"
#include "framework/views/pages/ControlView.h"

#include <cstdint>

namespace NSTramvell {

class CBitmapView : public CControlView
{
public:
    static constexpr std::uint16_t kNoBitmap = 0xFFFF;

    // A frame of (0, 0, 0, 0), which the caller sets afterwards.
    CBitmapView(CABCGroupView* parent, const CBitmapKey& key);
    CBitmapView(CABCGroupView* parent, const CRect& frame, const CBitmapKey& key);

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    CRegion GetDrawRegion() const override { return CRegion(); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;

    // Invalidates when any of id, variant or flags differs.
    void SetBitmapKey(const CBitmapKey& key);
    const CBitmapKey& GetBitmapKey() const { return mBitmapKey; }

private:
    CBitmapKey mBitmapKey;
};

} // namespace NSTramvell
