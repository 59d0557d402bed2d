#include "framework/gui/images/OffscreenCanvas.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/CanvasDrawingState.h"
#include "framework/gui/images/Bitmap.h"

namespace NSTramvell {

COffscreenCanvas::COffscreenCanvas(COSBitmap& image)
    : mImage(image), mState(std::make_unique<CCanvasDrawingState>(image.GetNativeBitmap().GetContext()))
{
    AttachContext(mState.get());
    mImage.AttachCanvas();
}

COffscreenCanvas::~COffscreenCanvas()
{
    // The next canvas on this bitmap, and the bitmap's own copies out of its context, start clean.
    CWindowTable& table = GetWindowTable();
    const HDC context = mState->GetHandle();
    table.SetWindowOrgEx(context, 0, 0, nullptr);
    table.SelectClipRgn(context, nullptr);
    mImage.DetachCanvas();
    AttachContext(nullptr);
    mState.reset();
}

CPoint COffscreenCanvas::GetOrigin() const { return QueryCanvasPoint(mState->GetHandle()); }

CABCImage* COffscreenCanvas::GetTargetBitmap() { return &mImage; }

void COffscreenCanvas::SetOrigin(const CPoint& origin)
{
    const CPoint current = GetOrigin();
    if (current == origin)
        return;
    // The platform keeps the clip in device units, which move against the origin.
    CWindowTable& table = GetWindowTable();
    const HDC context = mState->GetHandle();
    table.SetWindowOrgEx(context, origin.GetX(), origin.GetY(), nullptr);
    table.OffsetClipRgn(context, current.GetX() - origin.GetX(), current.GetY() - origin.GetY());
}

} // namespace NSTramvell
