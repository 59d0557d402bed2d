#pragma once

// Work that blocks the event loop keeps the user informed through a lengthy operation: the working code
// ticks it with its progress as often as it likes; after half a second the cursor shows the program
// busy, and after five seconds a modal progress window with a stop button comes up, through which the
// user can ask the work to stop. Ticks are taken at most every 300 ms.

#include "framework/gui/progress/ProgressInfo.h"
#include "framework/gui/windows/Window.h"

#include <cstdint>
#include <memory>

namespace NSTramvell {

class CKeyEvent;

// The progress window's base: a modal window that the user can ask to stop the work.
class CABCLengthyOperationWindow : public CABCWindow
{
public:
    CABCLengthyOperationWindow();

    virtual void UpdateFromInfo(const CABCProgressInfo& info) = 0;

    // Escape asks the work to stop; true when the key was taken.
    bool HandleKey(const CKeyEvent& event);
    bool IsStopRequested() const { return mStopRequested; }
    void RequestStop() { mStopRequested = true; }

    std::int32_t GetFrameBorderWidth() const override { return GetFrameMetricWidth(false); }
    std::int32_t GetFrameBorderHeight() const override { return GetFrameMetricHeight(false); }

private:
    bool mStopRequested = false;
};

class CLengthyOperation
{
public:
    static constexpr std::uint64_t kBusyCursorDelayMs = 500;
    static constexpr std::uint64_t kBusyCursorStepMs = 200;
    static constexpr std::uint64_t kUpdateIntervalMs = 300;
    static constexpr std::uint64_t kWindowDelayMs = 5000;
    static constexpr std::int32_t kFinishPauseMs = 1000;

    // Starts the clock.
    CLengthyOperation();
    // Closes the window, if one is up.
    virtual ~CLengthyOperation();
    CLengthyOperation(const CLengthyOperation&) = delete;
    CLengthyOperation& operator=(const CLengthyOperation&) = delete;

    virtual void Update(const CABCProgressInfo& info);
    // Shows the progress at once when a window is up.
    virtual void UpdateNow(const CABCProgressInfo& info);
    // The window to show; the caller owns it. None here: the operation only sets the cursor.
    virtual CABCLengthyOperationWindow* CreateProgressWindow(const CABCProgressInfo& info);

    // A last update; a window that is up stays a second so that the end can be read, then closes.
    void Finish(const CABCProgressInfo& info);
    bool IsStopRequested() const;
    CABCLengthyOperationWindow* GetProgressWindow() const { return mWindow.get(); }
    bool IsWindowShown() const { return mWindowShown; }

private:
    void SetCursorFor(std::uint64_t now);
    void ShowProgressWindow(const CABCProgressInfo& info);
    void CloseProgressWindow();

    std::unique_ptr<CABCLengthyOperationWindow> mWindow;
    bool mWindowShown = false;
    std::uint64_t mStart;
    std::uint64_t mLastCursorChange;
    std::uint64_t mLastUpdate;
    std::int32_t mCursorFrame = 0;
};

} // namespace NSTramvell
