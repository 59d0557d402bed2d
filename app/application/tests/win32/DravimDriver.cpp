// The driver of the program's end-to-end tests: each run does one step against the running program, as
// a user would see and do it, and saves a picture of the screen under the build tree when asked to.
// Windows are found by class and text; buttons are pressed by posting their click, never by sending it,
// so that the driver is never held inside the program's handling of it.
//
//   DravimDriver wait <class|*> <text part> <timeout ms> [shot]       a visible top-level window; prints it
//   DravimDriver wait-child <text part> <child text> <enabled|shown|active> <timeout ms> [shot]
//   DravimDriver gone <text part|#handle> <timeout ms>                no such window any more
//   DravimDriver click <text part> <button text> [shot]
//   DravimDriver key <text part> <return|escape>                      posted to the window
//   DravimDriver center <text part> <child text> [n]                  screen point of the n-th such child
//   DravimDriver front <title> <ms>                                   a window of its own in front
//   DravimDriver close <text part>                                    posts the window a close request
//   DravimDriver shot <name>
//   DravimDriver look <text part> <name>         a shot, and <name>-window: what the window holds drawn;
//                                                prints its client rectangle on the screen and the
//                                                rectangles of the windows in front
//
// Exit status 0 when the step succeeded, 1 when it did not (a message says why), 2 for bad usage.

#include "framework/gui/tests/support/Driver.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct CFound
{
    std::string className;
    std::string textPart;
    HWND window = nullptr;
};

std::string GetText(HWND window)
{
    char text[2048] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string GetClass(HWND window)
{
    char name[256] = "";
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM textAddress)
{
    if (lstrcmpiA(GetClass(child).c_str(), "Static") == 0)
        *reinterpret_cast<std::string*>(textAddress) += GetText(child);
    return TRUE;
}

// What a window says: its title, or for an untitled window (an alert) the texts of its static children,
// where the alert keeps its message.
std::string GetWindowWords(HWND window)
{
    std::string text = GetText(window);
    if (text.empty())
        ::EnumChildWindows(window, &CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM foundAddress)
{
    auto* found = reinterpret_cast<CFound*>(foundAddress);
    if (!::IsWindowVisible(window))
        return TRUE;
    if (found->className != "*" && lstrcmpiA(found->className.c_str(), GetClass(window).c_str()) != 0)
        return TRUE;
    if (found->textPart != "*" && GetWindowWords(window).find(found->textPart) == std::string::npos)
        return TRUE;
    found->window = window;
    return FALSE;
}

HWND FindTopWindow(const std::string& className, const std::string& textPart)
{
    CFound found{className, textPart};
    ::EnumWindows(&MatchTopWindow, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

HWND WaitForTopWindow(const std::string& className, const std::string& textPart, int timeoutMs)
{
    HWND window = nullptr;
    NSGuiTest::WaitUntil([&] { return (window = FindTopWindow(className, textPart)) != nullptr; }, timeoutMs);
    return window;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM childrenAddress)
{
    reinterpret_cast<std::vector<HWND>*>(childrenAddress)->push_back(window);
    return TRUE;
}

std::vector<HWND> GetChildren(HWND window)
{
    std::vector<HWND> children;
    ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

// Hidden pages keep their controls visible and move them far out of the window: shown means visible and
// inside the window.
bool IsShown(HWND child)
{
    RECT childRect{};
    RECT windowRect{};
    RECT common{};
    return ::IsWindowVisible(child) && ::GetWindowRect(child, &childRect) &&
           ::GetWindowRect(::GetAncestor(child, GA_ROOT), &windowRect) &&
           ::IntersectRect(&common, &childRect, &windowRect);
}

// The index-th shown child with the text (picture buttons have none, so they are told apart by order).
HWND FindChild(HWND window, const std::string& text, int index = 0)
{
    for (HWND child : GetChildren(window))
        if (IsShown(child) && GetText(child) == text && index-- == 0)
            return child;
    return nullptr;
}

struct CChildSearch
{
    std::string textPart;
    std::string childText;
    bool enabled;
    bool active = false;
    HWND window = nullptr;
};

BOOL CALLBACK MatchWindowWithChild(HWND window, LPARAM searchAddress)
{
    auto* search = reinterpret_cast<CChildSearch*>(searchAddress);
    if (!::IsWindowVisible(window) || GetWindowWords(window).find(search->textPart) == std::string::npos)
        return TRUE;
    const HWND child = FindChild(window, search->childText);
    if (child == nullptr || (search->enabled && !::IsWindowEnabled(child)))
        return TRUE;
    // A window that is not yet active again (just after a modal chooser) takes the focus to its own focus
    // view when a click activates it, and the click is lost.
    if (search->active && (!::IsWindowEnabled(window) || ::GetForegroundWindow() != window))
        return TRUE;
    search->window = window;
    return FALSE;
}

// One line for the window, then one per child: class, text, enabled, visible. Carriage returns and line
// ends inside texts are shown as "\r" and "\n", so every window keeps to one line.
std::string Escape(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '\r')
            escaped += "\\r";
        else if (c == '\n')
            escaped += "\\n";
        else
            escaped += c;
    }
    return escaped;
}

void PrintWindow(HWND window)
{
    std::printf("window\t%s\t%s\t%llx\n", GetClass(window).c_str(), Escape(GetWindowWords(window)).c_str(),
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
    for (HWND child : GetChildren(window))
        std::printf("child\t%s\t%s\t%s\t%s\n", GetClass(child).c_str(), Escape(GetText(child)).c_str(),
                    ::IsWindowEnabled(child) ? "enabled" : "disabled", IsShown(child) ? "shown" : "hidden");
}

// The visible top-level windows in front of the window, which the screen shows where they overlap it.
void PrintCovers(HWND window)
{
    for (HWND above = ::GetWindow(window, GW_HWNDPREV); above != nullptr; above = ::GetWindow(above, GW_HWNDPREV)) {
        RECT rect{};
        if (::IsWindowVisible(above) && ::GetWindowRect(above, &rect))
            std::printf("cover\t%ld\t%ld\t%ld\t%ld\n", rect.left, rect.top, rect.right, rect.bottom);
    }
}

void Shot(int argc, char** argv, int index)
{
    if (index < argc) {
        // Let the program finish painting what it has just shown.
        ::Sleep(300);
        NSGuiTest::SaveScreenshot(argv[index]);
    }
}

int Fail(const std::string& why)
{
    std::fprintf(stderr, "DravimDriver: %s\n", why.c_str());
    return 1;
}

LRESULT CALLBACK FrontWindowProcedure(HWND window, UINT message, WPARAM first, LPARAM second)
{
    return ::DefWindowProcA(window, message, first, second);
}

// A plain window of the driver's own, active and in front for the time given, pumping its messages.
int ShowFrontWindow(const std::string& title, int milliseconds)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &FrontWindowProcedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "DravimDriverFront";
    ::RegisterClassA(&windowClass);
    const HWND window = ::CreateWindowExA(WS_EX_TOPMOST, "DravimDriverFront", title.c_str(),
                                          WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 600, 400, nullptr, nullptr,
                                          windowClass.hInstance, nullptr);
    if (window == nullptr)
        return Fail("the front window could not be made");
    ::SetForegroundWindow(window);
    const DWORD start = ::GetTickCount();
    while (::IsWindow(window) && ::GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        ::Sleep(20);
    }
    if (::IsWindow(window))
        ::DestroyWindow(window);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const std::string command = argv[1];
    if (command == "wait" && argc >= 5) {
        const HWND window = WaitForTopWindow(argv[2], argv[3], std::atoi(argv[4]));
        if (window == nullptr)
            return Fail(std::string("no window \"") + argv[3] + "\"");
        Shot(argc, argv, 5);
        PrintWindow(window);
        return 0;
    }
    if (command == "wait-child" && argc >= 6) {
        const std::string need = argv[4];
        CChildSearch search{argv[2], argv[3], need == "enabled" || need == "active", need == "active"};
        const bool found = NSGuiTest::WaitUntil([&] {
            search.window = nullptr;
            ::EnumWindows(&MatchWindowWithChild, reinterpret_cast<LPARAM>(&search));
            return search.window != nullptr;
        }, std::atoi(argv[5]));
        if (!found) {
            if (const HWND window = FindTopWindow("*", argv[2]))
                PrintWindow(window);
            return Fail(std::string("no ") + need + " child \"" + argv[3] + "\" in \"" + argv[2] + "\"");
        }
        Shot(argc, argv, 6);
        PrintWindow(search.window);
        return 0;
    }
    if (command == "gone" && argc >= 4) {
        // "#" and a handle as printed: that one window, for a text that the next window may show at once.
        const std::string which = argv[2];
        const auto handle = which.size() > 1 && which[0] == '#'
                                ? reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::strtoull(argv[2] + 1, nullptr, 16)))
                                : nullptr;
        const auto isGone = [&] {
            return handle != nullptr ? !::IsWindow(handle) || !::IsWindowVisible(handle)
                                     : FindTopWindow("*", which) == nullptr;
        };
        if (!NSGuiTest::WaitUntil(isGone, std::atoi(argv[3])))
            return Fail(std::string("\"") + argv[2] + "\" is still there");
        return 0;
    }
    if (command == "click" && argc >= 4) {
        const HWND window = FindTopWindow("*", argv[2]);
        if (window == nullptr)
            return Fail(std::string("no window \"") + argv[2] + "\"");
        Shot(argc, argv, 4);
        if (!NSGuiTest::PressButton(window, argv[3]))
            return Fail(std::string("no button \"") + argv[3] + "\"");
        return 0;
    }
    if (command == "key" && argc >= 4) {
        const HWND window = FindTopWindow("*", argv[2]);
        if (window == nullptr)
            return Fail(std::string("no window \"") + argv[2] + "\"");
        const std::string key = argv[3];
        const WPARAM code = key == "return" ? VK_RETURN : VK_ESCAPE;
        const LPARAM scan = key == "return" ? 0x001C0001 : 0x00010001;
        ::PostMessageA(window, WM_KEYDOWN, code, scan);
        ::PostMessageA(window, WM_KEYUP, code, scan | static_cast<LPARAM>(0xC0000000u));
        return 0;
    }
    if (command == "center" && argc >= 4) {
        const HWND window = FindTopWindow("*", argv[2]);
        const int index = argc >= 5 ? std::atoi(argv[4]) : 0;
        const HWND child = window != nullptr ? FindChild(window, argv[3], index) : nullptr;
        if (child == nullptr)
            return Fail(std::string("no child \"") + argv[3] + "\"");
        RECT rect{};
        ::GetWindowRect(child, &rect);
        std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        return 0;
    }
    if (command == "close" && argc >= 3) {
        const HWND window = FindTopWindow("*", argv[2]);
        if (window == nullptr)
            return Fail(std::string("no window \"") + argv[2] + "\"");
        ::PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == "front" && argc >= 4)
        return ShowFrontWindow(argv[2], std::atoi(argv[3]));
    if (command == "look" && argc >= 4) {
        // The test holds these pictures against the X server's own, so all show one moment: no wait here.
        const HWND window = FindTopWindow("*", argv[2]);
        RECT client{};
        POINT origin{};
        if (window == nullptr || !::GetClientRect(window, &client) || !::ClientToScreen(window, &origin))
            return Fail(std::string("no window \"") + argv[2] + "\"");
        if (NSGuiTest::SaveWindowPicture(window, std::string(argv[3]) + "-window").empty() ||
            NSGuiTest::SaveScreenshot(argv[3]).empty())
            return Fail("no picture");
        std::printf("rect\t%ld\t%ld\t%ld\t%ld\n", origin.x, origin.y, origin.x + client.right,
                    origin.y + client.bottom);
        PrintCovers(window);
        return 0;
    }
    if (command == "shot" && argc >= 3)
        return NSGuiTest::SaveScreenshot(argv[2]).empty() ? Fail("no picture") : 0;
    return 2;
}
