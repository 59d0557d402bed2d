// The template-built progress windows under a fake clock: what the working code tells them, what the user
// does in them, and when the older, idle-driven operation puts its window up.

#include "framework/viewwindows/progress/OldLengthyOperation.h"
#include "framework/viewwindows/progress/SimpleLengthyOperation.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/windows/Window.h"
#include "framework/gui/windows/WindowClasses.h"
#include "framework/gui/windows/tests/TestWindow.h"
#include "framework/views/controls/ProgressBarView.h"
#include "framework/views/controls/PushButtonView.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <typeinfo>

using namespace NSTramvell;

namespace {

ULONGLONG gNow = 0;

class ProgressWindowsTest : public testing::Test
{
protected:
    ProgressWindowsTest()
    {
        if (GetWindowClassAtom(CABCWindow::kKindModalDialog) == 0)
            RegisterWindowClasses(::GetModuleHandleA(nullptr));
        gNow = 1000000;
    }

    void At(ULONGLONG sinceStart) { gNow = 1000000 + sinceStart; }

    NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
    CScopedTableEntry<decltype(CKernelTable::GetTickCount64)> mClock{GetKernelTable().GetTickCount64,
                                                                     []() -> ULONGLONG { return gNow; }};
    CScopedTableEntry<decltype(CKernelTable::Sleep)> mSleep{GetKernelTable().Sleep, [](DWORD) {}};
};

class COtherProgressInfo : public CABCProgressInfo
{
};

} // namespace

TEST_F(ProgressWindowsTest, TheSimpleWindowShowsTheMessageCounterBarAndStopTitle)
{
    auto document = std::make_unique<NSGuiTest::CTestWindow>();
    document->ShowWithBounds(CRect(40, 40, 340, 240));
    const std::int16_t busyBefore = GetBusyCount();
    {
        CSimpleLengthyOperation operation(nullptr, "Copying");
        At(5301);
        operation.Update(CSimpleProgressInfo(250, 42, "Copying the samples", "Halt"));
        CSimpleLengthyOperationWindow* window = operation.GetSimpleWindow();
        ASSERT_NE(window, nullptr);
        const HWND handle = window->GetWindowHandle();
        EXPECT_EQ(window->GetTitle(), "Copying");
        EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(handle, GWL_STYLE)) & ~DWORD{WS_VISIBLE | WS_CLIPSIBLINGS},
                  DWORD{0x80C00000});
        EXPECT_FALSE(::IsWindowEnabled(document->GetWindowHandle()));
        EXPECT_EQ(GetBusyCount(), busyBefore + 1);
        EXPECT_EQ(window->GetMessageText(), "Copying the samples");
        EXPECT_EQ(window->GetCounterText(), "42");
        EXPECT_EQ(window->GetStopButton().GetTitle(), "Halt");
        EXPECT_EQ(::SendMessageA(window->GetProgressBar().GetNativeHandle(), PBM_GETPOS, 0, 0), 250);
        // The template's layout: 220 × 62 dialog units at 6 × 13 base units.
        EXPECT_EQ(window->GetClientBounds(), CRect(0, 0, 330, 100));
        NSGuiTest::SaveScreenshot("SimpleLengthyOperationWindow");

        // Not before 300 ms have passed.
        At(5500);
        operation.Update(CSimpleProgressInfo(300, 43, "Later", "Halt"));
        EXPECT_EQ(window->GetCounterText(), "42");

        EXPECT_THROW(window->UpdateFromInfo(COtherProgressInfo()), std::bad_cast);
    }
    EXPECT_TRUE(::IsWindowEnabled(document->GetWindowHandle()));
    EXPECT_EQ(GetBusyCount(), busyBefore);
}

TEST_F(ProgressWindowsTest, AWindowThePlatformRefusesIsOutOfMemory)
{
    CScopedTableEntry noWindow(GetWindowTable().CreateWindowExA,
                               [](DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                                  LPVOID) -> HWND { return nullptr; });
    EXPECT_THROW(CSimpleLengthyOperationWindow("Copying", nullptr), XOutOfMemory);
}

TEST_F(ProgressWindowsTest, StopOrEscapeTakenInTheUpdatesPumpStepAsksTheWorkToStop)
{
    const struct
    {
        const char* what;
        std::function<void(CSimpleLengthyOperationWindow&)> act;
    } kCases[] = {
        {"Stop clicked",
         [](CSimpleLengthyOperationWindow& window) {
             ::PostMessageA(window.GetStopButton().GetNativeHandle(), BM_CLICK, 0, 0);
         }},
        {"Escape",
         [](CSimpleLengthyOperationWindow& window) {
             ::PostMessageA(window.GetWindowHandle(), WM_KEYDOWN, VK_ESCAPE,
                            static_cast<LPARAM>(::MapVirtualKeyA(VK_ESCAPE, 0) << 16 | 1));
         }},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        At(0);
        CSimpleLengthyOperation operation(nullptr, "Working");
        At(5301);
        operation.Update(CSimpleProgressInfo(10, 1, "Working", "Stop"));
        ASSERT_NE(operation.GetSimpleWindow(), nullptr);
        ASSERT_TRUE(NSGuiTest::WaitUntil([&] { return ::GetActiveWindow() == operation.GetSimpleWindow()->GetWindowHandle(); }, 10000));
        EXPECT_FALSE(operation.IsStopRequested());
        c.act(*operation.GetSimpleWindow());
        At(5602);
        operation.Update(CSimpleProgressInfo(20, 2, "Working", "Stop"));
        EXPECT_TRUE(operation.IsStopRequested());
    }
}

TEST_F(ProgressWindowsTest, TheOldOperationPutsItsWindowUpAfterFiveSecondsOfTicks)
{
    // 1/60 s ticks: 300 of them are 5000 ms.
    At(0);
    COldLengthyOperation operation("Scanning", true, false);
    operation.SetProgress(25, 7, "Scanning the disc");
    At(5000);
    operation.OnIdle(CIdleInfo{});
    EXPECT_EQ(operation.GetWindow(), nullptr);
    At(5100);
    operation.OnIdle(CIdleInfo{});
    COldLengthyOperationWindow* window = operation.GetWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetBounds().GetLeft(), COldLengthyOperationWindow::kLeft);
    EXPECT_EQ(window->GetBounds().GetTop(), COldLengthyOperationWindow::kTop);
    EXPECT_EQ(window->GetMessageText(), "Scanning the disc");
    EXPECT_EQ(window->GetCounterText(), "7");
    EXPECT_EQ(::SendMessageA(window->GetProgressBar().GetNativeHandle(), PBM_GETPOS, 0, 0), 250);
    // Not cancellable: no Stop to press.
    EXPECT_FALSE(window->GetStopButton().IsEnabled());

    COldLengthyOperation quiet("Quiet", false, true);
    At(20000);
    quiet.OnIdle(CIdleInfo{});
    EXPECT_EQ(quiet.GetWindow(), nullptr);
}
