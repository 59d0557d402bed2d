// What the application asks of the main window besides the states: the progress bar and texts, the Stop
// button's disabling, closing, and a construction that fails half way.

#include "app/mainwindow/MainWindow.h"
#include "app/mainwindow/PanePages.h"
#include "app/mainwindow/tests/WindowTestSupport.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/views/controls/NativeControlGlue.h"

#include <algorithm>
#include <string>
#include <vector>

using NSMainWindowTest::CMainWindowTest;
using NSMainWindowTest::PumpPending;
using NSTramvell::CLocation;
using NSTramvell::CScopedTableEntry;
using NSTramvell::GetKernelTable;
using NSTramvell::GetWindowTable;

namespace {

using MainWindowOperations = CMainWindowTest;

} // namespace

TEST_F(MainWindowOperations, SetProgressReachesTheBarInThousandthsWithinItsRange)
{
    Open();
    Show(CMainWindow::kConvertingState);
    const struct
    {
        std::int32_t done;
        std::int32_t total;
        LRESULT position;
    } kCases[] = {{50, 200, 250}, {1, 3, 333}, {-1, 7, 0}, {5, 0, 0}, {300, 100, 1000}, {-5, 100, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::to_string(c.done) + " of " + std::to_string(c.total));
        // A value that differs from the expected one first, so a bar that was not updated fails.
        ::SendMessageA(Bar(), PBM_SETPOS, c.position == 500 ? 600 : 500, 0);
        mWindow->SetProgress(c.done, c.total);
        Paint();
        EXPECT_EQ(::SendMessageA(Bar(), PBM_GETPOS, 0, 0), c.position);
    }
}

TEST_F(MainWindowOperations, SetProgressTextsReplacesTheWorkingPagesTexts)
{
    Open();
    mWindow->SetProgressTexts("Converting program 3", "Sample KICK 01");
    EXPECT_EQ(mWindow->GetWorkingPage().GetHeading(), "Converting program 3");
    EXPECT_EQ(mWindow->GetWorkingPage().GetDetails(), "Sample KICK 01");
}

TEST_F(MainWindowOperations, TheStopButtonStaysDisabledUntilTheNextState)
{
    Open();
    Show(CMainWindow::kConvertingState);
    mWindow->DisableStopButton();
    EXPECT_FALSE(::IsWindowEnabled(Exit()));
    mWindow->SetProgress(1, 2);
    Paint();
    EXPECT_FALSE(::IsWindowEnabled(Exit()));
    ::SendMessageA(Exit(), BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_TRUE(mListener.mCalls.empty());
    Show(CMainWindow::kConvertingState);
    EXPECT_TRUE(::IsWindowEnabled(Exit()));
}

TEST_F(MainWindowOperations, MayCloseOnlyWhileNotConverting)
{
    Open();
    for (const std::int32_t state : {0, 1, 2, 0}) {
        SCOPED_TRACE(state);
        mWindow->ShowState(state);
        EXPECT_EQ(mWindow->MayClose(), state != CMainWindow::kConvertingState);
    }
}

TEST_F(MainWindowOperations, CloseIfAllowedAsksTheApplicationToQuitAndLeavesTheWindowOpen)
{
    Open();
    mApplication->mCalls.clear();
    mWindow->CloseIfAllowed();
    EXPECT_NE(std::find(mApplication->mCalls.begin(), mApplication->mCalls.end(), "CanQuit"),
              mApplication->mCalls.end());
    EXPECT_FALSE(mWindow->IsCloseRequested());
    EXPECT_TRUE(::IsWindowVisible(Handle()));
}

namespace {

// Windows made while a test watches, and the one dialog template the resources seem to lack.
std::vector<HWND> gMadeWindows;
WORD gMissingTemplate = 0;
decltype(NSTramvell::CWindowTable::CreateWindowExA) gRealCreateWindow = nullptr;
decltype(NSTramvell::CKernelTable::FindResourceA) gRealFindResource = nullptr;

} // namespace

TEST_F(MainWindowOperations, AMissingPageTemplateFailsTheConstructionAndLeavesNoViewOrControl)
{
    gRealCreateWindow = GetWindowTable().CreateWindowExA;
    gRealFindResource = GetKernelTable().FindResourceA;
    const std::size_t registered = NSWinControlUtils::GetRegisteredCallbackCount();
    for (const WORD missing : {WORD{133}, WORD{134}}) {
        SCOPED_TRACE(missing);
        gMadeWindows.clear();
        gMissingTemplate = missing;
        CScopedTableEntry made(GetWindowTable().CreateWindowExA,
                               [](DWORD extendedStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                                  int width, int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID data) {
                                   HWND window = gRealCreateWindow(extendedStyle, className, title, style, x, y,
                                                                   width, height, parent, menu, instance, data);
                                   gMadeWindows.push_back(window);
                                   return window;
                               });
        CScopedTableEntry lacking(GetKernelTable().FindResourceA, [](HMODULE module, LPCSTR name, LPCSTR type) {
            const bool missing = type == RT_DIALOG && IS_INTRESOURCE(name) &&
                                 LOWORD(reinterpret_cast<ULONG_PTR>(name)) == gMissingTemplate;
            if (missing)
                return static_cast<HRSRC>(nullptr);
            return gRealFindResource(module, name, type);
        });
        EXPECT_ANY_THROW(CMainWindow(&mListener, CLocation(kNoPosition, kNoPosition), true));
        // The window and the Exit button at least; with 134 missing, the choose page's buttons too.
        EXPECT_GE(gMadeWindows.size(), missing == 134 ? 5u : 2u);
        for (HWND window : gMadeWindows)
            EXPECT_FALSE(::IsWindow(window));
        EXPECT_EQ(NSWinControlUtils::GetRegisteredCallbackCount(), registered);
    }
}
