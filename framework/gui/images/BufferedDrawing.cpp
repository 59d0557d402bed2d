#include "framework/gui/images/BufferedDrawing.h"

#include "framework/foundation/trace/Trace.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/images/Bitmap.h"
#include "framework/gui/images/OffscreenCanvas.h"

#include <exception>

namespace NSTramvell {

namespace {

CRect NarrowToClip(const CABCCanvas& target, const CRect& area)
{
    CRect narrowed = area;
    narrowed.Intersect(target.GetClipRegion().GetBounds());
    return narrowed;
}

} // namespace

CBufferedDrawing::CBufferedDrawing(CABCCanvas& target, const CRect& area)
    : mTarget(target), mArea(NarrowToClip(target, area)), mEmpty(mArea.IsEmpty())
{
    // An empty drawing still gets a canvas, one whose clip lets nothing through, so that a scope never
    // draws on the target unbuffered.
    mBitmap = std::make_unique<CBitmap32>(mEmpty ? 1 : mArea.GetWidth(), mEmpty ? 1 : mArea.GetHeight());
    mCanvas = std::make_unique<COffscreenCanvas>(*mBitmap);
}

// The canvas goes before the bitmap it draws on.
CBufferedDrawing::~CBufferedDrawing()
{
    mCanvas.reset();
}

void CBufferedDrawing::Open()
{
    if (mNestingCount++ != 0)
        return;
    mCanvas->SetOrigin(mArea.GetTopLeft());
    mCanvas->SetClipRegion(mEmpty ? CRegion() : CRegion(mArea));
}

void CBufferedDrawing::Close()
{
    if (mNestingCount == 0)
        return;
    if (--mNestingCount != 0 || mEmpty)
        return;
    // The copy reads the bitmap through its own context, which the canvas keeps at the area's origin.
    const CPoint source = mCanvas->GetOrigin();
    mBitmap->Draw(mTarget, mArea.GetLeft(), mArea.GetTop(), source.GetX(), source.GetY(), mArea.GetWidth(),
                  mArea.GetHeight());
}

CBufferedDrawingScope::CBufferedDrawingScope(CBufferedDrawing& drawing) : mDrawing(drawing)
{
    mDrawing.Open();
}

CBufferedDrawingScope::CBufferedDrawingScope(const CBufferedDrawingScope& other) : mDrawing(other.mDrawing)
{
    mDrawing.Open();
}

CABCCanvas& CBufferedDrawingScope::GetCanvas() const
{
    return mDrawing.GetOffscreenCanvas();
}

CBufferedDrawingScope::~CBufferedDrawingScope()
{
    try {
        mDrawing.Close();
    } catch (const std::exception& e) {
        Trace(0, 0, "The buffered drawing could not be copied: %s", e.what());
    }
}

} // namespace NSTramvell
