#pragma once

// Draw specs that hand views a canvas for one drawing pass, and the guard that narrows a
// canvas's clip for one drawing step.

#include "framework/gui/regions/Region.h"
#include "framework/gui/views/View.h"

#include <memory>

namespace NSTramvell {

class COSBitmap;
class COffscreenCanvas;
class CWindowReadOnlyCanvas;

// What painting hands the views: the paint canvas, borrowed.
class CRealViewDrawSpec : public CViewDrawSpec
{
public:
    explicit CRealViewDrawSpec(CABCCanvas* canvas) : mCanvas(canvas) {}
    CABCCanvas* GetCanvas() override { return mCanvas; }

private:
    CABCCanvas* mCanvas;   // borrowed from the paint handler
};

// Draws an area of the target into a bitmap of the area's size: the canvas's origin is the area's
// top-left, so views draw in window coordinates, and its clip is the target's narrowed to the area.
// The bitmap's owner deletes it after the draw spec.
class COffscreenDrawSpec : public CViewDrawSpec
{
public:
    COffscreenDrawSpec(CABCCanvas& target, COSBitmap& bitmap, const CRect& area);
    ~COffscreenDrawSpec() override;
    CABCCanvas* GetCanvas() override;
    COSBitmap& GetBitmap() const { return mBitmap; }

private:
    COSBitmap& mBitmap;   // borrowed
    std::unique_ptr<COffscreenCanvas> mCanvas;
};

// A canvas on the view's window for measuring outside a paint pass.
class CReadOnlyViewDrawSpec : public CABCViewDrawSpec
{
public:
    explicit CReadOnlyViewDrawSpec(const CView& view);
    ~CReadOnlyViewDrawSpec() override;
    CABCCanvas* GetCanvas() const;

private:
    std::unique_ptr<CWindowReadOnlyCanvas> mCanvas;
};

// The clip of a draw spec's canvas: whether a rectangle meets it, a copy, and its bounds.
bool ClipRegionIntersects(CViewDrawSpec& drawSpec, const CRect& rect);
CRegion GetClipRegion(CViewDrawSpec& drawSpec);
CRect GetClipBounds(CViewDrawSpec& drawSpec);

// Clips the canvas to (its clip ∩ shape) for the guard's lifetime and restores the clip after.
class CClipGuard
{
public:
    CClipGuard(CABCCanvas* canvas, const CRect& shape);
    CClipGuard(CABCCanvas* canvas, const CRegion& shape);
    ~CClipGuard();
    CClipGuard(const CClipGuard&) = delete;
    CClipGuard& operator=(const CClipGuard&) = delete;
    // Nothing of the shape lies inside the clip.
    bool IsEmpty() const { return mEmpty; }

private:
    CABCCanvas* mCanvas;   // borrowed
    CRegion mSaved;
    bool mEmpty = false;
};

} // namespace NSTramvell
