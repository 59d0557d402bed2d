#include "framework/viewwindows/progress/OldLengthyOperation.h"

#include "framework/foundation/platform/TimeBase.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/input/Cursors.h"
#include "framework/gui/windows/WindowProcedure.h"
#include "framework/views/controls/PushButtonView.h"

#include <utility>

namespace NSTramvell {

COldLengthyOperationWindow::COldLengthyOperationWindow(const std::string& title)
    : CSimpleLengthyOperationWindow(title, nullptr, CPoint(kLeft, kTop))
{
}

void COldLengthyOperationWindow::Update(std::int32_t percent, std::int32_t count, const std::string& message,
                                        const std::string& stopTitle)
{
    UpdateFromInfo(CSimpleProgressInfo(percent * 10, count, message, stopTitle));
}

COldLengthyOperation::COldLengthyOperation(std::string title, bool showsWindow, bool cancellable)
    : mClock(GetTicks(), showsWindow)
    , mTitle(std::move(title))
    , mCancellable(cancellable)
    , mIdleClient(kIdleIntervalCode, this, &COldLengthyOperation::OnIdle)
{
}

COldLengthyOperation::~COldLengthyOperation()
{
    CloseWindow();
}

void COldLengthyOperation::SetProgress(std::int32_t percent, std::int32_t count, const std::string& message)
{
    mPercent = percent;
    mCount = count;
    mMessage = message;
}

void COldLengthyOperation::OnIdle(const CIdleInfo&)
{
    const COldLengthyOperationClock::CStep step = mClock.Tick(GetTicks(), mShown);
    if (step.mCursor == COldLengthyOperationClock::ECursor::kArrow)
        SetArrowCursor();
    else if (step.mCursor == COldLengthyOperationClock::ECursor::kWait)
        SetWatchCursor();
    if (step.mShowWindow)
        ShowWindow();
    if (mWindow == nullptr)
        return;
    mWindow->Update(mPercent, mCount, mMessage, mWindow->GetStopButton().GetTitle());
    mWindow->UpdateNow();
}

void COldLengthyOperation::ShowWindow()
{
    mWindow = std::make_unique<COldLengthyOperationWindow>(mTitle);
    try {
        mWindow->GetStopButton().SetEnabled(mCancellable);
        EnterModalState(mWindow->GetWindowHandle());
        mShown = true;
        IncrementBusyCount();
    } catch (...) {
        CloseWindow();
        throw;
    }
}

void COldLengthyOperation::CloseWindow()
{
    if (mWindow == nullptr)
        return;
    if (mShown) {
        DecrementBusyCount();
        LeaveModalState(mWindow->GetWindowHandle());
        mShown = false;
    }
    mWindow.reset();
    UpdateFlaggedWindows();
}

} // namespace NSTramvell
