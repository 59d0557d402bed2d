// The application's routing of keys and menu commands along the active window's chain, the posted
// commands, and the key equivalents of the menu bar.

#include "framework/gui/application/Application.h"

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/menus/MenuBar.h"
#include "framework/gui/views/View.h"
#include "framework/gui/windows/FocusHandling.h"
#include "framework/gui/windows/Window.h"

namespace NSTramvell {
namespace {

// Keys the shortcut step leaves alone: the Ctrl key itself, and one more.
constexpr std::uint32_t kKeyControl = 0x49;
constexpr std::uint32_t kKeyLeftAlone = 0x52;

template <typename TInput>
std::vector<TInput*> BuildChain(CApplication& application, TInput* (CABCWindow::*builtIn)() const)
{
    std::vector<TInput*> chain;
    if (CABCWindow* window = GetActiveFrameworkWindow()) {
        if (CView* focus = window->GetFocusView()) {
            if (auto* member = dynamic_cast<TInput*>(focus))
                chain.push_back(member);
            for (CView* participant : GetFocusParticipants(focus)) {
                if (auto* member = dynamic_cast<TInput*>(participant))
                    chain.push_back(member);
            }
        }
        chain.push_back(window);
        if (TInput* member = (window->*builtIn)())
            chain.push_back(member);
    }
    chain.push_back(&application);
    return chain;
}

} // namespace

std::vector<IMenuInput*> CApplication::GetMenuChain()
{
    return BuildChain<IMenuInput>(*this, &CABCWindow::GetBuiltInMenuInput);
}

std::vector<IKeyboardInput*> CApplication::GetKeyChain()
{
    return BuildChain<IKeyboardInput>(*this, &CABCWindow::GetBuiltInKeyboardInput);
}

void CApplication::UpdateMenus(CMenuBar* menuBar)
{
    UpdateMenusAlong(GetMenuChain(), menuBar);
}

void CApplication::UpdateMenuBar(CMenuBar& menuBar)
{
    menuBar.ResetItems();
    UpdateMenus(&menuBar);
}

bool CApplication::RouteMenuCommand(const CMenuCommand& command)
{
    return RouteMenuCommandAlong(GetMenuChain(), command);
}

bool CApplication::RouteKey(const CKeyEvent& event)
{
    if (auto* capture = dynamic_cast<IKeyboardInput*>(GetMouseCaptureView()))
        return capture->HandleKey(event);
    for (IKeyboardInput* member : GetKeyChain()) {
        if (member->HandleKey(event))
            return true;
    }
    return false;
}

void CApplication::PostMenuCommand(const CMenuCommand& command)
{
    mPostedCommands.push_back(command);
    WakeIdleWork();
}

void CApplication::DispatchPostedCommand()
{
    if (mPostedCommands.empty())
        return;
    const CMenuCommand command = mPostedCommands.front();
    mPostedCommands.pop_front();
    CMenuBar* const menuBar = GetMenuBar();
    if (menuBar != nullptr)
        menuBar->ResetItems();
    UpdateMenus(menuBar);
    RouteMenuCommand(command);
}

void CApplication::HandleMenuShortcut(const MSG& message)
{
    CMenuBar* const menuBar = GetMenuBar();
    if (menuBar == nullptr)
        return;
    CModifierKeys modifiers;
    CModifierKeys::ReadForEvent(modifiers);
    const auto time = static_cast<std::uint32_t>(message.time);
    const CKeyEvent event(message.message, message.wParam, message.lParam, time, modifiers);
    if (event.GetKeyCode() == kKeyControl || event.GetKeyCode() == kKeyLeftAlone)
        return;
    if (!modifiers.IsCommandDown() || IsMouseBusy())
        return;
    UpdateMenuBar(*menuBar);
    if (const std::uint32_t command = menuBar->FindKeyEquivalent(event))
        RouteMenuCommand(CMenuCommand(kMenuCommandFromShortcut, menuBar, command, modifiers, time));
}

void CApplication::ShowHelp(std::int32_t, CABCWindow*) {}

} // namespace NSTramvell
