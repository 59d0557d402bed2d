#include "framework/gui/application/WindowRegistry.h"

#include <algorithm>
#include <stdexcept>

namespace NSTramvell {
namespace {

std::vector<IRegisteredWindow*>& GetRegistry()
{
    static std::vector<IRegisteredWindow*> registry;
    return registry;
}

} // namespace

void AddToWindowRegistry(IRegisteredWindow* window)
{
    if (!IsWindowRegistered(window))
        GetRegistry().push_back(window);
}

void RemoveFromWindowRegistry(IRegisteredWindow* window)
{
    std::vector<IRegisteredWindow*>& registry = GetRegistry();
    const auto found = std::find(registry.begin(), registry.end(), window);
    if (found != registry.end())
        registry.erase(found);
}

IRegisteredWindow* FindWindowByHandle(HWND handle)
{
    if (handle == nullptr)
        return nullptr;
    for (IRegisteredWindow* window : GetRegistry()) {
        if (window->GetNativeHandle() == handle)
            return window;
    }
    return nullptr;
}

void UpdateFlaggedWindows()
{
    // By position, reading the list afresh each time: a close takes its window out and may add or
    // remove others.
    std::size_t position = 0;
    while (position < GetRegistry().size()) {
        IRegisteredWindow* window = GetRegistry()[position];
        if (window->IsCloseRequested()) {
            window->ClearCloseRequest();
            window->CloseNow();
        } else {
            ++position;
        }
    }
}

std::vector<IRegisteredWindow*> GetWindowList()
{
    return GetRegistry();
}

std::uint16_t CountWindows()
{
    return static_cast<std::uint16_t>(GetRegistry().size());
}

IRegisteredWindow* GetWindowAtIndex(std::uint16_t index)
{
    if (index >= GetRegistry().size())
        throw std::out_of_range("invalid vector<T> subscript");
    return GetRegistry()[index];
}

void UpdateAllWindows()
{
    for (IRegisteredWindow* window : GetWindowList())
        window->UpdateNow();
}

std::uint16_t CountWindowsAnswering(const std::function<bool(IRegisteredWindow&)>& query)
{
    std::uint16_t count = 0;
    for (IRegisteredWindow* window : GetRegistry()) {
        if (query(*window))
            ++count;
    }
    return count;
}

bool IsWindowRegistered(const IRegisteredWindow* window)
{
    const std::vector<IRegisteredWindow*>& registry = GetRegistry();
    return std::find(registry.begin(), registry.end(), window) != registry.end();
}

bool ConfirmQuit()
{
    std::vector<IRegisteredWindow*> windows = GetWindowList();
    while (!windows.empty()) {
        IRegisteredWindow* window = windows.front();
        if (!window->MayClose())
            return false;
        window->RequestClose();
        // Sweep after every request, the last one too: a window left open here would outlive the
        // application and the window classes that the entry removes after it.
        UpdateFlaggedWindows();
        // A window that stays listed after agreeing would be asked for ever.
        if (IsWindowRegistered(window))
            return false;
        windows = GetWindowList();
    }
    return true;
}

} // namespace NSTramvell
