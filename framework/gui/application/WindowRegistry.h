#pragma once

// The process-wide list of the windows on screen, in the order they were shown: it maps a native handle
// back to its window, and the deferred close and the quit confirmation walk it. The list borrows the
// windows; a window enters it when it is shown and leaves it when it is disposed of.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct HWND__;
typedef struct HWND__* HWND;

namespace NSTramvell {
namespace NSTramvellInternal {

// What the list and the quit confirmation need of a window; the window base implements it.
class IRegisteredWindow
{
public:
    virtual HWND GetNativeHandle() const = 0;
    virtual bool IsCloseRequested() const = 0;
    virtual void ClearCloseRequest() = 0;
    // Sets the close-requested flag; the window closes at the next sweep.
    virtual void RequestClose() = 0;
    virtual bool MayClose() = 0;
    // Closes and deletes the window, which leaves the list on the way.
    virtual void CloseNow() = 0;
    // Repaints the window's invalid areas at once.
    virtual void UpdateNow() = 0;
    // Document windows carry the application's menu bar.
    virtual bool IsDocumentWindow() const { return false; }
    // What the window menu shows of the window: whether it is on screen and wants an item there, its
    // title, whether it is the window the user works in; and the activation its item asks for.
    virtual bool IsNativeStateSet() const { return false; }
    virtual bool WantsWindowMenuItem() const { return false; }
    virtual std::string GetTitle() const { return std::string(); }
    virtual bool IsActive() const { return false; }
    virtual bool Activate() { return false; }

protected:
    ~IRegisteredWindow() = default;   // windows are deleted as themselves, never through this interface
};

} // namespace NSTramvellInternal

using NSTramvellInternal::IRegisteredWindow;

// Appends the window unless it is already listed.
void AddToWindowRegistry(IRegisteredWindow* window);
// Takes the window out, keeping the order of the others; an unlisted window is ignored.
void RemoveFromWindowRegistry(IRegisteredWindow* window);

// Null for a null handle and for a handle no listed window has.
IRegisteredWindow* FindWindowByHandle(HWND handle);
// Closes every window whose close was requested, also windows added by a close on the way.
void UpdateFlaggedWindows();
// A copy: callers iterate it while windows may close.
std::vector<IRegisteredWindow*> GetWindowList();
std::uint16_t CountWindows();
// An index at or past the count throws std::out_of_range.
IRegisteredWindow* GetWindowAtIndex(std::uint16_t index);
void UpdateAllWindows();
std::uint16_t CountWindowsAnswering(const std::function<bool(IRegisteredWindow&)>& query);
bool IsWindowRegistered(const IRegisteredWindow* window);

// Asks the listed windows, oldest first, whether they may close, closing each that agrees at once; the
// first refusal answers false and leaves the rest open. True leaves the list empty.
bool ConfirmQuit();

} // namespace NSTramvell
