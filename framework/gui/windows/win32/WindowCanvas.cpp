#include "framework/gui/windows/WindowCanvas.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/drawing/CanvasDrawingState.h"
#include "framework/gui/drawing/Palette.h"
#include "framework/gui/drawing/ScreenResources.h"
#include "framework/gui/windows/Window.h"

namespace NSTramvell {

namespace {

CCanvasDrawingState* GetWindowContext(const CABCWindow* window)
{
    return static_cast<CCanvasDrawingState*>(window->GetCurrentDrawingContext());
}

} // namespace

CWindowPaintCanvas::CWindowPaintCanvas(CABCWindow* window, HDC paintContext)
    : mWindow(window)
    , mPreviousContext(GetWindowContext(window))
    , mPaintContext(paintContext)
{
    if (mPreviousContext != nullptr && mPreviousContext->GetHandle() == paintContext) {
        AttachContext(mPreviousContext);
        return;
    }
    CScreenPalette& screen = GetScreenPalette();
    if (screen.GetDepth() == 8) {
        mPalette.reset(CNativePalette::FromContextSystemPalette(screen.GetScreenContext()));
        CWindowTable& table = GetWindowTable();
        mPreviousPalette = table.SelectPalette(paintContext, mPalette->GetHandle(), TRUE);
        if (mPreviousPalette == nullptr)
            throw XOutOfMemory();
        table.RealizePalette(paintContext);
    }
    mOwnContext = std::make_unique<CCanvasDrawingState>(paintContext);
    mWindow->SetCurrentDrawingContext(mOwnContext.get());
    AttachContext(mOwnContext.get());
}

CWindowPaintCanvas::~CWindowPaintCanvas()
{
    if (GetContext() == nullptr)
        return;
    mWindow->SetCurrentDrawingContext(mPreviousContext);
    AttachContext(nullptr);
    mOwnContext.reset();
    if (mPalette != nullptr) {
        GetWindowTable().SelectPalette(mPaintContext, mPreviousPalette, TRUE);
        mPalette.reset();
    }
}

CWindowReadOnlyCanvas::CWindowReadOnlyCanvas(CABCWindow* window)
    : mWindow(window)
    , mPreviousContext(GetWindowContext(window))
{
    if (mPreviousContext != nullptr) {
        AttachContext(mPreviousContext);
        return;
    }
    mObtainedContext = GetWindowTable().GetDC(window->GetWindowHandle());
    if (mObtainedContext == nullptr)
        throw XOutOfMemory();
    mOwnContext = std::make_unique<CCanvasDrawingState>(mObtainedContext);
    mWindow->SetCurrentDrawingContext(mOwnContext.get());
    AttachContext(mOwnContext.get());
}

CWindowReadOnlyCanvas::~CWindowReadOnlyCanvas()
{
    mWindow->SetCurrentDrawingContext(mPreviousContext);
    AttachContext(nullptr);
    mOwnContext.reset();
    if (mObtainedContext != nullptr)
        GetWindowTable().ReleaseDC(mWindow->GetWindowHandle(), mObtainedContext);
}

} // namespace NSTramvell
