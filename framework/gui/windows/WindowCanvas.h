#pragma once

// Canvases on a framework window: one for a paint pass over the platform's paint context, one for
// measuring outside it. Each installs its drawing state as the window's current one for its lifetime
// and puts the previous one back, so canvases nest: a read-only canvas made while painting draws
// through the paint canvas's state.

#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/drawing/NativeHandles.h"

#include <memory>

namespace NSTramvell {

class CABCWindow;
class CCanvasDrawingState;
class CNativePalette;

class CWindowPaintCanvas : public CABCCanvas
{
public:
    // On an 8-bit screen the screen's palette is selected into the paint context for the pass;
    // XOutOfMemory when the platform refuses.
    CWindowPaintCanvas(CABCWindow* window, HDC paintContext);
    ~CWindowPaintCanvas() override;
    CABCImage* GetTargetBitmap() override { return nullptr; }

private:
    CABCWindow* mWindow;                                 // borrowed: the window being painted
    CCanvasDrawingState* mPreviousContext;               // borrowed: the window's, put back at the end
    std::unique_ptr<CCanvasDrawingState> mOwnContext;    // null when the window's own was reused
    HDC mPaintContext;
    HPALETTE mPreviousPalette = nullptr;
    std::unique_ptr<CNativePalette> mPalette;
};

class CWindowReadOnlyCanvas : public CABCCanvas
{
public:
    // XOutOfMemory when the platform gives no context for the window.
    explicit CWindowReadOnlyCanvas(CABCWindow* window);
    ~CWindowReadOnlyCanvas() override;
    CABCImage* GetTargetBitmap() override { return nullptr; }

private:
    CABCWindow* mWindow;
    CCanvasDrawingState* mPreviousContext;
    std::unique_ptr<CCanvasDrawingState> mOwnContext;
    HDC mObtainedContext = nullptr;   // released to the platform with the window's handle
};

} // namespace NSTramvell
