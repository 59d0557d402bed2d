#include "framework/viewwindows/splash/SplashScreen.h"

#include "framework/foundation/core/OutOfMemory.h"
#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/WindowLayer.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/windows/WindowClasses.h"

#include <gtest/gtest.h>

#include <functional>

using namespace NSTramvell;

namespace {

constexpr std::uint16_t kRed60x50 = 100;   // SplashPictures.rc
const CRect kFirstLine(4, 4, 56, 20);
const CRect kSecondLine(4, 24, 56, 40);

ULONGLONG gNow = 0;

class SplashScreenTest : public testing::Test
{
protected:
    SplashScreenTest()
    {
        if (GetWindowClassAtom(CABCWindow::kKindSplash) == 0)
            RegisterWindowClasses(::GetModuleHandleA(nullptr));
    }

    NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
};

} // namespace

TEST_F(SplashScreenTest, ABarePopUpTheSizeOfItsPictureInTheMiddleOfTheScreen)
{
    CSplashScreen splash(CBitmapKey(kRed60x50), 300, kFirstLine, kSecondLine);
    const HWND handle = splash.GetWindowHandle();
    EXPECT_TRUE(::IsWindowVisible(handle));
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(handle, GWL_STYLE)) & ~(WS_VISIBLE | WS_CLIPSIBLINGS), WS_POPUP);
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(handle, GWL_EXSTYLE)) & WS_EX_TOOLWINDOW, DWORD{WS_EX_TOOLWINDOW});
    EXPECT_EQ(splash.GetClientBounds(), CRect(0, 0, 60, 50));
    RECT bounds{};
    ::GetWindowRect(handle, &bounds);
    EXPECT_EQ(bounds.left, (::GetSystemMetrics(SM_CXSCREEN) - 60) / 2);
    EXPECT_EQ(bounds.top, (::GetSystemMetrics(SM_CYSCREEN) - 50) / 2);

    splash.SetTexts("Starting", "Please wait");
    EXPECT_EQ(splash.GetFirstText(), "Starting");
    EXPECT_EQ(splash.GetSecondText(), "Please wait");
    EXPECT_FALSE(NSGuiTest::SaveScreenshot("SplashScreen").empty());
}

TEST_F(SplashScreenTest, AWindowThePlatformRefusesIsOutOfMemory)
{
    CScopedTableEntry noWindow(GetWindowTable().CreateWindowExA,
                               [](DWORD, LPCSTR, LPCSTR, DWORD, int, int, int, int, HWND, HMENU, HINSTANCE,
                                  LPVOID) -> HWND { return nullptr; });
    EXPECT_THROW(CSplashScreen(CBitmapKey(kRed60x50), 300, kFirstLine, kSecondLine), XOutOfMemory);
}

TEST_F(SplashScreenTest, ATimedSplashMayCloseOnceItsDurationHasPassed)
{
    CScopedTableEntry<decltype(CKernelTable::GetTickCount64)> clock(GetKernelTable().GetTickCount64,
                                                                   []() -> ULONGLONG { return gNow; });
    gNow = 50000;
    CSplashScreen splash(CBitmapKey(kRed60x50), 300, kFirstLine, kSecondLine);
    gNow = 50299;
    EXPECT_FALSE(splash.MayClose());
    gNow = 50300;
    EXPECT_TRUE(splash.MayClose());
    splash.Run();
    EXPECT_EQ(splash.GetWindowHandle(), nullptr);
}

// An untimed splash waits for a press; a close from outside or a quit request ends the wait as well,
// where it used to spin for ever.
TEST_F(SplashScreenTest, AnUntimedSplashRunsUntilPressedClosedOrQuitting)
{
    const struct
    {
        const char* what;
        std::function<void(CSplashScreen&)> end;
    } kCases[] = {
        {"press",
         [](CSplashScreen& splash) {
             ::PostMessageA(splash.GetWindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
             ::PostMessageA(splash.GetWindowHandle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
         }},
        {"close message", [](CSplashScreen& splash) { ::PostMessageA(splash.GetWindowHandle(), WM_CLOSE, 0, 0); }},
        {"window destroyed", [](CSplashScreen& splash) { ::DestroyWindow(splash.GetWindowHandle()); }},
        {"quit request", [this](CSplashScreen&) { mApplication.TryQuit(); }},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        CSplashScreen splash(CBitmapKey(kRed60x50), -1, kFirstLine, kSecondLine);
        EXPECT_FALSE(splash.MayClose());
        c.end(splash);
        splash.Run();
        EXPECT_EQ(splash.GetWindowHandle(), nullptr);
    }
}
