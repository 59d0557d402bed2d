// The window procedure: its message table, the class registration and the modal state.

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/RootView.h"
#include "framework/gui/windows/WindowClasses.h"
#include "framework/gui/windows/WindowProcedure.h"
#include "framework/gui/windows/tests/ClassWindow.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using NSGuiTest::CClassWindow;
using NSTramvell::CABCWindow;
using NSTramvell::CRect;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetWindowTable;
using NSTramvell::WindowProcedure;
namespace NSProc = NSTramvell::NSWindowProcedure;

namespace {

std::vector<UINT> gDefaultMessages;
std::vector<UINT> gRegisteredSizes;
std::vector<std::string> gRegisteredNames;
ATOM gAtomToGive = 0;
std::vector<std::string> gDroppedNames;
int gDropFinished = 0;

// Records default processing instead of doing it.
class CRecordedDefault
{
public:
    CRecordedDefault()
        : mEntry(GetWindowTable().DefWindowProcA, [](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
            gDefaultMessages.push_back(message);
            return 0;
        })
    {
        gDefaultMessages.clear();
    }

private:
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::DefWindowProcA)> mEntry;
};

const CRect kBounds(40, 40, 320, 260);

} // namespace

TEST(WindowClasses, RegisterFiveFullRecordsAndRefuseAZeroAtom)
{
    CScopedTableEntry record(GetWindowTable().RegisterClassExA, [](const WNDCLASSEXA* c) -> ATOM {
        gRegisteredSizes.push_back(c->cbSize);
        gRegisteredNames.push_back(c->lpszClassName);
        return gAtomToGive;
    });
    CScopedTableEntry unregister(GetWindowTable().UnregisterClassA, [](LPCSTR, HINSTANCE) -> BOOL { return FALSE; });
    gAtomToGive = 0x4321;
    NSTramvell::RegisterWindowClasses(::GetModuleHandleA(nullptr));
    EXPECT_EQ(gRegisteredSizes, std::vector<UINT>(5, sizeof(WNDCLASSEXA)));
    EXPECT_EQ(gRegisteredNames,
              (std::vector<std::string>{"Tramvell Modal Dialog Window", "Tramvell Splash Screen Window",
                                        "Tramvell Floater Window", "Tramvell ToolTip Window",
                                        "Tramvell Document Window"}));
    EXPECT_EQ(NSTramvell::GetWindowClassAtom(CABCWindow::kKindDocument), 0x4321);

    NSTramvell::UnregisterWindowClasses(::GetModuleHandleA(nullptr));   // failures are ignored
    for (std::int32_t kind = 0; kind < 6; ++kind)
        EXPECT_EQ(NSTramvell::GetWindowClassAtom(kind), 0) << kind;

    gAtomToGive = 0;
    EXPECT_THROW(NSTramvell::RegisterWindowClasses(::GetModuleHandleA(nullptr)), NSTramvell::XBase);
}

TEST(WindowProcedure, ADisposingWindowGetsDefaultProcessingForEverySkippedRow)
{
    CClassWindow window;
    std::size_t count = 0;
    const NSProc::CMessageRow* rows = NSProc::GetMessageTable(count);
    CRecordedDefault recorded;
    for (std::size_t i = 0; i < count; ++i) {
        if (!rows[i].skippedWhileDisposing)
            continue;
        SCOPED_TRACE(rows[i].message);
        gDefaultMessages.clear();
        const NSProc::CMessage message{CABCWindow::kKindDocument, window.GetWindowHandle(), rows[i].message, 0, 0,
                                       &window};
        NSProc::Dispatch(message, true);
        EXPECT_EQ(gDefaultMessages, std::vector<UINT>{rows[i].message});
    }
}

TEST(WindowProcedure, RowsKeptWhileDisposingStillRunTheirHandlers)
{
    CClassWindow window;
    CRecordedDefault recorded;
    const struct { UINT message; std::intptr_t second; LRESULT result; } kCases[] = {
        {NSTramvell::kDisposeRequestMessage, 0, -1},
        {NSTramvell::kDisposeRequestMessage, 0x1234, -1},   // never registered: no clean-up
        {NSTramvell::kQuietMessage, 0, 0},
        {WM_CAPTURECHANGED, 0, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.message);
        gDefaultMessages.clear();
        const NSProc::CMessage message{CABCWindow::kKindDocument, window.GetWindowHandle(), c.message, 0, c.second,
                                       &window};
        EXPECT_EQ(NSProc::Dispatch(message, true), c.result);
        EXPECT_TRUE(gDefaultMessages.empty());
    }
}

TEST(WindowProcedure, DisposesOnlyHandlesRegisteredForIt)
{
    CClassWindow window;
    HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const auto value = reinterpret_cast<LPARAM>(event);
    EXPECT_EQ(::SendMessageA(window.GetWindowHandle(), NSTramvell::kDisposeRequestMessage, 0, value), -1);
    EXPECT_NE(::WaitForSingleObject(event, 0), WAIT_FAILED);   // still open

    NSTramvell::RegisterHandleForDisposal(event);
    EXPECT_EQ(::SendMessageA(window.GetWindowHandle(), NSTramvell::kDisposeRequestMessage, 0, value), 0);
    EXPECT_EQ(::SendMessageA(window.GetWindowHandle(), NSTramvell::kDisposeRequestMessage, 0, value), -1);
}

TEST(WindowProcedure, AThrowingCloseIsReportedOnceAndLeavesTheWindowAlive)
{
    NSGuiTest::CAlertLog alerts;
    NSGuiTest::CTestApplication application;
    CClassWindow dialog(CABCWindow::kKindModalDialog);
    dialog.ShowWithBounds(kBounds);
    dialog.mOnClose = [] { throw std::runtime_error("refused"); };
    EXPECT_EQ(::SendMessageA(dialog.GetWindowHandle(), WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(::IsWindow(dialog.GetWindowHandle()));
    EXPECT_EQ(alerts.mAlerts.size(), 1u);
}

TEST(WindowProcedure, ClosingAPopUpWithoutSystemMenuIsSwallowed)
{
    CClassWindow popUp(CABCWindow::kKindFloater, WS_POPUP);
    bool closed = false;
    popUp.mOnClose = [&] { closed = true; };
    EXPECT_EQ(::SendMessageA(popUp.GetWindowHandle(), WM_CLOSE, 0, 0), 1);
    EXPECT_FALSE(closed);
}

TEST(WindowProcedure, TracksWithinTheClientLimitsPlusTheFrame)
{
    CClassWindow window;
    window.ShowWithBounds(kBounds);
    MINMAXINFO info{};
    EXPECT_EQ(::SendMessageA(window.GetWindowHandle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)), 0);
    const NSTramvell::CPoint minimum = window.GetFrameSizeForClientSize(NSTramvell::CPoint(120, 90));
    const NSTramvell::CPoint maximum = window.GetFrameSizeForClientSize(NSTramvell::CPoint(640, 480));
    EXPECT_GT(minimum.GetX(), 120);
    EXPECT_EQ(info.ptMinTrackSize.x, minimum.GetX());
    EXPECT_EQ(info.ptMinTrackSize.y, minimum.GetY());
    EXPECT_EQ(info.ptMaxTrackSize.x, maximum.GetX());
    EXPECT_EQ(info.ptMaxTrackSize.y, maximum.GetY());
}

TEST(WindowProcedure, ScreenChangesRefreshOnceAndRepaintEveryVisibleWindow)
{
    NSGuiTest::CTestApplication application;
    CClassWindow first;
    CClassWindow second;
    NSGuiTest::ShowAndPaint(first, kBounds);
    NSGuiTest::ShowAndPaint(second, CRect(60, 60, 300, 240));
    ::ValidateRect(first.GetWindowHandle(), nullptr);
    ::ValidateRect(second.GetWindowHandle(), nullptr);
    const int purges = application.mBitmapCachePurges;

    // Our own palette realisation announces itself to our windows: answering it would loop.
    ::SendMessageA(first.GetWindowHandle(), WM_PALETTECHANGED, reinterpret_cast<WPARAM>(second.GetWindowHandle()), 0);
    EXPECT_EQ(application.mBitmapCachePurges, purges);
    EXPECT_FALSE(::GetUpdateRect(second.GetWindowHandle(), nullptr, FALSE));

    ::SendMessageA(first.GetWindowHandle(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_EQ(application.mBitmapCachePurges, purges + 1);
    EXPECT_TRUE(::GetUpdateRect(first.GetWindowHandle(), nullptr, FALSE));
    EXPECT_TRUE(::GetUpdateRect(second.GetWindowHandle(), nullptr, FALSE));
}

TEST(WindowProcedure, DroppedFilesAreOpenedAndTheDropReleased)
{
    NSGuiTest::CTestApplication application;
    CClassWindow window;
    CScopedTableEntry query(GetWindowTable().DragQueryFileA, [](HDROP, UINT index, LPSTR name, UINT size) -> UINT {
        const char* const kNames[] = {"C:\\dropped.wav", ""};
        if (index == 0xFFFFFFFF)
            return 2;
        lstrcpynA(name, kNames[index], static_cast<int>(size));
        gDroppedNames.push_back(kNames[index]);
        return static_cast<UINT>(lstrlenA(name));
    });
    CScopedTableEntry finish(GetWindowTable().DragFinish, [](HDROP) { ++gDropFinished; });
    gDroppedNames.clear();
    gDropFinished = 0;
    EXPECT_EQ(::SendMessageA(window.GetWindowHandle(), WM_DROPFILES, 0x77, 0), 0);
    EXPECT_EQ(gDroppedNames.size(), 2u);
    EXPECT_EQ(gDropFinished, 1);
    application.ProcessOpenRequests();
    ASSERT_FALSE(application.mCalls.empty());
    EXPECT_NE(application.mCalls.back().find("dropped.wav"), std::string::npos);
}

TEST(WindowProcedure, AnIdlePulseLowersThePendingCountDownToZero)
{
    NSGuiTest::CTestApplication application;
    CClassWindow window;
    application.SetPendingIdlePulses(2);
    ::SendMessageA(window.GetWindowHandle(), NSTramvell::kIdlePulseMessage, 0, 0);
    EXPECT_EQ(application.GetPendingIdlePulses(), 1);
    application.SetPendingIdlePulses(0);
    ::SendMessageA(window.GetWindowHandle(), NSTramvell::kIdlePulseMessage, 0, 0);
    EXPECT_EQ(application.GetPendingIdlePulses(), 0);
}

TEST(WindowProcedure, PressesLeftOfTheClientAreaArriveNegative)
{
    CClassWindow window;
    window.ShowWithBounds(kBounds);
    ::SendMessageA(window.GetWindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 7));
    ::SendMessageA(window.GetWindowHandle(), WM_LBUTTONUP, 0, MAKELPARAM(-5, 7));
    ASSERT_EQ(window.mPresses.size(), 1u);
    EXPECT_EQ(window.mPresses[0].GetX(), -5);
    EXPECT_EQ(window.mPresses[0].GetY(), 7);
}

TEST(ModalState, EnablesOtherWindowsOnlyWhenTheLastStateEnds)
{
    CClassWindow first;
    CClassWindow second;
    CClassWindow dialog(CABCWindow::kKindModalDialog);
    first.ShowWithBounds(kBounds);
    second.ShowWithBounds(kBounds);
    dialog.ShowWithBounds(kBounds);
    HWND kept = dialog.GetWindowHandle();
    NSTramvell::EnterModalState(kept);
    NSTramvell::EnterModalState(kept);
    EXPECT_FALSE(::IsWindowEnabled(first.GetWindowHandle()));
    NSTramvell::LeaveModalState(kept);
    EXPECT_FALSE(::IsWindowEnabled(second.GetWindowHandle()));
    EXPECT_TRUE(::IsWindowEnabled(kept));
    NSTramvell::LeaveModalState(kept);
    EXPECT_TRUE(::IsWindowEnabled(first.GetWindowHandle()));
    EXPECT_TRUE(::IsWindowEnabled(second.GetWindowHandle()));
}

namespace {

POINT gMouse{};
HWND gUnderMouse = nullptr;

// The mouse over a client point of the window, which the platform names as the window under it; no
// window holds the capture.
class CFakeMouse
{
public:
    CFakeMouse(const CABCWindow& window, int x, int y)
        : mCursor(GetWindowTable().GetCursorPos, [](LPPOINT out) -> BOOL {
            *out = gMouse;
            return TRUE;
        })
        , mUnder(GetWindowTable().WindowFromPoint, [](POINT) { return gUnderMouse; })
        , mNoCapture(GetWindowTable().GetCapture, [] { return HWND{}; })
    {
        POINT inside{x, y};
        ::ClientToScreen(window.GetWindowHandle(), &inside);
        gMouse = inside;
        gUnderMouse = window.GetWindowHandle();
    }

private:
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::GetCursorPos)> mCursor;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::WindowFromPoint)> mUnder;
    CScopedTableEntry<decltype(NSTramvell::CWindowTable::GetCapture)> mNoCapture;
};

} // namespace

TEST(UpdateCursor, HoversTheViewUnderTheMouseAndNothingOutsideOurWindows)
{
    CClassWindow window;
    window.ShowWithBounds(kBounds);
    NSGuiTest::CTestView view(window.GetRootView(), CRect(10, 10, 40, 40), "under");
    const CFakeMouse mouse(window, 20, 20);
    NSTramvell::UpdateCursor();
    EXPECT_EQ(NSTramvell::GetHoverView(), &view);

    gUnderMouse = nullptr;
    NSTramvell::UpdateCursor();
    EXPECT_EQ(NSTramvell::GetHoverView(), nullptr);
}

namespace {

std::vector<HWND> gActivated;

} // namespace

// The cursor is the framework's where the mouse is over the client area of our window or of a child
// window of it; the hit-test code and the window the platform names decide.
TEST(SetCursor, UpdatesOverTheClientOfOurWindowAndItsChildren)
{
    NSGuiTest::CTestApplication application;
    CClassWindow window;
    window.ShowWithBounds(kBounds);
    NSGuiTest::CTestView view(window.GetRootView(), CRect(10, 10, 40, 40), "under");
    const HWND child = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 60, 60, 30, 20,
                                         window.GetWindowHandle(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
    CClassWindow other;
    other.ShowWithBounds(CRect(400, 40, 600, 200));
    const CFakeMouse mouse(window, 20, 20);
    CRecordedDefault recorded;
    const struct
    {
        const char* name;
        HWND cursorWindow;
        WORD hitCode;
        LRESULT result;
    } kCases[] = {
        {"our window", window.GetWindowHandle(), HTCLIENT, 1},
        {"its child", child, HTCLIENT, 1},
        {"another window", other.GetWindowHandle(), HTCLIENT, 0},
        {"the caption", window.GetWindowHandle(), HTCAPTION, 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        NSTramvell::SetHoverView(nullptr);
        gDefaultMessages.clear();
        const NSProc::CMessage message{CABCWindow::kKindDocument, window.GetWindowHandle(), WM_SETCURSOR,
                                       reinterpret_cast<std::uintptr_t>(c.cursorWindow), MAKELPARAM(c.hitCode, WM_MOUSEMOVE),
                                       &window};
        EXPECT_EQ(NSProc::Dispatch(message, false), c.result);
        EXPECT_EQ(NSTramvell::GetHoverView(), c.result == 1 ? &view : nullptr);
        EXPECT_EQ(gDefaultMessages.size(), c.result == 1 ? 0u : 1u);
    }
    // Behind another program the cursor is the platform's.
    NSTramvell::SetHoverView(nullptr);
    application.Deactivate();
    const NSProc::CMessage behind{CABCWindow::kKindDocument, window.GetWindowHandle(), WM_SETCURSOR,
                                  reinterpret_cast<std::uintptr_t>(window.GetWindowHandle()),
                                  MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), &window};
    EXPECT_EQ(NSProc::Dispatch(behind, false), 0);
    EXPECT_EQ(NSTramvell::GetHoverView(), nullptr);
    application.Activate();
    ::DestroyWindow(child);
}

TEST(WindowProcedure, ActivationMakesTheWindowActiveBeforeItHearsOfIt)
{
    CClassWindow window;
    window.ShowWithBounds(kBounds);
    CRecordedDefault recorded;
    CScopedTableEntry activate(GetWindowTable().SetActiveWindow, [](HWND handle) -> HWND {
        gActivated.push_back(handle);
        return nullptr;
    });
    ::SendMessageA(window.GetWindowHandle(), WM_ACTIVATE, WA_INACTIVE, 0);
    ASSERT_FALSE(window.IsActive());
    gActivated.clear();
    ::SendMessageA(window.GetWindowHandle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(gActivated, std::vector<HWND>{window.GetWindowHandle()});
    EXPECT_TRUE(window.IsActive());
    ::SendMessageA(window.GetWindowHandle(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(gActivated.size(), 1u);
    EXPECT_FALSE(window.IsActive());
}

namespace {

int gRealized = 0;

} // namespace

TEST(WindowProcedure, AQueryForANewPaletteRealisesTheWindowsOwn)
{
    CClassWindow window;
    window.ShowWithBounds(kBounds);
    CScopedTableEntry realize(GetWindowTable().RealizePalette, [](HDC) -> UINT {
        ++gRealized;
        return 0;
    });
    gRealized = 0;
    EXPECT_EQ(::SendMessageA(window.GetWindowHandle(), WM_QUERYNEWPALETTE, 0, 0), 1);
    EXPECT_EQ(gRealized, 0);
    window.SetPalette({NSTramvell::CColor(10, 20, 30)});
    EXPECT_EQ(::SendMessageA(window.GetWindowHandle(), WM_QUERYNEWPALETTE, 0, 0), 1);
    EXPECT_EQ(gRealized, 1);
}

namespace {

HWND gActiveWindow = nullptr;

} // namespace

// Cycling walks the shown windows that are neither auxiliary nor hidden, wrapping round at either end.
TEST(WindowCycling, ActivatesTheNextOrPreviousCandidateAndWrapsRound)
{
    NSGuiTest::CTestApplication application;
    CClassWindow a;
    CClassWindow auxiliary;
    CClassWindow c;
    CClassWindow d;
    CClassWindow hidden;
    for (CClassWindow* window : {&a, &auxiliary, &c, &d, &hidden})
        window->ShowWithBounds(kBounds);
    auxiliary.MarkAuxiliary();
    ::ShowWindow(hidden.GetWindowHandle(), SW_HIDE);
    CScopedTableEntry active(GetWindowTable().GetActiveWindow, [] { return gActiveWindow; });
    CScopedTableEntry activate(GetWindowTable().SetActiveWindow, [](HWND handle) -> HWND {
        gActivated.push_back(handle);
        return nullptr;
    });
    const struct
    {
        const char* name;
        CClassWindow* active;
        bool next;
        CClassWindow* activated;
    } kCases[] = {
        {"next after a", &a, true, &c},       {"previous before a", &a, false, &d},
        {"next after d", &d, true, &a},       {"previous before d", &d, false, &c},
        {"next without one", nullptr, true, &a}, {"previous without one", nullptr, false, &d},
    };
    for (const auto& k : kCases) {
        SCOPED_TRACE(k.name);
        gActiveWindow = k.active != nullptr ? k.active->GetWindowHandle() : nullptr;
        gActivated.clear();
        if (k.next)
            NSTramvell::ActivateNextWindow();
        else
            NSTramvell::ActivatePreviousWindow();
        EXPECT_EQ(gActivated, std::vector<HWND>{k.activated->GetWindowHandle()});
    }
}

TEST(WindowCycling, TheOnlyCandidateIsNotActivatedAgain)
{
    NSGuiTest::CTestApplication application;
    CClassWindow only;
    only.ShowWithBounds(kBounds);
    CScopedTableEntry active(GetWindowTable().GetActiveWindow, [] { return gActiveWindow; });
    CScopedTableEntry activate(GetWindowTable().SetActiveWindow, [](HWND handle) -> HWND {
        gActivated.push_back(handle);
        return nullptr;
    });
    gActiveWindow = only.GetWindowHandle();
    gActivated.clear();
    NSTramvell::ActivateNextWindow();
    NSTramvell::ActivatePreviousWindow();
    EXPECT_TRUE(gActivated.empty());
}
