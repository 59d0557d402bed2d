#pragma once

// The canvas that draws into a framework bitmap, so that a view can build its picture out of sight and
// copy it to the window at once. It draws through the bitmap's own drawing context: a platform bitmap
// sits in one context at a time, so a second context would draw nowhere. That context outlives the
// canvas, which therefore hands it back with origin (0, 0) and no clip, and deletes only the drawing
// objects its state made. The canvas does not own the bitmap.

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/geometry/Point.h"

#include <memory>

namespace NSTramvell {

class COSBitmap;

class COffscreenCanvas : public CABCCanvas
{
public:
    // The bitmap must outlive the canvas.
    explicit COffscreenCanvas(COSBitmap& image);
    ~COffscreenCanvas() override;

    // The drawing origin of the bitmap's context.
    CPoint GetOrigin() const override;
    CABCImage* GetTargetBitmap() override;
    COSBitmap& GetImage() const { return mImage; }

    // Moves the origin; the clip stays where it was in canvas coordinates.
    void SetOrigin(const CPoint& origin);

private:
    COSBitmap& mImage;                             // borrowed
    std::unique_ptr<CCanvasDrawingState> mState;   // on the bitmap's own context
};

} // namespace NSTramvell
