#pragma once

// The older lengthy operation: the working code only records its progress, and an idle client (every
// 200 ms) sets the cursor and, after five seconds, puts up the progress window, counting in framework
// ticks (COldLengthyOperationClock).

#include "framework/foundation/platform/IdleManager.h"
#include "framework/gui/progress/ProgressInfo.h"
#include "framework/viewwindows/progress/SimpleLengthyOperation.h"

#include <cstdint>
#include <memory>
#include <string>

namespace NSTramvell {

// The template window, first placed at (200, 200).
class COldLengthyOperationWindow : public CSimpleLengthyOperationWindow
{
public:
    static constexpr std::int32_t kLeft = 200;
    static constexpr std::int32_t kTop = 200;

    explicit COldLengthyOperationWindow(const std::string& title);
    // Percent (0 to 100) fills the bar in tenths of a percent.
    void Update(std::int32_t percent, std::int32_t count, const std::string& message, const std::string& stopTitle);
};

class COldLengthyOperation
{
public:
    static constexpr std::int32_t kIdleIntervalCode = 25;   // 200 ms

    // Without showsWindow only the cursor tells the user; a cancellable operation offers Stop.
    COldLengthyOperation(std::string title, bool showsWindow, bool cancellable);
    // Takes the window down, if one is up.
    ~COldLengthyOperation();
    COldLengthyOperation(const COldLengthyOperation&) = delete;
    COldLengthyOperation& operator=(const COldLengthyOperation&) = delete;

    void SetProgress(std::int32_t percent, std::int32_t count, const std::string& message);
    bool IsStopRequested() const { return mWindow != nullptr && mWindow->IsStopRequested(); }
    COldLengthyOperationWindow* GetWindow() const { return mWindow.get(); }

    // The idle client's step.
    void OnIdle(const CIdleInfo& info);

private:
    void ShowWindow();
    void CloseWindow();

    COldLengthyOperationClock mClock;
    std::int32_t mPercent = 0;
    std::int32_t mCount = 0;
    std::string mMessage;
    std::string mTitle;
    std::unique_ptr<COldLengthyOperationWindow> mWindow;
    bool mShown = false;
    bool mCancellable;
    CIdleClient<COldLengthyOperation> mIdleClient;
};

} // namespace NSTramvell
