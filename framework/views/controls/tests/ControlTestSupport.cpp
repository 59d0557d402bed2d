#include "framework/views/controls/tests/ControlTestSupport.h"

#include "framework/gui/windows/tests/ClassWindow.h"

namespace NSControlTest {
namespace {

using NSTramvell::CWindowTable;
using NSTramvell::GetWindowTable;

CCallCounts gCounts;
HWND gCountedWindow = nullptr;
decltype(CWindowTable::SendMessageA) gRealSendMessage = nullptr;
decltype(CWindowTable::InvalidateRect) gRealInvalidateRect = nullptr;
decltype(CWindowTable::RedrawWindow) gRealRedrawWindow = nullptr;

} // namespace

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

void CShownWindow::SetUp()
{
    mApplication = std::make_unique<NSGuiTest::CTestApplication>();
    mWindow = std::make_unique<NSGuiTest::CClassWindow>();
    NSGuiTest::ShowAndPaint(*mWindow, NSTramvell::CRect(40, 40, 440, 340));
    ::SetForegroundWindow(mWindow->GetWindowHandle());
    PumpPending();
}

void CShownWindow::TearDown()
{
    mWindow.reset();
    PumpPending();
    mApplication.reset();
}

void CShownWindow::Paint()
{
    ::UpdateWindow(mWindow->GetWindowHandle());
    PumpPending();
}

CPollingGroup::CPollingGroup(NSTramvell::CABCGroupView* parent, const NSTramvell::CRect& frame)
    : CStandardGroupView(parent, frame)
{
}

std::int32_t CPollingGroup::ChildChanged()
{
    std::vector<bool> answers;
    for (const auto& poll : mPolls)
        answers.push_back(poll());
    mAnswers.push_back(answers);
    return CStandardGroupView::ChildChanged();
}

CCountedCalls::CCountedCalls(HWND window)
{
    gCounts = CCallCounts();
    gCountedWindow = window;
    CWindowTable& table = GetWindowTable();
    gRealSendMessage = table.SendMessageA;
    gRealInvalidateRect = table.InvalidateRect;
    gRealRedrawWindow = table.RedrawWindow;
    table.SendMessageA = [](HWND handle, UINT message, WPARAM first, LPARAM second) {
        if (message == WM_SETTEXT)
            ++gCounts.mSetText;
        gCounts.mSends.emplace_back(handle, message);
        return gRealSendMessage(handle, message, first, second);
    };
    table.InvalidateRect = [](HWND handle, const RECT* rect, BOOL erase) {
        if (handle == gCountedWindow)
            ++gCounts.mWindowInvalidations;
        return gRealInvalidateRect(handle, rect, erase);
    };
    table.RedrawWindow = [](HWND handle, const RECT* rect, HRGN region, UINT flags) {
        ++gCounts.mRedraws;
        return gRealRedrawWindow(handle, rect, region, flags);
    };
}

CCountedCalls::~CCountedCalls()
{
    CWindowTable& table = GetWindowTable();
    table.SendMessageA = gRealSendMessage;
    table.InvalidateRect = gRealInvalidateRect;
    table.RedrawWindow = gRealRedrawWindow;
    gCountedWindow = nullptr;
}

const CCallCounts& CCountedCalls::Get() const
{
    return gCounts;
}

} // namespace NSControlTest
