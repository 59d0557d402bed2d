#include "app/mainwindow/tests/WindowTestSupport.h"


#include "app/mainwindow/PanePages.h"
#include "framework/gui/application/WindowLayer.h"

namespace NSMainWindowTest {

bool PumpUntil(const std::function<bool()>& condition, int timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpPending();
        if (condition())
            return true;
        if (::GetTickCount() - start > static_cast<DWORD>(timeoutMs))
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpPending()
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

NSTramvell::CRect GetControlRectInClient(HWND control)
{
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return NSTramvell::CRect(rect.left, rect.top, rect.right, rect.bottom);
}

NSTramvell::CRect GetClientOnScreen(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    return NSTramvell::CRect(origin.x, origin.y, origin.x + client.right, origin.y + client.bottom);
}

namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

} // namespace

std::vector<HWND> ListChildWindows(HWND window)
{
    std::vector<HWND> children;
    ::EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

CClientCapture::CClientCapture(HWND window)
{
    RECT client{};
    ::GetClientRect(window, &client);
    mWidth = client.right;
    mHeight = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = mWidth;
    info.bmiHeader.biHeight = -mHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC windowContext = ::GetDC(window);
    const HDC memory = ::CreateCompatibleDC(windowContext);
    const HBITMAP bitmap = ::CreateDIBSection(windowContext, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, mWidth, mHeight, windowContext, 0, 0, SRCCOPY);
    ::GdiFlush();
    mPixels.resize(static_cast<std::size_t>(mWidth) * mHeight);
    const auto* source = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < mPixels.size(); ++i)
        mPixels[i] = source[i] & 0xFFFFFF;
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(window, windowContext);
}

std::vector<std::uint32_t> CClientCapture::Crop(const NSTramvell::CRect& rect) const
{
    std::vector<std::uint32_t> pixels;
    for (std::int32_t y = rect.GetTop(); y < rect.GetBottom(); ++y)
        for (std::int32_t x = rect.GetLeft(); x < rect.GetRight(); ++x)
            pixels.push_back(At(x, y));
    return pixels;
}

namespace {

std::uint32_t ReadLittleEndian(const std::uint8_t* bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

} // namespace

CResourcePicture LoadResourcePicture(std::uint16_t id)
{
    CResourcePicture picture;
    const HMODULE module = ::GetModuleHandleA(nullptr);
    const HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), "BMPF");
    if (found == nullptr)
        return picture;
    const auto* file = static_cast<const std::uint8_t*>(::LockResource(::LoadResource(module, found)));
    const std::uint32_t size = ::SizeofResource(module, found);
    // A 24-bit file, rows bottom up, each padded to 4 bytes.
    if (size < 54 || file[0] != 'B' || file[1] != 'M' || ReadLittleEndian(file + 28, 2) != 24)
        return picture;
    const std::uint32_t offset = ReadLittleEndian(file + 10, 4);
    picture.mWidth = static_cast<std::int32_t>(ReadLittleEndian(file + 18, 4));
    picture.mHeight = static_cast<std::int32_t>(ReadLittleEndian(file + 22, 4));
    const std::uint32_t stride = (static_cast<std::uint32_t>(picture.mWidth) * 3 + 3) & ~3u;
    if (offset + stride * picture.mHeight > size)
        return CResourcePicture();
    picture.mPixels.resize(static_cast<std::size_t>(picture.mWidth) * picture.mHeight);
    for (std::int32_t y = 0; y < picture.mHeight; ++y) {
        const std::uint8_t* row = file + offset + stride * (picture.mHeight - 1 - y);
        for (std::int32_t x = 0; x < picture.mWidth; ++x)
            picture.mPixels[y * picture.mWidth + x] = ReadLittleEndian(row + 3 * x, 3);
    }
    return picture;
}

void CMainWindowTest::SetUp()
{
    // The application registers the window classes when it runs; these tests do not run it.
    static const bool registered = [] {
        NSTramvell::RegisterWindowClasses(::GetModuleHandleA(nullptr));
        return true;
    }();
    (void)registered;
    mApplication = std::make_unique<NSGuiTest::CTestApplication>();
}

void CMainWindowTest::TearDown()
{
    Close();
    mApplication.reset();
}

void CMainWindowTest::Open(const NSTramvell::CLocation& position, bool archiveAvailable)
{
    mWindow = std::make_unique<CMainWindow>(&mListener, position, archiveAvailable);
    mWindow->ReapplyBounds();
    ::SetForegroundWindow(Handle());
    Paint();
}

void CMainWindowTest::Close()
{
    mWindow.reset();
    PumpPending();
}

void CMainWindowTest::Paint()
{
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
}

HWND CMainWindowTest::Exit() const
{
    return mWindow->GetExitStopButton().GetNativeHandle();
}

HWND CMainWindowTest::Folder() const
{
    return mWindow->GetProgressChoosePage().GetFolderButton().GetNativeHandle();
}

HWND CMainWindowTest::Archive() const
{
    return mWindow->GetProgressChoosePage().GetArchiveButton().GetNativeHandle();
}

HWND CMainWindowTest::Eject() const
{
    return mWindow->GetProgressChoosePage().GetEjectButton().GetNativeHandle();
}

HWND CMainWindowTest::Bar() const
{
    return mWindow->GetProgressPage().GetProgressBar().GetNativeHandle();
}

bool CMainWindowTest::PostClickAndWait(HWND control)
{
    const std::size_t before = mListener.mCalls.size();
    ::PostMessageA(control, BM_CLICK, 0, 0);
    return PumpUntil([&] { return mListener.mCalls.size() > before; });
}

void CMainWindowTest::Show(std::int32_t state)
{
    mWindow->ShowState(state);
    Paint();
}

} // namespace NSMainWindowTest
