// The low-memory dialog under a real application: shown by the idle handler while memory is short, laid
// out in its window, closed by its button, and what closing it leaves the application's memory state.

#include "framework/foundation/platform/MemoryReserve.h"
#include "framework/viewwindows/dialogs/LowMemoryDialog.h"
#include "framework/viewwindows/dialogs/tests/FrameworkDialogsTestSupport.h"
#include "framework/gui/tests/support/Driver.h"
#include "framework/gui/tests/support/TestApplication.h"
#include "framework/views/controls/IconView.h"
#include "framework/views/controls/PushButtonView.h"
#include "framework/views/controls/StaticTextView.h"

#include <gtest/gtest.h>

#include <functional>

using namespace NSTramvell;
using NSFrameworkDialogsTest::GetRectInParent;
using NSFrameworkDialogsTest::RegisterClassesOnce;

namespace {

// Reserve blocks cannot be had while it lives.
class CFailingReserveAllocations
{
public:
    CFailingReserveAllocations()
        : mPrevious(NSMemoryReserveInternal::SetBlockAllocator([](std::int32_t) { return std::unique_ptr<std::byte[]>(); }))
    {
    }
    ~CFailingReserveAllocations() { NSMemoryReserveInternal::SetBlockAllocator(mPrevious); }
    CFailingReserveAllocations(const CFailingReserveAllocations&) = delete;
    CFailingReserveAllocations& operator=(const CFailingReserveAllocations&) = delete;

private:
    NSMemoryReserveInternal::TBlockAllocator mPrevious;
};

class LowMemoryDialog : public testing::Test
{
protected:
    LowMemoryDialog() { RegisterClassesOnce(); }
    ~LowMemoryDialog() override { CloseLowMemoryDialog(); }

    // Runs the application's pump steps until the condition holds; false when the time is up.
    bool PumpUntil(const std::function<bool()>& condition, int timeoutMs = 20000)
    {
        const DWORD start = ::GetTickCount();
        while (!condition()) {
            if (::GetTickCount() - start > static_cast<DWORD>(timeoutMs))
                return false;
            mApplication.ProcessPendingEvents();
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        return true;
    }

    const NSGuiTest::CWatchdog mWatchdog;
    NSGuiTest::CTestApplication mApplication;
};

TEST_F(LowMemoryDialog, IsBuiltOnceWhileShortLaidOutWithTheFrameworkTextsAndClosedByItsButton)
{
    mApplication.EnterLowMemoryState();
    ASSERT_TRUE(PumpUntil([] { return IsLowMemoryDialogShown(); }));
    CLowMemoryDialog* const dialog = GetLowMemoryDialog();
    const HWND handle = dialog->GetWindowHandle();

    // Still short on the following idle passes: the same dialog stays the only one.
    NSGuiTest::CTestIdleClient passes(20, [] {});
    ASSERT_TRUE(PumpUntil([&passes] { return passes.GetRunCount() >= 3; }));
    EXPECT_EQ(GetLowMemoryDialog(), dialog);
    EXPECT_EQ(CountWindows(), 1);

    EXPECT_EQ(dialog->GetClientBounds(), CRect(0, 0, 400, 270));
    EXPECT_EQ(*dialog->GetButton()->GetFrame(), CRect(292, 236, 392, 262));
    EXPECT_EQ(GetRectInParent(dialog->GetButton()->GetNativeHandle()), CRect(294, 238, 390, 260));
    EXPECT_EQ(*dialog->GetIconView()->GetFrame(), CRect(20, 12, 52, 44));
    EXPECT_EQ(*dialog->GetDetailView()->GetFrame(), CRect(72, 32, 392, 240));
    EXPECT_EQ(dialog->GetMessageView()->GetText(), "Low on Memory");
    EXPECT_EQ(dialog->GetButton()->GetTitle(), "Try Again");
    EXPECT_EQ(dialog->GetDetailView()->GetText().rfind("\rSome operations and functions have been disabled", 0), 0u);
    EXPECT_NE(dialog->GetDetailView()->GetText().find(".\r\r1. Save all open documents.\r\r2. "), std::string::npos);
    NSGuiTest::SaveScreenshot("low-memory-dialog");

    ::PostMessageA(dialog->GetButton()->GetNativeHandle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpUntil([handle] { return !::IsWindow(handle); }));
    EXPECT_FALSE(IsLowMemoryDialogShown());
    EXPECT_EQ(mApplication.GetMemoryState(), kMemoryStateNormal);
}

TEST_F(LowMemoryDialog, RealTabKeepsTheFocusOnItsOneButtonWhichSpaceThenPushes)
{
    if (!NSGuiTest::HasRealInput())
        GTEST_SKIP() << "xdotool is not installed";
    mApplication.EnterLowMemoryState();
    ASSERT_TRUE(PumpUntil([] { return IsLowMemoryDialogShown(); }));
    const HWND handle = GetLowMemoryDialog()->GetWindowHandle();
    bool closed = false;
    // Space pushes only the button that holds the platform's focus: the dialog closing shows that neither
    // Tab took it away.
    const std::vector<std::string> seen =
        NSGuiTest::WalkFocusThenPress({{"", "Try Again"}, {"Tab", "Try Again"}, {"shift+Tab", "Try Again"}}, "space",
                                      [&] { closed = PumpUntil([handle] { return !::IsWindow(handle); }); });
    EXPECT_EQ(seen, (std::vector<std::string>{"Try Again", "Try Again", "Try Again"}));
    EXPECT_TRUE(closed);
}

TEST_F(LowMemoryDialog, AReserveThatCannotBeTakenBackLeavesTheApplicationShort)
{
    mApplication.EnterLowMemoryState();
    ASSERT_TRUE(PumpUntil([] { return IsLowMemoryDialogShown(); }));
    {
        const CFailingReserveAllocations failing;
        CloseLowMemoryDialog();
        EXPECT_EQ(mApplication.GetMemoryState(), kMemoryStateLow);
    }
    // The next idle pass shows the dialog again.
    EXPECT_TRUE(PumpUntil([] { return IsLowMemoryDialogShown(); }));
}

} // namespace
