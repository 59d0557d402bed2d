#include "framework/gui/tests/support/Driver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace NSGuiTest {
namespace {

constexpr DWORD kPollIntervalMs = 10;
constexpr const char* kXdotool = "/usr/bin/xdotool";
constexpr const char* kXdotoolSeenByWindows = "Z:\\usr\\bin\\xdotool";
constexpr const char* kShell = "Z:\\bin\\sh";

struct CWindowSearch
{
    std::string mTitle;
    HWND mFound = nullptr;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM searchAddress)
{
    auto* search = reinterpret_cast<CWindowSearch*>(searchAddress);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    char title[256] = "";
    ::GetWindowTextA(window, title, sizeof title);
    if (process == ::GetCurrentProcessId() && ::IsWindowVisible(window) && search->mTitle == title) {
        search->mFound = window;
        return FALSE;
    }
    return TRUE;
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

std::string GetText(HWND window)
{
    char text[1024] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string GetScreenshotFolder()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\') + 1);
    folder += "screenshots\\";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount() - start >= static_cast<DWORD>(timeoutMs))
            return false;
        ::Sleep(kPollIntervalMs);
    }
}

HWND WaitForTopWindow(const std::string& title, int timeoutMs)
{
    CWindowSearch search{title};
    WaitUntil([&] {
        ::EnumWindows(&MatchTopWindow, reinterpret_cast<LPARAM>(&search));
        return search.mFound != nullptr;
    }, timeoutMs);
    return search.mFound;
}

std::vector<std::string> GetChildTexts(HWND window)
{
    std::vector<std::string> texts;
    for (HWND child : GetChildren(window))
        texts.push_back(GetText(child));
    return texts;
}

bool PressButton(HWND dialog, const std::string& label)
{
    for (HWND child : GetChildren(dialog)) {
        char className[64] = "";
        ::GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") == 0 && GetText(child) == label) {
            ::PostMessageA(child, BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

namespace {

// The source's area as a 24-bit BMP file "<name>.bmp" in the screenshots folder; empty when it fails.
std::string SavePicture(HDC source, int width, int height, const std::string& name)
{
    if (source == nullptr || width <= 0 || height <= 0)
        return "";
    const HDC memory = ::CreateCompatibleDC(source);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(source, width, height);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    ::SelectObject(memory, previous);

    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(height));
    const int rows = ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                                 reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    if (rows != height)
        return "";

    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + static_cast<DWORD>(pixels.size());
    const std::string path = GetScreenshotFolder() + name + ".bmp";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return "";
    std::fwrite(&fileHeader, sizeof fileHeader, 1, file);
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(pixels.data(), 1, pixels.size(), file);
    std::fclose(file);
    return path;
}

} // namespace

std::string SaveScreenshot(const std::string& name)
{
    const HDC screen = ::GetDC(nullptr);
    const std::string path =
        SavePicture(screen, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), name);
    ::ReleaseDC(nullptr, screen);
    return path;
}

std::string SaveWindowPicture(HWND window, const std::string& name)
{
    RECT client{};
    if (!::GetClientRect(window, &client))
        return "";
    const HDC drawn = ::GetDC(window);
    const std::string path = SavePicture(drawn, client.right, client.bottom, name);
    ::ReleaseDC(window, drawn);
    return path;
}

bool HasRealInput()
{
    return ::GetFileAttributesA(kXdotoolSeenByWindows) != INVALID_FILE_ATTRIBUTES &&
           ::GetFileAttributesA(kShell) != INVALID_FILE_ATTRIBUTES;
}

bool RunXdotool(const std::string& arguments, int timeoutMs)
{
    // Wine gives no handle that waits for a Unix program to end: a shell leaves a mark when xdotool has
    // succeeded, and that is waited for.
    static std::atomic<int> runs{0};
    const std::string mark = "/tmp/dravim-xdotool-" + std::to_string(::GetCurrentProcessId()) + "-" +
                             std::to_string(++runs);
    std::string markSeenByWindows = "Z:" + mark;
    for (char& character : markSeenByWindows)
        character = character == '/' ? '\\' : character;
    std::string line = std::string(kShell) + " -c \"" + kXdotool + " " + arguments + " && : > " + mark + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    const bool succeeded = WaitUntil(
        [&] { return ::GetFileAttributesA(markSeenByWindows.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs);
    ::DeleteFileA(markSeenByWindows.c_str());
    return succeeded;
}

std::string GetFocusedText(DWORD thread)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(thread, &info) || info.hwndFocus == nullptr)
        return "";
    return GetText(info.hwndFocus);
}

namespace {

// Without a window manager nothing hands a framed window the X input focus, and the keys go to the window
// under the pointer: the pointer is put in the middle of the thread's active window first.
bool PressKeysInActiveWindow(DWORD thread, const std::string& keys)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    RECT bounds{};
    if (!::GetGUIThreadInfo(thread, &info) || info.hwndActive == nullptr || !::GetWindowRect(info.hwndActive, &bounds))
        return false;
    return RunXdotool("mousemove " + std::to_string((bounds.left + bounds.right) / 2) + " " +
                      std::to_string((bounds.top + bounds.bottom) / 2) + " key " + keys);
}

} // namespace

std::vector<std::string> WalkFocus(DWORD thread, const std::vector<CFocusStep>& steps, int timeoutMs)
{
    std::vector<std::string> seen;
    for (const CFocusStep& step : steps) {
        if (!step.mKeys.empty() && !PressKeysInActiveWindow(thread, step.mKeys)) {
            seen.push_back("(no keys pressed: " + step.mKeys + ")");
            break;
        }
        WaitUntil([&] { return GetFocusedText(thread) == step.mFocusAfter; }, timeoutMs);
        seen.push_back(GetFocusedText(thread));
    }
    return seen;
}

std::vector<std::string> WalkFocusThenPress(const std::vector<CFocusStep>& walk, const std::string& lastKeys,
                                            const std::function<void()>& run)
{
    const DWORD thread = ::GetCurrentThreadId();
    std::vector<std::string> seen;
    {
        const CDriverThread driver([&] {
            seen = WalkFocus(thread, walk);
            PressKeysInActiveWindow(thread, lastKeys);
        });
        run();
    }
    return seen;
}

CDriverThread::CDriverThread(std::function<void()> steps)
    : mSteps(std::move(steps))
    , mThread(::CreateThread(nullptr, 0, &Run, this, 0, nullptr))
{
}

CDriverThread::~CDriverThread()
{
    ::WaitForSingleObject(mThread, INFINITE);
    ::CloseHandle(mThread);
}

DWORD WINAPI CDriverThread::Run(LPVOID driver)
{
    static_cast<CDriverThread*>(driver)->mSteps();
    return 0;
}

CWatchdog::CWatchdog(int timeoutSeconds)
    : mTimeoutMs(static_cast<DWORD>(timeoutSeconds) * 1000)
    , mFinished(::CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    if (test != nullptr)
        mTestName = std::string(test->test_suite_name()) + "." + test->name();
    mThread = ::CreateThread(nullptr, 0, &Watch, this, 0, nullptr);
}

CWatchdog::~CWatchdog()
{
    ::SetEvent(mFinished);
    ::WaitForSingleObject(mThread, INFINITE);
    ::CloseHandle(mThread);
    ::CloseHandle(mFinished);
}

DWORD WINAPI CWatchdog::Watch(LPVOID watchdog)
{
    auto* self = static_cast<CWatchdog*>(watchdog);
    if (::WaitForSingleObject(self->mFinished, self->mTimeoutMs) == WAIT_TIMEOUT) {
        std::fprintf(stderr, "Watchdog: %s did not finish within %lu ms\n", self->mTestName.c_str(),
                     static_cast<unsigned long>(self->mTimeoutMs));
        std::fflush(stderr);
        ::TerminateProcess(::GetCurrentProcess(), 3);
    }
    return 0;
}

} // namespace NSGuiTest
