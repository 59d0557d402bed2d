// A document window with the program's three menus on the Xvfb screen, driven by real key presses and
// clicks: Ctrl+C runs the Copy command, and choosing "About Dravim" from the opened bar runs its command.

#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/windows/tests/ClassWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace NSTramvell;

namespace {

class CMenuApplication : public NSGuiTest::CTestApplication
{
public:
    CMenuBar* GetMenuBar() override { return mBar.get(); }
    void EnableMenuCommands(CMenuBar* bar) override
    {
        for (const std::uint32_t command : {10u, 400u, 200u, 201u, 102u})
            bar->EnableCommand(command, true);
    }
    bool DoMenuCommand(const CMenuCommand& command) override
    {
        mCommands.push_back(std::to_string(command.GetCommandId()) + "/" + std::to_string(command.GetKind()));
        return true;
    }
    bool Received(const std::string& command) const
    {
        return std::find(mCommands.begin(), mCommands.end(), command) != mCommands.end();
    }

    std::vector<std::unique_ptr<CMenu>> mMenus;
    std::unique_ptr<CMenuBar> mBar;
    std::vector<std::string> mCommands;
};

void Key(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
}

void ClickAt(const RECT& rect)
{
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    INPUT inputs[3]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dx = x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    inputs[0].mi.dy = y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[2].type = INPUT_MOUSE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(3, inputs, sizeof inputs[0]);
}

// Pumps the application until the condition holds or the time is up.
bool PumpUntil(CApplication& application, const std::function<bool()>& condition, int timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (static_cast<int>(::GetTickCount() - start) > timeoutMs)
            return false;
        application.ProcessPendingEvents();
    }
    return true;
}

bool IsMenuOpen()
{
    const HWND popup = ::FindWindowA("#32768", nullptr);
    return popup != nullptr && ::IsWindowVisible(popup);
}

} // namespace

TEST(MenuBarSmoke, KeysAndClicksReachTheCommandsOfTheProgramsMenus)
{
    const NSGuiTest::CWatchdog watchdog(90);
    CMenuApplication application;
    NSGuiTest::CClassWindow window;
    window.SetTitle("Menu bar smoke");
    window.ShowWithBounds(CRect(120, 100, 520, 400));
    application.mBar = std::make_unique<CMenuBar>();
    for (std::int32_t entry = 1; entry <= 3; ++entry) {
        application.mMenus.push_back(LoadMenuResource(601280000 + entry));
        application.mBar->AppendMenu(*application.mMenus.back());
    }
    application.mBar->EndUpdate();
    const HWND handle = window.GetWindowHandle();
    ASSERT_EQ(::GetMenu(handle), application.mBar->GetNativeHandle());
    ::SetForegroundWindow(handle);
    ASSERT_TRUE(PumpUntil(application, [&] { return IsActiveWindow(&window); }, 5000));

    Key(VK_CONTROL, false);
    Key('C', false);
    Key('C', true);
    Key(VK_CONTROL, true);
    EXPECT_TRUE(PumpUntil(application, [&] { return application.Received("102/5"); }, 5000));

    const HMENU dravim = application.mMenus[0]->GetNativeHandle();
    std::string screenshot;
    bool chosen = false;
    {
        const NSGuiTest::CDriverThread driver([&] {
            RECT title{};
            if (!::GetMenuItemRect(handle, ::GetMenu(handle), 0, &title))
                return;
            ClickAt(title);
            if (!NSGuiTest::WaitUntil(&IsMenuOpen, 5000))
                return;
            screenshot = NSGuiTest::SaveScreenshot("menu-bar-open");
            RECT about{};
            if (!::GetMenuItemRect(handle, dravim, 0, &about))
                return;
            ClickAt(about);
            chosen = true;
        });
        EXPECT_TRUE(PumpUntil(application, [&] { return application.Received("400/4"); }, 15000));
    }
    EXPECT_TRUE(chosen);
    EXPECT_FALSE(screenshot.empty());
}
