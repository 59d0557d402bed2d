#pragma once

// Driving the program's windows from inside the test program, as a user would: wait for a window, read it,
// press its buttons, take a picture of the screen. These call the platform directly, so they work before
// the framework binds its tables and after it releases them. A watchdog ends a test that hangs.

#include "framework/foundation/platform/win32/PlatformWin32.h"

#include <functional>
#include <string>
#include <vector>

namespace NSGuiTest {

// Checks the condition every 10 ms until it holds (true) or the time is up (false). Pumps nothing.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs);

// A visible top-level window of this process with the title; null when none appears in time.
HWND WaitForTopWindow(const std::string& title, int timeoutMs);
// The texts of the window's children, in their order.
std::vector<std::string> GetChildTexts(HWND window);
// Clicks the child button with the label; false when the window has none.
bool PressButton(HWND dialog, const std::string& label);
// The screen as a 24-bit BMP file "<name>.bmp" in the screenshots folder beside the test program (in the
// build tree); returns its path, empty when the picture could not be taken.
std::string SaveScreenshot(const std::string& name);
// What the window itself holds drawn in its client area, read from its own device context rather than from
// the screen, saved and named as a screenshot. (Without a window manager the screen shows no frame.)
std::string SaveWindowPicture(HWND window, const std::string& name);

// Real input through the X server, as the user's keyboard and mouse give it: xdotool (tools/install-deps
// installs it; Wine starts the Unix program itself). Its events reach whichever window holds the X input
// focus.
bool HasRealInput();
// Runs xdotool with the arguments ("key Tab", "mousemove 10 20 click 1") and waits for it to end; true when
// it ran and succeeded.
bool RunXdotool(const std::string& arguments, int timeoutMs = 10000);
// The text of the window that holds the keyboard focus in the thread; empty when none does.
std::string GetFocusedText(DWORD thread);
// Presses each step's keys for real (none: only waits), the pointer in the thread's active window, and waits
// until the focus in the thread rests on the control with the step's text; answers the text the focus had after each step (the expected ones when all
// went right), so that a wrong walk shows where it went.
struct CFocusStep
{
    std::string mKeys;
    std::string mFocusAfter;
};
std::vector<std::string> WalkFocus(DWORD thread, const std::vector<CFocusStep>& steps, int timeoutMs = 5000);
// The walk from a driver thread over the focus of the calling thread, then the last keys pressed, while
// `run` holds the calling thread (a modal run, a pump loop) until the last keys have ended it.
std::vector<std::string> WalkFocusThenPress(const std::vector<CFocusStep>& walk, const std::string& lastKeys,
                                            const std::function<void()>& run);

// Runs steps on a thread of their own while the test's thread is held in a modal loop.
class CDriverThread
{
public:
    explicit CDriverThread(std::function<void()> steps);
    // Waits for the steps to end.
    ~CDriverThread();
    CDriverThread(const CDriverThread&) = delete;
    CDriverThread& operator=(const CDriverThread&) = delete;

private:
    static DWORD WINAPI Run(LPVOID driver);

    std::function<void()> mSteps;
    HANDLE mThread;
};

// Ends the test program with a failure when the test has not finished in time: a hung window test must
// fail, not stop the whole run.
class CWatchdog
{
public:
    explicit CWatchdog(int timeoutSeconds = 60);
    ~CWatchdog();
    CWatchdog(const CWatchdog&) = delete;
    CWatchdog& operator=(const CWatchdog&) = delete;

private:
    static DWORD WINAPI Watch(LPVOID watchdog);

    DWORD mTimeoutMs;
    std::string mTestName;
    HANDLE mFinished;
    HANDLE mThread;
};

} // namespace NSGuiTest
