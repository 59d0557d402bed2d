#include "framework/gui/progress/NoFrameWindow.h"

#include "framework/foundation/core/Exceptions.h"
#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/windows/WindowClasses.h"
#include "framework/gui/windows/tests/TestWindow.h"

#include <gtest/gtest.h>

using namespace NSTramvell;

TEST(NoFrameWindow, IsAChildOfItsParentAndNeedsOne)
{
    NSGuiTest::CWatchdog watchdog;
    NSGuiTest::CTestApplication application;
    if (GetWindowClassAtom(CABCWindow::kKindDocument) == 0)
        RegisterWindowClasses(::GetModuleHandleA(nullptr));
    NSGuiTest::CTestWindow parent;
    {
        CNoFrameWindow child(parent.GetWindowHandle(), CRect(10, 20, 110, 70));
        EXPECT_EQ(GetWindowTable().GetParent(child.GetWindowHandle()), parent.GetWindowHandle());
        const auto style = static_cast<std::uint32_t>(GetWindowTable().GetWindowLongA(child.GetWindowHandle(), GWL_STYLE));
        EXPECT_EQ(style & (WS_CHILD | WS_POPUP | WS_CAPTION | WS_THICKFRAME), static_cast<std::uint32_t>(WS_CHILD));
        EXPECT_FALSE(child.IsDocumentWindow());
    }
    EXPECT_THROW(CNoFrameWindow(nullptr, CRect(0, 0, 10, 10)), XBase);
    CScopedTableEntry noWindow(GetWindowTable().CreateWindowExA,
                               [](DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                                  LPVOID) -> HWND { return nullptr; });
    EXPECT_THROW(CNoFrameWindow(parent.GetWindowHandle(), CRect(0, 0, 10, 10)), XOutOfMemory);
}
