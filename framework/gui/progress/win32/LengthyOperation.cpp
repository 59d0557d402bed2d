#include "framework/gui/progress/LengthyOperation.h"

#include "framework/foundation/platform/TimeBase.h"
#include "framework/gui/application/Application.h"
#include "framework/gui/application/WindowRegistry.h"
#include "framework/gui/input/Cursors.h"
#include "framework/gui/input/KeyEvent.h"
#include "framework/gui/windows/WindowProcedure.h"

namespace NSTramvell {

CABCLengthyOperationWindow::CABCLengthyOperationWindow()
    : CABCWindow(kKindModalDialog, 0, 0, 0, 0)
{
    SetModal(true);
}

bool CABCLengthyOperationWindow::HandleKey(const CKeyEvent& event)
{
    if (!event.IsEscape())
        return false;
    mStopRequested = true;
    return true;
}

CLengthyOperation::CLengthyOperation()
    : mStart(GetTimeCounter())
    , mLastCursorChange(mStart)
    , mLastUpdate(mStart)
{
}

CLengthyOperation::~CLengthyOperation()
{
    CloseProgressWindow();
}

void CLengthyOperation::SetCursorFor(std::uint64_t now)
{
    if (mWindowShown || now - mStart <= kBusyCursorDelayMs) {
        SetArrowCursor();
        return;
    }
    if (now - mLastCursorChange >= kBusyCursorStepMs) {
        SetWatchCursor();
        ++mCursorFrame;
        mLastCursorChange = now;
    }
}

void CLengthyOperation::Update(const CABCProgressInfo& info)
{
    const std::uint64_t now = GetTimeCounter();
    SetCursorFor(now);
    if (now <= mLastUpdate + kUpdateIntervalMs)
        return;
    if (mWindow == nullptr && now - mStart > kWindowDelayMs)
        ShowProgressWindow(info);
    if (mWindow != nullptr) {
        mWindow->UpdateFromInfo(info);
        // The one chance for the stop button to be pressed.
        if (mWindowShown && CApplication::GetApplication() != nullptr)
            CApplication::GetApplication()->ProcessPendingEvents();
    }
    mLastUpdate = now;
}

void CLengthyOperation::UpdateNow(const CABCProgressInfo& info)
{
    if (mWindow == nullptr)
        return;
    mWindow->UpdateFromInfo(info);
    mWindow->UpdateNow();
}

CABCLengthyOperationWindow* CLengthyOperation::CreateProgressWindow(const CABCProgressInfo&)
{
    return nullptr;
}

void CLengthyOperation::ShowProgressWindow(const CABCProgressInfo& info)
{
    mWindow.reset(CreateProgressWindow(info));
    if (mWindow == nullptr || !mWindow->IsNativeStateSet())
        return;
    try {
        EnterModalState(mWindow->GetWindowHandle());
        mWindowShown = true;
        IncrementBusyCount();
        mWindow->UpdateNow();
    } catch (...) {
        CloseProgressWindow();
        throw;
    }
}

void CLengthyOperation::CloseProgressWindow()
{
    if (mWindow == nullptr)
        return;
    if (mWindowShown) {
        DecrementBusyCount();
        LeaveModalState(mWindow->GetWindowHandle());
        mWindowShown = false;
    }
    mWindow.reset();
    UpdateFlaggedWindows();
}

void CLengthyOperation::Finish(const CABCProgressInfo& info)
{
    Update(info);
    if (mWindowShown)
        PauseMilliseconds(kFinishPauseMs);
    CloseProgressWindow();
}

bool CLengthyOperation::IsStopRequested() const
{
    return mWindow != nullptr && mWindow->IsStopRequested();
}

} // namespace NSTramvell
