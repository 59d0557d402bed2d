#pragma once

// A window as the registry and the quit confirmation see it, for tests that need windows without the
// platform: it answers MayClose as told, records the calls it gets, and leaves the registry when it
// closes or dies.

#include "framework/gui/application/WindowRegistry.h"

#include <functional>
#include <string>
#include <vector>

namespace NSGuiTest {

class CFakeWindow : public NSTramvell::IRegisteredWindow
{
public:
    // The log, borrowed, receives "<name>:<call>" lines (may be null).
    CFakeWindow(std::string name, std::vector<std::string>* log, bool mayClose = true);
    ~CFakeWindow();
    CFakeWindow(const CFakeWindow&) = delete;
    CFakeWindow& operator=(const CFakeWindow&) = delete;

    // Enters the registry as a shown window does.
    void Show();
    bool IsClosed() const { return mClosed; }
    void SetMayClose(bool mayClose) { mMayClose = mayClose; }
    // Runs inside CloseNow, after the window has left the registry.
    void SetOnClose(std::function<void()> onClose) { mOnClose = std::move(onClose); }

    HWND GetNativeHandle() const override;
    bool IsCloseRequested() const override { return mCloseRequested; }
    void ClearCloseRequest() override { mCloseRequested = false; }
    void RequestClose() override;
    bool MayClose() override;
    void CloseNow() override;
    void UpdateNow() override;

private:
    void Log(const char* call);

    std::string mName;
    std::vector<std::string>* mLog;   // borrowed from the test
    bool mMayClose;
    bool mCloseRequested = false;
    bool mClosed = false;
    std::function<void()> mOnClose;
};

} // namespace NSGuiTest
