#pragma once

// A scrolling group that paints its children into a bitmap of its own size and copies the bitmap to the
// window. Scrolling shifts the bitmap's pixels, and only what is uncovered or invalidated since (the
// dirty region) is drawn again. Until PrepareOffscreen succeeds, or when a bitmap cannot be made, it
// draws its children straight into the window.

#include "framework/gui/regions/Region.h"
#include "framework/gui/views/GroupView.h"
#include "framework/views/scrolling/ScrollState.h"

#include <memory>

namespace NSTramvell {

class COSBitmap;
class COffscreenCanvas;
class CScreenPalette;

class CScrollView2 : public CStandardGroupView, public IBackgroundColor
{
public:
    explicit CScrollView2(CABCGroupView* parent);
    ~CScrollView2() override;

    void EnabledChanged(bool) override {}
    void Draw(CABCViewDrawSpec& drawSpec) override;
    // Opaque: the view paints every pixel of its frame.
    CRegion GetDrawRegion() const override { return CRegion(*GetFrame()); }
    void FrameChanged(const CRect& oldFrame, const CRect& newFrame) override;
    // The frame with its top-left moved back by the scroll offset.
    CRect GetContentRect() const override;
    // Notes what the children invalidate, to draw it into the bitmap; the window is told too.
    bool HandleInvalidate(const CRegion& region) override;
    CColor GetBackgroundColor() const override { return mBackground; }

    void SetBackgroundColor(const CColor& color) { mBackground = color; }
    bool IsOffscreenPrepared() const { return mPrepared; }
    bool HasOffscreenBitmap() const { return mBitmap != nullptr; }
    const CScrollState& GetScrollState() const { return mState; }
    CRect GetContentFrame() const;
    // Once: from then on the view draws through a bitmap of the palette's depth when one can be made.
    // The palette must outlive the view.
    void PrepareOffscreen(const CScreenPalette& palette);
    void SetScrollState(const CScrollState& state);

private:
    // Makes bitmap and canvas for the frame's size; on any failure leaves neither.
    void BuildOffscreen();
    void DropOffscreen() noexcept;
    void MoveChildren(std::int32_t dx, std::int32_t dy);

    CScrollState mState;
    CRegion mDirty;
    bool mPrepared = false;
    const CScreenPalette* mPalette = nullptr;   // borrowed
    std::unique_ptr<COSBitmap> mBitmap;
    std::unique_ptr<COffscreenCanvas> mCanvas;   // on mBitmap: dropped before it
    CColor mBackground;
};

} // namespace NSTramvell
