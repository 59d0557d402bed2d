#include "framework/views/toolbars/win32/StripNativeWindow.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformCallsWin32.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/foundation/modules/CodeModule.h"
#include "framework/gui/windows/Window.h"
#include "framework/gui/windows/WindowClasses.h"

namespace NSTramvell {

namespace {
constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;
} // namespace

HWND CreateStripNativeWindow(HWND parent, const CRect& frame)
{
    // Without a current module the platform takes the program's own, where the classes were registered.
    const CABCCodeModule* const module = CABCCodeModule::GetCurrent();
    const HINSTANCE instance = module != nullptr ? module->GetInstanceHandle() : nullptr;
    const HWND handle = CallWindowManager12(0, GetWindowClassName(CABCWindow::kKindDocument), "", kVisibleChild,
                                            frame.GetLeft(), frame.GetTop(), frame.GetWidth(), frame.GetHeight(),
                                            parent, nullptr, instance, nullptr);
    if (handle == nullptr)
        throw XOutOfMemory();
    return handle;
}

HGDIOBJ SelectGraphicsObject(HDC context, HGDIOBJ object)
{
    return GetWindowTable().SelectObject(context, object);
}

bool CopyGraphicsBits(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                      std::uint32_t operation)
{
    return GetWindowTable().BitBlt(target, x, y, width, height, source, sourceX, sourceY, operation) != FALSE;
}

HPALETTE SelectGraphicsPalette(HDC context, HPALETTE palette, bool background)
{
    return GetWindowTable().SelectPalette(context, palette, background ? TRUE : FALSE);
}

bool FlushGraphics()
{
    return GetWindowTable().GdiFlush() != FALSE;
}

} // namespace NSTramvell
