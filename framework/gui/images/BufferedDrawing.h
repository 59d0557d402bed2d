#pragma once

// Drawing out of sight: what the scopes of a buffered drawing draw goes into an off-screen bitmap of the
// drawing's area and reaches the target canvas at once, when the last scope closes, so the user never
// sees a picture half built. Scopes nest: the first one opened moves the off-screen origin to the area
// and clips it there, the last one closed copies the area back to the same place on the target.

#include "framework/gui/geometry/Rect.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CABCCanvas;
class COSBitmap;
class COffscreenCanvas;

class CBufferedDrawing
{
public:
    // The area is narrowed to the target's clip region. When nothing of it is left the drawing is empty:
    // what its scopes draw goes nowhere, and nothing is copied. XOutOfMemory when the bitmap or its
    // canvas cannot be made. The target must outlive the drawing.
    CBufferedDrawing(CABCCanvas& target, const CRect& area);
    ~CBufferedDrawing();
    CBufferedDrawing(const CBufferedDrawing&) = delete;
    CBufferedDrawing& operator=(const CBufferedDrawing&) = delete;

    CABCCanvas& GetTarget() const { return mTarget; }
    COffscreenCanvas& GetOffscreenCanvas() const { return *mCanvas; }
    COSBitmap& GetBitmap() const { return *mBitmap; }
    const CRect& GetArea() const { return mArea; }
    bool IsEmpty() const { return mEmpty; }
    std::uint16_t GetNestingCount() const { return mNestingCount; }

    void Open();
    // A close without an open does nothing.
    void Close();

private:
    CABCCanvas& mTarget;                        // borrowed
    std::unique_ptr<COSBitmap> mBitmap;         // the area's picture (1 x 1 when empty), owned
    std::unique_ptr<COffscreenCanvas> mCanvas;  // on mBitmap
    CRect mArea;
    std::uint16_t mNestingCount = 0;
    bool mEmpty = false;
};

// Opens its drawing for its lifetime; a copy opens it once more.
class CBufferedDrawingScope
{
public:
    explicit CBufferedDrawingScope(CBufferedDrawing& drawing);
    CBufferedDrawingScope(const CBufferedDrawingScope& other);
    // The last scope's copy to the target happens here; a copy that fails is traced, not thrown.
    ~CBufferedDrawingScope();
    CBufferedDrawingScope& operator=(const CBufferedDrawingScope&) = delete;

    CABCCanvas& GetCanvas() const;

private:
    CBufferedDrawing& mDrawing;   // borrowed
};

} // namespace NSTramvell
