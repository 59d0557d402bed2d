#include "framework/gui/windows/tests/ClassWindow.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/drawing/Canvas.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/WindowClasses.h"

#include <cstring>
#include <stdexcept>

namespace NSGuiTest {

namespace {

void RegisterClassesOnce()
{
    static const bool registered = [] {
        NSTramvell::RegisterWindowClasses(::GetModuleHandleA(nullptr));
        return true;
    }();
    (void)registered;
}

NSTramvell::CABCCanvas& CanvasOf(NSTramvell::CABCViewDrawSpec& drawSpec)
{
    auto* viewSpec = dynamic_cast<NSTramvell::CViewDrawSpec*>(&drawSpec);
    if (viewSpec == nullptr || viewSpec->GetCanvas() == nullptr)
        throw std::logic_error("drawn without a canvas");
    return *viewSpec->GetCanvas();
}

} // namespace

CClassWindow::CClassWindow(std::int32_t kind, std::uint32_t style)
    : CABCWindow(kind, 0, 0, 0, 0)
{
    RegisterClassesOnce();
    SetWindowHandle(::CreateWindowExA(0, NSTramvell::GetWindowClassName(kind), "Procedure test window", style, 0,
                                      0, 200, 150, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
    if (GetWindowHandle() == nullptr)
        throw std::runtime_error("no test window");
}

CClassWindow::~CClassWindow() { Dispose(); }

void CClassWindow::GetSizeLimits(std::int32_t& minWidth, std::int32_t& minHeight, std::int32_t& maxWidth,
                                 std::int32_t& maxHeight) const
{
    minWidth = 120;
    minHeight = 90;
    maxWidth = 640;
    maxHeight = 480;
}

void CClassWindow::CloseIfAllowed()
{
    if (mOnClose)
        mOnClose();
    else
        CABCWindow::CloseIfAllowed();
}

NSTramvell::CMouseDownResult CClassWindow::HandleMouseDown(const NSTramvell::CMouseEvent& event)
{
    mPresses.push_back(event);
    return NSTramvell::CMouseDownResult(true);
}

CColorView::CColorView(NSTramvell::CABCGroupView* parent, const NSTramvell::CRect& frame,
                       const NSTramvell::CColor& color, bool outline)
    : CView(parent, frame)
    , mColor(color)
    , mOutline(outline)
{
}

void CColorView::Draw(NSTramvell::CABCViewDrawSpec& drawSpec)
{
    NSTramvell::CABCCanvas& canvas = CanvasOf(drawSpec);
    if (mOutline)
        canvas.FrameRect(*GetFrame(), mColor);
    else
        canvas.FillRect(*GetFrame(), mColor);
}

CThrowingView::CThrowingView(NSTramvell::CABCGroupView* parent, const NSTramvell::CRect& frame,
                             std::function<void()> thrower)
    : CView(parent, frame)
    , mThrower(std::move(thrower))
{
}

CClientPixels::CClientPixels(const NSTramvell::CABCWindow& window)
{
    HWND handle = window.GetWindowHandle();
    RECT client{};
    ::GetClientRect(handle, &client);
    mWidth = client.right;
    mPixels.resize(static_cast<std::size_t>(client.right * client.bottom));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC windowContext = ::GetDC(handle);
    HDC memory = ::CreateCompatibleDC(windowContext);
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, client.right, client.bottom, windowContext, 0, 0, SRCCOPY);
    ::GdiFlush();
    std::memcpy(mPixels.data(), bits, mPixels.size() * sizeof(std::uint32_t));
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(handle, windowContext);
}

NSTramvell::CColor CClientPixels::At(int x, int y) const
{
    const std::uint32_t pixel = mPixels[static_cast<std::size_t>(y * mWidth + x)];
    return NSTramvell::CColor(static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                              static_cast<std::uint8_t>(pixel));
}

void ShowAndPaint(NSTramvell::CABCWindow& window, const NSTramvell::CRect& bounds)
{
    window.ShowWithBounds(bounds);
    ::InvalidateRect(window.GetWindowHandle(), nullptr, FALSE);
    ::UpdateWindow(window.GetWindowHandle());
}

} // namespace NSGuiTest
