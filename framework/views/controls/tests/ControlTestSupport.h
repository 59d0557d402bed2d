#pragma once

// What the control tests share: a framework window of the framework's own class (so the controls'
// notifications go through the window procedure) shown on the desktop, with a test application that
// initialises the common controls as the program does; message pumping with a deadline; a group that polls
// its push buttons when a change climbs through it; and counters of the calls that tests watch.

#include "framework/foundation/platform/win32/PlatformTables.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/gui/views/GroupView.h"
#include "framework/gui/windows/tests/ClassWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace NSControlTest {

// Pumps this thread's messages until the condition holds (true) or the time is up (false).
bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
// Handles every message that is already queued.
void PumpPending();

// The window's client rectangle of a child control, from the platform.
NSTramvell::CRect GetControlRectInClient(HWND control);

class CShownWindow : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Paints what is invalid now.
    void Paint();

    std::unique_ptr<NSGuiTest::CTestApplication> mApplication;
    std::unique_ptr<NSGuiTest::CClassWindow> mWindow;
};

// Asks the listed buttons, in order, whether they were pushed each time a change reaches it.
class CPollingGroup : public NSTramvell::CStandardGroupView
{
public:
    CPollingGroup(NSTramvell::CABCGroupView* parent, const NSTramvell::CRect& frame);
    std::int32_t ChildChanged() override;

    std::vector<std::function<bool()>> mPolls;
    std::vector<std::vector<bool>> mAnswers;   // one row per change
};

// Counts the calls of one kind that the tests watch, passing each on to the platform.
struct CCallCounts
{
    int mSetText = 0;
    int mWindowInvalidations = 0;
    int mRedraws = 0;
    std::vector<std::pair<HWND, UINT>> mSends;
};

class CCountedCalls
{
public:
    explicit CCountedCalls(HWND window);
    ~CCountedCalls();
    CCountedCalls(const CCountedCalls&) = delete;
    CCountedCalls& operator=(const CCountedCalls&) = delete;

    const CCallCounts& Get() const;
};

} // namespace NSControlTest
