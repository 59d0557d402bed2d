#include "framework/gui/windows/tests/TestWindow.h"

#include "framework/foundation/platform/win32/PlatformCallsWin32.h"
#include "framework/foundation/platform/win32/PlatformTables.h"

namespace NSGuiTest {
namespace {

constexpr char kClassName[] = "DravimTestWindow";

LRESULT CALLBACK TestWindowProcedure(HWND window, UINT message, WPARAM first, LPARAM second)
{
    return NSTramvell::CallTableFunction4(window, message, first, second);
}

void RegisterTestClass()
{
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &TestWindowProcedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        return NSTramvell::RegisterWindowClassRecord(&windowClass) != 0;
    }();
    (void)registered;
}

decltype(NSTramvell::CWindowTable::DestroyWindow) gRealDestroyWindow = nullptr;

} // namespace

int CTestWindow::sLiving = 0;
int CTestWindow::sNativeDestroyed = 0;
int CTestView::sLiving = 0;

CTestWindow::CTestWindow(std::int32_t kind, bool sizing)
    : CABCWindow(kind, 0, 0, 0, 0)
    , mSizing(sizing)
{
    RegisterTestClass();
    const DWORD style = sizing ? WS_OVERLAPPEDWINDOW : (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
    SetWindowHandle(NSTramvell::CallWindowManager12(0, kClassName, "Test window", style, 0, 0, 100, 100, nullptr,
                                                    nullptr, ::GetModuleHandleA(nullptr), nullptr));
    ++sLiving;
}

CTestWindow::~CTestWindow()
{
    Dispose();
    --sLiving;
}

void CTestWindow::Dispose()
{
    CABCWindow::Dispose();
}

void CTestWindow::RootFrameChanged(const NSTramvell::CRect&, const NSTramvell::CRect&)
{
    ++mRootFrameChanges;
}

std::int32_t CTestWindow::GetFrameBorderWidth() const
{
    return GetFrameMetricWidth(mSizing);
}

std::int32_t CTestWindow::GetFrameBorderHeight() const
{
    return GetFrameMetricHeight(mSizing);
}

CCountedNativeDestruction::CCountedNativeDestruction()
{
    CTestWindow::sNativeDestroyed = 0;
    gRealDestroyWindow = NSTramvell::GetWindowTable().DestroyWindow;
    NSTramvell::GetWindowTable().DestroyWindow = [](HWND window) -> BOOL {
        ++CTestWindow::sNativeDestroyed;
        return gRealDestroyWindow(window);
    };
}

CCountedNativeDestruction::~CCountedNativeDestruction()
{
    NSTramvell::GetWindowTable().DestroyWindow = gRealDestroyWindow;
}

CTestView::CTestView(NSTramvell::CABCGroupView* parent, const NSTramvell::CRect& frame, std::string name,
                     std::vector<std::string>* log, bool handlesPress)
    : CView(parent, frame)
    , mName(std::move(name))
    , mLog(log)
    , mHandlesPress(handlesPress)
{
    ++sLiving;
}

CTestView::~CTestView()
{
    --sLiving;
}

void CTestView::EnabledChanged(bool enabled)
{
    mEnabledChanges.push_back(enabled);
}

void CTestView::FrameChanged(const NSTramvell::CRect& oldFrame, const NSTramvell::CRect& newFrame)
{
    InvalidateOldAndNew(oldFrame, newFrame);
}

NSTramvell::CMouseDownResult CTestView::HandleMouseDown(const NSTramvell::CMouseEvent& event)
{
    mPresses.push_back(event);
    if (mLog != nullptr)
        mLog->push_back(mName + ":press");
    return NSTramvell::CMouseDownResult(mHandlesPress);
}

void CTestView::HandleMouseUp(std::int32_t cause)
{
    mMouseUps.push_back(cause);
}

} // namespace NSGuiTest
