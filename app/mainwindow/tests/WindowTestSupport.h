#pragma once

// What the main window's tests share: a test application with the program's resources, a listener that
// records the window's calls, the main window shown as the application shows it, message pumping with a
// deadline, and reading the window back from the platform (control rectangles, the client's pixels).

#include "app/mainwindow/MainWindow.h"
#include "framework/foundation/platform/win32/PlatformWin32.h"
#include "framework/gui/tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace NSMainWindowTest {

// Pumps this thread's messages until the condition holds (true) or the time is up (false).
bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 10000);
// Handles every message already queued.
void PumpPending();

NSTramvell::CRect GetControlRectInClient(HWND control);
NSTramvell::CRect GetClientOnScreen(HWND window);
// Every child window of the window, at any depth.
std::vector<HWND> ListChildWindows(HWND window);

// The client area's pixels, 0x00RRGGBB, row by row from the top.
class CClientCapture
{
public:
    explicit CClientCapture(HWND window);
    std::uint32_t At(std::int32_t x, std::int32_t y) const { return mPixels[y * mWidth + x]; }
    std::int32_t GetWidth() const { return mWidth; }
    std::int32_t GetHeight() const { return mHeight; }
    // The pixels of the rectangle, row by row.
    std::vector<std::uint32_t> Crop(const NSTramvell::CRect& rect) const;

private:
    std::int32_t mWidth = 0;
    std::int32_t mHeight = 0;
    std::vector<std::uint32_t> mPixels;
};

// A BMPF picture of the program's resources, 0x00RRGGBB, top row first.
struct CResourcePicture
{
    std::int32_t mWidth = 0;
    std::int32_t mHeight = 0;
    std::vector<std::uint32_t> mPixels;
    std::uint32_t At(std::int32_t x, std::int32_t y) const { return mPixels[y * mWidth + x]; }
};
CResourcePicture LoadResourcePicture(std::uint16_t id);

class CRecordingListener : public IMainWindowActionListener
{
public:
    void ConvertToFolder() override { mCalls.push_back("ConvertToFolder"); }
    void ConvertToArchive() override { mCalls.push_back("ConvertToArchive"); }
    void Quit() override { mCalls.push_back("Quit"); }
    void StopConversion() override { mCalls.push_back("StopConversion"); }
    void Eject() override { mCalls.push_back("Eject"); }

    std::vector<std::string> mCalls;
};

class CMainWindowTest : public testing::Test
{
protected:
    static constexpr std::int32_t kNoPosition = CMainWindow::kNoPosition;

    void SetUp() override;
    void TearDown() override;

    // Makes the window, shows it at its own bounds, activates and paints it.
    void Open(const NSTramvell::CLocation& position = NSTramvell::CLocation(kNoPosition, kNoPosition),
              bool archiveAvailable = true);
    void Close();
    // Paints what is invalid now.
    void Paint();
    // Switches the state and paints.
    void Show(std::int32_t state);
    HWND Handle() const { return mWindow->GetWindowHandle(); }
    HWND Exit() const;
    HWND Folder() const;
    HWND Archive() const;
    HWND Eject() const;
    HWND Bar() const;
    // Clicks by a posted message and waits for the listener; false when no call came.
    bool PostClickAndWait(HWND control);

    std::unique_ptr<NSGuiTest::CTestApplication> mApplication;
    CRecordingListener mListener;
    std::unique_ptr<CMainWindow> mWindow;
};

} // namespace NSMainWindowTest
