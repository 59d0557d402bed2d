// What the window procedure does with keys, commands, the opening menu bar, focus notices, the wheel and
// help requests: each becomes a framework event routed by the application or the window.

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/windows/FocusHandling.h"
#include "framework/gui/windows/InputSeams.h"
#include "framework/gui/windows/Window.h"
#include "framework/gui/windows/WindowHelpers.h"

namespace NSTramvell {
namespace {

std::uint32_t MessageTime()
{
    return static_cast<std::uint32_t>(GetWindowTable().GetMessageTime());
}

CModifierKeys ReadModifiers()
{
    CModifierKeys modifiers;
    CModifierKeys::ReadForEvent(modifiers);
    return modifiers;
}

} // namespace

CMouseEventRecord MakeMouseWheelEvent(std::uintptr_t first, std::intptr_t second)
{
    return MakeMouseWheelEvent(first, second, ReadModifiers());
}

void DispatchKeyMessage(HWND, std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    if (CApplication* application = CApplication::GetApplication())
        application->RouteKey(CKeyEvent(message, first, second, MessageTime(), ReadModifiers()));
}

void DispatchCommandMessage(HWND, std::uintptr_t first, std::intptr_t)
{
    CApplication* application = CApplication::GetApplication();
    CMenuBar* menuBar = application != nullptr ? application->GetMenuBar() : nullptr;
    const auto nativeId = static_cast<std::uint16_t>(first & 0xFFFF);
    CMenu* menu = nullptr;
    std::uint16_t index = 0;
    if (menuBar == nullptr || nativeId == 0 || !menuBar->FindNativeItem(nativeId, menu, index))
        return;
    const std::uint32_t command = menu->GetItem(index).mCommandId;
    application->UpdateMenuBar(*menuBar);
    application->RouteMenuCommand(
        CMenuCommand(kMenuCommandFromNativeMenu, menuBar, command, ReadModifiers(), MessageTime()));
}

void PrepareMenuBarForDisplay()
{
    CApplication* application = CApplication::GetApplication();
    CMenuBar* menuBar = application != nullptr ? application->GetMenuBar() : nullptr;
    if (menuBar == nullptr)
        return;
    application->UpdateMenuBar(*menuBar);
    menuBar->NumberNativeItems();
}

void NotifyWindowFocus(CABCWindow& window, std::uint32_t message, std::uintptr_t first, std::intptr_t second)
{
    IWinFocusHandler* handler = window.GetFocusHandler();
    if (handler == nullptr)
        return;
    if (message == WM_SETFOCUS)
        handler->WindowGainedFocus(window, window.GetWindowHandle(), second, first);
    else
        handler->WindowLostFocus(window, window.GetWindowHandle(), second, first);
}

bool DispatchWheelMessage(CABCWindow& window, std::uintptr_t first, std::intptr_t second)
{
    return DispatchMouseWheel(window, MakeMouseWheelEvent(first, second));
}

void HandleHelpMessage(CABCWindow* window, std::intptr_t second)
{
    CApplication* application = CApplication::GetApplication();
    if (application == nullptr)
        return;
    try {
        std::int32_t helpId = -1;
        const auto* info = reinterpret_cast<const HELPINFO*>(second);
        CMenuBar* menuBar = application->GetMenuBar();
        if (info != nullptr && info->iContextType == HELPINFO_MENUITEM && info->iCtrlId != 0 && menuBar != nullptr)
            helpId = menuBar->FindHelpReference(static_cast<std::uint16_t>(info->iCtrlId),
                                                static_cast<HMENU>(info->hItemHandle));
        if (helpId == -1)
            helpId = application->GetDefaultHelpId();
        if (helpId != -1)
            application->ShowHelp(helpId, window);
    } catch (const std::exception& e) {
        application->ReportException(e);
    }
}

} // namespace NSTramvell
